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

} // namespace
} // namespace ui
