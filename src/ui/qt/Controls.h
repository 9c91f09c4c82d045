#pragma once

#include "ui/FormTable.h"
#include "ui/FormView.h"
#include "ui/markup/MarkupLayout.h"
#include "ui/qt/Scale.h"

#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QWidget>
#include <functional>

namespace ui::qt {

// Makes the fonts the windows name (Tahoma, MS Sans Serif, Arial, Segoe UI) resolve to the
// nearest narrow fonts this system has.
void UseNearestFonts();

// Runs a window's handler for a user's action; a failure that escapes it is shown to the
// user, never thrown through Qt.
void Deliver(const std::function<void()>& handler);

// What building a control needs besides its table entry.
struct ControlSetting {
    FormEvents& events;
    Scale scale;
    uint32_t gradientActiveCaption; // the system colour the markup may name
};

// Builds the control in its parent, placed, styled and wired to the window's events.
QWidget* CreateControl(const ControlEntry& entry, QWidget* parent, const ControlSetting& setting);

// A label; a link label reports presses, releases and clicks, a tracking one the pointer's
// moves.
class ControlLabel : public QLabel {
    Q_OBJECT
public:
    ControlLabel(ControlId id, bool link, bool tracksPointer, FormEvents& events, QWidget* parent);
    // Sets the text, widening the label when the text needs more room than the table gave:
    // this platform's fonts are not those the window was drawn for.
    void SetCaption(const QString& text);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ControlId id;
    bool link;
    FormEvents& events;
    bool pressed = false;
};

// One of our pictures, filling the control; one that reports the pointer's moves when asked.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(ControlId id, std::u16string_view picture, bool reportMoves, FormEvents& events,
               QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ControlId id;
    QPixmap pixmap;
    FormEvents& events;
};

// A progress bar that shows a status text and never a value.
class StatusBar : public QProgressBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);
    QString text() const override { return format(); }
};

// The pixmap of one of our pictures, rendered at build time at its size on a normal screen
// and at twice that size for high-resolution ones.
QPixmap LoadPicture(std::u16string_view picture);

} // namespace ui::qt
