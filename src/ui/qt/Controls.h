#pragma once

#include "ui/FormTable.h"
#include "ui/ViewEvents.h"
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

// What building a control needs besides its table entry.
struct ControlSetting {
    ViewEvents& events;
    Scale scale;
    uint32_t gradientActiveCaption; // the system colour the markup may name
};

// Builds the control in its parent, placed, styled and wired to the window's events.
QWidget* CreateControl(const ControlEntry& entry, QWidget* parent, const ControlSetting& setting);

// A label that reports the pointer's moves (when it tracks them), presses and releases.
class ControlLabel : public QLabel {
    Q_OBJECT
public:
    ControlLabel(const ControlEntry& entry, ViewEvents& events, QWidget* parent);
    // Sets the text, widening the label when the text needs more room than the table gave:
    // this platform's fonts are not those the window was drawn for.
    void SetCaption(const QString& text);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ControlId id;
    ViewEvents& events;
};

// One of our pictures, filling the control; one that reports the pointer's moves when asked.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const ControlEntry& entry, ViewEvents& events, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ControlId id;
    QPixmap pixmap;
    ViewEvents& events;
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
