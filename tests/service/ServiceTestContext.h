#pragma once

#include "FakeOs.h"
#include "app/Context.h"
#include "text/Encoding.h"

#include "json/clsJson.h"
#include <string>
#include <vector>

namespace service::test_support {

inline constexpr char16_t ToolPath[] = u"C:\\Velmorn3\\Wget\\Wget.exe";
inline constexpr char16_t ResponseFile[] = u"C:\\Velmorn3\\Wget\\respuesta.json";
inline constexpr uint32_t CurrentAgent = 123456789;

// The scripted OS with an agent installed and a fetch tool that writes the next scripted
// reply ("" writes nothing) into the response file.
struct ServiceTestContext {
    ServiceTestContext() {
        os.SetRegistryDword(0x80000002, u"SOFTWARE\\Wow6432Node\\TeamViewer", u"ClientID",
                            CurrentAgent);
        os.ScriptProgram(ToolPath, {0, 0, false, [this](std::u16string_view) {
                                        if (served < replies.size() && !replies[served].empty())
                                            os.SetFile(ResponseFile, replies[served]);
                                        ++served;
                                    }});
    }

    // The document of the n-th request, decoded as the service decodes it.
    json::JsonValue Sent(size_t n) {
        const std::u16string& line = os.started.at(n).commandLine;
        const size_t start = line.find(u'?') + 1;
        const std::string bytes = text::Utf16ToCp1252(line.substr(start, line.size() - start - 1));
        std::string decoded;
        for (size_t i = 0; i < bytes.size(); ++i) {
            const bool escape = bytes[i] == '%' && i + 2 < bytes.size();
            decoded += escape ? char(std::stoi(bytes.substr(i + 1, 2), nullptr, 16)) : bytes[i];
            i += escape ? 2 : 0;
        }
        return json::clsJson().parse(text::Utf8ToUtf16(decoded));
    }

    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{
        os, dialogs, events, session, {u"C:\\Velmorn3", u'\\', u"soporte.test", u""}};
    std::vector<std::string> replies;
    size_t served = 0;
};

} // namespace service::test_support
