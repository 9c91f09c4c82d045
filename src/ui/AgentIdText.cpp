#include "ui/AgentIdText.h"

#include <algorithm>

namespace ui {

namespace {
bool AllDigits(std::u16string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

// The whole ID, not nine characters of it: a cut ID is a wrong number read to the operator.
std::u16string GroupAgentId(std::u16string_view id) {
    if (!AllDigits(id))
        return std::u16string(id);
    std::u16string grouped;
    for (size_t i = 0; i < id.size(); ++i) {
        if (i > 0 && (id.size() - i) % 3 == 0)
            grouped += u'.';
        grouped += id[i];
    }
    return grouped;
}

} // namespace ui
