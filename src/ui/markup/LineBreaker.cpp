#include "ui/markup/LineBreaker.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace ui::markup {
namespace {

struct Fragment {
    std::u16string_view text;
    size_t style = 0;
};

// A word is everything between blanks, across runs ("Incidencia:" glued to the next run is
// one word); blanks are kept as a separate token.
struct Token {
    enum class Kind { Word, Blanks, Break };
    Kind kind = Kind::Word;
    std::vector<Fragment> fragments;
};

std::vector<Token> Tokenize(const TextFlow& flow) {
    std::vector<Token> tokens;
    const auto add = [&](Token::Kind kind, Fragment fragment) {
        if (tokens.empty() || tokens.back().kind != kind || kind == Token::Kind::Break) {
            tokens.push_back({kind, {}});
        }
        tokens.back().fragments.push_back(fragment);
    };
    for (const InlineText& piece : flow.pieces) {
        if (piece.lineBreak) {
            add(Token::Kind::Break, {});
            continue;
        }
        const std::u16string_view text = piece.text;
        size_t start = 0;
        while (start < text.size()) {
            const bool blank = text[start] == u' ';
            size_t end = start;
            while (end < text.size() && (text[end] == u' ') == blank) {
                ++end;
            }
            add(blank ? Token::Kind::Blanks : Token::Kind::Word,
                {text.substr(start, end - start), piece.style});
            start = end;
        }
    }
    return tokens;
}

class LineFiller {
public:
    LineFiller(const TextFlow& flow, double maxWidth, bool wrap, TextMeasuring& measuring)
        : flow(flow), maxWidth(maxWidth), wrap(wrap), measuring(measuring) {}

    std::vector<TextLine> Fill(const std::vector<Token>& tokens) {
        for (const Token& token : tokens) {
            switch (token.kind) {
            case Token::Kind::Break:
                FinishLine();
                break;
            case Token::Kind::Blanks:
                // Kept only if a word follows on the same line.
                AddPending(token);
                break;
            case Token::Kind::Word:
                PlaceWord(token);
                break;
            }
        }
        FinishLine();
        return std::move(lines);
    }

private:
    void PlaceWord(const Token& word) {
        std::vector<double> widths;
        double width = 0;
        for (const Fragment& fragment : word.fragments) {
            widths.push_back(Width(fragment));
            width += widths.back();
        }
        if (wrap && !current.segments.empty() && x + pendingWidth + width > maxWidth) {
            FinishLine();
        }
        if (wrap && x + pendingWidth + width > maxWidth) {
            PlaceBrokenWord(word);
            return;
        }
        AppendPending();
        for (size_t i = 0; i < widths.size(); ++i) {
            Append(word.fragments[i].text, word.fragments[i].style, widths[i]);
        }
    }

    // On a line of its own (the line is empty here), as many characters as fit per line.
    void PlaceBrokenWord(const Token& word) {
        ClearPending();
        for (const Fragment& fragment : word.fragments) {
            const Font& font = flow.styles[fragment.style].font;
            std::u16string_view rest = fragment.text;
            while (!rest.empty()) {
                size_t length = measuring.FittingPrefix(rest, font, maxWidth - x);
                if (length == 0 && current.segments.empty()) {
                    length = CharacterEnd(rest, 1);
                }
                if (length > 0) {
                    const std::u16string_view part = rest.substr(0, length);
                    Append(part, fragment.style, measuring.Width(part, font));
                    rest.remove_prefix(length);
                }
                if (!rest.empty()) {
                    FinishLine();
                }
            }
        }
    }

    double Width(const Fragment& fragment) {
        return measuring.Width(fragment.text, flow.styles[fragment.style].font);
    }

    void AddPending(const Token& blanks) {
        for (const Fragment& fragment : blanks.fragments) {
            pending.push_back({fragment, Width(fragment)});
            pendingWidth += pending.back().second;
        }
    }

    void AppendPending() {
        for (const auto& [fragment, width] : pending) {
            Append(fragment.text, fragment.style, width);
        }
        ClearPending();
    }

    void ClearPending() {
        pending.clear();
        pendingWidth = 0;
    }

    void Append(std::u16string_view text, size_t style, double width) {
        auto& segments = current.segments;
        if (!segments.empty() && flow.styles[segments.back().style] == flow.styles[style]) {
            segments.back().text += text;
            segments.back().width += width;
        } else {
            segments.push_back({std::u16string(text), style, x, width});
        }
        x += width;
    }

    void FinishLine() {
        current.width = x;
        Measure(current);
        lines.push_back(std::move(current));
        current = {};
        ClearPending();
        x = 0;
    }

    void Measure(TextLine& line) {
        double descent = 0;
        double lineHeight = 0;
        const auto include = [&](size_t style) {
            const FontMetrics& metrics = measuring.Metrics(flow.styles[style].font);
            line.ascent = std::max(line.ascent, metrics.ascent);
            descent = std::max(descent, metrics.descent);
            lineHeight = std::max(lineHeight, metrics.lineHeight);
        };
        for (const TextSegment& segment : line.segments) {
            include(segment.style);
        }
        if (line.segments.empty()) {
            include(0);
        }
        line.height = std::max(lineHeight, line.ascent + descent);
    }

    const TextFlow& flow;
    const double maxWidth;
    const bool wrap;
    TextMeasuring& measuring;
    std::vector<TextLine> lines;
    TextLine current;
    std::vector<std::pair<Fragment, double>> pending; // blanks waiting for the next word
    double pendingWidth = 0;
    double x = 0;
};

} // namespace

std::vector<TextLine> BreakLines(const TextFlow& flow, double maxWidth, bool wrap,
                                 TextMeasuring& measuring) {
    return LineFiller(flow, std::max(maxWidth, 0.0), wrap, measuring).Fill(Tokenize(flow));
}

} // namespace ui::markup
