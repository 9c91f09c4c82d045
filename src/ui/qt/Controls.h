#pragma once

#include "ui/ColourScheme.h"
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
// nearest narrow font this system has.
void UseNearestFonts();

// The installed family a window's font name resolves to. Fonts name it rather than the missing
// one: Qt looks up fallback fonts once per family named, which is most of a font's first use.
QString InstalledFamily(std::u16string_view family);

// What building a control needs besides its table entry.
struct ControlSetting {
    ViewEvents& events;
    Scale scale;
    std::function<ColourScheme()> scheme; // the system's colours, read when they change
};

// Builds the control in the window, placed, styled, named for screen readers, taking the
// focus or not, and wired to the window's events.
QWidget* CreateControl(const FormTable& form, const ControlEntry& entry, QWidget* window,
                       const ControlSetting& setting);
// What a screen reader calls the control, given what it shows now.
void NameForScreenReaders(QWidget* control, const FormTable& form, const ControlEntry& entry,
                          const QString& shown);

// A label that reports the pointer's moves (when it tracks them), presses and releases; a
// link label also takes the focus and is pressed with Enter or Space.
class ControlLabel : public QLabel {
    Q_OBJECT
public:
    ControlLabel(const FormTable& form, const ControlEntry& entry, ViewEvents& events,
                 QWidget* parent);
    // Sets the text, widening the label when the text needs more room than the table gave:
    // this platform's fonts are not those the window was drawn for.
    void SetCaption(const QString& text);
    bool IsLink() const { return entry.link; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const FormTable& form;
    const ControlEntry& entry;
    ViewEvents& events;
};

// A progress bar that shows a status text and never a value.
class StatusBar : public QProgressBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);
    QString text() const override { return format(); }
};

} // namespace ui::qt
