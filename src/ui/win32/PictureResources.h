#pragma once

#include "ui/win32/Win32Api.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// Our pictures, rendered from their SVG sources at build time and linked into the
// program as bitmaps with an alpha channel, and the program's multi-size icon. A picture
// is scaled here, smoothly, to the size it is shown at.
class PictureResources {
public:
    // The bitmap resource of a picture is its name in capitals with "-" as "_".
    static std::wstring ResourceName(std::u16string_view picture);

    // Paints the picture stretched over the rectangle, blended over what is there.
    void Draw(HDC dc, std::u16string_view picture, const RECT& where);
    // A picture as a square icon (for a button), owned by the caller.
    HICON Icon(std::u16string_view picture, int size);
    // The program's icon at a square size; owned by the caller.
    static HICON ProgramIcon(int size);

private:
    struct Pixels {
        int width = 0, height = 0;
        std::vector<uint32_t> argb; // premultiplied, top row first
    };
    const Pixels& Source(std::u16string_view picture);
    // A 32-bit top-down DIB of the picture at that size, premultiplied; null when empty.
    HBITMAP Scaled(std::u16string_view picture, int width, int height);

    std::map<std::u16string, Pixels> sources;
};

} // namespace ui::win32
