#include "FakeOs.h"
#include "service/IncidentFiling.h"
#include "service/IncidentLookup.h"
#include "service/OpenIncidentCheck.h"
#include "service/RequestDocument.h"
#include "service/ServiceTransport.h"
#include "text/Encoding.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace service {
namespace {

constexpr char16_t ToolPath[] = u"C:\\Velmorn3\\Wget\\Wget.exe";
constexpr char16_t ResponseFile[] = u"C:\\Velmorn3\\Wget\\respuesta.json";
constexpr uint32_t CurrentAgent = 123456789;

// The scripted OS with an agent installed and a fetch tool that writes the next scripted
// reply ("" writes nothing) into the response file and ends with the exit code given.
struct ServiceTestContext : fixtures::Installation<> {
    ServiceTestContext() {
        context.config.serviceHost = u"soporte.test";
        os.SetRegistryDword(0x80000002, u"SOFTWARE\\Wow6432Node\\TeamViewer", u"ClientID",
                            CurrentAgent);
        ScriptTool(0);
    }
    void ScriptTool(uint32_t exitCode) {
        os.ScriptProgram(ToolPath, {0, exitCode, false, [this](std::u16string_view) {
                                        if (served < replies.size() && !replies[served].empty())
                                            os.SetFile(ResponseFile, replies[served]);
                                        ++served;
                                    }});
    }
    bool Asked(size_t n, std::u16string_view part) const {
        return n < os.started.size() &&
               os.started[n].commandLine.find(part) != std::u16string::npos;
    }
    std::vector<std::string> replies;
    size_t served = 0;
};

class ServiceTest : public ::testing::Test, protected ServiceTestContext {
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

TEST_F(ServiceTest, RunsTheToolHiddenIntoAFreshResponseFileAndReadsIt) {
    os.SetFile(ResponseFile, "{\"ID\":7}"); // the previous request's reply
    replies = {"{\"ID\":8,\"T\":\"ca\xC3\xB1\xC3\xB3n\"}", ""};
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?{'a':'é'}", true),
              u"{\"ID\":8,\"T\":\"cañón\"}");
    ASSERT_EQ(os.started.size(), 1u);
    EXPECT_EQ(os.started[0].commandLine, u"C:\\Velmorn3\\Wget\\Wget.exe --tries=1 -O "
                                         u"C:\\Velmorn3\\Wget\\respuesta.json "
                                         u"\"http://h/p?{'a':'\u00C3\u00A9'}\"");
    EXPECT_EQ(os.started[0].style, platform::WindowStyle::Hidden);
    // A tool that writes nothing gives no reply, never the previous one.
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?{'a':'é'}", false), u"");
    EXPECT_TRUE(os.started[1].commandLine.ends_with(u"?{'a':'é'}\""));
}

TEST_F(ServiceTest, RefusesWhatCouldReadAStaleReplyOrSplitTheCommandLine) {
    const size_t fixedPart = std::u16string(ToolPath).size() + 1 + FetchOptions.size() + 4 +
                             std::u16string(ResponseFile).size() + 3;
    const std::u16string longest = u"h" + std::u16string(CommandLineLimit - fixedPart - 1, u'x');
    replies = {"{}", "{}"};
    EXPECT_EQ(FetchServiceReply(context, longest, true), u"{}");
    EXPECT_EQ(os.started.back().commandLine.size(), CommandLineLimit);
    EXPECT_EQ(FetchServiceReply(context, longest + u"x", true), u"");
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a\"b", true), u"");
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a\\", true), u"") << "escapes the quote";
    os.SetFile(ResponseFile, "{\"ID\":7}", true); // cannot be deleted
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
    EXPECT_EQ(os.started.size(), 1u);
}

TEST_F(ServiceTest, TheUrlEscapesWhatWouldCutOrChangeTheDocument) {
    EXPECT_EQ(ServiceUrl(context, u"{'a':'%#\"&+ \t\x01\x1F\x7F~é\\'}"),
              u"http://soporte.test/VelmornServ/ServiciosJsonNoDecode?"
              u"{'a':'%25%23%22%26%2B %09%01%1F%7F~é\\'}");
}

