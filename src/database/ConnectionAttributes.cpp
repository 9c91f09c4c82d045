#include "database/ConnectionAttributes.h"

#include "text/Number.h"
#include "text/RuntimeError.h"
#include "text/Text.h"

#include <limits>

namespace database {

namespace {

// The leading number of a value; one beyond what a double holds counts as none, so that
// no attribute can make the reading fail.
double NumberOf(std::u16string_view value) {
    try {
        return text::Val(value);
    } catch (const text::RuntimeError&) {
        return 0;
    }
}

bool IsTrue(std::u16string_view value) {
    return text::EqualsIgnoreCase(value, u"true") || text::EqualsIgnoreCase(value, u"yes") ||
           NumberOf(value) != 0;
}

// A dialect outside the 16-bit range is no dialect (0), which the server refuses.
int16_t DialectOf(std::u16string_view value) {
    const double number = NumberOf(value);
    return number >= std::numeric_limits<int16_t>::min() &&
                   number <= std::numeric_limits<int16_t>::max()
               ? int16_t(number)
               : 0;
}

void Apply(ConnectionAttributes& attributes, std::u16string_view name, std::u16string_view value) {
    auto is = [name](std::u16string_view candidate) {
        return text::EqualsIgnoreCase(name, candidate);
    };
    if (is(u"database"))
        attributes.database = value;
    else if (is(u"user"))
        attributes.user = value;
    else if (is(u"password"))
        attributes.password = value;
    else if (is(u"NOWAIT"))
        attributes.noWait = IsTrue(value);
    else if (is(u"dialect"))
        attributes.dialect = DialectOf(value);
    else if (is(u"auto_commit"))
        attributes.autoCommit = IsTrue(value);
    else if (is(u"CHARSET"))
        attributes.characterSet = value;
    else if (is(u"Client"))
        attributes.client = value;
}

} // namespace

ConnectionAttributes ParseConnectionString(std::u16string_view connectionString) {
    ConnectionAttributes attributes;
    while (!connectionString.empty()) {
        size_t end = connectionString.find(u';');
        std::u16string_view pair = connectionString.substr(0, end);
        size_t equals = pair.find(u'=');
        if (equals != std::u16string_view::npos)
            Apply(attributes, text::Trim(pair.substr(0, equals)), pair.substr(equals + 1));
        connectionString.remove_prefix(end == std::u16string_view::npos ? connectionString.size()
                                                                        : end + 1);
    }
    return attributes;
}

} // namespace database
