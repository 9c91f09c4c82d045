#pragma once

#include "ui/FormView.h"
#include "ui/qt/FormWindow.h"

#include <QEventLoop>
#include <QPointer>

namespace ui::qt {

// The view of a form over its Qt window. The window is deleted once closed, later, so that
// a close from inside one of its own events is safe.
class QtFormView : public FormView {
public:
    explicit QtFormView(FormWindow* window);
    ~QtFormView() override;

    FormWindow* Window() const { return window; }

    void SetCaption(ControlId control, std::u16string_view caption) override;
    std::u16string Text(ControlId control) override;
    bool IsChecked(ControlId control) override;
    void SetVisible(ControlId control, bool visible) override;
    void SetForeColour(ControlId control, uint32_t colour) override;
    void SetUnderline(ControlId control, bool underline) override;
    void SetFocus(ControlId control) override;
    void Show(FormView* owner) override;
    void ShowModal() override;
    void BringToFront() override;
    void Close() override;

private:
    // The control's widget; null once the view is closed.
    QWidget* Live(ControlId control) const;

    QPointer<FormWindow> window;
    bool closed = false;
    QPointer<QEventLoop> modalLoop;
};

} // namespace ui::qt
