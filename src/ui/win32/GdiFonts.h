#pragma once

#include "ui/markup/MarkupLayout.h"
#include "ui/win32/Win32Api.h"

#include <map>
#include <string>
#include <tuple>

namespace ui::win32 {

// The GDI fonts of the markup label, made once per family, pixel size and weight, and
// the measuring the layout asks for, done with the same fonts that paint.
class GdiFonts : public markup::TextMeasurer {
public:
    GdiFonts();
    ~GdiFonts() override;
    GdiFonts(const GdiFonts&) = delete;
    GdiFonts& operator=(const GdiFonts&) = delete;

    HFONT Get(const markup::Font& font);

    double Width(std::u16string_view text, const markup::Font& font) override;
    markup::FontMetrics Metrics(const markup::Font& font) override;

private:
    using Key = std::tuple<std::u16string, int, bool>;
    std::map<Key, HFONT> fonts;
    HDC measuringDc;
};

} // namespace ui::win32
