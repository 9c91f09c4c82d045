#pragma once

#include "ui/ColourScheme.h"
#include "ui/FormTable.h"
#include "ui/markup/MarkupLayout.h"

namespace ui {

// What a markup label lays its caption out with: the label's font as the toolkit resolved
// it (the table's, else the toolkit's own), at the resolution; text without a colour of its
// own is left for the scheme to colour (ApplyScheme). A font without a name or a size keeps
// the markup's own.
markup::Theme MarkupTheme(const Font& font, double dotsPerInch, const ColourScheme& scheme);

} // namespace ui
