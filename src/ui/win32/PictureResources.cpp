#include "ui/win32/PictureResources.h"

#include <algorithm>
#include <cwctype>

namespace ui::win32 {

namespace {

uint32_t Premultiplied(uint32_t argb) {
    const uint32_t alpha = argb >> 24;
    auto channel = [&](int shift) { return ((argb >> shift & 0xFF) * alpha + 127) / 255 << shift; };
    return alpha << 24 | channel(16) | channel(8) | channel(0);
}

// Each target pixel is the average of the source pixels it covers (source and target
// premultiplied), which keeps thin lines and text of the pictures smooth at any size.
std::vector<uint32_t> Resampled(const std::vector<uint32_t>& source, int sw, int sh, int tw,
                                int th) {
    std::vector<uint32_t> target(size_t(tw) * th);
    for (int ty = 0; ty < th; ++ty) {
        const int y0 = ty * sh / th, y1 = std::max(y0 + 1, (ty + 1) * sh / th);
        for (int tx = 0; tx < tw; ++tx) {
            const int x0 = tx * sw / tw, x1 = std::max(x0 + 1, (tx + 1) * sw / tw);
            uint64_t sum[4] = {};
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    for (int c = 0; c < 4; ++c)
                        sum[c] += source[size_t(y) * sw + x] >> (8 * c) & 0xFF;
            const uint64_t count = uint64_t(y1 - y0) * (x1 - x0);
            uint32_t pixel = 0;
            for (int c = 0; c < 4; ++c)
                pixel |= uint32_t((sum[c] + count / 2) / count) << (8 * c);
            target[size_t(ty) * tw + tx] = pixel;
        }
    }
    return target;
}

} // namespace

std::wstring PictureResources::ResourceName(std::u16string_view picture) {
    std::wstring name;
    for (char16_t c : picture)
        name += c == u'-' ? L'_' : static_cast<wchar_t>(std::towupper(c));
    return name;
}

const PictureResources::Pixels& PictureResources::Source(std::u16string_view picture) {
    auto found = sources.find(std::u16string(picture));
    if (found != sources.end())
        return found->second;
    Pixels pixels;
    auto bitmap = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                    ResourceName(picture).c_str(), IMAGE_BITMAP, 0,
                                                    0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (bitmap && ::GetObjectW(bitmap, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits) {
        pixels.width = dib.dsBm.bmWidth;
        pixels.height = std::abs(dib.dsBm.bmHeight);
        const int bits = dib.dsBm.bmBitsPixel, stride = dib.dsBm.bmWidthBytes;
        const bool bottomUp = dib.dsBmih.biHeight > 0;
        for (int y = 0; y < pixels.height; ++y) {
            auto row = static_cast<const uint8_t*>(dib.dsBm.bmBits) +
                       size_t(bottomUp ? pixels.height - 1 - y : y) * stride;
            for (int x = 0; x < pixels.width; ++x) {
                const uint8_t* p = row + x * (bits / 8);
                const uint32_t alpha = bits == 32 ? p[3] : 0xFF;
                pixels.argb.push_back(Premultiplied(alpha << 24 | p[2] << 16 | p[1] << 8 | p[0]));
            }
        }
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    return sources.emplace(std::u16string(picture), std::move(pixels)).first->second;
}

HBITMAP PictureResources::Scaled(std::u16string_view picture, int width, int height) {
    const Pixels& source = Source(picture);
    if (source.argb.empty() || width <= 0 || height <= 0)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP scaled = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!scaled)
        return nullptr;
    const auto pixels = Resampled(source.argb, source.width, source.height, width, height);
    std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    return scaled;
}

void PictureResources::Draw(HDC dc, std::u16string_view picture, const RECT& where) {
    const int width = where.right - where.left, height = where.bottom - where.top;
    HBITMAP scaled = Scaled(picture, width, height);
    if (!scaled)
        return;
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ previous = ::SelectObject(memory, scaled);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(dc, where.left, where.top, width, height, memory, 0, 0, width, height, blend);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::DeleteObject(scaled);
}

// Icons take their colours without the alpha premultiplied.
HICON PictureResources::Icon(std::u16string_view picture, int size) {
    HBITMAP colour = Scaled(picture, size, size);
    if (!colour)
        return nullptr;
    DIBSECTION dib{};
    ::GetObjectW(colour, sizeof dib, &dib);
    auto* pixels = static_cast<uint32_t*>(dib.dsBm.bmBits);
    for (int i = 0; i < size * size; ++i) {
        const uint32_t alpha = pixels[i] >> 24;
        auto channel = [&](int shift) {
            return alpha ? std::min(255u, ((pixels[i] >> shift & 0xFF) * 255 + alpha / 2) / alpha)
                               << shift
                         : 0u;
        };
        pixels[i] = alpha << 24 | channel(16) | channel(8) | channel(0);
    }
    HBITMAP mask = ::CreateBitmap(size, size, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    ::DeleteObject(colour);
    return icon;
}

HICON PictureResources::ProgramIcon(int size) {
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), L"PROGRAM_ICON", IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
}

} // namespace ui::win32
