#pragma once

#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupTree.h"
#include "ui/markup/TextStyle.h"

#include <string>
#include <vector>

namespace ui::markup {

// A TextBlock's content as a sequence of styled texts and line breaks, with XAML's
// whitespace rules applied.
struct InlineText {
    std::u16string text; // empty for a line break
    size_t style = 0;    // index into TextFlow::styles
    bool lineBreak = false;
};

struct TextFlow {
    std::vector<TextStyle> styles; // styles[0] is the TextBlock's own
    std::vector<InlineText> pieces;
};

// The TextBlock's Text attribute, then its content: text, Run (its Text attribute or its
// content) and LineBreak; other elements are skipped. Content text has tabs and line ends
// turned into blanks and runs of blanks collapsed, and loses the blanks right after a start
// tag, right before an end tag and next to a LineBreak. Attribute text is kept as written,
// its line ends breaking the line.
TextFlow CollectInlines(const Node& textBlock, const TextStyle& blockStyle, const Theme& theme);

} // namespace ui::markup
