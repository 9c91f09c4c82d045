#include "ui/markup/PlainText.h"

#include "ui/markup/BlockLayout.h"
#include "ui/markup/TextFlow.h"

namespace ui::markup {

namespace {

void AddText(const Node& element, const Theme& theme, std::u16string& text) {
    if (element.IsElement(u"TextBlock")) {
        if (!text.empty())
            text += u'\n';
        for (const InlineText& piece :
             CollectInlines(element, DefaultTextStyle(theme), theme).pieces)
            text += piece.lineBreak ? std::u16string(u"\n") : piece.text;
        return;
    }
    for (const Node& child : element.children)
        if (BlockLayout::TakesPart(child))
            AddText(child, theme, text);
}

} // namespace

std::u16string PlainText(const Document& document) {
    std::u16string text;
    if (BlockLayout::TakesPart(document.root))
        AddText(document.root, Theme{}, text);
    return text;
}

} // namespace ui::markup
