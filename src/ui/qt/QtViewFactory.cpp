#include "ui/qt/QtViewFactory.h"

#include "ui/qt/CloseCommandBus.h"
#include "ui/qt/Controls.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtFormView.h"
#include "ui/qt/Scale.h"

namespace ui::qt {

QtViewFactory::QtViewFactory(platform::Os& os, std::function<void()> onNoWindowLeft)
    : os(os), onNoWindowLeft(std::move(onNoWindowLeft)) {
    UseNearestFonts();
}

std::unique_ptr<FormView> QtViewFactory::CreateView(ViewEvents& events) {
    const ControlSetting setting{events, Scale::OfScreen(),
                                 os.GetSysColor(platform::ColorGradientActiveCaption)};
    auto* window = new FormWindow(setting);
    if (events.Form().takesCloseCommand)
        CloseCommandBus::Listen(window, events);
    return std::make_unique<QtFormView>(window);
}

void QtViewFactory::NoWindowLeft() {
    if (onNoWindowLeft)
        onNoWindowLeft();
}

} // namespace ui::qt
