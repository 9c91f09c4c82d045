#pragma once

#include "FakeOs.h"
#include "FakeWindows.h"
#include "ui/Accessibility.h"
#include "ui/ColourScheme.h"
#include "ui/Scale.h"
#include "ui/markup/DisplayList.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace ui {
// A control as a failing case names it.
inline void PrintTo(const ControlId& id, std::ostream* out) {
    *out << std::string(id.name.begin(), id.name.end());
    if (id.index != NoIndex)
        *out << "(" << id.index << ")";
}
} // namespace ui

namespace ui::test_support {

// What a window shows, pixel by pixel (0x00BBGGRR), in the coordinates of FrontEnd::Place.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // row by row
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A front end driven as a user drives it, through its real windows. The window cases run
// over every front end from one table; each front end's test program defines MakeFrontEnd.
// Windows are named by their tables, controls by their names.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    virtual ViewFactory& Views() = 0;
    // The resolution the windows are laid out for, and the screen's work area.
    virtual double DotsPerInch() = 0;
    virtual PixelRect WorkArea() = 0;

    virtual bool IsShown(const FormTable& form) = 0;
    virtual std::u16string Title(const FormTable& form) = 0;
    virtual PixelRect ClientArea(const FormTable& form) = 0;
    virtual PixelRect Place(const FormTable& form, ControlId control) = 0;
    // What a label, button or tick box says; the markup of a markup label.
    virtual std::u16string Caption(const FormTable& form, ControlId control) = 0;
    virtual bool IsVisible(const FormTable& form, ControlId control) = 0;
    virtual uint32_t TextColour(const FormTable& form, ControlId control) = 0; // 0x00BBGGRR
    virtual bool IsUnderlined(const FormTable& form, ControlId control) = 0;
    virtual bool Scrolls(const FormTable& form, ControlId control) = 0;
    // The colours of the pixels of a markup label's painting.
    virtual std::set<uint32_t> PaintedColours(const FormTable& form, ControlId control) = 0;

    // The left button over a control, or the pointer over the window's own margin
    // (ControlId{}).
    enum class Mouse { Move, Press, Release };
    virtual void UseMouse(const FormTable& form, ControlId control, Mouse action) = 0;
    // A click with the mouse: pressed and released over the control.
    virtual void Click(const FormTable& form, ControlId control) = 0;
    virtual void Type(const FormTable& form, ControlId control, std::u16string_view text) = 0;
    virtual void CloseBox(const FormTable& form) = 0;
    // The window's minimise button; whether it is down on the task bar; whether it is the
    // window the user works in now.
    virtual void Minimise(const FormTable& form) = 0;
    virtual bool IsMinimised(const FormTable& form) = 0;
    virtual bool IsActive(const FormTable& form) = 0;
    // Runs the action from the event loop once the window shows (inside a modal loop too).
    virtual void WhenShown(const FormTable& form, std::function<void()> action) = 0;
    virtual void ProcessEvents() = 0;
    // The close command from another program; nullopt where this system cannot send it.
    virtual std::optional<bool> SendCloseCommand(std::u16string_view command) = 0;

    // The keyboard, as a user presses it on the focused control of the active window.
    enum class Key { Tab, ShiftTab, Enter, Space, Escape };
    virtual void PressKey(const FormTable& form, Key key) = 0;
    // The control with the keyboard focus, ControlId{} when none of the window's has it.
    virtual ControlId Focused(const FormTable& form) = 0;
    // The front end's own message and input boxes.
    virtual platform::Dialogs& Dialogs() = 0;
    // The next message or input box the program shows is answered from the keyboard: its
    // text is kept in text, typed is typed into an input box, then key closes it.
    virtual void AnswerNextDialog(Key key, std::u16string typed, std::u16string* text) = 0;
    // What assistive technology reads of a control: its role and name.
    virtual Role AccessibleRole(const FormTable& form, ControlId control) = 0;
    virtual std::u16string AccessibleName(const FormTable& form, ControlId control) = 0;
    // The words a reader reads as the control's text or value.
    virtual std::u16string AccessibleText(const FormTable& form, ControlId control) = 0;
    // The colours of the system from now on, for the windows open and those to come.
    virtual void UseScheme(const ColourScheme& scheme) = 0;
    // The pixels of the window's own background (its colour and pictures) under a control.
    virtual std::set<uint32_t> BackgroundUnder(const FormTable& form, ControlId control) = 0;
    virtual markup::DisplayList Display(const FormTable& form, ControlId control) = 0;
    // What the window's client area shows now.
    virtual Picture Capture(const FormTable& form) = 0;
    // A picture of the window as the user sees it, written to a PNG or BMP file.
    virtual void SaveScreenshot(const FormTable& form, const std::string& path) = 0;
};

std::unique_ptr<FrontEnd> MakeFrontEnd(fixtures::FakeOs& os, std::function<void()> noWindowLeft);

} // namespace ui::test_support
