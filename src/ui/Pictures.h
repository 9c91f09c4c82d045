#pragma once

#include <string_view>

namespace ui {

// Our pictures, by the file name of their sources in src/ui/pictures/ (without ".svg").
// Each front end renders them at build time and finds them by these names.
namespace pictures {
inline constexpr std::u16string_view Background = u"background";
inline constexpr std::u16string_view SuIdTag = u"su-id";
inline constexpr std::u16string_view LogoA = u"logo-a";
inline constexpr std::u16string_view LogoB = u"logo-b";
inline constexpr std::u16string_view LogoC = u"logo-c";
inline constexpr std::u16string_view Support = u"support";
inline constexpr std::u16string_view Keyboard = u"keyboard";
inline constexpr std::u16string_view Magnifier = u"magnifier";
inline constexpr std::u16string_view ProgramIcon = u"program-icon";
} // namespace pictures

} // namespace ui
