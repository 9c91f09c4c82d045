// What the support operator does with an incident, on the stand-in service's database:
//   asr_support_admin DATABASE assign NUMBER OPERATOR GROUP
//   asr_support_admin DATABASE add-line NUMBER TEXT
//   asr_support_admin DATABASE state NUMBER STATE      (1 in progress ... 2 finished)
//   asr_support_admin DATABASE show NUMBER
//   asr_support_admin DATABASE fault none|http500|truncate
#include "IncidentStore.h"
#include "QueryHandler.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace support_service;

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s DATABASE assign NUMBER OPERATOR GROUP | add-line NUMBER TEXT |\n"
                 "       state NUMBER STATE | show NUMBER | fault none|http500|truncate\n",
                 program);
    return 2;
}

Incident Find(IncidentStore& store, const std::string& number) {
    std::optional<Incident> incident = store.FindByNumber(std::stoll(number));
    if (!incident)
        throw std::runtime_error("no incident number " + number);
    return *incident;
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
    else if (command == "fault" && words.size() == 2)
        store.SetSetting("fault", words[1]);
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
