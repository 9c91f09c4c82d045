#include "platform/Wildcard.h"

namespace platform {

bool MatchesWildcard(std::u16string_view pattern, std::u16string_view name) {
    constexpr size_t none = std::u16string_view::npos;
    size_t p = 0, n = 0, star = none, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (star != none) {
            // Let the last "*" swallow one more character and try again from there.
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace platform
