#include "StandIn.h"
#include "service/IncidentFiling.h"
#include "service/IncidentLookup.h"
#include "service/OpenIncidentCheck.h"
#include "session/Context.h"
#include "text/Encoding.h"
#include "text/Text.h"
#include "ui/markup/MarkupParser.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>

namespace service {
namespace {

using namespace test_support;

class SupportRoadTest : public ::testing::Test, protected StandIn {
protected:
    SupportRoadTest() {
        session.CustomerCode = u"4300012";
        session.CustomerName = u"Ferretería Luna";
        session.TerminalText = u"1 Caja";
        session.WarehouseText = u"Central (Almacén)";
        session.AgentClientId = u"987654321";
    }
    // One support request as the form makes it.
    std::u16string Request(std::u16string problem) {
        session.ProblemText = std::move(problem);
        CheckOpenIncident(context);
        return FileIncident(context);
    }
    void Fault(const std::string& words) { ASSERT_EQ(Operator("fault " + words), 0); }
    // The reply of the last request, as the fetch tool wrote it.
    std::string LastReply() const {
        std::ifstream file(folder / "Velmorn3/Wget/respuesta.json", std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::u16string Stored(const std::u16string& number) {
        support_service::IncidentStore store(database);
        return text::Utf8ToUtf16(
            store.FindByNumber(std::stoll(text::Utf16ToUtf8(number)))->lines.at(0).observation);
    }
};

// The observation as the status view shows it, when the view is well-formed markup.
std::u16string ShownObservation(const ui::markup::Node& node) {
    const std::u16string* text = node.Find(u"Text");
    if (node.IsElement(u"Run") && text)
        return *text;
    for (const ui::markup::Node& child : node.children)
        if (std::u16string shown = ShownObservation(child); !shown.empty())
            return shown;
    return {};
}

TEST_F(SupportRoadTest, FileFinishFindOpenAgainAndLoseTheService) {
    const std::u16string number = Request(u"No imprime");
    ASSERT_FALSE(number.empty());
    const std::string n = text::Utf16ToUtf8(number);
    ASSERT_EQ(Operator("assign " + n + " Eva Caja") + Operator("add-line " + n + " Hecho") +
                  Operator("state " + n + " 2"),
              0);
    const std::u16string view = IncidentStatusMarkup(context, number);
    EXPECT_NE(view.find(u"Eva - Caja"), std::u16string::npos);
    const std::u16string today = os.FormatDate(os.PosixOs::Now(), platform::DateFormat::ShortDate);
    EXPECT_NE(view.find(u"Bold'> Finalizado " + today + u"</Run>"), std::u16string::npos);

    // Back in progress: the check reads its document, then the service goes away.
    ASSERT_EQ(Operator("state " + n + " 1"), 0);
    CheckOpenIncident(context);
    EXPECT_EQ(session.OpenIncidentNumber, number);
    Stop();
    EXPECT_EQ(FileIncident(context), u"");
    EXPECT_EQ(IncidentStatusMarkup(context, number), NoConnectionMarkup);
    EXPECT_EQ(Request(u"Sin servicio"), u"");
}

TEST_F(SupportRoadTest, WhatIsTypedArrivesAsTyped) {
    // clang-format off
    const std::u16string rows[] = {u"'", u"\"", u"\\", u"#", u"%", u"%41", u"&", u"+", u"?", u"<b>",
        u"ñ á é í ó ú ü Ñ ¿ ¡ €", u"GARCÍA ÁLVAREZ", u"\U0001F600", u"uno\r\ndos", u"uno\ndos",
        u"a\tb", u"##IDLINEA##", std::u16string(5000, u'ñ')};
    // clang-format on
    for (const std::u16string& typed : rows) {
        SCOPED_TRACE(text::Utf16ToUtf8(typed.substr(0, 20)));
        session.ContactName = session.ContactPhone = session.ProblemText = typed;
        ClearOpenIncident(session);
        const std::u16string number = FileIncident(context);
        ASSERT_FALSE(number.empty());
        std::u16string asTyped = typed;
        std::erase(asTyped, u'\r');
        EXPECT_TRUE(session.IncidentText.ends_with(u"Incidencia: " + asTyped));
        EXPECT_EQ(Stored(number), session.IncidentText);
        const ui::markup::Document view = ui::markup::Parse(IncidentStatusMarkup(context, number));
        EXPECT_TRUE(view.wellFormed);
        EXPECT_EQ(ShownObservation(view.root), session.IncidentText);
    }
}

TEST_F(SupportRoadTest, TheWireOfANewFilingIsFixed) {
    session.UsesTouchScreen = -1;
    session.ContactName = u"José";
    session.ProblemText = u"La impresora del almacén no saca el 'ticket'";
    ClearOpenIncident(session);
    ASSERT_FALSE(FileIncident(context).empty());
    EXPECT_EQ(
        support_service::IncidentStore(database).Setting("last-request"),
        "/VelmornServ/ServiciosJsonNoDecode?%7B'UUID':'7C2A91E4-3B6F-D150-8E47-A9F03B6C2D18','ID'"
        ":'-1','F':'SETDOC','M':'FACTURACION','P':%7B'IDOPERADOR':5000014,'DOCUMENTO':%7B'ID':'-1"
        "','TIPO':30,'IDEMISOR':5000014,'IDRECEPTOR':33,'IDPRIORIDAD':1,'CABECERA':%7B'CLIENTE':'"
        "4300012','FECHA':'09/12/2025%2012:00:00'%7D,'LINEAS':[%7B'ID':'-1','IDARTICULO':5003288,"
        "'OBSERVACION':%7B'ID':-1,'OBSERVACION':'Cliente:4300012%20Ferreter%C3%ADa%20Luna%5CnTerm"
        "inal:%201%20Caja%20(pantalla%20t%C3%A1ctil)%20Almac%C3%A9n:%20Central%20(Almac%C3%A9n)%5"
        "CnContacto:%20Jos%C3%A9%20%5Cn%5CnTeamViewer%20ID%20=%20987654321%5CnIncidencia:%20La%20"
        "impresora%20del%20almac%C3%A9n%20no%20saca%20el%20%5Cu0027ticket%5Cu0027','FECHA':'09/12"
        "/2025%2012:00:00'%7D%7D]%7D%7D%7D");
}

TEST_F(SupportRoadTest, OneClickFilesOneIncidentWhateverTheNetworkDoes) {
    os.shortPolls = true; // a reply that never comes meets the poll limit within seconds
    ASSERT_FALSE(Request(u"No imprime").empty());
    for (const std::string fault : {"drop", "cut-short 40", "cut 40", "http500", "hang"}) {
        for (const bool reconnection : {false, true}) {
            SCOPED_TRACE(fault + (reconnection ? " on a reconnection" : " on a new incident"));
            Fault(fault + " SETDOC");
            const size_t filings = Received("SETDOC").size();
            const int64_t incidents = IncidentsOf(session.CustomerCode);
            session.ProblemText = u"Sigue sin imprimir";
            CheckOpenIncident(context);
            ASSERT_GE(session.OpenIncidentId, 1);
            if (!reconnection)
                ClearOpenIncident(session);
            EXPECT_EQ(FileIncident(context), u"") << "Sin conexión, and no number guessed";
            EXPECT_EQ(Received("SETDOC").size(), filings + 1) << "sent once";
            EXPECT_EQ(IncidentsOf(session.CustomerCode), incidents + (reconnection ? 0 : 1));
        }
    }
}

TEST_F(SupportRoadTest, AReplyCutShortIsNeitherTakenNorWrittenBack) {
    std::u16string problem;
    while (problem.size() < 500)
        problem += u"La impresora del almacén no saca el tique de la señora Muñoz. ";
    const std::u16string number = Request(problem);
    ASSERT_FALSE(number.empty());
    ASSERT_EQ(Operator("add-line " + text::Utf16ToUtf8(number) + " Revisado"), 0);
    const std::u16string stored = Stored(number);
    ASSERT_NE(IncidentStatusMarkup(context, number), NoConnectionMarkup);
    // Where a reply can be cut is ServiceTest's; here, what a reply cut inside the text the
    // program would write back leads to.
    const size_t cut = LastReply().find("La impresora") + 100;
    for (const std::string kind : {"cut", "cut-short"}) {
        SCOPED_TRACE(kind);
        Fault(kind + " " + std::to_string(cut) + " GETDOC");
        EXPECT_EQ(IncidentStatusMarkup(context, number), NoConnectionMarkup);
        const std::u16string filed = Request(u"Otra vez");
        EXPECT_FALSE(filed.empty());
        EXPECT_NE(filed, number) << "an incident that cannot be read is not continued";
        EXPECT_EQ(Stored(number), stored) << "never shortened";
        // Finished, so that the next row meets the same open incident.
        ASSERT_EQ(Operator("state " + text::Utf16ToUtf8(filed) + " 2"), 0);
    }
    Fault("none");
    EXPECT_EQ(Request(u"Ya llega entero"), number);
    EXPECT_TRUE(Stored(number).starts_with(stored));
}

TEST_F(SupportRoadTest, OneStrayByteSpoilsNoAccent) {
    const std::u16string number = Request(u"El cajón y la señal del lector: ¿qué pasa?");
    ASSERT_FALSE(number.empty());
    std::u16string stored = Stored(number);
    for (const std::string function : {"GETAVISOS", "GETDOC", "SETDOC"}) {
        SCOPED_TRACE(function);
        Fault("bad-byte " + function);
        EXPECT_EQ(Request(u"Sigue ñ"), number);
        const std::u16string now = Stored(number);
        EXPECT_TRUE(now.starts_with(stored)) << text::Utf16ToUtf8(now);
        EXPECT_TRUE(now.ends_with(u"   Problema: Sigue ñ"));
        stored = now;
    }
    Fault("bad-byte GETDOC");
    const ui::markup::Document view = ui::markup::Parse(IncidentStatusMarkup(context, number));
    EXPECT_EQ(ShownObservation(view.root), stored);
}

// A busy day: the service does the work and answers after more than 30 s, well within the
// poll limit. Three workstations ask at once, each into its own response file.
TEST_F(SupportRoadTest, ASlowServiceIsStillAnAnswer) {
    const std::u16string open = Request(u"No imprime");
    ASSERT_FALSE(open.empty());
    CheckOpenIncident(context);
    ASSERT_EQ(session.OpenIncidentNumber, open);
    const int64_t incidents = IncidentsOf(session.CustomerCode);
    Workstation checking, filing, reconnecting;
    for (Workstation* workstation : {&checking, &filing, &reconnecting}) {
        workstation->session = session;
        workstation->context.config.serviceHost = context.config.serviceHost;
    }
    filing.session.CustomerCode = u"4300099"; // another shop: the check must not meet it
    ClearOpenIncident(filing.session);
    reconnecting.session.ProblemText = u"Sigue lento";
    Fault("slow 33 GETAVISOS,SETDOC");
    std::u16string filed, reconnected;
    {
        std::jthread check([&] { CheckOpenIncident(checking.context); });
        std::jthread file([&] { filed = FileIncident(filing.context); });
        std::jthread reconnect([&] { reconnected = FileIncident(reconnecting.context); });
    }
    EXPECT_EQ(checking.session.OpenIncidentNumber, open) << "the open incident is continued";
    EXPECT_FALSE(filed.empty()) << "filed, and the user is told so";
    EXPECT_EQ(reconnected, open);
    EXPECT_TRUE(Stored(open).ends_with(u"   Problema: Sigue lento"));
    EXPECT_EQ(IncidentsOf(session.CustomerCode), incidents) << "continued, not filed again";
    EXPECT_EQ(IncidentsOf(filing.session.CustomerCode), 1) << "one filing per click";
}

TEST_F(SupportRoadTest, APastedLineBreakInTheNameOrTelephoneIsOneSpace) {
    const struct {
        std::u16string typed, stored;
    } rows[] = {{u"Eva\r\nMaría López", u"Eva María López"},
                {u"Eva\nMaría López", u"Eva María López"},
                {u"Eva\r\n\r\n\nMaría López", u"Eva María López"},
                {u"Eva\rMaría López", u"Eva María López"},
                {u"600\r\n123 456", u"600 123 456"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(text::Utf16ToUtf8(row.stored));
        session.ContactName = session.ContactPhone = row.typed;
        ClearOpenIncident(session);
        const std::u16string number = FileIncident(context);
        ASSERT_FALSE(number.empty());
        EXPECT_NE(Stored(number).find(u"\nContacto: " + row.stored + u" Teléfono: " + row.stored +
                                      u"\n\nTeamViewer ID = "),
                  std::u16string::npos)
            << text::Utf16ToUtf8(Stored(number));
        session.ContactName = session.ContactPhone = row.typed;
        EXPECT_EQ(Request(u"Sigue"), number);
        EXPECT_TRUE(Stored(number).ends_with(u"\n   Contacto: " + row.stored + u"    Teléfono: " +
                                             row.stored + u"\n   Problema: Sigue"))
            << text::Utf16ToUtf8(Stored(number));
    }
}

// The profile's texts come from the shop's database: an address holds several lines.
TEST_F(SupportRoadTest, OnlyTheProgramsOwnAgentLineDecidesWhoseIncidentItIs) {
    const std::u16string marker = u"\r\nTeamViewer ID = 1\r\n";
    std::u16string session::SessionState::*const fields[] = {&session::SessionState::CustomerName,
                                                             &session::SessionState::TerminalText,
                                                             &session::SessionState::WarehouseText};
    for (int32_t row = 0; row < 3; ++row) {
        const session::SessionState profile = session;
        session.CustomerCode = u"430001" + text::FromInt(row);
        session.*fields[row] = u"Calle Mayor 1" + marker + u"Polígono Sur";
        SCOPED_TRACE(row);
        const std::u16string number = Request(u"No imprime");
        ASSERT_FALSE(number.empty());
        EXPECT_NE(Stored(number).find(u"Calle Mayor 1 TeamViewer ID = 1 Polígono Sur"),
                  std::u16string::npos)
            << "on the program's line, every word kept";
        EXPECT_EQ(Request(u"Sigue"), number) << "the same workstation continues its incident";
        EXPECT_EQ(IncidentsOf(session.CustomerCode), 1);
        session = profile;
    }
}

TEST_F(SupportRoadTest, AReconnectionCompletesOnlyTheProgramsOwnAgentLine) {
    const std::u16string notDetected = u"TeamViewer ID = Imposible de detectar";
    session.AgentClientId = u"Imposible de detectar";
    const std::u16string number = Request(u"Ayer: " + notDetected);
    ASSERT_FALSE(number.empty());
    const std::u16string filed = Stored(number);
    const std::u16string ownLines = u"\n\n" + notDetected + u"\nIncidencia: Ayer: " + notDetected;
    ASSERT_TRUE(filed.ends_with(ownLines));
    std::u16string completed = filed;
    completed.replace(filed.size() - ownLines.size() + 2, notDetected.size(),
                      u"TeamViewer ID = 987654321");
    // On a reconnection the form reads no ClientID: the running agent's is written.
    session.AgentClientId.clear();
    EXPECT_EQ(Request(u"Hoy: " + notDetected), number);
    const std::u16string once = Stored(number);
    EXPECT_TRUE(once.starts_with(completed)) << text::Utf16ToUtf8(once);
    EXPECT_TRUE(once.ends_with(u"   Problema: Hoy: " + notDetected));
    // The agent line already names the agent: what was typed stays as typed.
    EXPECT_EQ(Request(u"Otra vez"), number);
    const std::u16string twice = Stored(number);
    EXPECT_TRUE(twice.starts_with(once)) << text::Utf16ToUtf8(twice);
    EXPECT_TRUE(twice.ends_with(u"   Problema: Otra vez"));
}

TEST_F(SupportRoadTest, TheServiceReceivesEveryFieldAsMeant) {
    session.CustomerCode = u"43'0\\ñ";
    ASSERT_FALSE(Request(u"No imprime").empty());
    EXPECT_EQ(Received("GETAVISOS").at(0).document,
              "{'SESION':'qelmarin5820364197','M':'LISTADOS','F':'GETAVISOS','P':{'CODIGO_"
              "CLIENTE':'43\\u00270\\\\\xC3\xB1','IDESTADO':1,'IDTPV':0,'DESDE':1,'HASTA':1}}");
    json::clsJson parser;
    const json::JsonValue filing =
        parser.parse(text::Utf8ToUtf16(Received("SETDOC").at(0).document));
    EXPECT_EQ(filing[u"P"][u"DOCUMENTO"][u"CABECERA"][u"CLIENTE"].AsText(), session.CustomerCode);

    // A reconnection later in the day sends the open incident's ids and date.
    session.CustomerCode = u"4300012";
    const std::u16string number = Request(u"No imprime");
    os.now += 2.5 / 24;
    EXPECT_EQ(Request(u"Sigue"), number);
    const support_service::Incident incident =
        *support_service::IncidentStore(database).FindByNumber(
            std::stoll(text::Utf16ToUtf8(number)));
    const json::JsonValue reconnection =
        parser.parse(text::Utf8ToUtf16(Received("SETDOC").back().document));
    const json::JsonValue& document = reconnection[u"P"][u"DOCUMENTO"];
    const json::JsonValue& line = document[u"LINEAS"][1];
    const std::set<int64_t> ids{incident.id, incident.lines.at(0).id,
                                incident.lines.at(0).observationId};
    ASSERT_EQ(ids.size(), 3u) << "ids that cannot be mistaken for each other";
    EXPECT_EQ(reconnection[u"ID"].AsText(), text::FromInt(incident.id));
    EXPECT_EQ(document[u"ID"].AsText(), text::FromInt(incident.id));
    EXPECT_EQ(line[u"ID"].AsText(), text::FromInt(incident.lines[0].id));
    EXPECT_EQ(line[u"OBSERVACION"][u"ID"].AsText(), text::FromInt(incident.lines[0].observationId));
    EXPECT_EQ(document[u"CABECERA"][u"FECHA"].AsText(), u"09/12/2025 12:00:00");
    EXPECT_EQ(line[u"OBSERVACION"][u"FECHA"].AsText(), u"09/12/2025 12:00:00");
}

} // namespace
} // namespace service
