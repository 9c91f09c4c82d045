#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class MessageIcon : int { Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

// The modal boxes through which the program tells or asks the user something.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with one OK button.
    virtual void MessageBox(std::u16string_view title, std::u16string_view text,
                            MessageIcon icon) = 0;
    // The typed text, or nothing when the user cancels.
    virtual std::optional<std::u16string> InputBox(std::u16string_view prompt,
                                                   std::u16string_view title,
                                                   std::u16string_view defaultText) = 0;
};

} // namespace platform
