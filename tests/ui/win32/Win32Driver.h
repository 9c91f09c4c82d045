#pragma once
// What the Win32 cases share with the driver of the window cases (Win32FrontEnd.cpp): the
// windows found by caption and control id, their accessible objects, a timer for what must
// happen inside a modal loop, and one window shown on its own.
#include "../FrontEnd.h"
#include "FakeOs.h"
#include "ui/win32/Win32Api.h"

#include <functional>
#include <memory>
#include <oleacc.h>
#include <string>
#include <tuple>
#include <vector>

namespace ui::test_support {

// A timer of the thread: its message runs the action once, from whichever loop is running,
// the first time ready holds.
UINT_PTR RunOnceWhen(UINT every, std::function<bool()> ready, std::function<void()> action);

// A form's window while it shows, and its controls.
HWND Shown(const FormTable& form);
HWND Control(const FormTable& form, ControlId id);

// A control's accessible object: its own answer, or the system's standard one for its class.
IAccessible* Object(HWND control, bool standard = false);
// The object itself, not one of its children.
VARIANT Self();
// Its name, and the object released.
std::u16string NameOf(IAccessible* object);

// What the window tells its events: the presses the cases look for.
struct Told : FormEvents {
    std::vector<ControlId> clicks;
    void Click(ControlId control) override { clicks.push_back(control); }
};

// One window of a table shown on its own, with what it tells its events.
struct ShownWindow {
    explicit ShownWindow(FormTable table) : form(std::move(table)) { view->Show(nullptr); }
    fixtures::FakeOs os;
    std::unique_ptr<FrontEnd> user = MakeFrontEnd(os, [] {});
    FormTable form;
    Told told;
    ViewEvents events{form, told, [](std::u16string_view) {}};
    std::unique_ptr<FormView> view = user->Views().CreateView(events);
    auto Parts() { return std::tie(user, form, told, view); }
};

} // namespace ui::test_support
