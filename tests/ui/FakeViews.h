#pragma once

#include "ui/FormView.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ui::test_support {

struct FakeControl {
    std::u16string caption{}, text{};
    std::vector<std::u16string> captions{}; // every caption set, in order
    bool visible = true, checked = false, underline = false;
    uint32_t colour = DefaultColour;
};

class FakeViews;

// A window that keeps what the behaviour set and lets a test act as the user.
class FakeView : public FormView {
public:
    FakeView(const FormSpec& form, FormEvents& events, FakeViews& views);

    FakeControl& operator[](ControlId control) {
        return controls.at({std::u16string(control.name), control.index});
    }

    void SetCaption(ControlId control, std::u16string_view caption) override;
    std::u16string Text(ControlId control) override { return (*this)[control].text; }
    bool IsChecked(ControlId control) override { return (*this)[control].checked; }
    void SetVisible(ControlId control, bool visible) override {
        (*this)[control].visible = visible;
    }
    void SetForeColour(ControlId control, uint32_t colour) override {
        (*this)[control].colour = colour;
    }
    void SetUnderline(ControlId control, bool underline) override {
        (*this)[control].underline = underline;
    }
    void SetFocus(ControlId control) override { focus = control.name; }
    void Show(FormView* owner) override;
    void ShowModal() override;
    void BringToFront() override;
    void Close() override;

    std::u16string name;
    FormEvents& events;
    FakeViews& views;
    std::map<std::pair<std::u16string, int32_t>, FakeControl> controls;
    FormView* owner = nullptr;
    std::u16string focus;
    bool closed = false;
};

// The front end: records what happens to the windows, in order, in `log`.
class FakeViews : public ViewFactory {
public:
    std::unique_ptr<FormView> CreateView(const FormSpec& form, FormEvents& events) override;
    void NoWindowLeft() override { log.push_back(u"no window left"); }

    // The latest view of the window; it stays readable after it closed.
    FakeView& operator[](const std::u16string& form) { return *views.at(form); }
    bool Has(const std::u16string& form) const { return views.count(form) != 0; }

    std::vector<std::u16string> log; // "show frmMain", "close Splash" ...
    // What the user does while a modal window is shown, by window name.
    std::map<std::u16string, std::function<void(FakeView&)>> onModal;

private:
    std::map<std::u16string, FakeView*> views;
};

} // namespace ui::test_support
