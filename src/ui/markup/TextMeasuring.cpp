#include "ui/markup/TextMeasuring.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ui::markup {
namespace {

// Whatever a front end answers, lengths stay finite and not negative.
double Sane(double value) {
    return std::isfinite(value) ? std::clamp(value, 0.0, MaxExtent) : 0.0;
}

} // namespace

size_t CharacterEnd(std::u16string_view text, size_t position) {
    const bool splitsPair = position > 0 && position < text.size() &&
                            (text[position - 1] & 0xFC00) == 0xD800 &&
                            (text[position] & 0xFC00) == 0xDC00;
    return splitsPair ? position + 1 : position;
}

double TextMeasuring::Width(std::u16string_view text, const Font& font) {
    return text.empty() ? 0.0 : Sane(measurer.Width(text, font));
}

const FontMetrics& TextMeasuring::Metrics(const Font& font) {
    if (lastAsked && lastAsked->first == font) {
        return lastAsked->second;
    }
    const auto key = std::make_pair(font.family, std::make_pair(font.pixelSize, font.bold));
    auto found = metrics.find(key);
    if (found == metrics.end()) {
        FontMetrics answer = measurer.Metrics(font);
        answer.ascent = Sane(answer.ascent);
        answer.descent = Sane(answer.descent);
        answer.lineHeight = std::max(Sane(answer.lineHeight), answer.ascent + answer.descent);
        found = metrics.emplace(key, answer).first;
    }
    lastAsked = std::make_pair(font, found->second);
    return lastAsked->second;
}

size_t TextMeasuring::FittingPrefix(std::u16string_view text, const Font& font, double available) {
    const auto fits = [&](size_t length) {
        return Width(text.substr(0, length), font) <= available;
    };
    size_t fitting = 0;
    size_t tooLong = text.size() + 1;
    for (size_t probe = CharacterEnd(text, 1); probe < tooLong;
         probe = CharacterEnd(text, probe * 2)) {
        probe = std::min(probe, text.size());
        if (!fits(probe)) {
            tooLong = probe;
            break;
        }
        fitting = probe;
        if (probe == text.size()) {
            return probe;
        }
    }
    while (true) {
        size_t middle = CharacterEnd(text, fitting + (tooLong - fitting) / 2);
        if (middle <= fitting) {
            middle = CharacterEnd(text, fitting + 1);
        }
        if (middle >= tooLong) {
            return fitting;
        }
        (fits(middle) ? fitting : tooLong) = middle;
    }
}

} // namespace ui::markup
