#include "ui/win32/Win32ViewFactory.h"

#include "ui/win32/MarkupLabel.h"
#include "ui/win32/Win32FormView.h"

#include <objbase.h>

namespace ui::win32 {

Win32ViewFactory::Win32ViewFactory() {
    // Screen readers' objects are handed over through COM.
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES;
    ::InitCommonControlsEx(&controls);
    FormWindow::RegisterClass(::GetModuleHandleW(nullptr));
    MarkupLabel::RegisterClass(::GetModuleHandleW(nullptr));
}

std::unique_ptr<FormView> Win32ViewFactory::CreateView(ViewEvents& events) {
    auto view = std::make_unique<Win32FormView>(events, pictures);
    if (!view->Window().Handle())
        return nullptr;
    return view;
}

void Win32ViewFactory::NoWindowLeft() {
    ::PostQuitMessage(0);
}

} // namespace ui::win32
