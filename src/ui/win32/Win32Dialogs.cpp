#include "ui/win32/Win32Dialogs.h"

#include "ui/ViewEvents.h"
#include "ui/win32/CallbackGuard.h"
#include "ui/win32/Resources.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"

#include <string>
#include <vector>

namespace ui::win32 {

namespace {

// While a box is shown no other window of the program takes input: the box's owner is
// disabled by the system, the others here; the active window is active again after.
class ProgramDisabled {
public:
    ProgramDisabled() : active(::GetActiveWindow()) {
        ::EnumThreadWindows(::GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
    }
    ~ProgramDisabled() {
        for (HWND window : disabled)
            if (::IsWindow(window))
                ::EnableWindow(window, TRUE);
        if (active && ::IsWindow(active))
            ::SetActiveWindow(active);
    }
    ProgramDisabled(const ProgramDisabled&) = delete;
    ProgramDisabled& operator=(const ProgramDisabled&) = delete;

    HWND Owner() const { return active; }

private:
    // A failure passes that window by and goes on to the next.
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        return Guarded(window, BOOL{TRUE}, [&] {
            auto* list = reinterpret_cast<ProgramDisabled*>(self);
            if (window != list->active && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
                list->disabled.push_back(window);
                ::EnableWindow(window, FALSE);
            }
            return BOOL{TRUE};
        });
    }

    HWND active;
    std::vector<HWND> disabled;
};

struct InputRequest {
    std::wstring prompt, title, text;
};

INT_PTR CALLBACK InputProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    return Guarded(dialog, INT_PTR{FALSE}, [&]() -> INT_PTR {
        auto* request = reinterpret_cast<InputRequest*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        switch (message) {
        case WM_INITDIALOG: {
            request = reinterpret_cast<InputRequest*>(l);
            ::SetWindowLongPtrW(dialog, DWLP_USER, l);
            ::SetWindowTextW(dialog, request->title.c_str());
            ::SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, request->prompt.c_str());
            ::SetDlgItemTextW(dialog, IDC_INPUT_TEXT, request->text.c_str());
            ::SendDlgItemMessageW(dialog, IDC_INPUT_TEXT, EM_SETSEL, 0, -1);
            ::SetDlgItemTextW(dialog, IDOK, Wide(AcceptButton).c_str());
            ::SetDlgItemTextW(dialog, IDCANCEL, Wide(CancelButton).c_str());
            return TRUE; // the focus goes to the text
        }
        case WM_COMMAND:
            if (LOWORD(w) == IDOK) {
                HWND box = ::GetDlgItem(dialog, IDC_INPUT_TEXT);
                request->text.assign(size_t(::GetWindowTextLengthW(box)) + 1, L'\0');
                request->text.resize(
                    size_t(::GetWindowTextW(box, request->text.data(), int(request->text.size()))));
                ::EndDialog(dialog, IDOK);
            } else if (LOWORD(w) == IDCANCEL) {
                ::EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        }
        return FALSE;
    });
}

} // namespace

void Win32Dialogs::MessageBox(std::u16string_view title, std::u16string_view text,
                              platform::MessageIcon icon) {
    // Over the program's active window, if there is one, and modal to all of them.
    ProgramDisabled program;
    HWND owner = program.Owner();
    ::MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(),
                  MB_OK | UINT(icon) | MB_SETFOREGROUND | (owner ? 0u : MB_TASKMODAL));
}

std::optional<std::u16string> Win32Dialogs::InputBox(std::u16string_view prompt,
                                                     std::u16string_view title,
                                                     std::u16string_view defaultText) {
    InputRequest request{Wide(prompt), Wide(title), Wide(defaultText)};
    ProgramDisabled program;
    const INT_PTR answer =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUT_BOX),
                          program.Owner(), InputProcedure, reinterpret_cast<LPARAM>(&request));
    if (answer != IDOK)
        return std::nullopt;
    return FromWide(request.text);
}

} // namespace ui::win32
