#include "service/OpenIncidentCheck.h"

#include "ServiceTestContext.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

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
        {"size 0", Listing("2025-12-09 10:01:00", 0), Observed(), -1, -1},
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

} // namespace
} // namespace service