TEST_F(ServiceTest, AReplyThatDidNotArriveWholeIsNoReply) {
    const struct {
        const char* reply;
        uint32_t exitCode;
        bool whole;
    } cases[] = {
        {"{\"ID\":12,\"NUM", 0, false},                    // inside a key
        {"{\"ID\":1,\"OBS\":\"uno [dos] {tres", 0, false}, // inside a text value
        {"{\"RS\":[{\"ID\":1},", 0, false},                // between records
        {" [{\"ID\":1}", 0, false},                        // an array left open
        {"{\"T\":\"a\\\"}\"", 0, false},                   // an escaped quote
        {"{'T':'}'", 0, false},                            // the lenient parser's quotes
        {"{\"ID\":1}", 4, false},                          // read failed: wget's 4
        {"{\"ID\":1}", 8, false},                          // an error reply
        {"{\"ID\":1,}", 0, true},                          // a trailing comma: whole
        {"{\"T\":\"}]'\\\\\"}\r\n", 0, true},              // brackets inside a text
        {"\xEF\xBB\xBF{\"T\":\"{\"}", 0, true},            // a byte-order mark first
        {"{\"\":1}", 0, true},                             // an empty text first
        {"<html>error</html>", 0, true},                   // not JSON: the parser decides
        {"", 0, false},                                    // an empty body, success status
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        ScriptTool(c.exitCode);
        replies = {c.reply};
        served = 0;
        const std::u16string reply = FetchServiceReply(context, u"http://h/p?a", true);
        EXPECT_EQ(!reply.empty(), c.whole);
    }
}

TEST_F(ServiceTest, OneRequestAtATimeAndAToolThatNeverEndsIsStopped) {
    os.ScriptProgram(ToolPath, {-1});
    std::u16string nested = u"not asked";
    events.onPump = [&] {
        if (events.count == 1) {
            EXPECT_TRUE(context.responseFileInUse);
            nested = FetchServiceReply(context, u"http://h/p?b", true);
        }
    };
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
    EXPECT_EQ(nested, u"");
    EXPECT_FALSE(context.responseFileInUse);
    EXPECT_EQ(os.started.size(), 1u);
    EXPECT_FALSE(os.IsRunning(os.started[0].id)) << "stopped at the poll limit";
}

double At(int hour, int minute) { // 09/12/2025 at that time
    return 46000 + (hour * 60 + minute) / 1440.0;
}

std::string Listing(const std::string& date, int size = 1) {
    return "{\"SIZE\":" + std::to_string(size) +
           ",\"RS\":[{\"ID\":41,\"NUMERO\":2401,\"FECHA\":\"" + date + "\"}]}";
}

std::string Document(const std::string& line) {
    return "{\"ID\":41,\"LINEAS\":[" + line + "]}";
}

std::string Observed(const std::string& text = "Cliente:1\\n\\nTeamViewer ID = 123456789\\nx") {
    return Document("{\"ID\":7,\"OBSERVACION\":{\"ID\":9,\"OBSERVACION\":\"" + text + "\"}}");
}

struct CheckCase {
    const char* name;
    std::string listing, document;
    int32_t lineId = 7, observationId = 9; // -1, -1: not reused
    double now = At(12, 0);
    uint32_t currentAgent = CurrentAgent;
};

