#include "ui/Scale.h"

#include "ui/FormTables.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ScaleTest, TwipsArePixelsAtTheResolution) {
    EXPECT_EQ(Pixels(7, 96), 0);
    EXPECT_EQ(Pixels(8, 96), 1);
    EXPECT_EQ(Pixels(1440, 144), 144);
    EXPECT_EQ(Pixels(TwipsRect{7, 8, 8, 22}, 96), (PixelRect{0, 1, 1, 1}));
}

// The icon buttons of the request form and the lookup dialog, 780 and 840 twips wide and 720
// high: two thirds of their height in pixels.
TEST(ScaleTest, AButtonsIconIsTwoThirdsOfItsShorterSide) {
    const FormTable request = FrmExplicaTable(), lookup = FrmDialogTable();
    const ControlEntry narrow{.kind = ControlKind::PushButton, .place = {0, 0, 300, 900}};
    const struct {
        const FormTable& form;
        const ControlEntry& button;
        double dotsPerInch;
        int side;
    } rows[] = {
        {request, *FindControl(request, u"Bt01"), 96, 32},  // 52 x 48 pixels
        {request, *FindControl(request, u"Bt01"), 120, 40}, // 65 x 60
        {request, *FindControl(request, u"Bt01"), 144, 48}, // 78 x 72
        {lookup, *FindControl(lookup, u"Bt00"), 96, 32},    // 56 x 48
        {lookup, *FindControl(lookup, u"Bt01"), 144, 48},   // 84 x 72
        {request, narrow, 96, 13},                          // 20 x 60: its width decides
    };
    for (const auto& row : rows)
        EXPECT_EQ(IconSide(row.form, row.button, row.dotsPerInch), row.side)
            << row.dotsPerInch << " dpi";
}

} // namespace
} // namespace ui
