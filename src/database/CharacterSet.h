#pragma once

#include <string>
#include <string_view>

namespace database {

// The connection character set: SQL text is sent in it and results are read from it.
class CharacterSet {
public:
    // ISO8859_1 or UTF8 (ignoring case); any other name raises DatabaseError.
    explicit CharacterSet(std::u16string_view name);

    std::string Encode(std::u16string_view text) const;
    std::u16string Decode(std::string_view bytes) const;

private:
    bool utf8;
};

} // namespace database
