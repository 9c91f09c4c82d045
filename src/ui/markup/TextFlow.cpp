#include "ui/markup/TextFlow.h"

#include <algorithm>

namespace ui::markup {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string CollapseBlanks(std::u16string_view raw, bool trimStart, bool trimEnd) {
    std::u16string text;
    bool pendingBlank = false;
    for (char16_t c : raw) {
        if (IsBlank(c)) {
            pendingBlank = true;
            continue;
        }
        if (pendingBlank && !(trimStart && text.empty())) {
            text.push_back(u' ');
        }
        pendingBlank = false;
        text.push_back(c < u' ' ? u' ' : c);
    }
    if (pendingBlank && !trimEnd && !(trimStart && text.empty())) {
        text.push_back(u' ');
    }
    return text;
}

std::u16string Printable(std::u16string_view text) {
    std::u16string printable(text);
    std::replace_if(
        printable.begin(), printable.end(), [](char16_t c) { return c < u' '; }, u' ');
    return printable;
}

class Collector {
public:
    Collector(const TextStyle& blockStyle, const Theme& theme) : theme(theme) {
        flow.styles.push_back(blockStyle);
    }

    // Attribute text: CR LF, CR and LF each end a line; other control characters show as
    // blanks.
    void AddAttributeText(std::u16string_view text, size_t style) {
        size_t start = 0;
        while (true) {
            const size_t end = text.find_first_of(u"\r\n", start);
            AddText(Printable(text.substr(start, end - start)), style);
            if (end == std::u16string_view::npos) {
                return;
            }
            AddLineBreak();
            start = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
        }
    }

    void AddContent(const Node& parent, size_t style) {
        const auto& children = parent.children;
        for (size_t i = 0; i < children.size(); ++i) {
            const Node& child = children[i];
            if (child.kind == Node::Kind::Text) {
                const bool trimStart = i == 0 || children[i - 1].IsElement(u"LineBreak");
                const bool trimEnd =
                    i + 1 == children.size() || children[i + 1].IsElement(u"LineBreak");
                AddText(CollapseBlanks(child.text, trimStart, trimEnd), style);
            } else if (child.IsElement(u"Run")) {
                AddRun(child, style);
            } else if (child.IsElement(u"LineBreak")) {
                AddLineBreak();
            }
        }
    }

    TextFlow Take() { return std::move(flow); }

private:
    void AddRun(const Node& run, size_t parentStyle) {
        const size_t style = StyleIndex(WithTextProperties(run, flow.styles[parentStyle], theme));
        if (const auto* text = run.Find(u"Text")) {
            AddAttributeText(*text, style);
            return;
        }
        std::u16string content;
        for (const Node& child : run.children) {
            if (child.kind == Node::Kind::Text) {
                content += child.text;
            }
        }
        AddText(CollapseBlanks(content, true, true), style);
    }

    // Equal styles may repeat in the table (runs are merged by style, not by index); only the
    // neighbours are looked at, so thousands of runs cost no more than their number.
    size_t StyleIndex(const TextStyle& style) {
        if (flow.styles.front() == style) {
            return 0;
        }
        if (flow.styles.back() == style) {
            return flow.styles.size() - 1;
        }
        flow.styles.push_back(style);
        return flow.styles.size() - 1;
    }

    void AddText(std::u16string text, size_t style) {
        if (!text.empty()) {
            flow.pieces.push_back({std::move(text), style, false});
        }
    }

    void AddLineBreak() { flow.pieces.push_back({{}, 0, true}); }

    const Theme& theme;
    TextFlow flow;
};

} // namespace

TextFlow CollectInlines(const Node& textBlock, const TextStyle& blockStyle, const Theme& theme) {
    Collector collector(blockStyle, theme);
    if (const auto* text = textBlock.Find(u"Text")) {
        collector.AddAttributeText(*text, 0);
    }
    collector.AddContent(textBlock, 0);
    return collector.Take();
}

} // namespace ui::markup
