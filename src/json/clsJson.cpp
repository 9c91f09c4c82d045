#include "json/clsJson.h"

#include "text/Encoding.h"
#include "text/RuntimeError.h"
#include "text/Text.h"

#include <algorithm>
#include <new>

namespace json {

namespace {

constexpr int32_t ErrorOutOfStackSpace = 28;

bool IsNumberCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' ||
           c == u'E';
}

bool IsDroppedFromKey(char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'\t' || c == u' ';
}

// Keeps the count of open containers for the lifetime of one readObject or readArray.
class DepthScope {
public:
    explicit DepthScope(int32_t& depth) : depth(depth) { ++depth; }
    ~DepthScope() { --depth; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

private:
    int32_t& depth;
};

} // namespace

std::u16string clsJson::ClearParserErrors() {
    sParserErrors.clear();
    return {};
}

JsonValue clsJson::parse(std::u16string_view source) {
    str = source;
    position = 0;
    depth = 0;
    literalRefused = false;
    failurePending = false;
    sParserErrors.clear();
    JsonValue result;
    try {
        skipFiller();
        if (Current() == u'{') {
            result = readObject();
        } else if (Current() == u'[') {
            result = readArray();
        } else {
            sParserErrors = u"Invalid JSON";
        }
    } catch (const text::RuntimeError&) {
        result = JsonValue();
    } catch (const std::bad_alloc&) {
        result = JsonValue();
    }
    str = {};
    collected.Clear();
    return result;
}

void clsJson::skipFiller() {
    bool line = false;
    bool mark = false;
    bool block = false;
    for (; !AtEnd(); ++position) {
        switch (str[position]) {
        case u'\r':
        case u'\n':
            if (!block) {
                mark = false;
                line = false;
            }
            break;
        case u'\t':
        case u' ':
        case u'(':
        case u')':
            break;
        case u'/':
            if (block) {
                if (mark) {
                    mark = line = block = false;
                }
            } else if (mark) {
                mark = false;
                line = true;
            } else {
                mark = true;
                line = block = false;
            }
            break;
        case u'*':
            if (mark) {
                mark = false;
                line = block = true;
            } else {
                mark = true;
            }
            break;
        default:
            if (!line) {
                return;
            }
        }
    }
}

JsonValue clsJson::readValue() {
    skipFiller();
    switch (Current()) {
    case u'{':
    case u'[':
        if (depth >= MaxDepth) {
            throw text::RuntimeError(ErrorOutOfStackSpace, "Nesting deeper than 512 levels");
        }
        if (Current() == u'{') {
            return readObject();
        }
        return readArray();
    case u'"':
    case u'\'':
        return readString();
    case u't':
    case u'f':
        return readBoolean();
    case u'n':
        return readNull();
    default:
        return readNumber();
    }
}

// The member loop shared by objects and arrays: members up to the closing character, a
// comma between them optional, the end of the text recorded as the missing bracket.
template <typename ReadOne>
void clsJson::readMembers(char16_t closing, std::u16string_view missingLine, ReadOne readOne) {
    ++position;
    const DepthScope scope(depth);
    for (;;) {
        skipFiller();
        if (Current() == closing) {
            ++position;
            return;
        }
        if (Current() == u',') {
            // A comma leads straight to the next member, whatever follows it.
            ++position;
            skipFiller();
        } else if (AtEnd()) {
            AddLine(missingLine, Last20());
            return;
        }
        if (!readOne()) {
            return;
        }
    }
}

std::shared_ptr<Dictionary> clsJson::readObject() {
    auto object = std::make_shared<Dictionary>();
    skipFiller();
    if (Current() != u'{') {
        AddLine(u"Invalid Object at position ", PositionText(), u" : ", Rest());
        return object;
    }
    readMembers(u'}', u"Missing '}': ", [&] { return readMember(*object); });
    return object;
}

bool clsJson::readMember(Dictionary& object) {
    std::u16string key = readKey();
    try {
        JsonValue value = readValue();
        // In an object a refused literal is read over by the next key.
        literalRefused = false;
        if (failurePending) {
            object.Add(std::u16string(key), std::move(value));
        } else {
            object.Add(std::move(key), std::move(value));
        }
    } catch (const text::RuntimeError& e) {
        RaiseFailure(e.what());
    } catch (const std::bad_alloc&) {
        RaiseFailure("Out of memory");
    }
    if (failurePending) {
        AddLine(failureDescription, u": ", key);
        return false;
    }
    return true;
}

std::shared_ptr<Collection> clsJson::readArray() {
    auto array = std::make_shared<Collection>();
    skipFiller();
    if (Current() != u'[') {
        AddLine(u"Invalid Array at position ", PositionText(), u" : ", Next20());
        return array;
    }
    readMembers(u']', u"Missing ']': ", [&] { return readElement(*array); });
    return array;
}

bool clsJson::readElement(Collection& array) {
    try {
        JsonValue value = readValue();
        if (literalRefused) {
            // The position stays on the refused literal: reading on would meet it forever.
            literalRefused = false;
            RaiseFailure("Invalid literal");
        } else {
            array.Add(std::move(value));
        }
    } catch (const text::RuntimeError& e) {
        RaiseFailure(e.what());
    } catch (const std::bad_alloc&) {
        RaiseFailure("Out of memory");
    }
    if (failurePending) {
        AddLine(failureDescription, u": ", Next20());
        return false;
    }
    return true;
}

std::u16string clsJson::readKey() {
    skipFiller();
    bool doubleQuoted = false;
    bool apostrophed = false;
    std::u16string key;
    while (!AtEnd()) {
        const char16_t c = str[position];
        if (c == u'"' || c == u'\'') {
            bool& quoted = c == u'"' ? doubleQuoted : apostrophed;
            quoted = !quoted;
            ++position;
            if (!quoted) {
                skipFiller();
                if (Current() != u':') {
                    AddLine(u"Invalid Key at position ", PositionText(), u" : ", key);
                    return key;
                }
            }
        } else if (c == u':') {
            ++position;
            if (!doubleQuoted && !apostrophed) {
                return key;
            }
            key.push_back(u':');
        } else if (IsDroppedFromKey(c)) {
            ++position;
        } else {
            const size_t start = position;
            while (!AtEnd() && str[position] != u'"' && str[position] != u'\'' &&
                   str[position] != u':' && !IsDroppedFromKey(str[position])) {
                ++position;
            }
            key.append(str.substr(start, position - start));
        }
    }
    return key;
}

std::u16string clsJson::readString() {
    skipFiller();
    const char16_t quote = Current();
    ++position;
    collected.Remove(0, collected.Length());
    while (!AtEnd()) {
        const size_t start = position;
        while (!AtEnd() && str[position] != quote && str[position] != u'\\') {
            ++position;
        }
        collected.Append(str.substr(start, position - start));
        if (AtEnd()) {
            break;
        }
        if (str[position] == quote) {
            ++position;
            return collected.toString();
        }
        ++position; // the backslash
        switch (Current()) {
        case u'"':
        case u'\\':
        case u'/':
        case u'\'':
            collected.Append(str[position++]);
            break;
        case u'b':
            collected.Append(u'\b');
            ++position;
            break;
        case u'f':
            collected.Append(u'\f');
            ++position;
            break;
        case u'n':
            collected.Append(u'\n');
            ++position;
            break;
        case u'r':
            collected.Append(u'\r');
            ++position;
            break;
        case u't':
            collected.Append(u'\t');
            ++position;
            break;
        case u'u': {
            ++position;
            uint32_t code = 0;
            for (size_t i = position; i < std::min(position + 4, str.size()); ++i) {
                const int digit = text::HexDigitValue(str[i]);
                if (digit < 0) {
                    break;
                }
                code = code * 16 + uint32_t(digit);
            }
            collected.Append(char16_t(code));
            // Four positions whatever they held, even past the end of the text.
            position += 4;
            break;
        }
        default:
            // The next pass takes the escaped character as it is.
            break;
        }
    }
    return collected.toString();
}

JsonValue clsJson::readNumber() {
    skipFiller();
    const size_t start = position;
    while (!AtEnd() && IsNumberCharacter(str[position])) {
        ++position;
    }
    if (AtEnd()) {
        return {};
    }
    return Decimal::Parse(str.substr(start, position - start));
}

JsonValue clsJson::readBoolean() {
    skipFiller();
    if (str.substr(position).starts_with(u"true")) {
        position += 4;
        return true;
    }
    if (str.substr(position).starts_with(u"false")) {
        position += 5;
        return false;
    }
    AddLine(u"Invalid Boolean at position ", PositionText(), u" : ", Rest());
    literalRefused = true;
    return false;
}

JsonValue clsJson::readNull() {
    skipFiller();
    if (str.substr(position).starts_with(u"null")) {
        position += 4;
        return Null{};
    }
    AddLine(u"Invalid null value at position ", PositionText(), u" : ", Rest());
    literalRefused = true;
    return {};
}

std::u16string_view clsJson::Rest() const noexcept {
    return AtEnd() ? std::u16string_view() : str.substr(position);
}

std::u16string_view clsJson::Next20() const noexcept {
    return AtEnd() ? std::u16string_view() : str.substr(position, 20);
}

std::u16string_view clsJson::Last20() const noexcept {
    return str.substr(str.size() - std::min<size_t>(str.size(), 20));
}

std::u16string clsJson::PositionText() const {
    return text::FromInt(int64_t(position) + 1);
}

void clsJson::AddLine(std::u16string_view first, std::u16string_view second,
                      std::u16string_view third, std::u16string_view fourth) {
    for (std::u16string_view piece : {first, second, third, fourth, std::u16string_view(u"\r\n")}) {
        const size_t room = MaxErrorTextLength - std::min(MaxErrorTextLength, sParserErrors.size());
        sParserErrors.append(piece.substr(0, room));
    }
}

void clsJson::RaiseFailure(const char* description) {
    failurePending = true;
    failureDescription = text::Utf8ToUtf16(description);
}

} // namespace json
