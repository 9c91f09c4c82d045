#pragma once

#include "platform/Dialogs.h"
#include "ui/FormTable.h"
#include "ui/FormView.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// What the user reads when a window's handler fails: what happened in a shop user's
// words, then the failure's own text for the support staff.
std::u16string HandlerFailureText(std::u16string_view detail);
// The same for a failure caught as it is: the text of an exception is its detail.
std::u16string HandlerFailureText(std::exception_ptr failure);
// Tells the user that text in a box titled with the window's caption, the program's name
// for a window without one or a failure outside every window.
void ReportFailure(platform::Dialogs& dialogs, std::u16string_view caption,
                   std::u16string_view text);

// The buttons of the program's own message and input boxes, in the words Windows' own boxes
// use in Spanish.
inline constexpr std::u16string_view AcceptButton = u"Aceptar";
inline constexpr std::u16string_view CancelButton = u"Cancelar";

enum class Pointer { Arrow, Hand };

// What a front end reports of a window, as the user did it, turned into the window's
// events by the rules every front end shares. Each handler runs to its end, or its
// failure is reported and the program carries on: nothing here ever throws, so no
// failure unwinds through a toolkit's or the system's message dispatch.
class ViewEvents {
public:
    // report receives the text of HandlerFailureText.
    ViewEvents(const FormTable& form, FormEvents& events,
               std::function<void(std::u16string_view text)> report);

    const FormTable& Form() const { return form; }

    // A push button or tick box was clicked.
    void Clicked(ControlId control);
    // The pointer moved over a control, or over the background (ControlId{}). Only
    // controls that track the pointer pass it on.
    void PointerMoved(ControlId control);
    // The left button went down on a label, and came up again: a link label passes both
    // on, and is clicked when the button comes up over the label it went down on.
    void Pressed(ControlId control);
    void Released(ControlId control, bool overThatControl);
    // A key pressed in a control, with its Windows key code (Enter is 13).
    void KeyPressed(ControlId control, int32_t keyCode);
    // The user closes the window; false keeps it open for now. A failure lets it close.
    bool CloseRequested();
    // Esc pressed anywhere in the window: what it does is the window's (FormTable::escape).
    void EscapePressed();
    // A command sent to the window by another program.
    void CommandArrived(std::u16string_view command);

    // The pointer's picture over a control.
    static Pointer PointerOver(const ControlEntry& control);
    // The background's control under a point in pixels at a resolution: the topmost
    // picture that tracks the pointer, else ControlId{} (pictures are painted into the
    // window's background by some front ends).
    ControlId PictureAt(int x, int y, double dotsPerInch) const;

private:
    template <typename Handler> void Run(Handler handler) noexcept;
    const ControlEntry* Entry(ControlId control) const;

    const FormTable& form;
    FormEvents& events;
    std::function<void(std::u16string_view text)> report;
    std::optional<ControlId> pressed;
};

} // namespace ui
