#include "ServiceTestContext.h"
#include "service/IncidentFiling.h"

#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

class FilingTest : public ::testing::Test, protected ServiceTestContext {
protected:
    void Open(int32_t id, std::u16string stored, std::string reply) {
        session.OpenIncidentId = session.OpenIncidentLineId = session.OpenIncidentObservationId =
            id;
        session.OpenIncidentNumber = id > 0 ? u"2401" : u"";
        session.IncidentText = std::move(stored);
        replies = {std::move(reply)};
        served = 0;
        os.started.clear();
    }
};

TEST_F(FilingTest, NewIncidentTextAndDocument) {
    session.CustomerCode = u"4300012";
    session.CustomerName = u"Ferretería Luna";
    session.TerminalText = u"1 Caja";
    session.WarehouseText = u"Central";
    session.AgentClientId = u"123456789";
    Open(-1, u"", "{\"ID\":55,\"MODIFICACIONES\":[{\"NUMERO\":2402}]}");
    EXPECT_EQ(FileIncident(context), u"2402");
    EXPECT_TRUE(session.IncidentText.ends_with(u"\nTerminal: 1 Caja Almacén: Central\n\n\n"
                                               u"TeamViewer ID = 123456789\nIncidencia: "));
    EXPECT_EQ(session.OpenIncidentDate, os.now);
    const json::JsonValue sent = Sent(0);
    const json::JsonValue& line = sent[u"P"][u"DOCUMENTO"][u"LINEAS"][1];
    EXPECT_EQ(sent[u"ID"].AsText() + line[u"ID"].AsText(), u"-1-1");
    EXPECT_TRUE(line[u"OBSERVACION"][u"ID"].IsNumber());
    EXPECT_EQ(line[u"OBSERVACION"][u"FECHA"].AsText(), u"09/12/2025 12:00:00");

    session.UsesTouchScreen = -1;
    session.ContactName = u"Ana";
    session.ProblemText = u"No imprime\r\nla caja\\2";
    Open(-1, u"", "{\"ID\":55,\"MODIFICACIONES\":[{\"NUMERO\":2402}]}");
    FileIncident(context);
    EXPECT_EQ(session.IncidentText,
              u"Cliente:4300012 Ferretería Luna\nTerminal: 1 Caja (pantalla táctil) Almacén: "
              u"Central\nContacto: Ana \n\nTeamViewer ID = 123456789\nIncidencia: No imprime\n"
              u"la caja\\2");
    const json::JsonValue touch = Sent(0);
    EXPECT_EQ(touch[u"P"][u"DOCUMENTO"][u"LINEAS"][1][u"OBSERVACION"][u"OBSERVACION"].AsText(),
              session.IncidentText);
}

TEST_F(FilingTest, ReconnectionAppendsANoteAndKeepsTheIncident) {
    session.ContactPhone = u"600 1";
    Open(41, u"TeamViewer ID = Imposible de detectar\n", "{\"ID\":41}");
    EXPECT_EQ(FileIncident(context), u"2401");
    EXPECT_EQ(session.IncidentText, u"TeamViewer ID = Imposible de detectar\n\n\nReconexión: "
                                    u"09/12/2025 12:00:00\n   Teléfono: 600 1\n");
    const json::JsonValue reconnection = Sent(0);
    EXPECT_EQ(reconnection[u"P"][u"DOCUMENTO"][u"LINEAS"][1][u"OBSERVACION"][u"ID"].AsInt32(), 41);

    session.ContactPhone.clear();
    session.ContactName = u"Ana";
    session.ProblemText = u"otra vez";
    Open(41, u"TeamViewer ID = Imposible de detectar\n", "{\"ID\":41}");
    FileIncident(context);
    EXPECT_EQ(session.IncidentText,
              u"TeamViewer ID = 123456789\n\n\nReconexión: 09/12/2025 12:00:00\n   Contacto: Ana "
              u"   Problema: otra vez");
}

TEST_F(FilingTest, NumberOnlyWhenTheServiceTookTheIncident) {
    const std::tuple<int32_t, std::string, std::u16string> cases[] = {
        {-1, "", u""},
        {-1, "<html>error</html>", u""},
        {-1, "{\"ID\":0,\"MODIFICACIONES\":[{\"NUMERO\":1}]}", u""},
        {-1, "{\"ID\":\"x\",\"MODIFICACIONES\":[{\"NUMERO\":1}]}", u""},
        {-1, "{\"ID\":5,\"MODIFICACIONES\":[]}", u""},
        {-1, "{\"ID\":5,\"MODIFICACIONES\":[{\"NUMERO\":\"2403\"}]}", u"2403"},
        {41, "{\"ID\":41,\"MODIFICACIONES\":[{\"ID\":3}]}", u"2401"},
    };
    for (const auto& [id, reply, number] : cases) {
        Open(id, u"x", reply);
        EXPECT_EQ(FileIncident(context), number) << reply;
    }
}

} // namespace
} // namespace service
