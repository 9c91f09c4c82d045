#pragma once

#include "platform/Os.h"

#include <functional>
#include <string_view>

namespace platform {

// Opens a document or web address with the shell, in the installation folder.
void ShellOpen(Os& os, std::u16string_view target, std::u16string_view installDir,
               char16_t pathSeparator = u'\\');

// Gives the focus to a control (when a way to do so is given) and brings up the
// on-screen keyboard.
void ShowOnScreenKeyboard(Os& os, const std::function<void()>& giveFocus = {});

} // namespace platform
