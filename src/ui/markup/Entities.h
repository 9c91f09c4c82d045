#pragma once

#include <string>
#include <string_view>

namespace ui::markup {

// Replaces the five XML entities and numeric character references (&#233; &#xE9;) by their
// characters. An ampersand that starts none of them is kept as written, so text pasted
// into markup unescaped ("Pérez & Hijos") still reads right. References to code points
// that cannot be text (0, surrogates, beyond U+10FFFF) become U+FFFD.
std::u16string DecodeEntities(std::u16string_view raw);

} // namespace ui::markup
