#include "ui/qt/QtViewFactory.h"

#include "ui/qt/AccessibleRoles.h"
#include "ui/qt/CloseCommandBus.h"
#include "ui/qt/Controls.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtFormView.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Scale.h"

#include <QApplication>

namespace ui::qt {

QtViewFactory::QtViewFactory(platform::Os& os, std::function<void()> onNoWindowLeft)
    : os(os), onNoWindowLeft(std::move(onNoWindowLeft)) {
    UseNearestFonts();
    InstallAccessibleRoles();
}

std::unique_ptr<FormView> QtViewFactory::CreateView(ViewEvents& events) {
    const ControlSetting setting{events, Scale::OfScreen(), [this] { return SystemScheme(); }};
    auto* window = new FormWindow(setting);
    if (events.Form().takesCloseCommand)
        CloseCommandBus::Listen(window, events);
    return std::make_unique<QtFormView>(window);
}

// The palette's colours; a dark window colour is how this system asks for high contrast.
ColourScheme QtViewFactory::SystemScheme() const {
    const QPalette palette = QApplication::palette();
    const auto bgr = [&](QPalette::ColorRole role) { return ToBgr(palette.color(role)); };
    ColourScheme scheme{.window = bgr(QPalette::Window),
                        .windowText = bgr(QPalette::WindowText),
                        .link = bgr(QPalette::Link),
                        .gradientActiveCaption =
                            os.GetSysColor(platform::ColorGradientActiveCaption)};
    scheme.highContrast = palette.color(QPalette::Window).lightnessF() < 0.5;
    return scheme;
}

void QtViewFactory::NoWindowLeft() {
    if (onNoWindowLeft)
        onNoWindowLeft();
}

} // namespace ui::qt
