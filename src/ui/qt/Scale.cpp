#include "ui/qt/Scale.h"

#include "ui/Scale.h"

#include <QGuiApplication>
#include <QScreen>

namespace ui::qt {

Scale Scale::OfScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return Scale(screen ? screen->logicalDotsPerInch() : 96);
}

int Scale::Pixels(Twips twips) const {
    return ui::Pixels(twips, dotsPerInch);
}

QRect Scale::Rect(const TwipsRect& place) const {
    const PixelRect pixels = ui::Pixels(place, dotsPerInch);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QSize Scale::Size(Twips width, Twips height) const {
    return {Pixels(width), Pixels(height)};
}

} // namespace ui::qt
