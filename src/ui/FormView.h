#pragma once

#include "ui/FormTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

// A control of a window: its name, and its index when it belongs to a control array.
struct ControlId {
    std::u16string_view name; // empty: the window's own background
    int32_t index = NoIndex;
    bool operator==(const ControlId&) const = default;
};

// A window on screen, as the behaviour of a form sees it. A front end implements one per
// window, built from the form's table; tests implement it with a fake.
class FormView {
public:
    virtual ~FormView() = default;

    // The caption of a label, markup label, button or tick box; a progress bar's text.
    virtual void SetCaption(ControlId control, std::u16string_view caption) = 0;
    // What a text box holds.
    virtual std::u16string Text(ControlId control) = 0;
    virtual bool IsChecked(ControlId control) = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual void SetForeColour(ControlId control, uint32_t colour) = 0;
    virtual void SetUnderline(ControlId control, bool underline) = 0;
    virtual void SetFocus(ControlId control) = 0;

    // Shows the window, modeless, in front of its owner (null: no owner).
    virtual void Show(FormView* owner) = 0;
    // Shows the window modally; returns once it has been closed.
    virtual void ShowModal() = 0;
    virtual void BringToFront() = 0;
    // Takes the window off the screen for good. May be called from inside one of the
    // window's own events.
    virtual void Close() = 0;
};

// What a front end reports of a window. Controls without a handler are ignored. The
// events a front end is given never throw: the core reports a failing handler to the user
// (GuardedEvents) and the program carries on.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void Click(ControlId) {}
    // ControlId{} is the window's own background.
    virtual void MouseMove(ControlId) {}
    virtual void MouseDown(ControlId) {}
    virtual void MouseUp(ControlId) {}
    // A key pressed in a control, with its Windows key code (Enter is 13).
    virtual void KeyDown(ControlId, int32_t /*keyCode*/) {}
    // The user closes the window (close box, Alt+F4). False keeps it open for now.
    virtual bool CloseRequested() { return true; }
    // A command sent to the window by another program (DDE execute, D-Bus).
    virtual void Execute(std::u16string_view /*command*/) {}
};

// The front end: builds the window of a form and learns when the program is over.
class ViewFactory {
public:
    virtual ~ViewFactory() = default;
    virtual std::unique_ptr<FormView> CreateView(const FormTable& form, FormEvents& events) = 0;
    // The last window of the program has been unloaded: the program ends.
    virtual void NoWindowLeft() = 0;
};

} // namespace ui
