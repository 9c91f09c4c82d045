// What the support operator does with an incident, on the stand-in service's database:
//   asr_support_admin DATABASE assign NUMBER OPERATOR GROUP
//   asr_support_admin DATABASE add-line NUMBER TEXT
//   asr_support_admin DATABASE state NUMBER STATE      (1 in progress ... 2 finished)
//   asr_support_admin DATABASE show NUMBER
//   asr_support_admin DATABASE fault KIND [BYTES|SECONDS] [FUNCTION[,FUNCTION...]]
//   asr_support_admin DATABASE requests [FUNCTION]
// A fault spoils every reply (or those of FUNCTION alone: GETAVISOS, SETDOC, GETDOC, or
// several joined by commas) after the work is done: none, http500, truncate (half the
// body), cut BYTES (the body cut, its length matching), cut-short BYTES (the connection
// drops after BYTES of a longer body), drop (the connection drops before the body), hang
// (no reply ever), slow SECONDS (the whole reply after SECONDS), bad-byte (one byte that
// is no UTF-8, in a field the client never reads).
#include "IncidentStore.h"
#include "QueryHandler.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace support_service;

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s DATABASE assign NUMBER OPERATOR GROUP | add-line NUMBER TEXT |\n"
                 "       state NUMBER STATE | show NUMBER | requests [FUNCTION] |\n"
                 "       fault none|http500|truncate|cut|cut-short|drop|hang|slow|bad-byte "
                 "[BYTES|SECONDS] [FUNCTION[,FUNCTION...]]\n",
                 program);
    return 2;
}

Incident Find(IncidentStore& store, const std::string& number) {
    std::optional<Incident> incident = store.FindByNumber(std::stoll(number));
    if (!incident)
        throw std::runtime_error("no incident number " + number);
    return *incident;
}

void SetFault(IncidentStore& store, const std::vector<std::string>& words) {
    std::string bytes, function;
    for (size_t at = 2; at < words.size(); ++at)
        (std::isdigit(static_cast<unsigned char>(words[at][0])) ? bytes : function) = words[at];
    store.SetSetting("fault", words[1]);
    store.SetSetting("fault-bytes", bytes);
    store.SetSetting("fault-function", function);
}

int Run(IncidentStore& store, const std::vector<std::string>& words) {
    const std::string& command = words[0];
    if (command == "assign" && words.size() == 4)
        store.Assign(Find(store, words[1]).id, words[2], words[3]);
    else if (command == "add-line" && words.size() == 3)
        store.AddLine(Find(store, words[1]).id, NowText(), words[2]);
    else if (command == "state" && words.size() == 3)
        store.SetState(Find(store, words[1]).id, std::stoll(words[2]));
    else if (command == "show" && words.size() == 2)
        std::printf("%s\n", IncidentDocument(Find(store, words[1])).c_str());
    else if (command == "fault" && words.size() >= 2 && words.size() <= 4)
        SetFault(store, words);
    else if (command == "requests" && words.size() <= 2)
        for (const ReceivedRequest& request : store.Requests(words.size() == 2 ? words[1] : ""))
            std::printf("%s %s\n", request.function.c_str(), request.document.c_str());
    else
        return -1;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage(argv[0]);
    try {
        IncidentStore store(argv[1]);
        const int result = Run(store, std::vector<std::string>(argv + 2, argv + argc));
        return result < 0 ? Usage(argv[0]) : result;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
}
