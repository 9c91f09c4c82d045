#include "TestInstallation.h"
#include "identity/WorkstationProfile.h"

#include <gtest/gtest.h>

namespace identity {
namespace {

using testing::TestInstallation;

const std::u16string CompanyPrompt =
    u"Nombre de Empresa|Introduzca el nombre de su empresa.|Empresa de demostración";

struct Profile {
    std::u16string code, name, terminal, warehouse;
    int16_t touchScreen;
    bool operator==(const Profile&) const = default;
};

Profile Loaded(TestInstallation& installation) {
    LoadWorkstationProfile(installation.context);
    const app::SessionState& session = installation.session;
    return {session.CustomerCode, session.CustomerName, session.TerminalText, session.WarehouseText,
            session.UsesTouchScreen};
}

Profile LoadedFromShop(const std::string& changes) {
    TestInstallation installation;
    EXPECT_TRUE(installation.MakeShopDatabase(changes)) << "is the Firebird server running?";
    Profile profile = Loaded(installation);
    EXPECT_TRUE(installation.dialogs.prompts.empty());
    EXPECT_EQ(installation.session.DbConnection, nullptr);
    return profile;
}

TEST(WorkstationProfile, ReadsTheShopWithItsAccentsIntact) {
    EXPECT_EQ(
        LoadedFromShop(""),
        (Profile{u"4711", u"Ultramarinos Peñalver, S.A.", u"Terminal Nº 3 CAJA 1",
                 u"Almacén CENTRAL -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID", -1}));
    EXPECT_EQ(LoadedFromShop("UPDATE TERMINALES SET REPLICA = 1;").terminal,
              u"Terminal replicado Nº 3 CAJA 1");
    EXPECT_EQ(LoadedFromShop("UPDATE TERMINALES SET REPLICA = NULL;").terminal,
              u"Terminal Nº 3 CAJA 1");
    EXPECT_EQ(LoadedFromShop("UPDATE ALMACENES SET DESCRIPCION = 'Almacén Sur';").warehouse,
              u"Almacén Almacén Sur -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID");
}

TEST(WorkstationProfile, UsesTheDemonstrationCodeWhenTheCodeReadsAsZero) {
    for (const char* code : {"'0'", "''", "'ABC-9'", "' 0 '"}) {
        Profile profile = LoadedFromShop(std::string("UPDATE INFO SET LIC = ") + code + ";");
        EXPECT_EQ(profile.code, u"0000000000001") << code;
        EXPECT_EQ(profile.name, u"Ultramarinos Peñalver, S.A.") << code;
        EXPECT_EQ(profile.terminal, u"Terminal Nº 3 CAJA 1") << code;
    }
    EXPECT_EQ(LoadedFromShop("UPDATE INFO SET LIC = '0004711';").code, u"0004711");
    EXPECT_EQ(LoadedFromShop("UPDATE INFO SET LIC = '12 AB';").code, u"12 AB");
}

TEST(WorkstationProfile, LeavesOutWarehousePartsOfOneCharacterOrNone) {
    EXPECT_EQ(LoadedFromShop("UPDATE ALMACENES SET DIRECCION = '';"
                             "UPDATE PROVINCIAS SET DESCRIPCION = 'M';")
                  .warehouse,
              u"Almacén CENTRAL - Localidad: MADRID");
    EXPECT_EQ(LoadedFromShop("UPDATE ALMACENES SET DIRECCION = NULL;"
                             "UPDATE LOCALIDADES SET DESCRIPCION = 'X';"
                             "UPDATE PROVINCIAS SET DESCRIPCION = NULL;")
                  .warehouse,
              u"Almacén CENTRAL");
    EXPECT_EQ(LoadedFromShop("UPDATE ALMACENES SET DIRECCION = 'C1';"
                             "UPDATE LOCALIDADES SET DESCRIPCION = 'LO';"
                             "UPDATE PROVINCIAS SET DESCRIPCION = 'PR';")
                  .warehouse,
              u"Almacén CENTRAL -> C1 - Localidad: LO - Provincia: PR");
    EXPECT_EQ(LoadedFromShop("UPDATE ALMACENES SET DESCRIPCION = NULL;").warehouse,
              u"Almacén  -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID");
}

TEST(WorkstationProfile, ReadsTheTouchScreenOptionOfThisTerminal) {
    auto touchScreenWith = [](const std::string& value) {
        return LoadedFromShop("UPDATE TPVOPCIONES SET VALOR = " + value + " WHERE IDTERMINAL = 3;")
            .touchScreen;
    };
    EXPECT_EQ(touchScreenWith("' no '"), 0);
    EXPECT_EQ(touchScreenWith("'NO'"), 0);
    EXPECT_EQ(touchScreenWith("'SI'"), -1);
    EXPECT_EQ(touchScreenWith("''"), -1);
    EXPECT_EQ(touchScreenWith("'NOPE'"), -1);
    EXPECT_EQ(LoadedFromShop("DELETE FROM TPVOPCIONES WHERE IDTERMINAL = 3;").touchScreen, 0);
    EXPECT_EQ(LoadedFromShop("UPDATE INFO SET ID = 4;"
                             "UPDATE TPVOPCIONES SET VALOR = 'SI' WHERE IDTERMINAL = 3;")
                  .touchScreen,
              0);
}

TEST(WorkstationProfile, KeepsWhatWasReadBeforeANullThatCannotBeConverted) {
    EXPECT_EQ(LoadedFromShop("UPDATE INFO SET LIC = NULL;"),
              (Profile{u"", u"Ultramarinos Peñalver, S.A.", u"", u"", 0}));
    EXPECT_EQ(
        LoadedFromShop("UPDATE TPVOPCIONES SET VALOR = NULL WHERE IDTERMINAL = 3;"),
        (Profile{u"4711", u"Ultramarinos Peñalver, S.A.", u"Terminal Nº 3 CAJA 1",
                 u"Almacén CENTRAL -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID", 0}));
}

// The company-name prompt, answered or cancelled, after the database gave no name.
void ExpectDemonstrationCompany(TestInstallation& installation, const char* situation) {
    installation.dialogs.answers = {u"Bazar Toñi"};
    Profile answered = Loaded(installation);
    EXPECT_EQ(installation.dialogs.prompts, std::vector<std::u16string>{CompanyPrompt})
        << situation;
    EXPECT_EQ(answered.code, u"0000000000001") << situation;
    EXPECT_EQ(answered.name, u"Bazar Toñi") << situation;
    EXPECT_EQ(answered.terminal, u"") << situation;
    EXPECT_EQ(installation.session.DbConnection, nullptr) << situation;

    installation.session = {};
    Profile cancelled = Loaded(installation);
    EXPECT_EQ(installation.dialogs.prompts.size(), 2u) << situation;
    EXPECT_EQ(cancelled.code, u"0000000000001") << situation;
    EXPECT_EQ(cancelled.name, u"") << situation;
    EXPECT_EQ(installation.session.DbConnection, nullptr) << situation;
}

TEST(WorkstationProfile, AsksForTheCompanyWhenTheDatabaseGivesNoName) {
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase("UPDATE INFO SET NOMBRE = NULL;"));
        ExpectDemonstrationCompany(installation, "NULL name");
        EXPECT_EQ(installation.session.UsesTouchScreen, 0) << "touch-screen query not run";
        EXPECT_EQ(installation.session.WarehouseText, u"");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase("UPDATE INFO SET NOMBRE = '';"));
        ExpectDemonstrationCompany(installation, "empty name");
        EXPECT_EQ(installation.session.UsesTouchScreen, -1) << "touch-screen query still run";
        EXPECT_EQ(installation.session.WarehouseText,
                  u"Almacén CENTRAL -> C/ MAYOR 1 - Localidad: MADRID - Provincia: MADRID");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase("DELETE FROM INFO;"));
        ExpectDemonstrationCompany(installation, "no INFO row");
        EXPECT_EQ(installation.session.WarehouseText, u"");
    }
}

TEST(WorkstationProfile, AsksForTheCompanyWhenTheDatabaseCannotBeReached) {
    {
        TestInstallation installation;
        ExpectDemonstrationCompany(installation, "missing database file");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase());
        installation.SetServer(u"127.0.0.1/3051");
        ExpectDemonstrationCompany(installation, "no server listening");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase());
        installation.SetServer(u"SRV01");
        ExpectDemonstrationCompany(installation, "SERVIDOR=SRV01");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase());
        installation.BreakClientLibrary();
        ExpectDemonstrationCompany(installation, "unusable client library");
    }
    {
        TestInstallation installation;
        ASSERT_TRUE(installation.MakeShopDatabase("COMMIT; DROP TABLE INFO;"));
        ExpectDemonstrationCompany(installation, "failing profile query");
    }
}

} // namespace
} // namespace identity
