#include "FixedMeasurer.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

using namespace ui::markup;

using Lines = std::vector<std::u16string>;

TEST(MarkupLayout, TextFollowsXamlRulesAndPlainTextShowsAsWritten) {
    const struct {
        std::u16string markup;
        Lines lines;
        double width = 400;
    } cases[] = {
        {u"<TextBlock>  a \t\r\n b  <LineBreak/>  c <Run> d </Run> </TextBlock>", {u"a b", u"c d"}},
        {u"<TextBlock Text=' kept  as\r\nwritten'/>", {u" kept  as", u"written"}},
        {u"<TextBlock>a &amp; b &lt;c&gt; &#233;&#x41; AT&T &bogus; &#x0000000041;&#x00000000041;"
         u"</TextBlock>",
         {u"a & b <c> éA AT&T &bogus; A&#x00000000041;"}}, // references of 12 characters at most
        {u"<?xml version='1.0'?><!-- c --><TextBlock Unknown='1'>a<Grid>b</Grid><![CDATA[<c>]]>"
         u"</TextBlock>",
         {u"a<c>"}},
        {u"<TextBlock TextWrapping='Wrap'>ab cd ef</TextBlock>", {u"ab cd", u"ef"}, 48},
        {u"<TextBlock TextWrapping='NoWrap'>ab cd ef</TextBlock>", {u"ab cd ef"}, 48},
        {u"<TextBlock TextWrapping='Wrap'>abcdefghijklm</TextBlock>",
         {u"abcdef", u"ghijkl", u"m"},
         48},
        {u"<Grid><TextBlock>hidden</TextBlock></Grid>", {}},
        {u"Hola\r\nmundo", {u"Hola", u"mundo"}},
        {u"  <TextBlock>unclosed", {u"  <TextBlock>unclosed"}},
        {u"<TextBlock>x</Textblock>", {u"<TextBlock>x</Textblock>"}},
        {u"<TextBlock Text='it's'/>", {u"<TextBlock Text='it's'/>"}},
        {u"<TextBlock Text=corto />", {u"corto"}}, // an unquoted value, as the lenient reader takes
        {u"<TextBlock/><TextBlock/>", {u"<TextBlock/><TextBlock/>"}},
        {u"<TextBlock Text='a'/>b", {u"<TextBlock Text='a'/>b"}},
        {u"<TextBlock Text='a'/> \r\n", {u"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinesOf(LayOut(c.markup, c.width, 100)), c.lines) << text::Utf16ToUtf8(c.markup);
}

TEST(MarkupLayout, ColoursAlignmentsAndScale) {
    const std::pair<std::u16string, Colour> colours[] = {{u"cornflowerBLUE", 0xED9564},
                                                         {u" #f00 ", 0x0000FF},
                                                         {u"#80123456", 0x563412},
                                                         {u"YellowGreen", 0x32CD9A},
                                                         {u"AZURE", 0xFFFFF0},
                                                         {u"nonsense", 0},
                                                         {u"#12345", 0}};
    for (const auto& [value, colour] : colours) {
        const auto list = LayOut(u"<TextBlock Foreground='" + value + u"'>x</TextBlock>", 99, 9);
        EXPECT_EQ(ItemsOf<TextRun>(list).at(0).colour, colour) << text::Utf16ToUtf8(value);
    }
    EXPECT_TRUE(LayOut(u"<TextBlock Foreground='Transparent'>x</TextBlock>", 99, 9).items.empty());

    // Right and bottom within the label, with margins; at 144 dpi everything is 1.5 times.
    const std::u16string markup =
        u"<TextBlock HorizontalAlignment='Right' VerticalAlignment="
        u"'Bottom' Margin='10,4' Padding='2' FontSize='20'>ab</TextBlock>";
    const auto plain = ItemsOf<TextRun>(LayOut(markup, 200, 100)).at(0);
    const auto scaled = ItemsOf<TextRun>(LayOut(markup, 300, 150, Theme{.scale = 1.5})).at(0);
    EXPECT_EQ(std::tuple(plain.x, plain.top, plain.font.pixelSize), std::tuple(172, 78, 20));
    EXPECT_EQ(std::tuple(scaled.x, scaled.top, scaled.font.pixelSize), std::tuple(266, 125, 30));
}

TEST(MarkupLayout, HostileMarkupGivesAResult) {
    // Whether it read as markup, how many runs are shown and how tall, every run in the label.
    const auto check = [](const std::u16string& markup) {
        const Document document = Parse(markup);
        FixedMeasurer measurer;
        const DisplayList list = Layout(document, 400, 300, measurer, {});
        size_t runs = 0;
        for (const auto& item : list.items) {
            const auto* run = std::get_if<TextRun>(&item);
            runs += run != nullptr;
            EXPECT_TRUE(!run || run->x + run->width <= 400);
        }
        return std::tuple(document.wellFormed, runs, list.contentHeight);
    };
    std::u16string opening, closing;
    for (int i = 0; i < 100000; ++i) {
        opening += u"<Border Margin='1'>";
        closing += u"</Border>";
    }
    const auto shown = LinesOf(LayOut(opening + closing, 400, 300));
    EXPECT_TRUE(opening.starts_with(shown[0] + u" ")) << "too deep: shown as written";
    EXPECT_EQ(check(opening + closing), std::tuple(false, shown.size(), 16.0 * shown.size()));

    const std::u16string huge(10 * 1024 * 1024, u'x');
    EXPECT_EQ(check(u"<TextBlock Tag='" + huge + u"'>small</TextBlock>"),
              std::tuple(true, 1u, 16.0));
    const size_t lines = huge.size() / 50 + 1; // 50 characters a line
    EXPECT_EQ(check(u"<TextBlock TextWrapping='Wrap' Text='" + huge + u"'/>"),
              std::tuple(true, lines, 16.0 * lines));
}
