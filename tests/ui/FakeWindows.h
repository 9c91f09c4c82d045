#pragma once
#include "FakeOs.h"
#include "session/Context.h"
#include "ui/FormView.h"
#include "ui/ViewEvents.h"
#include "ui/Windows.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ui::test_support {

struct FakeControl {
    std::u16string caption{}, text{};
    std::vector<std::u16string> captions{}; // every caption set, in order
    bool visible = true, checked = false, underline = false;
    uint32_t colour = DefaultColour;
};

// A window that keeps what its behaviour set; `log` records the windows' life in order.
class FakeView : public FormView {
public:
    FakeView(ViewEvents& events, std::vector<std::u16string>& log)
        : name(events.Form().name), events(events), log(log) {
        for (const ControlEntry& c : events.Form().controls)
            controls[{std::u16string(c.name), c.index}] = {c.caption, {}, {}, c.visible};
    }
    FakeControl& operator[](ControlId c) { return controls.at({std::u16string(c.name), c.index}); }
    // A click on a label: the button goes down and comes up over it.
    void ClickLabel(ControlId c) {
        events.Pressed(c);
        events.Released(c, true);
    }

    // As a real window: once closed, the view does nothing (what it kept stays readable
    // through operator[]).
    void SetCaption(ControlId c, std::u16string_view caption) override {
        if (closed)
            return;
        (*this)[c].caption = caption;
        (*this)[c].captions.emplace_back(caption);
    }
    std::u16string Text(ControlId c) override { return closed ? u"" : (*this)[c].text; }
    bool IsChecked(ControlId c) override { return !closed && (*this)[c].checked; }
    void SetVisible(ControlId c, bool visible) override {
        if (!closed)
            (*this)[c].visible = visible;
    }
    void SetForeColour(ControlId c, uint32_t colour) override {
        if (!closed)
            (*this)[c].colour = colour;
    }
    void SetUnderline(ControlId c, bool underline) override {
        if (!closed)
            (*this)[c].underline = underline;
    }
    void SetFocus(ControlId c) override {
        if (!closed)
            focus = c.name;
    }
    void Show(FormView* ownerView) override {
        owner = ownerView;
        log.push_back(u"show " + name);
    }
    void ShowModal() override;
    void BringToFront() override { log.push_back(u"front " + name); }
    void Close() override {
        log.push_back(u"close " + name);
        closed = true;
    }

    std::u16string name;
    ViewEvents& events;
    std::vector<std::u16string>& log;
    std::map<std::pair<std::u16string, int32_t>, FakeControl> controls;
    FormView* owner = nullptr;
    std::u16string focus;
    bool closed = false;
    std::function<void(FakeView&)> user; // what the user does while it is shown modally
};

inline void FakeView::ShowModal() {
    log.push_back(u"modal " + name);
    if (user)
        user(*this);
}

class FakeViews : public ViewFactory {
public:
    std::unique_ptr<FormView> CreateView(ViewEvents& events) override {
        auto view = std::make_unique<FakeView>(events, log);
        view->user = onModal[view->name];
        views[view->name] = view.get();
        return view;
    }
    void NoWindowLeft() override { log.push_back(u"no window left"); }
    // The latest view of the window; it stays readable after it closed.
    FakeView& operator[](const std::u16string& form) { return *views.at(form); }

    std::vector<std::u16string> log; // "show frmMain", "message Sin conexión", "input" ...
    std::map<std::u16string, std::function<void(FakeView&)>> onModal;

private:
    std::map<std::u16string, FakeView*> views;
};

// The windows' log with each run of closes in one order: which of the windows closing
// together goes first is not the user's to see, only that all went before what follows.
inline std::vector<std::u16string> ClosesInAnyOrder(std::vector<std::u16string> log) {
    for (auto run = log.begin(); run != log.end();) {
        const auto end = std::find_if(run, log.end(), [](const std::u16string& entry) {
            return !entry.starts_with(u"close ");
        });
        std::sort(run, end);
        run = end == log.end() ? end : end + 1;
    }
    return log;
}

// Message boxes and input boxes also go into the windows' log.
struct LoggingDialogs : fixtures::FakeDialogs {
    explicit LoggingDialogs(std::vector<std::u16string>& log) : log(log) {
        onMessage = [this] { this->log.push_back(u"message " + messages.back().title); };
    }
    std::optional<std::u16string> InputBox(std::u16string_view prompt, std::u16string_view title,
                                           std::u16string_view defaultText) override {
        log.push_back(u"input");
        return FakeDialogs::InputBox(prompt, title, defaultText);
    }
    std::vector<std::u16string>& log;
};

inline constexpr uint32_t Hklm = 0x80000002;
inline constexpr char16_t AgentKey[] = u"SOFTWARE\\Wow6432Node\\TeamViewer";

// The installation every window test runs in.
inline const session::Configuration Installation{.installDir = u"C:\\Velmorn3",
                                                 .serviceHost = u"127.0.0.1:9",
                                                 .webHost = u"ayuda.example.net",
                                                 .standbyPhone = u"(+34) 900 123 456"};

// One run of the program over the fake OS and fake windows, with a current agent whose
// ClientID is 123456789.
struct UiRun {
    UiRun() {
        os.SetRegistryString(Hklm, AgentKey, u"Version", u"15.48.4");
        os.SetRegistryDword(Hklm, AgentKey, u"ClientID", 123456789);
    }
    fixtures::FakeOs os;
    FakeViews views;
    LoggingDialogs dialogs{views.log};
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, Installation};
    Windows windows{context, views};
};

} // namespace ui::test_support
