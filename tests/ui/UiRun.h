#pragma once

#include "FakeOs.h"
#include "FakeViews.h"
#include "app/Context.h"
#include "ui/Windows.h"

namespace ui::test_support {

inline constexpr uint32_t Hklm = 0x80000002;
inline constexpr char16_t AgentKey[] = u"SOFTWARE\\Wow6432Node\\TeamViewer";

// Message boxes and input boxes also go into the windows' log.
class LoggingDialogs : public fixtures::FakeDialogs {
public:
    explicit LoggingDialogs(std::vector<std::u16string>& log) : log(log) {}
    void MessageBox(std::u16string_view title, std::u16string_view text,
                    platform::MessageIcon icon) override {
        log.push_back(u"message " + std::u16string(title));
        FakeDialogs::MessageBox(title, text, icon);
    }
    std::optional<std::u16string> InputBox(std::u16string_view prompt, std::u16string_view title,
                                           std::u16string_view defaultText) override {
        log.push_back(u"input");
        return FakeDialogs::InputBox(prompt, title, defaultText);
    }
    std::vector<std::u16string>& log;
};

// One run of the program over the fake OS and fake windows, with a current agent.
struct UiRun {
    UiRun() { os.SetRegistryString(Hklm, AgentKey, u"Version", u"15.48.4"); }

    fixtures::FakeOs os;
    FakeViews views;
    LoggingDialogs dialogs{views.log};
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{os,
                         dialogs,
                         events,
                         session,
                         {.installDir = u"C:\\Velmorn3",
                          .serviceHost = u"127.0.0.1:9",
                          .webHost = u"ayuda.example.net",
                          .supportEmail = u"soporte@example.net",
                          .standbyPhone = u"(+34) 900 123 456"}};
    Windows windows{context, views};
};

} // namespace ui::test_support
