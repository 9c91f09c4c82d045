#pragma once

#include "ui/FormTable.h"
#include "ui/FormView.h"
#include "ui/qt/Controls.h"

#include <QWidget>
#include <map>
#include <utility>

namespace ui::qt {

// A window built from its form's table: every control placed in pixels, named as in the
// table (Qt object names, with an "index" property for control arrays), in tab order.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(const FormTable& form, const ControlSetting& setting);

    QWidget* Control(ControlId control) const;
    ControlKind KindOf(ControlId control) const;
    // The program closes the window: no question to its behaviour.
    void MarkClosing() { closing = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Entry {
        QWidget* widget;
        ControlKind kind;
    };
    void SetTabOrder(const FormTable& form);

    FormEvents& events;
    std::map<std::pair<std::u16string_view, int32_t>, Entry> controls;
    bool closing = false;
};

} // namespace ui::qt
