#include "ui/Scrolling.h"

#include <algorithm>

namespace ui {

int MaxScroll(const ScrollAxis& axis) {
    return std::max(0, axis.content - axis.visible);
}

int ClampScroll(const ScrollAxis& axis) {
    return std::clamp(axis.offset, 0, MaxScroll(axis));
}

int ScrollIntoView(const ScrollAxis& axis, int start, int length) {
    int offset = axis.offset;
    if (start + length > offset + axis.visible)
        offset = start + length - axis.visible;
    if (start < offset) // a span longer than the view shows from its start
        offset = start;
    return ClampScroll({axis.content, axis.visible, offset});
}

WindowFit FitWindow(PixelSize content, PixelSize room, PixelSize bars) {
    WindowFit fit;
    PixelSize needed = content;
    // A bar on one side takes room from the other, which may then need its own bar; the
    // second pass sees both.
    for (int pass = 0; pass < 2; ++pass) {
        fit.across = fit.across || needed.width > room.width;
        fit.down = fit.down || needed.height > room.height;
        needed = {content.width + (fit.down ? bars.width : 0),
                  content.height + (fit.across ? bars.height : 0)};
    }
    fit.client = {std::clamp(needed.width, 0, std::max(0, room.width)),
                  std::clamp(needed.height, 0, std::max(0, room.height))};
    return fit;
}

} // namespace ui
