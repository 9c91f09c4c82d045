#pragma once

#include "platform/Dialogs.h"
#include "platform/EventPump.h"

namespace ui::qt {

// Message boxes with one OK button and the company-name prompt, over the active window.
class QtDialogs : public platform::Dialogs {
public:
    void MessageBox(std::u16string_view title, std::u16string_view text,
                    platform::MessageIcon icon) override;
    std::optional<std::u16string> InputBox(std::u16string_view prompt, std::u16string_view title,
                                           std::u16string_view defaultText) override;
};

// Lets the windows handle what is pending while the program waits for another program.
class QtEventPump : public platform::EventPump {
public:
    void ProcessPendingEvents() override;
};

} // namespace ui::qt
