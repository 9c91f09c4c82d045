#include "database/CharacterSet.h"

#include "database/DatabaseError.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace database {

CharacterSet::CharacterSet(std::u16string_view name) : utf8(text::EqualsIgnoreCase(name, u"UTF8")) {
    if (!utf8 && !text::EqualsIgnoreCase(name, u"ISO8859_1"))
        throw DatabaseError(0, "Unsupported connection character set " + text::Utf16ToUtf8(name));
}

std::string CharacterSet::Encode(std::u16string_view text) const {
    return utf8 ? text::Utf16ToUtf8(text) : text::Utf16ToLatin1(text);
}

std::u16string CharacterSet::Decode(std::string_view bytes) const {
    return utf8 ? text::Utf8ToUtf16(bytes) : text::Latin1ToUtf16(bytes);
}

} // namespace database
