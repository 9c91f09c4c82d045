// The Qt front end offscreen, found by object name and driven as a user drives it.
#include "../FrontEnd.h"
#include "ScriptedUser.h"
#include "ui/qt/CloseCommandBus.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtViewFactory.h"
#include "ui/qt/Scale.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace ui::test_support {
namespace {

using qt::FromBgr, qt::FromQString, qt::ToBgr, qt::ToQString;

// A timer runs the action once, from whichever event loop is running, the first time ready
// holds.
void RunOnceWhen(std::function<bool()> ready, std::function<void()> action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!ready())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(10);
}

class QtFrontEnd : public FrontEnd {
public:
    QtFrontEnd(fixtures::FakeOs& os, std::function<void()> noWindowLeft)
        : os(os), views(os, std::move(noWindowLeft)) {}

    ViewFactory& Views() override { return views; }
    double DotsPerInch() override { return qt::Scale::OfScreen().DotsPerInch(); }
    PixelRect WorkArea() override {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        return {area.x(), area.y(), area.width(), area.height()};
    }
    bool IsShown(const FormTable& form) override { return Window(form); }
    std::u16string Title(const FormTable& form) override {
        return FromQString(Window(form)->windowTitle());
    }
    PixelRect ClientArea(const FormTable& form) override {
        return {0, 0, Window(form)->width(), Window(form)->height()};
    }
    PixelRect Place(const FormTable& form, ControlId id) override {
        QWidget* control = Control(form, id);
        const QPoint at = control->mapTo(Window(form), QPoint(0, 0));
        return {at.x(), at.y(), control->width(), control->height()};
    }
    std::u16string Caption(const FormTable& form, ControlId id) override {
        QWidget* control = Control(form, id);
        if (auto* label = qobject_cast<QLabel*>(control))
            return FromQString(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return FromQString(button->text());
        if (auto* markup = qobject_cast<qt::MarkupLabel*>(control))
            return FromQString(markup->Markup());
        return {};
    }
    bool IsVisible(const FormTable& form, ControlId id) override {
        return Control(form, id)->isVisibleTo(Window(form));
    }
    uint32_t TextColour(const FormTable& form, ControlId id) override {
        return ToBgr(Control(form, id)->palette().color(QPalette::WindowText));
    }
    bool IsUnderlined(const FormTable& form, ControlId id) override {
        return Control(form, id)->font().underline();
    }
    bool Scrolls(const FormTable& form, ControlId id) override {
        return Markup(form, id)->verticalScrollBar()->maximum() > 0;
    }
    std::set<uint32_t> PaintedColours(const FormTable& form, ControlId id) override {
        const QImage image = Control(form, id)->grab().toImage();
        std::set<uint32_t> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(ToBgr(image.pixelColor(x, y)));
        return colours;
    }

    void UseMouse(const FormTable& form, ControlId id, Mouse action) override {
        QWidget* target = id.name.empty() ? Window(form) : Control(form, id);
        const QPoint at = id.name.empty() ? QPoint(2, 2) : target->rect().center();
        if (action == Mouse::Move)
            QTest::mouseMove(target, at);
        else if (action == Mouse::Press)
            QTest::mousePress(target, Qt::LeftButton, {}, at);
        else
            QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }
    void Click(const FormTable& form, ControlId id) override { driver::Click(Control(form, id)); }
    void Type(const FormTable& form, ControlId id, std::u16string_view text) override {
        driver::Type(Control(form, id), ToQString(text));
    }
    void CloseBox(const FormTable& form) override { Window(form)->close(); }
    void Minimise(const FormTable& form) override { Window(form)->showMinimized(); }
    bool IsMinimised(const FormTable& form) override { return Window(form)->isMinimized(); }
    bool IsActive(const FormTable& form) override {
        return QApplication::activeWindow() == Window(form);
    }
    void WhenShown(const FormTable& form, std::function<void()> action) override {
        RunOnceWhen([this, &form] { return Window(form) != nullptr; }, std::move(action));
    }
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    std::optional<bool> SendCloseCommand(std::u16string_view command) override {
        if (!QDBusConnection::sessionBus().isConnected())
            return std::nullopt;
        QProcess call;
        call.start("dbus-send",
                   {"--session", "--print-reply", "--dest=" + qt::CloseCommandBus::ServiceName(),
                    "/FrmMain", "es.lunadoro.FrmMain.Execute", "string:" + ToQString(command)});
        for (int wait = 0; wait < 500 && call.state() != QProcess::NotRunning; ++wait)
            QTest::qWait(20);
        return !call.readAllStandardOutput().contains("boolean false");
    }

    void PressKey(const FormTable& form, Key key) override {
        QWidget* window = Window(form);
        QApplication::setActiveWindow(window);
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        const Qt::Key codes[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Space,
                                 Qt::Key_Escape}; // in the order of Key
        QTest::keyClick(target, codes[int(key)],
                        key == Key::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    ControlId Focused(const FormTable& form) override {
        QWidget* focus = Window(form)->focusWidget();
        for (const ControlEntry& entry : form.controls)
            if (focus && focus->objectName() == ToQString(entry.name) &&
                focus->property("index").toInt() == entry.index)
                return {entry.name, entry.index};
        return {};
    }
    platform::Dialogs& Dialogs() override { return dialogs; }
    void AnswerNextDialog(Key key, std::u16string typed, std::u16string* text) override {
        const auto box = [] { return QApplication::activeModalWidget(); };
        RunOnceWhen(
            [=] { return qobject_cast<QMessageBox*>(box()) || qobject_cast<QInputDialog*>(box()); },
            [=] {
                auto* input = qobject_cast<QInputDialog*>(box());
                *text = FromQString(input ? input->labelText()
                                          : qobject_cast<QMessageBox*>(box())->text());
                if (input)
                    driver::Type(input->findChild<QLineEdit*>(), ToQString(typed));
                // to the box's own focus: the application's may not have moved to it yet
                QWidget* target = box()->focusWidget() ? box()->focusWidget() : box();
                QTest::keyClick(target, key == Key::Escape ? Qt::Key_Escape : Qt::Key_Return);
            });
    }
    Role AccessibleRole(const FormTable& form, ControlId id) override {
        QAccessibleInterface* control = Accessible(form, id);
        if (!control)
            return Role::Hidden;
        const std::pair<QAccessible::Role, Role> roles[] = {
            {QAccessible::StaticText, Role::Label},
            {QAccessible::Link, Role::Link},
            {QAccessible::EditableText, control->state().readOnly ? Role::Text : Role::TextBox},
            {QAccessible::Button, Role::PushButton},
            {QAccessible::CheckBox, Role::CheckBox},
            {QAccessible::ProgressBar, Role::ProgressBar}};
        for (auto [theirs, ours] : roles)
            if (control->role() == theirs)
                return ours;
        return Role::Hidden;
    }
    std::u16string AccessibleName(const FormTable& form, ControlId id) override {
        return FromQString(Accessible(form, id)->text(QAccessible::Name));
    }
    std::u16string AccessibleText(const FormTable& form, ControlId id) override {
        QAccessibleInterface* control = Accessible(form, id);
        if (QAccessibleTextInterface* text = control->textInterface())
            return FromQString(text->text(0, text->characterCount()));
        return FromQString(control->text(QAccessible::Value));
    }
    void UseScheme(const ColourScheme& scheme) override {
        os.gradientActiveCaption = scheme.gradientActiveCaption;
        QPalette palette = QApplication::style()->standardPalette();
        if (!(scheme.window == ColourScheme{}.window && !scheme.highContrast)) {
            palette.setColor(QPalette::Window, FromBgr(scheme.window));
            palette.setColor(QPalette::Button, FromBgr(scheme.window));
            palette.setColor(QPalette::Base, FromBgr(scheme.window));
            for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(role, FromBgr(scheme.windowText));
            palette.setColor(QPalette::Link, FromBgr(scheme.link));
        }
        QApplication::setPalette(palette);
        ProcessEvents();
    }
    std::set<uint32_t> BackgroundUnder(const FormTable& form, ControlId id) override {
        if (Control(form, id)->autoFillBackground())
            return {ToBgr(Control(form, id)->palette().color(QPalette::Window))};
        const QImage background = static_cast<qt::FormWindow*>(Window(form))->Background();
        const PixelRect place = Place(form, id);
        std::set<uint32_t> colours;
        for (int y = place.top; y < std::min(place.top + place.height, background.height()); ++y)
            for (int x = place.left; x < std::min(place.left + place.width, background.width());
                 ++x)
                colours.insert(ToBgr(background.pixelColor(x, y)));
        return colours;
    }
    markup::DisplayList Display(const FormTable& form, ControlId id) override {
        return Markup(form, id)->Display();
    }
    Picture Capture(const FormTable& form) override {
        const QImage image = Window(form)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        Picture picture{image.width(), image.height(), {}};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                picture.pixels.push_back(ToBgr(QColor(image.pixel(x, y))));
        return picture;
    }
    void SaveScreenshot(const FormTable& form, const std::string& path) override {
        Window(form)->grab().save(QString::fromStdString(path + "-qt.png"), "PNG");
    }

private:
    QAccessibleInterface* Accessible(const FormTable& form, ControlId id) {
        QWidget* window = Window(form);
        if (!window)
            throw std::out_of_range("no such window shown");
        QWidget* control = driver::Control(ToQString(form.name), ToQString(id.name), id.index);
        return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    }
    QWidget* Window(const FormTable& form) { return driver::Window(ToQString(form.name)); }
    QWidget* Control(const FormTable& form, ControlId id) {
        QWidget* control = driver::Control(ToQString(form.name), ToQString(id.name), id.index);
        if (!control)
            throw std::out_of_range("no such control shown");
        return control;
    }
    qt::MarkupLabel* Markup(const FormTable& form, ControlId id) {
        return qobject_cast<qt::MarkupLabel*>(Control(form, id));
    }

    fixtures::FakeOs& os;
    qt::QtViewFactory views;
    qt::QtDialogs dialogs;
};

} // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd(fixtures::FakeOs& os, std::function<void()> noWindowLeft) {
    return std::make_unique<QtFrontEnd>(os, std::move(noWindowLeft));
}

} // namespace ui::test_support

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
