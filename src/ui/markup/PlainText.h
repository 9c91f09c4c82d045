#pragma once

#include "ui/markup/MarkupTree.h"

#include <string>

namespace ui::markup {

// The words a document shows, for a screen reader: each TextBlock a line, line breaks kept,
// blanks as the label shows them.
std::u16string PlainText(const Document& document);

} // namespace ui::markup
