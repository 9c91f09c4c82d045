#pragma once

#include "ui/FormView.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace ui {

// What the user reads when a window's handler fails: what happened in a shop user's
// words, then the failure's own text for the support staff.
std::u16string HandlerFailureText(std::u16string_view detail);
// The same for a failure caught as it is: the text of an exception is its detail.
std::u16string HandlerFailureText(std::exception_ptr failure);

// The events of a window as a front end delivers them. Each handler runs to its end, or
// its failure is reported and the program carries on: nothing delivered here ever throws,
// so no failure unwinds through a toolkit's or the system's message dispatch.
class GuardedEvents : public FormEvents {
public:
    // report receives the text of HandlerFailureText.
    GuardedEvents(FormEvents& events, std::function<void(std::u16string_view text)> report);

    void Click(ControlId control) override;
    void MouseMove(ControlId control) override;
    void MouseDown(ControlId control) override;
    void MouseUp(ControlId control) override;
    void KeyDown(ControlId control, int32_t keyCode) override;
    // A failure lets the window close.
    bool CloseRequested() override;
    void Execute(std::u16string_view command) override;

private:
    template <typename Handler> bool Run(Handler handler) noexcept;

    FormEvents& events;
    std::function<void(std::u16string_view text)> report;
};

} // namespace ui
