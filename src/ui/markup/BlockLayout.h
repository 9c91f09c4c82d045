#pragma once

#include "ui/markup/LineBreaker.h"
#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupTree.h"
#include "ui/markup/TextFlow.h"
#include "ui/markup/TextMeasuring.h"
#include "ui/markup/TextStyle.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace ui::markup {

struct Size {
    double width = 0;
    double height = 0;
};

// The panels and text blocks of a document, laid out the way WPF does for this subset: an
// element first says how big it wants to be for an available width (Measure), then is
// placed in a slot of its parent (Arrange), where its Margin and alignments apply.
// Border, StackPanel, ScrollViewer and TextBlock take part; other elements are skipped.
class BlockLayout {
public:
    BlockLayout(TextMeasurer& measurer, const Theme& theme, std::vector<DisplayItem>& items);

    static bool TakesPart(const Node& node);
    // The size with margins, for an available width that includes them.
    Size Measure(const Node& element, double availableWidth);
    void Arrange(const Node& element, const Rect& slot);

private:
    Size MeasureOwn(const Node& element, double width);
    Size MeasureContent(const Node& element, double width);
    Size MeasureText(const Node& textBlock, double width);
    void ArrangeOwn(const Node& element, const Rect& rect);
    void ArrangeBorder(const Node& border, const Rect& rect);
    void ArrangeContent(const Node& element, const Rect& rect);
    void ArrangeStack(const Node& element, const Rect& rect);
    void ArrangeText(const Node& textBlock, const Rect& rect);
    struct LaidText {
        TextFlow flow;
        double width = 0;
        std::vector<TextLine> lines;
    };
    // A TextBlock's content, and its lines for the last width asked.
    const LaidText& LaidOut(const Node& textBlock, double width);
    void PaintBackground(const Node& element, const Rect& rect);
    Thickness ReadThickness(const Node& element, std::u16string_view property) const;

    TextMeasuring measuring;
    const Theme& theme;
    std::vector<DisplayItem>& items;
    // The last measure of each element: arranging asks again for the same width.
    std::unordered_map<const Node*, std::pair<double, Size>> measured;
    std::unordered_map<const Node*, LaidText> texts;
};

} // namespace ui::markup
