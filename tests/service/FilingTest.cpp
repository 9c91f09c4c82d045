#include "ServiceTestContext.h"
#include "service/IncidentFiling.h"

#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

class FilingTest : public ::testing::Test, protected ServiceTestContext {
protected:
    std::u16string File(int32_t id, std::u16string stored, std::string reply = "{\"ID\":41}") {
        session.OpenIncidentId = session.OpenIncidentLineId = session.OpenIncidentObservationId =
            id;
        session.OpenIncidentNumber = id > 0 ? u"2401" : u"";
        session.IncidentText = std::move(stored);
        replies = {std::move(reply)};
        served = 0;
        return FileIncident(context);
    }
};

TEST_F(FilingTest, NewIncidentText) {
    session.CustomerCode = u"43";
    session.CustomerName = u"Luna";
    session.TerminalText = u"1 Caja";
    session.WarehouseText = u"Central";
    session.AgentClientId = u"123456789";
    EXPECT_EQ(File(-1, u"x", "{\"ID\":55,\"MODIFICACIONES\":[{\"NUMERO\":2402}]}"), u"2402");
    EXPECT_EQ(session.IncidentText, u"Cliente:43 Luna\nTerminal: 1 Caja Almacén: Central\n\n\n"
                                    u"TeamViewer ID = 123456789\nIncidencia: ");
    EXPECT_EQ(session.OpenIncidentDate, os.now);
    EXPECT_TRUE(Asked(0, u"'ID':'-1','F':'SETDOC'"));

    session.UsesTouchScreen = -1;
    session.ContactName = u"A\r\nn\na"; // pasted into a one-line box
    session.ProblemText = u"No imprime\r\nla caja\\2";
    File(-1, u"");
    EXPECT_EQ(session.IncidentText, u"Cliente:43 Luna\nTerminal: 1 Caja (pantalla táctil) Almacén: "
                                    u"Central\nContacto: Ana \n\nTeamViewer ID = 123456789\n"
                                    u"Incidencia: No imprime\nla caja\\2");
}

TEST_F(FilingTest, ReconnectionAppendsANoteAndKeepsTheIncident) {
    session.ContactPhone = u"600\r\n 1";
    EXPECT_EQ(File(41, u"TeamViewer ID = Imposible de detectar\n"), u"2401");
    EXPECT_EQ(session.IncidentText, u"TeamViewer ID = Imposible de detectar\n\n\nReconexión: "
                                    u"09/12/2025 12:00:00\n   Teléfono: 600 1\n");
    EXPECT_TRUE(Asked(0, u"'ID':'41','F':'SETDOC'"));

    session.ContactPhone.clear();
    session.ContactName = u"Ana";
    session.ProblemText = u"otra vez";
    File(41, u"TeamViewer ID = Imposible de detectar\n");
    EXPECT_EQ(session.IncidentText,
              u"TeamViewer ID = 123456789\n\n\nReconexión: 09/12/2025 12:00:00\n   Contacto: Ana "
              u"   Problema: otra vez");
}

TEST_F(FilingTest, NumberOnlyWhenTheServiceTookTheIncident) {
    const std::tuple<int32_t, std::string, std::u16string> cases[] = {
        {-1, "", u""},
        {-1, "{\"ID\":0,\"MODIFICACIONES\":[{\"NUMERO\":1}]}", u""},
        {-1, "{\"ID\":\"x\",\"MODIFICACIONES\":[{\"NUMERO\":1}]}", u""},
        {-1, "{\"ID\":5,\"MODIFICACIONES\":[]}", u""},
        {-1, "{\"ID\":5,\"MODIFICACIONES\":[{\"NUMERO\":\"2403\"}]}", u"2403"},
        {41, "{\"ID\":41,\"MODIFICACIONES\":[{\"ID\":3}]}", u"2401"},
    };
    for (const auto& [id, reply, number] : cases)
        EXPECT_EQ(File(id, u"x", reply), number) << reply;
}

} // namespace
} // namespace service
