#pragma once

#include "ui/FormTable.h"

#include <QRect>
#include <QSize>

namespace ui::qt {

// Twips to pixels at the screen's logical resolution, in Qt's types.
class Scale {
public:
    explicit Scale(double dotsPerInch) : dotsPerInch(dotsPerInch) {}
    // The primary screen's.
    static Scale OfScreen();

    int Pixels(Twips twips) const;
    QRect Rect(const TwipsRect& place) const;
    QSize Size(Twips width, Twips height) const;
    double DotsPerInch() const { return dotsPerInch; }

private:
    double dotsPerInch;
};

} // namespace ui::qt
