#include "FixedMeasurer.h"

#include <gtest/gtest.h>
#include <random>

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
        {u"<TextBlock>a &amp; b &lt;c&gt; &#233;&#x41; AT&T &bogus;</TextBlock>",
         {u"a & b <c> éA AT&T &bogus;"}},
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
        {u"<TextBlock/><TextBlock/>", {u"<TextBlock/><TextBlock/>"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinesOf(LayOut(c.markup, c.width, 100)), c.lines)
            << std::string(c.markup.begin(), c.markup.end());
    }
}

TEST(MarkupLayout, ColoursAlignmentsAndScale) {
    const struct {
        std::u16string value;
        Colour colour;
    } colours[] = {{u"cornflowerBLUE", 0xED9564}, {u" #f00 ", 0x0000FF}, {u"#80123456", 0x563412},
                   {u"YellowGreen", 0x32CD9A},    {u"nonsense", 0},      {u"#12345", 0}};
    for (const auto& c : colours) {
        const auto runs = ItemsOf<TextRun>(
            LayOut(u"<TextBlock Foreground='" + c.value + u"'>x</TextBlock>", 100, 20));
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].colour, c.colour);
    }
    EXPECT_TRUE(
        ItemsOf<TextRun>(LayOut(u"<TextBlock Foreground='Transparent'>x</TextBlock>", 99, 9))
            .empty());

    // Right and bottom within the label, with margins; at 144 dpi everything is 1.5 times.
    const std::u16string markup =
        u"<TextBlock HorizontalAlignment='Right' VerticalAlignment='Bottom' "
        u"Margin='10,4' Padding='2' FontSize='20'>ab</TextBlock>";
    Theme theme;
    theme.scale = 1.5;
    const auto plain = ItemsOf<TextRun>(LayOut(markup, 200, 100));
    const auto scaled = ItemsOf<TextRun>(LayOut(markup, 300, 150, theme));
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(scaled.size(), 1u);
    EXPECT_EQ(plain[0].x, 200 - 10 - 2 - 16);
    EXPECT_EQ(plain[0].top, 100 - 4 - 2 - 16);
    EXPECT_EQ(plain[0].font.pixelSize, 20);
    EXPECT_EQ(scaled[0].x, 300 - 15 - 3 - 16);
    EXPECT_EQ(scaled[0].font.pixelSize, 30);
}

TEST(MarkupLayout, HostileMarkupGivesAResult) {
    const auto check = [](const std::u16string& markup, bool wellFormed) {
        const Document document = Parse(markup);
        EXPECT_EQ(document.wellFormed, wellFormed);
        FixedMeasurer measurer;
        const DisplayList list = Layout(document, 400, 300, measurer, {});
        size_t runs = 0;
        for (const auto& item : list.items) {
            const auto* run = std::get_if<TextRun>(&item);
            runs += run != nullptr;
            EXPECT_TRUE(!run || run->x + run->width <= 400);
        }
        EXPECT_LE(list.contentHeight, MaxExtent);
        return std::make_pair(runs, list.contentHeight);
    };
    std::u16string nested;
    for (int i = 0; i < 100000; ++i) {
        nested += u"<Border Margin='1'>";
    }
    const auto shown = LinesOf(LayOut(nested, 400, 300));
    EXPECT_TRUE(nested.starts_with(shown[0] + u" ")) << "shown as written";
    EXPECT_EQ(shown.size(), check(nested, false).first);
    for (int i = 0; i < 100000; ++i) {
        nested += u"</Border>";
    }
    check(nested, false);

    const std::u16string huge(10 * 1024 * 1024, u'x');
    check(u"<TextBlock Tag='" + huge + u"'>small</TextBlock>", true);
    const auto [lines, height] =
        check(u"<TextBlock TextWrapping='Wrap' Text='" + huge + u"'/>", true);
    EXPECT_EQ(lines, huge.size() / 50 + 1); // 50 characters a line
    EXPECT_EQ(height, 16.0 * double(lines));

    std::mt19937 random(20240312);
    const std::u16string pieces[] = {u"<",     u">",         u"/>",          u"</", u"='",
                                     u"'",     u"&#",        u";",           u" ",  u"\r\n",
                                     u"Run",   u"TextBlock", u"Border",      u"x",  u"\xD800",
                                     u"&amp;", u"Margin",    u"<LineBreak/>"};
    for (int input = 0; input < 500; ++input) {
        std::u16string markup;
        for (int i = std::uniform_int_distribution(0, 60)(random); i > 0; --i) {
            markup += random() % 4 ? pieces[random() % std::size(pieces)]
                                   : std::u16string(1, char16_t(random()));
        }
        check(markup, Parse(markup).wellFormed);
    }
}
