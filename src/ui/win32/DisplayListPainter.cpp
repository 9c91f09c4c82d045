#include "ui/win32/DisplayListPainter.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

namespace ui::win32 {

namespace {

using markup::Colour;

struct Painter {
    HDC dc;
    double dy;
    GdiFonts& fonts;

    RECT Pixels(const markup::Rect& rect) const {
        return {std::lround(rect.x), std::lround(rect.y - dy), std::lround(rect.x + rect.width),
                std::lround(rect.y - dy + rect.height)};
    }

    void Fill(const RECT& rect, Colour colour) const {
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }

    static TRIVERTEX Vertex(LONG x, LONG y, Colour colour) {
        return {x,
                y,
                static_cast<COLOR16>((colour & 0xFF) << 8),
                static_cast<COLOR16>(colour & 0xFF00),
                static_cast<COLOR16>((colour >> 8) & 0xFF00),
                0};
    }

    void operator()(const markup::FilledRect& item) const { Fill(Pixels(item.rect), item.colour); }

    // Along one axis GDI fills each pair of neighbouring stops exactly; any other direction
    // is a pair of triangles shaded from the corners' colours.
    void operator()(const markup::GradientRect& item) const {
        const RECT box = Pixels(item.rect);
        const bool vertical = item.start.x == item.end.x && item.start.y != item.end.y;
        const bool horizontal = item.start.y == item.end.y && item.start.x != item.end.x;
        if (!vertical && !horizontal)
            return Triangles(item, box);
        const double from = vertical ? item.start.y : item.start.x;
        const double to = vertical ? item.end.y : item.end.x;
        const LONG first = vertical ? box.top : box.left;
        const LONG length = vertical ? box.bottom - box.top : box.right - box.left;
        auto at = [&](double offset) {
            return first + std::lround((from + (to - from) * offset) * length);
        };
        Band(box, vertical, first, at(item.stops.front().offset), item.stops.front().colour,
             item.stops.front().colour);
        for (size_t i = 1; i < item.stops.size(); ++i)
            Band(box, vertical, at(item.stops[i - 1].offset), at(item.stops[i].offset),
                 item.stops[i - 1].colour, item.stops[i].colour);
        Band(box, vertical, at(item.stops.back().offset), first + length, item.stops.back().colour,
             item.stops.back().colour);
    }

    // The part of box between two positions on the axis, shaded from one colour to the
    // other; positions are taken in either order and kept inside the box.
    void Band(const RECT& box, bool vertical, LONG from, LONG to, Colour a, Colour b) const {
        if (from > to) {
            std::swap(from, to);
            std::swap(a, b);
        }
        const LONG low = vertical ? box.top : box.left, high = vertical ? box.bottom : box.right;
        from = std::clamp(from, low, high);
        to = std::clamp(to, low, high);
        if (from == to)
            return;
        TRIVERTEX corners[2] = {vertical ? Vertex(box.left, from, a) : Vertex(from, box.top, a),
                                vertical ? Vertex(box.right, to, b) : Vertex(to, box.bottom, b)};
        GRADIENT_RECT rect{0, 1};
        ::GradientFill(dc, corners, 2, &rect, 1,
                       vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    }

    void Triangles(const markup::GradientRect& item, const RECT& box) const {
        auto corner = [&](LONG x, LONG y, double fx, double fy) {
            return Vertex(x, y,
                          GradientColourAt(item, {item.rect.x + fx * item.rect.width,
                                                  item.rect.y + fy * item.rect.height}));
        };
        TRIVERTEX corners[4] = {corner(box.left, box.top, 0, 0), corner(box.right, box.top, 1, 0),
                                corner(box.right, box.bottom, 1, 1),
                                corner(box.left, box.bottom, 0, 1)};
        GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {0, 2, 3}};
        ::GradientFill(dc, corners, 4, triangles, 2, GRADIENT_FILL_TRIANGLE);
    }

    void operator()(const markup::BorderRect& item) const {
        const RECT outer = Pixels(item.rect);
        const LONG left = std::lround(item.thickness.left), top = std::lround(item.thickness.top);
        const LONG right = std::lround(item.thickness.right);
        const LONG bottom = std::lround(item.thickness.bottom);
        Fill({outer.left, outer.top, outer.right, outer.top + top}, item.colour);
        Fill({outer.left, outer.bottom - bottom, outer.right, outer.bottom}, item.colour);
        Fill({outer.left, outer.top, outer.left + left, outer.bottom}, item.colour);
        Fill({outer.right - right, outer.top, outer.right, outer.bottom}, item.colour);
    }

    void operator()(const markup::TextRun& item) const {
        ::SelectObject(dc, fonts.Get(item.font));
        ::SetTextColor(dc, item.colour);
        ::ExtTextOutW(dc, std::lround(item.x), std::lround(item.baseline - dy), 0, nullptr,
                      reinterpret_cast<const wchar_t*>(item.text.c_str()),
                      static_cast<UINT>(item.text.size()), nullptr);
    }
};

} // namespace

void PaintDisplayList(HDC dc, const markup::DisplayList& list, double scrollOffset,
                      GdiFonts& fonts) {
    const int saved = ::SaveDC(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    Painter painter{dc, scrollOffset, fonts};
    for (const auto& item : list.items)
        std::visit(painter, item);
    ::RestoreDC(dc, saved);
}

} // namespace ui::win32
