#pragma once

#include "platform/win32/WindowsApi.h"

#include <filesystem>
#include <fstream>

// A picture of a window with its frame, as the screen shows it, in a 24-bit BMP file.
inline void SaveWindowPicture(HWND window, const std::filesystem::path& file) {
    RECT frame{};
    GetWindowRect(window, &frame);
    BITMAPINFOHEADER header{}; // BI_RGB, no palette, bottom up
    header.biSize = sizeof header;
    header.biWidth = frame.right - frame.left;
    header.biHeight = frame.bottom - frame.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    void* bits = nullptr;
    HDC source = GetWindowDC(window), copy = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, header.biWidth, header.biHeight, source, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD size = DWORD((header.biWidth * 3 + 3) / 4 * 4 * header.biHeight);
    const BITMAPFILEHEADER fileHeader{0x4D42, DWORD(sizeof fileHeader + sizeof header + size), 0, 0,
                                      DWORD(sizeof fileHeader + sizeof header)};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, source);
}
