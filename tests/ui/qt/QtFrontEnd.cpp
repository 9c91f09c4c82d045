// The Qt front end offscreen, found by object name and driven as a user drives it.
#include "../FrontEnd.h"
#include "ScriptedUser.h"
#include "ui/qt/CloseCommandBus.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtViewFactory.h"
#include "ui/qt/Scale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDBusConnection>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace ui::test_support {
namespace {

using qt::FromQString, qt::ToQString;

uint32_t Bgr(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

class QtFrontEnd : public FrontEnd {
public:
    QtFrontEnd(fixtures::FakeOs& os, std::function<void()> noWindowLeft)
        : os(os), views(os, std::move(noWindowLeft)) {}

    ViewFactory& Views() override { return views; }
    double DotsPerInch() override { return qt::Scale::OfScreen().DotsPerInch(); }
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
        return Bgr(Control(form, id)->palette().color(QPalette::WindowText));
    }
    bool IsUnderlined(const FormTable& form, ControlId id) override {
        return Control(form, id)->font().underline();
    }
    bool Scrolls(const FormTable& form, ControlId id) override {
        return Markup(form, id)->verticalScrollBar()->maximum() > 0;
    }
    std::set<uint32_t> LaidOutColours(const FormTable& form, ControlId id) override {
        return ColoursOf(Markup(form, id)->Display());
    }
    std::set<uint32_t> PaintedColours(const FormTable& form, ControlId id) override {
        const QImage image = Control(form, id)->grab().toImage();
        std::set<uint32_t> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(Bgr(image.pixelColor(x, y)));
        return colours;
    }
    uint32_t GradientActiveCaption() override {
        return os.sysColors[platform::ColorGradientActiveCaption];
    }

    void MovePointer(const FormTable& form, ControlId id) override {
        if (id.name.empty())
            QTest::mouseMove(Window(form), QPoint(2, 2));
        else
            QTest::mouseMove(Control(form, id), Control(form, id)->rect().center());
    }
    void PressPointer(const FormTable& form, ControlId id) override {
        QWidget* control = Control(form, id);
        QTest::mousePress(control, Qt::LeftButton, {}, control->rect().center());
    }
    void ReleasePointer(const FormTable& form, ControlId id) override {
        QWidget* control = Control(form, id);
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->rect().center());
    }
    void Click(const FormTable& form, ControlId id) override { driver::Click(Control(form, id)); }
    void Type(const FormTable& form, ControlId id, std::u16string_view text) override {
        driver::Type(Control(form, id), ToQString(text));
    }
    void PressEnter(const FormTable& form, ControlId id) override {
        driver::PressEnter(Control(form, id));
    }
    void CloseBox(const FormTable& form) override { Window(form)->close(); }
    void WhenShown(const FormTable& form, std::function<void()> action) override {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [this, timer, &form, action] {
            if (!Window(form))
                return;
            timer->stop();
            timer->deleteLater();
            action();
        });
        timer->start(10);
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

private:
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
