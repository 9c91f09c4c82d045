#include "ui/win32/GdiFonts.h"

#include "ui/win32/WideText.h"

#include <cmath>

namespace ui::win32 {

namespace {

// The em height in whole pixels, at least one.
int PixelHeight(double pixelSize) {
    return std::max(1, static_cast<int>(std::lround(pixelSize)));
}

} // namespace

GdiFonts::GdiFonts() : measuringDc(::CreateCompatibleDC(nullptr)) {}

GdiFonts::~GdiFonts() {
    for (auto& [key, font] : fonts)
        ::DeleteObject(font);
    ::DeleteDC(measuringDc);
}

HFONT GdiFonts::Get(const markup::Font& font) {
    Key key{font.family, PixelHeight(font.pixelSize), font.bold};
    if (auto found = fonts.find(key); found != fonts.end())
        return found->second;
    // A negative height asks for the em height, as the markup's FontSize means.
    HFONT made =
        ::CreateFontW(-std::get<1>(key), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, Wide(font.family).c_str());
    return fonts.emplace(key, made).first->second;
}

double GdiFonts::Width(std::u16string_view text, const markup::Font& font) {
    ::SelectObject(measuringDc, Get(font));
    SIZE size{};
    ::GetTextExtentPoint32W(measuringDc, reinterpret_cast<const wchar_t*>(text.data()),
                            static_cast<int>(text.size()), &size);
    return size.cx;
}

markup::FontMetrics GdiFonts::Metrics(const markup::Font& font) {
    ::SelectObject(measuringDc, Get(font));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measuringDc, &metrics);
    return {static_cast<double>(metrics.tmAscent), static_cast<double>(metrics.tmDescent),
            static_cast<double>(metrics.tmHeight + metrics.tmExternalLeading)};
}

} // namespace ui::win32
