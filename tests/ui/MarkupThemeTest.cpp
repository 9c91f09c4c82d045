#include "ui/MarkupTheme.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// The markup's text is the label's font in device pixels: points * dpi / 72.
TEST(MarkupThemeTest, TheLabelsFontInPixelsAtTheResolution) {
    const struct {
        Font font;
        double dotsPerInch;
        std::u16string family;
        double pixels;
    } rows[] = {
        {{.name = u"Tahoma", .points = 10}, 96, u"Tahoma", 40.0 / 3},
        {{.name = u"Tahoma", .points = 10}, 144, u"Tahoma", 20},
        {{.name = u"Segoe UI", .points = 9}, 96, u"Segoe UI", 12},
        {{.name = u"Tahoma", .points = 8}, 120, u"Tahoma", 40.0 / 3},
        {{}, 96, u"Segoe UI", 12}, // a font the toolkit left unresolved: the markup's own
        {{}, 192, u"Segoe UI", 24},
    };
    for (const auto& row : rows) {
        const markup::Theme theme = MarkupTheme(row.font, row.dotsPerInch, {});
        EXPECT_EQ(theme.fontFamily, row.family);
        EXPECT_DOUBLE_EQ(theme.fontSize * theme.scale, row.pixels) << row.dotsPerInch;
        EXPECT_DOUBLE_EQ(theme.scale, row.dotsPerInch / 96) << row.dotsPerInch;
    }
}

// Text without a colour of its own is the scheme's to colour; the system's caption colour
// of the markup is the scheme's.
TEST(MarkupThemeTest, TheSchemeColoursWhatTheMarkupLeavesOpen) {
    const markup::Theme theme =
        MarkupTheme({.name = u"Tahoma", .points = 10}, 96, {.gradientActiveCaption = 0x00FF00});
    EXPECT_EQ(theme.foreground, DefaultColour);
    EXPECT_EQ(theme.gradientActiveCaption, 0x00FF00u);
}

// The font, the scheme and the background arrive separately and change while the label
// lives: each change keeps what the others set.
TEST(MarkupThemeTest, TheLookKeepsEachSettingThroughTheOthersChanges) {
    const ColourScheme dark{
        .window = 0x202020, .windowText = 0xFFFFFF, .gradientActiveCaption = 0x00FF00};
    MarkupLook look;
    const auto colourOfText = [&look] {
        markup::DisplayList display;
        markup::TextRun run;
        run.width = run.height = 10;
        run.colour = DefaultColour;
        display.items.push_back(run);
        look.Colour(display);
        return std::get<markup::TextRun>(display.items[0]).colour;
    };
    const auto pixels = [&look] { return look.Theme().fontSize * look.Theme().scale; };

    look.SetFont(u"Tahoma", 10, 144);
    look.SetScheme(dark, 0xF0F0F0);
    EXPECT_EQ(look.Theme().fontFamily, u"Tahoma");
    EXPECT_DOUBLE_EQ(pixels(), 20);
    EXPECT_EQ(colourOfText(), 0x000000u) << "the scheme's white text on a light window";

    look.SetFont(u"Segoe UI", 9, 96);
    EXPECT_DOUBLE_EQ(pixels(), 12);
    EXPECT_EQ(look.Theme().gradientActiveCaption, 0x00FF00u);
    EXPECT_EQ(colourOfText(), 0x000000u);

    look.SetScheme(dark, 0x202020);
    EXPECT_EQ(colourOfText(), 0xFFFFFFu) << "the scheme's white text on its dark window";
    EXPECT_EQ(look.Theme().fontFamily, u"Segoe UI");
}

} // namespace
} // namespace ui
