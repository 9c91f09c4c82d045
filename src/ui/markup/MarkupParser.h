#pragma once

#include "ui/markup/MarkupTree.h"

#include <cstddef>
#include <string_view>

namespace ui::markup {

// Elements nested deeper than this make the text count as not well-formed: layout and the
// tree's own destruction stay within a small, fixed stack.
inline constexpr size_t MaxNesting = 128;

// Reads a label caption. Text that begins with "<" (after blanks) and is one well-formed
// element becomes its tree; anything else becomes a document showing the text as written.
Document Parse(std::u16string_view caption);

} // namespace ui::markup
