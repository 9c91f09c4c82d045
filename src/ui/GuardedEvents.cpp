#include "ui/GuardedEvents.h"

#include "text/Encoding.h"

#include <exception>

namespace ui {

std::u16string HandlerFailureText(std::u16string_view detail) {
    std::u16string text = u"No se ha podido completar la operación por un error inesperado. "
                          u"Puede seguir usando el programa; si el error se repite, póngase "
                          u"en contacto con el servicio técnico.";
    if (!detail.empty())
        text += u"\r\n\r\nDetalle: " + std::u16string(detail);
    return text;
}

std::u16string HandlerFailureText(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return HandlerFailureText(text::Utf8ToUtf16(error.what()));
    } catch (...) {
        return HandlerFailureText(std::u16string_view());
    }
}

GuardedEvents::GuardedEvents(FormEvents& events,
                             std::function<void(std::u16string_view text)> report)
    : events(events), report(std::move(report)) {}

// True when the handler ran to its end.
template <typename Handler> bool GuardedEvents::Run(Handler handler) noexcept {
    std::exception_ptr failure;
    try {
        handler();
        return true;
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        report(HandlerFailureText(failure));
    } catch (...) {
        // Nothing is left to tell the user with; the program still carries on.
    }
    return false;
}

void GuardedEvents::Click(ControlId control) {
    Run([&] { events.Click(control); });
}

void GuardedEvents::MouseMove(ControlId control) {
    Run([&] { events.MouseMove(control); });
}

void GuardedEvents::MouseDown(ControlId control) {
    Run([&] { events.MouseDown(control); });
}

void GuardedEvents::MouseUp(ControlId control) {
    Run([&] { events.MouseUp(control); });
}

void GuardedEvents::KeyDown(ControlId control, int32_t keyCode) {
    Run([&] { events.KeyDown(control, keyCode); });
}

bool GuardedEvents::CloseRequested() {
    bool close = true;
    Run([&] { close = events.CloseRequested(); });
    return close;
}

void GuardedEvents::Execute(std::u16string_view command) {
    Run([&] { events.Execute(command); });
}

} // namespace ui
