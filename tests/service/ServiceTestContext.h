#pragma once

#include "FakeOs.h"
#include "session/Context.h"
#include "text/Encoding.h"

#include <string>
#include <vector>

namespace service::test_support {

inline constexpr char16_t ToolPath[] = u"C:\\Velmorn3\\Wget\\Wget.exe";
inline constexpr char16_t ResponseFile[] = u"C:\\Velmorn3\\Wget\\respuesta.json";
inline constexpr uint32_t CurrentAgent = 123456789;

// The scripted OS with an agent installed and a fetch tool that writes the next scripted
// reply ("" writes nothing) into the response file and ends with the exit code given.
struct ServiceTestContext {
    ServiceTestContext() {
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

    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{
        os, dialogs, events, session, {u"C:\\Velmorn3", u'\\', u"soporte.test", u""}};
    std::vector<std::string> replies;
    size_t served = 0;
};

} // namespace service::test_support
