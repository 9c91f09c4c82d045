#include "platform/Shell.h"

#include "platform/Processes.h"

#include <string>

namespace platform {

void ShellOpen(Os& os, std::u16string_view target, std::u16string_view installDir,
               char16_t pathSeparator) {
    os.ShellExecute(u"Open", target, u"", std::u16string(installDir) + pathSeparator,
                    WindowStyle::Normal);
}

void ShowOnScreenKeyboard(Os& os, const std::function<void()>& giveFocus) {
    if (giveFocus)
        giveFocus();
    if (IsWow64(os)) {
        // osk.exe is a 64-bit program, out of a 32-bit process's sight while redirected.
        os.Wow64EnableFsRedirection(false);
        os.ShellExecute(u"open", u"osk.exe", u"", os.ProgramFolder(), WindowStyle::Normal);
        os.Wow64EnableFsRedirection(true);
    } else {
        StartProgram(os, u"Osk.exe", WindowStyle::Normal);
    }
}

} // namespace platform
