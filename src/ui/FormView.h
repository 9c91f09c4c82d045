#pragma once

#include "ui/FormTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

class ViewEvents;

// A window on screen, as the behaviour of a form sees it. A front end implements one per
// window, built from the form's table; tests implement it with a fake. Every view keeps
// this contract:
// - A control the table lacks is a fault of the program: the call throws
//   std::out_of_range (ControlPosition), which reaches the handler that made it.
// - A call a control cannot show does nothing: a picture has no caption, a label no text.
// - Once closed, the view does nothing: Text() is empty and IsChecked() false.
// - A view never tells the user of a failure itself: it throws to the handler, and the
//   window's events (ViewEvents) report it.
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

// What a window does when the user acts on it: each form's behaviour. Controls without a
// handler are ignored. Front ends never call these themselves: they report to ViewEvents.
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
    // The user pressed Esc in the window.
    virtual void Escape() {}
    // A command sent to the window by another program (DDE execute, D-Bus).
    virtual void Execute(std::u16string_view /*command*/) {}
};

// The front end: builds the window of a form and learns when the program is over.
class ViewFactory {
public:
    virtual ~ViewFactory() = default;
    // The window reports what the user does to events, which outlives it and holds the form.
    virtual std::unique_ptr<FormView> CreateView(ViewEvents& events) = 0;
    // The last window of the program has been unloaded: the program ends.
    virtual void NoWindowLeft() = 0;
};

} // namespace ui
