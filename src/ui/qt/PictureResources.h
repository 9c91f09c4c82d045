#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace ui::qt {

// The pixmap of one of our pictures, rendered at build time at its size on a normal screen
// and at twice that size for high-resolution ones. A missing picture is an empty pixmap.
QPixmap LoadPicture(std::u16string_view picture);

// The program's icon in each of its sizes.
QIcon ProgramIcon();

} // namespace ui::qt
