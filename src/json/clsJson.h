#pragma once

#include "text/cStringBuilder.h"

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/JsonValue.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace json {

// The lenient reader of the support service's replies. It never fails: every problem it
// notices becomes a line of GetParserErrors, and the result keeps what could be read.
class clsJson {
public:
    // Containers nested deeper than this end the innermost one with a failure line
    // instead of exhausting the stack.
    static constexpr int32_t MaxDepth = 512;
    // Each line may quote the rest of the text, so a long text full of faults could ask
    // for gigabytes of error lines; the error text is cut at this many characters.
    static constexpr size_t MaxErrorTextLength = 16 * 1024 * 1024;

    std::u16string GetParserErrors() const { return sParserErrors; }
    std::u16string ClearParserErrors();

    // The Dictionary or the Collection that the text starts with, or the empty value
    // when its first significant character is neither "{" nor "[".
    JsonValue parse(std::u16string_view str);

private:
    void skipFiller();
    JsonValue readValue();
    std::shared_ptr<Dictionary> readObject();
    std::shared_ptr<Collection> readArray();
    std::u16string readKey();
    std::u16string readString();
    JsonValue readNumber();
    JsonValue readBoolean();
    JsonValue readNull();

    template <typename ReadOne>
    void readMembers(char16_t closing, std::u16string_view missingLine, ReadOne readOne);
    bool readMember(Dictionary& object);
    bool readElement(Collection& array);

    bool AtEnd() const noexcept { return position >= str.size(); }
    char16_t Current() const noexcept { return AtEnd() ? u'\0' : str[position]; }
    std::u16string_view Rest() const noexcept;
    std::u16string_view Next20() const noexcept;
    std::u16string_view Last20() const noexcept;
    std::u16string PositionText() const;
    void AddLine(std::u16string_view first, std::u16string_view second = {},
                 std::u16string_view third = {}, std::u16string_view fourth = {});
    void RaiseFailure(const char* description);

    std::u16string sParserErrors;

    // State of one parse call.
    std::u16string_view str;
    size_t position = 0; // 0-based; error lines show it 1-based
    int32_t depth = 0;
    bool literalRefused = false;
    bool failurePending = false;
    std::u16string failureDescription;
    text::cStringBuilder collected; // one buffer for every string of the parse
};

} // namespace json
