#pragma once

#include "platform/Dialogs.h"

namespace ui::win32 {

// Message boxes with the system's icons, and a small dialog asking for one line of text,
// each over the program's active window and modal to all its windows.
class Win32Dialogs : public platform::Dialogs {
public:
    void MessageBox(std::u16string_view title, std::u16string_view text,
                    platform::MessageIcon icon) override;
    std::optional<std::u16string> InputBox(std::u16string_view prompt, std::u16string_view title,
                                           std::u16string_view defaultText) override;
};

} // namespace ui::win32
