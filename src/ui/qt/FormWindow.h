#pragma once

#include "ui/ColourScheme.h"
#include "ui/FormTable.h"
#include "ui/ViewEvents.h"
#include "ui/qt/Controls.h"

#include <QPixmap>
#include <QScrollArea>
#include <QWidget>
#include <vector>

namespace ui::qt {

// A window built from its form's table: every control placed in pixels, named as in the
// table (Qt object names, with an "index" property for control arrays), in tab order. Its
// pictures and frames are painted into its background, out of the way of the keyboard and
// of screen readers; every colour follows the system's scheme, at once when it changes.
// The focused control has a frame around it (FocusMarkOf), as Qt shows focus: always.
// On a screen smaller than the window, the window fits the screen and its page scrolls:
// no control is made smaller, and Tab brings the focused one into view.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const ControlSetting& setting);
    ~FormWindow() override;
    // Throws std::out_of_range for a control the table lacks; null for one painted into the
    // background.
    QWidget* Control(ControlId control) const;
    const ControlEntry& Entry(ControlId control) const;
    const FormTable& Form() const { return events.Form(); }
    // The text colour the window's behaviour gives a label, shown as the scheme allows.
    void SetTextColour(ControlId control, uint32_t colour);
    // The background under the window's controls, as painted (colour and pictures).
    QImage Background() const;
    // The program closes the window: no question to its behaviour, and nothing more done
    // with the form's events, which may be gone before the window.
    void MarkClosing() { closing = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The window's content at its table's size: the controls, and the background under them.
    class Page : public QWidget {
    public:
        explicit Page(FormWindow& window) : window(window) {}

    protected:
        void paintEvent(QPaintEvent* event) override;
        void mouseMoveEvent(QMouseEvent* event) override;

    private:
        FormWindow& window;
    };

    void FitToScreen(QSize pageSize);
    void PaintBackground(QPainter& painter) const;
    void PaintFocusMark(QPainter& painter) const;
    void ApplyScheme();
    void ChainFocus();

    ViewEvents& events;
    ControlSetting setting;
    ColourScheme scheme;
    QScrollArea* area;
    Page* page;
    std::vector<QWidget*> controls;   // in the table's order
    std::vector<uint32_t> setColours; // what the behaviour set, DefaultColour for nothing
    std::vector<QPixmap> pictures;    // the pictures' pixmaps, in the table's order
    bool closing = false;
    QMetaObject::Connection focusWatch; // repaints the focus mark as the focus moves
};

} // namespace ui::qt
