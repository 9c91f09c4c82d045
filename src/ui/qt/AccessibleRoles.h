#pragma once

class QString;
class QWidget;

namespace ui::qt {

// Tells Qt's accessibility what our own controls are: a link label a link, a markup label
// read-only text whose name is its words. Other controls keep Qt's own interfaces.
void InstallAccessibleRoles();

// Has screen readers say the text now, wherever the focus is (an AT-SPI announcement of the
// control), without moving the focus.
void Announce(QWidget* control, const QString& text);

} // namespace ui::qt
