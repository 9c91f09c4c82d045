#include "platform/WindowSearch.h"

#include "text/Text.h"

namespace platform {

namespace {

bool TitleMatches(std::u16string_view loweredTitle, std::u16string_view loweredText, bool exact) {
    return exact ? loweredTitle == loweredText
                 : loweredTitle.find(loweredText) != std::u16string_view::npos;
}

} // namespace

WindowHandle FindWindowByTitle(Os& os, EventPump& events, std::u16string_view text, bool exact) {
    return FindWindowPassingOver(os, events, text, exact, {});
}

WindowHandle FindWindowPassingOver(Os& os, EventPump& events, std::u16string_view text, bool exact,
                                   const std::set<WindowHandle>& passedOver) {
    const std::u16string loweredText = text::ToLower(text);
    for (WindowHandle window = os.GetFirstWindow(); window != 0;
         window = os.GetNextWindow(window)) {
        events.ProcessPendingEvents();
        if (passedOver.count(window))
            continue;
        if (TitleMatches(text::ToLower(GetWindowTitle(os, window)), loweredText, exact))
            return window;
    }
    return 0;
}

std::u16string GetWindowTitle(Os& os, WindowHandle window) {
    int32_t length = os.GetWindowTextLength(window);
    if (length <= 0)
        return {};
    return os.GetWindowText(window, length + 1);
}

} // namespace platform
