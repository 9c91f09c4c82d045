#include "ui/qt/QtDialogs.h"

#include "ui/ViewEvents.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui::qt {

namespace {
QMessageBox::Icon IconOf(platform::MessageIcon icon) {
    switch (icon) {
    case platform::MessageIcon::Critical:
        return QMessageBox::Critical;
    case platform::MessageIcon::Question:
        return QMessageBox::Question;
    case platform::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case platform::MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void QtDialogs::MessageBox(std::u16string_view title, std::u16string_view text,
                           platform::MessageIcon icon) {
    QMessageBox box(IconOf(icon), ToQString(title), ToQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(ToQString(AcceptButton));
    box.exec();
}

std::optional<std::u16string> QtDialogs::InputBox(std::u16string_view prompt,
                                                  std::u16string_view title,
                                                  std::u16string_view defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(defaultText));
    dialog.setOkButtonText(ToQString(AcceptButton));
    dialog.setCancelButtonText(ToQString(CancelButton));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQString(dialog.textValue());
}

void QtEventPump::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace ui::qt
