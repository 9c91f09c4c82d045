#include "identity/WorkstationProfile.h"

#include "TestInstallation.h"
#include "text/Text.h"

#include <functional>
#include <gtest/gtest.h>

namespace identity {
namespace {

using testing::TestInstallation;

const std::u16string CompanyPrompt =
    u"Nombre de Empresa|Introduzca el nombre de su empresa.|Empresa de demostración";

struct Profile {
    std::u16string code, name, terminal, warehouse, touchScreen;
    bool operator==(const Profile&) const = default;
};

const Profile Shop{u"4711", u"Ultramarinos Peñalver, S.A.", u"Terminal Nº 3 CAJA 1",
                   u"Almacén CENTRAL -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID", u"-1"};

Profile Loaded(TestInstallation& installation) {
    LoadWorkstationProfile(installation.context);
    const session::SessionState& session = installation.session;
    EXPECT_EQ(session.DbConnection, nullptr) << "released once read";
    return {session.CustomerCode, session.CustomerName, session.TerminalText, session.WarehouseText,
            text::FromInt(session.UsesTouchScreen)};
}

TEST(WorkstationProfile, ReadsTheShopFromItsDatabaseWithAccentsIntact) {
    const struct {
        std::string changes;
        std::u16string Profile::*field;
        std::u16string_view value;
    } cases[] = {
        {"UPDATE TERMINALES SET REPLICA = 1;", &Profile::terminal,
         u"Terminal replicado Nº 3 CAJA 1"},
        {"UPDATE TERMINALES SET REPLICA = NULL;", &Profile::terminal, u"Terminal Nº 3 CAJA 1"},
        // Warehouse parts of one character or none are left out.
        {"UPDATE ALMACENES SET DIRECCION = ''; UPDATE PROVINCIAS SET DESCRIPCION = 'M';",
         &Profile::warehouse, u"Almacén CENTRAL - Localidad: MADRID"},
        {"UPDATE ALMACENES SET DESCRIPCION = NULL, DIRECCION = NULL; UPDATE LOCALIDADES SET "
         "DESCRIPCION = 'X'; UPDATE PROVINCIAS SET DESCRIPCION = NULL;",
         &Profile::warehouse, u"Almacén "},
        {"UPDATE ALMACENES SET DIRECCION = 'C1'; UPDATE LOCALIDADES SET DESCRIPCION = 'LO';"
         "UPDATE PROVINCIAS SET DESCRIPCION = 'PR';",
         &Profile::warehouse, u"Almacén CENTRAL -> C1 - Localidad: LO - Provincia: PR"},
        // A code that reads as the number 0 is the demonstration company's.
        {"UPDATE INFO SET LIC = '0';", &Profile::code, u"0000000000001"},
        {"UPDATE INFO SET LIC = '0004711';", &Profile::code, u"0004711"},
        // The touch-screen option of this terminal: anything but "NO".
        {"UPDATE TPVOPCIONES SET VALOR = ' no ' WHERE IDTERMINAL = 3;", &Profile::touchScreen,
         u"0"},
        {"UPDATE TPVOPCIONES SET VALOR = 'NOPE' WHERE IDTERMINAL = 3;", &Profile::touchScreen,
         u"-1"},
        {"DELETE FROM TPVOPCIONES WHERE IDTERMINAL = 3;", &Profile::touchScreen, u"0"},
        // A NULL that cannot be converted keeps what was read before it.
        {"UPDATE TPVOPCIONES SET VALOR = NULL WHERE IDTERMINAL = 3;", &Profile::touchScreen, u"0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changes);
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase(c.changes)) << "is the Firebird server running?";
        EXPECT_EQ(Loaded(installation).*c.field, c.value);
        EXPECT_TRUE(installation.dialogs.prompts.empty());
    }
    TestInstallation shop, nullCode;
    ASSERT_TRUE(shop.MakeShopDatabase());
    EXPECT_EQ(Loaded(shop), Shop);
    ASSERT_TRUE(nullCode.MakeShopDatabase("UPDATE INFO SET LIC = NULL;"));
    EXPECT_EQ(Loaded(nullCode), (Profile{u"", Shop.name, u"", u"", u"0"}))
        << "the name is kept; the NULL code ends the reading";
}

// A text of that many characters with accents all along, "Á" first.
std::u16string Accented(size_t length) {
    std::u16string value;
    while (value.size() < length)
        value += u"Ávila Peñalver ";
    return value.substr(0, length);
}

TEST(WorkstationProfile, ReadsNamesAndAddressesOfEveryTextTypeAndLengthWhole) {
    const struct {
        std::string characterSet;
        size_t charMax, varcharMax;
    } databases[] = {{"ISO8859_1", 32767, 32765}, {"UTF8", 8191, 8191}};
    for (const auto& database : databases) {
        const std::pair<std::string, size_t> types[] = {{"CHAR", database.charMax},
                                                        {"VARCHAR", database.varcharMax},
                                                        {"BLOB SUB_TYPE TEXT", 40000}};
        for (const auto& [type, longest] : types)
            for (const size_t length : {size_t(1), size_t(128), size_t(129), longest}) {
                std::string declared = type;
                if (type == "CHAR" || type == "VARCHAR")
                    declared.append("(").append(std::to_string(length)).append(")");
                std::string filled = "RPAD(CAST('' AS BLOB SUB_TYPE TEXT), " +
                                     std::to_string(length) +
                                     ", CAST('Ávila Peñalver ' AS VARCHAR(15)))";
                SCOPED_TRACE(database.characterSet + " " + declared);
                TestInstallation installation;
                ASSERT_TRUE(installation.MakeShopDatabase(
                    "ALTER TABLE INFO DROP NOMBRE, ADD NOMBRE " + declared +
                        "; ALTER TABLE ALMACENES DROP DIRECCION, ADD DIRECCION " + declared +
                        "; UPDATE INFO SET NOMBRE = " + filled +
                        "; UPDATE ALMACENES SET DIRECCION = " + filled + ";",
                    database.characterSet));
                Profile expected = Shop;
                expected.name = Accented(length);
                expected.warehouse = u"Almacén CENTRAL" +
                                     (length > 1 ? u" -> " + expected.name : u"") +
                                     u" - Localidad: MADRID - Provincia: MADRID";
                EXPECT_EQ(Loaded(installation), expected);
            }
    }
}

TEST(WorkstationProfile, AsksForTheCompanyWhenTheDatabaseGivesNoNameOrCannotBeRead) {
    const struct {
        const char* situation;
        std::function<bool(TestInstallation&)> arrange;
        std::u16string_view warehouse, touchScreen; // what the database still gave
    } cases[] = {
        {"NULL name", [](auto& i) { return i.MakeShopDatabase("UPDATE INFO SET NOMBRE = NULL;"); },
         u"", u"0"},
        {"empty name", [](auto& i) { return i.MakeShopDatabase("UPDATE INFO SET NOMBRE = '';"); },
         Shop.warehouse, u"-1"},
        {"no INFO row", [](auto& i) { return i.MakeShopDatabase("DELETE FROM INFO;"); }, u"", u"0"},
        {"missing database file", [](auto&) { return true; }, u"", u"0"},
        {"SERVIDOR=SRV01",
         [](auto& i) { return i.MakeShopDatabase() && (i.SetServer("SRV01"), true); }, u"", u"0"},
        {"unusable client library",
         [](auto& i) { return i.MakeShopDatabase() && (i.BreakClientLibrary(), true); }, u"", u"0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        TestInstallation installation;
        ASSERT_TRUE(c.arrange(installation));
        installation.dialogs.answers = {u"Bazar Toñi"};
        EXPECT_EQ(Loaded(installation),
                  (Profile{u"0000000000001", u"Bazar Toñi", u"", std::u16string(c.warehouse),
                           std::u16string(c.touchScreen)}));
        EXPECT_EQ(installation.dialogs.prompts, std::vector<std::u16string>{CompanyPrompt});

        installation.session = {};
        EXPECT_EQ(Loaded(installation).name, u"") << "the prompt cancelled";
        EXPECT_EQ(installation.session.CustomerCode, u"0000000000001");
    }
}

} // namespace
} // namespace identity
