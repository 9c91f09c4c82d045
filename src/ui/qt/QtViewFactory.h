#pragma once

#include "platform/Os.h"
#include "ui/ColourScheme.h"
#include "ui/FormView.h"

#include <functional>

namespace ui::qt {

// The Linux front end: builds each window from its table and, for the main window, the
// close command on the session bus.
class QtViewFactory : public ViewFactory {
public:
    QtViewFactory(platform::Os& os, std::function<void()> onNoWindowLeft);

    std::unique_ptr<FormView> CreateView(ViewEvents& events) override;
    void NoWindowLeft() override;
    ColourScheme SystemScheme() const;

private:
    platform::Os& os;
    std::function<void()> onNoWindowLeft;
};

} // namespace ui::qt
