#include "ui/ColourScheme.h"

#include "Wcag.h"

#include <gtest/gtest.h>

namespace {

// Pairs whose ratios the guidelines' own material gives: the ends of the scale, and the
// greys at the AA and AAA thresholds on white. The tests' formula and the program's agree
// on them.
TEST(ContrastRatio, GivesTheGuidelinesRatiosOfKnownPairs) {
    const struct {
        uint32_t first, second;
        double ratio;
    } pairs[] = {{0x000000, 0xFFFFFF, 21.0},
                 {0xFFFFFF, 0x000000, 21.0},
                 {0x336699, 0x336699, 1.0},
                 {0x767676, 0xFFFFFF, 4.54},
                 {0x595959, 0xFFFFFF, 7.0}};
    for (const auto& pair : pairs) {
        EXPECT_NEAR(ui::ContrastRatio(pair.first, pair.second), pair.ratio, 0.005)
            << std::hex << pair.first << " on " << pair.second;
        EXPECT_NEAR(fixtures::WcagContrast(pair.first, pair.second), pair.ratio, 0.005)
            << std::hex << pair.first << " on " << pair.second;
    }
}

} // namespace