TEST(OpenIncidentCheck, KeepsOnlyARecentIncidentOfThisAgent) {
    const std::string recent = Listing("2025-12-09 10:01:00");
    const CheckCase cases[] = {
        {"five clock hours", Listing("2025-12-09 10:01:00"), Observed(), 7, 9, At(15, 59)},
        {"six boundaries", Listing("2025-12-09 10:59:00"), Observed(), -1, -1, At(16, 0)},
        {"future", Listing("2025-12-10 09:00:00"), Observed()},
        {"day first", Listing("09/12/2025 10:01:00"), Observed()},
        {"no date", Listing("2025-13-09 10:01:00"), Observed(), -1, -1},
        {"no such hour", Listing("2025-12-09 24:00:00"), Observed(), -1, -1},
        {"no such second", Listing("2025-12-09 10:01:60"), Observed(), -1, -1},
        {"size 0", Listing("2025-12-09 10:01:00", 0), Observed(), -1, -1},
        {"no number", R"({"SIZE":1,"RS":[{"ID":41,"FECHA":"2025-12-09 10:01:00"}]})", Observed(),
         -1, -1},
        {"no reply", "", Observed(), -1, -1},
        {"ten digits", recent, Observed("TeamViewer ID = 1234567890"), 7, 9, At(12, 0), 1234567890},
        {"other agent", recent, Observed("TeamViewer ID = 98765432"), -1, -1},
        {"not detected", recent, Observed("TeamViewer ID = Imposible de detectar")},
        {"no marker", recent, Observed("0123456789012345123456789"), -1, -1},
        // Only the program's own agent line decides, never a marker typed by the user.
        {"typed before", recent,
         Observed("Contacto: TeamViewer ID = 98765432 \\n\\nTeamViewer ID = 123456789\\nx")},
        {"typed after", recent, Observed("TeamViewer ID = 123456789\\nx\\nTeamViewer ID = 5")},
        {"typed this agent", recent,
         Observed("Contacto: TeamViewer ID = 123456789 \\n\\nTeamViewer ID = 98765432\\n"), -1, -1},
        {"typed not detected", recent,
         Observed("\\nTeamViewer ID = 98765432\\nIncidencia: TeamViewer ID = Imposible de "
                  "detectar"),
         -1, -1},
        {"marker inside a line", recent, Observed("Cliente:1 TeamViewer ID = 123456789"), -1, -1},
        {"no document", recent, "", -1, -1},
        {"no lines", recent, Document(""), -1, -1},
        {"no observation", recent, Document("{\"ID\":7}"), -1, -1},
        {"no line id", recent,
         Document("{\"OBSERVACION\":{\"ID\":9,\"OBSERVACION\":\"TeamViewer "
                  "ID = 123456789\"}}"),
         -1, 9},
        {"no observation id", recent,
         Document("{\"ID\":7,\"OBSERVACION\":{\"OBSERVACION\":"
                  "\"TeamViewer ID = 123456789\"}}"),
         7, -1},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceTestContext t;
        t.os.SetRegistryDword(0x80000002, u"SOFTWARE\\Wow6432Node\\TeamViewer", u"ClientID",
                              c.currentAgent);
        t.os.now = c.now;
        t.replies = {c.listing, c.document};
        CheckOpenIncident(t.context);
        const bool reused = c.lineId != -1 || c.observationId != -1;
        EXPECT_EQ(t.session.OpenIncidentId, reused ? 41 : -1);
        EXPECT_EQ(t.session.OpenIncidentNumber, reused ? u"2401" : u"");
        EXPECT_EQ(t.session.OpenIncidentLineId, c.lineId);
        EXPECT_EQ(t.session.OpenIncidentObservationId, c.observationId);
        EXPECT_EQ(t.session.OpenIncidentDate > 0, reused);
        json::clsJson parser;
        const json::JsonValue document = parser.parse(text::Utf8ToUtf16(c.document));
        const json::JsonValue& observation = document[u"LINEAS"][1][u"OBSERVACION"];
        EXPECT_EQ(t.session.IncidentText, reused ? observation[u"OBSERVACION"].AsText() : u"");
    }
}

TEST_F(ServiceTest, NewIncidentText) {
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
    session.ContactPhone = u"600\n1";
    session.ProblemText = u"No imprime\r\nla caja\\2";
    File(-1, u"");
    EXPECT_EQ(session.IncidentText,
              u"Cliente:43 Luna\nTerminal: 1 Caja (pantalla táctil) Almacén: "
              u"Central\nContacto: A n a Teléfono: 600 1\n\nTeamViewer ID = 123456789\n"
              u"Incidencia: No imprime\nla caja\\2");
}

TEST_F(ServiceTest, ReconnectionAppendsANoteAndKeepsTheIncident) {
    session.ContactPhone = u"600\r\n 1";
    EXPECT_EQ(File(41, u"TeamViewer ID = Imposible de detectar\n"), u"2401");
    EXPECT_EQ(session.IncidentText, u"TeamViewer ID = Imposible de detectar\n\n\nReconexión: "
                                    u"09/12/2025 12:00:00\n   Teléfono: 600  1\n");
    EXPECT_TRUE(Asked(0, u"'ID':'41','F':'SETDOC'"));

    session.ContactPhone.clear();
    session.ContactName = u"Ana";
    session.ProblemText = u"otra vez";
    File(41, u"TeamViewer ID = Imposible de detectar\n");
    EXPECT_EQ(session.IncidentText,
              u"TeamViewer ID = 123456789\n\n\nReconexión: 09/12/2025 12:00:00\n   Contacto: Ana "
              u"   Problema: otra vez");
}

