#include "ui/ViewEvents.h"

#include "text/Encoding.h"
#include "ui/Scale.h"

#include <exception>

namespace ui {

std::u16string HandlerFailureText(std::u16string_view detail) {
    std::u16string text = u"No se ha podido completar la operación por un error inesperado. "
                          u"Puede seguir usando el programa; si el error se repite, póngase "
                          u"en contacto con el servicio técnico.";
    if (!detail.empty()) {
        text += u"\r\n\r\nDetalle: ";
        text += detail;
    }
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

void ReportFailure(platform::Dialogs& dialogs, std::u16string_view caption,
                   std::u16string_view text) {
    dialogs.MessageBox(caption.empty() ? u"Asistencia Remota" : caption, text,
                       platform::MessageIcon::Critical);
}

ViewEvents::ViewEvents(const FormTable& form, FormEvents& events,
                       std::function<void(std::u16string_view text)> report)
    : form(form), events(events), report(std::move(report)) {}

template <typename Handler> void ViewEvents::Run(Handler handler) noexcept {
    std::exception_ptr failure;
    try {
        handler();
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        report(HandlerFailureText(failure));
    } catch (...) {
        // Nothing is left to tell the user with; the program still carries on.
    }
}

// Null for the background and for a name the table lacks: a front end reports what it
// sees, and a stray name must not become a failure the user is told of.
const ControlEntry* ViewEvents::Entry(ControlId control) const {
    return FindControl(form, control.name, control.index);
}

void ViewEvents::Clicked(ControlId control) {
    Run([&] { events.Click(control); });
}

void ViewEvents::PointerMoved(ControlId control) {
    const ControlEntry* entry = Entry(control);
    if (control.name.empty() || (entry && entry->tracksPointer))
        Run([&] { events.MouseMove(control); });
}

void ViewEvents::Pressed(ControlId control) {
    const ControlEntry* entry = Entry(control);
    if (!entry || !entry->link)
        return;
    pressed = control;
    Run([&] { events.MouseDown(control); });
}

void ViewEvents::Released(ControlId control, bool overThatControl) {
    const ControlEntry* entry = Entry(control);
    if (!entry || !entry->link)
        return;
    const bool click = overThatControl && pressed == control;
    pressed.reset();
    Run([&] { events.MouseUp(control); });
    if (click)
        Run([&] { events.Click(control); });
}

void ViewEvents::KeyPressed(ControlId control, int32_t keyCode) {
    Run([&] { events.KeyDown(control, keyCode); });
}

bool ViewEvents::CloseRequested() {
    bool close = true;
    Run([&] { close = events.CloseRequested(); });
    return close;
}

void ViewEvents::EscapePressed() {
    Run([&] { events.Escape(); });
}

void ViewEvents::CommandArrived(std::u16string_view command) {
    Run([&] { events.Execute(command); });
}

Pointer ViewEvents::PointerOver(const ControlEntry& control) {
    return control.link ? Pointer::Hand : Pointer::Arrow;
}

ControlId ViewEvents::PictureAt(int x, int y, double dotsPerInch) const {
    for (auto control = form.controls.rbegin(); control != form.controls.rend(); ++control) {
        if (control->kind != ControlKind::Picture || !control->tracksPointer)
            continue;
        const PixelRect place = Pixels(PlaceInWindow(form, *control), dotsPerInch);
        if (x >= place.left && x < place.left + place.width && y >= place.top &&
            y < place.top + place.height)
            return {control->name, control->index};
    }
    return {};
}

} // namespace ui
