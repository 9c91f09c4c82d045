#include "ui/Form.h"

#include "ui/Windows.h"

#include <stdexcept>

namespace ui {

Form::Form(Windows& windows, FormTable table)
    : windows(windows), table(std::move(table)),
      viewEvents(this->table, *this, [this](std::u16string_view text) {
          ReportFailure(Context().dialogs, this->table.caption, text);
      }) {}

void Form::Load() {
    if (view)
        return;
    closedView.reset();
    closePending = false;
    view = windows.Views().CreateView(viewEvents);
    if (!view)
        throw std::runtime_error("No se pudo crear la ventana");
    OnLoad();
}

void Form::Show(Form* owner) {
    if (IsLoaded()) {
        view->BringToFront();
        return;
    }
    Load();
    view->Show(owner && owner->view ? owner->view.get() : nullptr);
}

void Form::ShowModal() {
    Load();
    modal = true;
    view->ShowModal();
    Unload(); // in case the front end ended the modal display some other way
}

// The program ends with its last modeless window; a modal one only ends its own display.
void Form::Unload() {
    if (!view)
        return;
    OnUnload();
    closedView = std::move(view);
    closedView->Close();
    if (!modal)
        windows.WindowUnloaded();
    modal = false;
}

bool Form::CloseRequested() {
    if (windows.RequestRunning()) {
        closePending = true;
        return false;
    }
    Unload();
    return true;
}

void Form::Escape() {
    if (!view || table.escape == EscapeKey::Ignored || windows.RequestRunning())
        return;
    if (table.escape == EscapeKey::ClosesWhenEmpty)
        for (const ControlEntry& control : table.controls)
            if (control.kind == ControlKind::TextBox &&
                !view->Text({control.name, control.index}).empty())
                return;
    Unload();
}

void Form::CloseIfPending() {
    if (closePending)
        Unload();
    closePending = false;
}

FormView& Form::View() {
    if (!view)
        throw std::logic_error("the window is not loaded");
    return *view;
}

session::Context& Form::Context() {
    return windows.Context();
}

} // namespace ui
