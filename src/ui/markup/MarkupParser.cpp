#include "ui/markup/MarkupParser.h"

#include "ui/markup/Entities.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ui::markup {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsNameCharacter(char16_t c) {
    switch (c) {
    case u'<':
    case u'>':
    case u'/':
    case u'=':
    case u'\'':
    case u'"':
    case u'&':
        return false;
    default:
        return c > u' ';
    }
}

bool IsBlankText(std::u16string_view s) {
    for (char16_t c : s) {
        if (!IsBlank(c)) {
            return false;
        }
    }
    return true;
}

// Reads one element and what surrounds it with an explicit stack of open elements, so
// that nesting costs no call depth. Every read returns false on the first thing that is
// not well-formed.
class Reader {
public:
    explicit Reader(std::u16string_view source) : source(source) {}

    bool Read(Node& root) {
        SkipBlanks();
        if (!At(u"<")) {
            return false;
        }
        while (position < source.size()) {
            if (!ReadNext(root)) {
                return false;
            }
        }
        return haveRoot && open.empty();
    }

private:
    bool ReadNext(Node& root) {
        if (At(u"<!--")) {
            return SkipPast(u"-->");
        }
        if (At(u"<?")) {
            return SkipPast(u"?>");
        }
        if (At(u"<![CDATA[")) {
            return ReadCharacterData();
        }
        if (At(u"</")) {
            return ReadEndTag();
        }
        if (At(u"<")) {
            return ReadStartTag(root);
        }
        return ReadText();
    }

    bool ReadStartTag(Node& root) {
        ++position;
        std::u16string name = ReadName();
        if (name.empty() || (open.empty() && haveRoot)) {
            return false;
        }
        Node& element = open.empty() ? root : open.back()->children.emplace_back();
        haveRoot = true;
        element.name = std::move(name);
        while (true) {
            SkipBlanks();
            if (At(u"/>")) {
                position += 2;
                return true;
            }
            if (At(u">")) {
                ++position;
                open.push_back(&element);
                return open.size() <= MaxNesting;
            }
            if (!ReadAttribute(element)) {
                return false;
            }
        }
    }

    bool ReadAttribute(Node& element) {
        Attribute attribute{ReadName(), {}};
        SkipBlanks();
        if (attribute.name.empty() || !At(u"=")) {
            return false;
        }
        ++position;
        SkipBlanks();
        const bool quoted = At(u"'") || At(u"\"");
        const size_t end = quoted ? source.find(source[position], position + 1) : UnquotedEnd();
        if (end == std::u16string_view::npos || (!quoted && end == position)) {
            return false;
        }
        const size_t start = quoted ? position + 1 : position;
        attribute.value = DecodeEntities(source.substr(start, end - start));
        position = quoted ? end + 1 : end;
        element.attributes.push_back(std::move(attribute));
        return true;
    }

    // Leniently, FontSize=16: the value ends at a blank, ">" or "/>".
    size_t UnquotedEnd() const {
        size_t end = position;
        while (end < source.size() && !IsBlank(source[end]) && source[end] != u'>' &&
               source.substr(end, 2) != u"/>") {
            ++end;
        }
        return end;
    }

    bool ReadEndTag() {
        position += 2;
        const std::u16string name = ReadName();
        SkipBlanks();
        if (open.empty() || open.back()->name != name || !At(u">")) {
            return false;
        }
        ++position;
        open.pop_back();
        return true;
    }

    bool ReadText() {
        const size_t end = std::min(source.find(u'<', position), source.size());
        const std::u16string_view raw = source.substr(position, end - position);
        position = end;
        if (open.empty()) {
            return IsBlankText(raw);
        }
        AddText(DecodeEntities(raw));
        return true;
    }

    bool ReadCharacterData() {
        constexpr std::u16string_view opening = u"<![CDATA[";
        const size_t start = position + opening.size();
        const size_t end = source.find(u"]]>", start);
        if (open.empty() || end == std::u16string_view::npos) {
            return false;
        }
        AddText(std::u16string(source.substr(start, end - start)));
        position = end + 3;
        return true;
    }

    // Text split by comments or character data is one piece of text.
    void AddText(std::u16string text) {
        std::vector<Node>& siblings = open.back()->children;
        if (siblings.empty() || siblings.back().kind != Node::Kind::Text) {
            siblings.push_back(Node{Node::Kind::Text, {}, {}, {}, {}});
        }
        siblings.back().text += text;
    }

    std::u16string ReadName() {
        const size_t start = position;
        while (position < source.size() && IsNameCharacter(source[position])) {
            ++position;
        }
        return std::u16string(source.substr(start, position - start));
    }

    bool SkipPast(std::u16string_view closing) {
        const size_t end = source.find(closing, position);
        if (end == std::u16string_view::npos) {
            return false;
        }
        position = end + closing.size();
        return true;
    }

    void SkipBlanks() {
        while (position < source.size() && IsBlank(source[position])) {
            ++position;
        }
    }

    bool At(std::u16string_view s) const { return source.substr(position, s.size()) == s; }

    std::u16string_view source;
    size_t position = 0;
    std::vector<Node*> open;
    bool haveRoot = false;
};

Document PlainText(std::u16string_view caption) {
    Document document;
    document.root.name = u"TextBlock";
    document.root.attributes = {{u"TextWrapping", u"Wrap"}, {u"Text", std::u16string(caption)}};
    return document;
}

} // namespace

Document Parse(std::u16string_view caption) {
    Document document;
    if (!Reader(caption).Read(document.root)) {
        return PlainText(caption);
    }
    document.wellFormed = true;
    return document;
}

} // namespace ui::markup
