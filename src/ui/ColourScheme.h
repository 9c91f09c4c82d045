#pragma once

#include "ui/FormTable.h"
#include "ui/markup/DisplayList.h"

#include <cstdint>

namespace ui {

// The colours of the user's system, as the front end reads them (0x00BBGGRR).
struct ColourScheme {
    uint32_t window = 0xF0F0F0;     // a window's own background
    uint32_t windowText = 0x000000; // text on it
    uint32_t link = 0xCC6600;       // links and coloured text under high contrast
    uint32_t gradientActiveCaption = 0xEAD1B9;
    // The user's high-contrast setting; on Linux, a palette whose window colour is dark.
    bool highContrast = false;
};

enum class SchemeKind {
    Normal,       // the windows keep their own colours
    Dark,         // their own colours, but no text fainter than LeastContrast
    HighContrast, // the system's colours throughout, no background pictures
};
SchemeKind KindOf(const ColourScheme& scheme);

// The contrast ratio of two colours (1 to 21), from their relative luminance.
double ContrastRatio(uint32_t first, uint32_t second);
inline constexpr double ReadableContrast = 4.5;
inline constexpr double LeastContrast = 3.0;

// What the window's background is drawn in, and whether a picture is drawn on it.
uint32_t FormBackground(const FormTable& form, const ColourScheme& scheme);
bool ShowsPicture(const ControlEntry& picture, const ColourScheme& scheme);
// Whether a label fills its box with the window's colour rather than show what lies
// behind it: under high contrast, where a picture's light parts would hide its text.
bool FillsItsBox(const ControlEntry& control, const ColourScheme& scheme);

// The colour of a label's or tick box's text. set is the colour the window gave it at run
// time (DefaultColour: none). A fixed background takes fixed text and a system background
// the system's text colour, never a mix, so that no scheme hides the text.
uint32_t TextColour(const FormTable& form, const ControlEntry& control, uint32_t set,
                    const ColourScheme& scheme);

// The markup's colours on a label drawn over background: text laid out in DefaultColour
// (the markup's own default) takes the colour that goes with what lies behind it; under
// high contrast fills take the window colour, frames and text the system's text colours.
void ApplyScheme(markup::DisplayList& display, uint32_t background, const ColourScheme& scheme);

} // namespace ui
