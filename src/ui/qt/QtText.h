#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

namespace ui::qt {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
}

// Colours of the program are 0x00BBGGRR.
inline QColor FromBgr(uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace ui::qt
