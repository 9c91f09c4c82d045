#include "ui/qt/Scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui::qt {

namespace {
constexpr double TwipsPerInch = 1440;
constexpr double NormalDotsPerInch = 96;
} // namespace

Scale Scale::OfScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return Scale(screen ? screen->logicalDotsPerInch() : NormalDotsPerInch);
}

int Scale::Pixels(Twips twips) const {
    return int(std::lround(twips * dotsPerInch / TwipsPerInch));
}

QRect Scale::Rect(const TwipsRect& place) const {
    return {Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height)};
}

QSize Scale::Size(Twips width, Twips height) const {
    return {Pixels(width), Pixels(height)};
}

} // namespace ui::qt