TEST_F(ServiceTest, NumberOnlyWhenTheServiceTookTheIncident) {
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

const std::string Finished =
    R"({"ID":41,"TOTALLINEAS":3,"CABECERA":{"NUMERO":2401,"FECHA":"2025-12-09 10:01:02",)"
    R"("ESTADO":2},"LINEAS":[{"ID":7,"FECHA":"2025-12-09 10:01:02","OBSERVACION":{"ID":9,)"
    R"("OBSERVACION":"No imprime: 'A' & <b>\n\"2\""},"OPERADOR":{"DESCRIPCION":"Eva",)"
    R"("GRUPO":"Caja"}},{"FECHA":"2025-12-10 08:00:00"},{"FECHA":"2025-12-11 09:30:00"}]})";

TEST(IncidentLookup, StatusViewOfAFinishedIncident) {
    ServiceTestContext t;
    t.replies = {Finished};
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"2401"),
              u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'><ScrollViewer "
              u"Margin='4'><StackPanel Background='#f9f9f9'>   <Border Background='LightGreen'>  "
              u"     <TextBlock FontWeight='Bold' Text=' Aviso número: 2401'/>   </Border>       "
              u"<TextBlock TextWrapping='Wrap'>           <Run Foreground='Blue'>Fecha:</Run> "
              u"09/12/2025 10:01:02           <LineBreak/><LineBreak/>           <Run "
              u"Foreground='Blue'>Incidencia:</Run><Run Text = 'No imprime: &apos;A&apos; &amp; "
              u"&lt;b&gt;&#10;&quot;2&quot;'/>           <LineBreak/><LineBreak/>           <Run "
              u"Foreground='Blue'>Asignado a:</Run> Eva - Caja           <LineBreak/>           "
              u"<Run Foreground='Blue'>Estado:</Run> <Run FontWeight='Bold'> Finalizado "
              u"11/12/2025</Run>       </TextBlock></StackPanel></ScrollViewer></Border>");
}

TEST(IncidentLookup, StateAndFailureMarkups) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"", std::u16string(NoConnectionMarkup)},
        {"{\"I", std::u16string(NoConnectionMarkup)},
        {"{\"ID\":41,\"CABECERA\":{\"ESTA", std::u16string(NoConnectionMarkup)}, // cut short
        {"{\"TOTALLINEAS\":0}", std::u16string(NoConnectionMarkup)},
        {"{\"ID\":0}", std::u16string(NoDataMarkup)},
        {"{\"ID\":41}", u"Bold'> Indefenido</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":1}}", u"Bold'> En Curso</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":3}}", u"Bold'> Cancelado</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":4}}", u"Bold'> Bloqueado</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":null}}", u"Bold'> </Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":7}}", u"Bold'> </Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":2},\"TOTALLINEAS\":9}", u"Bold'> Finalizado </Run>"},
    };
    for (const auto& [reply, markup] : cases) {
        ServiceTestContext t;
        t.replies = {reply};
        EXPECT_NE(IncidentStatusMarkup(t.context, u"5").find(markup), std::u16string::npos)
            << reply;
    }
}

TEST(IncidentLookup, TypedNumberAndRequest) {
    ServiceTestContext t;
    t.session.CustomerCode = u"43'ñ";
    t.replies = {"{\"ID\":0}", "{\"ID\":0}"};
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"12_34_"), NoDataMarkup);
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"abc"), NoDataMarkup);
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"99999999999"), NoDataMarkup);
    EXPECT_EQ(t.os.started.size(), 2u);
    EXPECT_TRUE(t.Asked(
        0, u"'NUMERO': '1234', 'TIPO': 30, 'IDTPV': '0', 'CODIGO_CLIENTE': '43\\u0027ñ'}}"));
    EXPECT_TRUE(t.Asked(1, u"'NUMERO': '0'"));
}

} // namespace
} // namespace service
