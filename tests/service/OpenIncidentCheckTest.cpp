#include "service/OpenIncidentCheck.h"

#include "ServiceTestContext.h"

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

const std::string Observed = "Cliente:1 TeamViewer ID = 123456789 Incidencia: x";
const std::string FirstLine =
    "{\"ID\":7,\"OBSERVACION\":{\"ID\":9,\"OBSERVACION\":\"" + Observed + "\"}}";

struct CheckCase {
    const char* name;
    double now;
    std::string listing, document;
    int32_t lineId = 7, observationId = 9; // -1, -1: not reused
    std::string observation = Observed;
    uint32_t currentAgent = CurrentAgent;
};

TEST(OpenIncidentCheck, KeepsOnlyARecentIncidentOfThisAgent) {
    const std::string line = "{\"ID\":7,\"OBSERVACION\":{\"ID\":9,\"OBSERVACION\":\"";
    const CheckCase cases[] = {
        {"five clock hours", At(15, 59), Listing("2025-12-09 10:01:00"), Document(FirstLine)},
        {"six boundaries", At(16, 0), Listing("2025-12-09 10:59:00"), Document(FirstLine), -1, -1},
        {"future", At(12, 0), Listing("2025-12-10 09:00:00"), Document(FirstLine)},
        {"day first", At(15, 59), Listing("09/12/2025 10:01:00"), Document(FirstLine)},
        {"no date", At(12, 0), Listing("2025-13-09 10:01:00"), Document(FirstLine), -1, -1},
        {"size 0", At(12, 0), Listing("2025-12-09 10:01:00", 0), Document(FirstLine), -1, -1},
        {"no reply", At(12, 0), "", Document(FirstLine), -1, -1},
        {"no json", At(12, 0), "<html>", Document(FirstLine), -1, -1},
        {"ten digits", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document(line + "TeamViewer ID = 1234567890\"}}"), 7, 9, "TeamViewer ID = 1234567890",
         1234567890},
        {"other agent", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document(line + "TeamViewer ID = 98765432\"}}"), -1, -1},
        {"not detected", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document(line + "TeamViewer ID = Imposible de detectar\"}}"), 7, 9,
         "TeamViewer ID = Imposible de detectar"},
        {"no marker", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document(line + "0123456789012345123456789\"}}"), -1, -1},
        {"no document", At(12, 0), Listing("2025-12-09 10:01:00"), "", -1, -1},
        {"no lines", At(12, 0), Listing("2025-12-09 10:01:00"), Document(""), -1, -1},
        {"no observation", At(12, 0), Listing("2025-12-09 10:01:00"), Document("{\"ID\":7}"), -1,
         -1},
        {"no line id", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document("{\"OBSERVACION\":{\"ID\":9,\"OBSERVACION\":\"" + Observed + "\"}}"), -1, 9},
        {"no observation id", At(12, 0), Listing("2025-12-09 10:01:00"),
         Document("{\"ID\":7,\"OBSERVACION\":{\"OBSERVACION\":\"" + Observed + "\"}}"), 7, -1},
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
        EXPECT_EQ(t.session.IncidentText, reused ? text::Utf8ToUtf16(c.observation) : u"");
        EXPECT_EQ(t.session.OpenIncidentDate > 0, reused);
    }
}

} // namespace
} // namespace service
