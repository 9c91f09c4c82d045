#pragma once

#include "ui/FormView.h"
#include "ui/win32/PictureResources.h"

#include <memory>

namespace ui::win32 {

// Builds the program's windows; when the last one is gone the message loop ends.
class Win32ViewFactory : public ViewFactory {
public:
    Win32ViewFactory();
    std::unique_ptr<FormView> CreateView(ViewEvents& events) override;
    void NoWindowLeft() override;

private:
    PictureResources pictures;
};

} // namespace ui::win32
