#pragma once

namespace ui::qt {

// Tells Qt's accessibility what our own controls are: a link label a link, a markup label
// read-only text whose name is its words. Other controls keep Qt's own interfaces.
void InstallAccessibleRoles();

} // namespace ui::qt
