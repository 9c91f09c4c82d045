// The person at the till in the end-to-end run: goes through AsistenciaRemotaPrueba.exe's
// windows from another process, as a user would, and saves a picture of each window as
// FOLDER\NAME.bmp. Prints what the program told; exit code 1 when it did not get there.
//   EndToEndUser request FOLDER          terms, company name, a support request
//   EndToEndUser lookup NUMBER FOLDER    terms, company name, the incident's status
//   EndToEndUser message                 the first message box of any program: its title
//                                        and text, then OK (the package's refusals)
#include "WindowPicture.h"
#include "ui/FormTables.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Resources.h"

#include <cstdio>
#include <string>

namespace {

using ui::win32::FormWindow;

HWND WaitFor(const wchar_t* type, const wchar_t* caption) {
    for (int attempt = 0; attempt < 3000; ++attempt, Sleep(20))
        if (HWND found = FindWindowW(type, caption); found && IsWindowVisible(found))
            return found;
    std::fwprintf(stderr, L"no window %ls\n", caption ? caption : type);
    std::exit(1);
}

HWND In(HWND form, const ui::FormTable& table, std::u16string_view name, int index = -1) {
    return FormWindow::FindControlWindow(form, table, {name, index});
}

std::wstring TextOf(HWND window) {
    wchar_t text[4096] = L"";
    GetWindowTextW(window, text, 4096);
    return text;
}

void Picture(HWND window, const std::wstring& file) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(500);
    SaveWindowPicture(window, file);
}

// Terms accepted, the company named in the prompt (no database client here): the main
// window.
HWND Start(const std::wstring& folder) {
    HWND splash = WaitFor(FormWindow::ClassName, L"Garantías de uso");
    FILETIME now{}; // since 1601 in 100 ns: printed as Unix milliseconds
    GetSystemTimePreciseAsFileTime(&now);
    const uint64_t ticks = uint64_t(now.dwHighDateTime) << 32 | now.dwLowDateTime;
    std::wprintf(L"terms shown at %llu\n", (ticks - 116444736000000000ULL) / 10000);
    Picture(splash, folder + L"\\splash.bmp");
    SendMessageW(In(splash, ui::SplashTable(), u"Ch00"), BM_CLICK, 0, 0);
    PostMessageW(In(splash, ui::SplashTable(), u"Bt00"), BM_CLICK, 0, 0);
    HWND prompt = WaitFor(L"#32770", nullptr);
    SetDlgItemTextW(prompt, IDC_INPUT_TEXT, L"Bazar Ñandú");
    PostMessageW(prompt, WM_COMMAND, IDOK, 0);
    return WaitFor(FormWindow::ClassName, L"Asistencia Remota Lunadoro");
}

int Request(const std::wstring& folder) {
    HWND main = Start(folder);
    Picture(main, folder + L"\\frmMain.bmp");
    PostMessageW(In(main, ui::FrmMainTable({}), u"Bt00"), BM_CLICK, 0, 0);
    HWND form = WaitFor(FormWindow::ClassName, L"Soporte Remoto");
    const auto table = ui::FrmExplicaTable();
    SetWindowTextW(In(form, table, u"Tx00"), L"La impresora del almacén no imprime.\r\nGracias");
    SetWindowTextW(In(form, table, u"Tx01"), L"Begoña Ibáñez");
    SetWindowTextW(In(form, table, u"Tx02"), L"600 000 000");
    Picture(form, folder + L"\\FrmExplica.bmp");
    PostMessageW(In(form, table, u"Bt00"), BM_CLICK, 0, 0);
    const std::wstring sent = L"Solicitud Enviada en el aviso ";
    while (true) { // the agent's launch may have its own message first
        HWND box = WaitFor(L"#32770", nullptr);
        const std::wstring title = TextOf(box);
        std::wprintf(L"%ls: %ls\n", title.c_str(), TextOf(GetDlgItem(box, 0xFFFF)).c_str());
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        if (title.starts_with(sent))
            std::wprintf(L"incident %ls\n", title.substr(sent.size()).c_str());
        if (title.starts_with(sent) || title == L"Sin conexión")
            return title.starts_with(sent) ? 0 : 1;
        Sleep(200);
    }
}

int Lookup(const std::wstring& number, const std::wstring& folder) {
    HWND main = Start(folder);
    HWND link = In(main, ui::FrmMainTable({}), u"Lb10", 3);
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    HWND dialog = WaitFor(FormWindow::ClassName, L"Consultar incidencia");
    HWND box = In(dialog, ui::FrmDialogTable(), u"Tx00");
    SetWindowTextW(box, number.c_str());
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    HWND status = In(dialog, ui::FrmDialogTable(), u"Lb01");
    for (int attempt = 0; attempt < 1500 && TextOf(status).find(number) == std::wstring::npos;
         ++attempt)
        Sleep(20);
    Picture(dialog, folder + L"\\frmDialog.bmp");
    std::wprintf(L"%ls\n", TextOf(status).c_str());
    PostMessageW(main, WM_CLOSE, 0, 0);
    return TextOf(status).find(number) == std::wstring::npos;
}

int Message() {
    HWND box = WaitFor(L"#32770", nullptr);
    std::wprintf(L"%ls: %ls\n", TextOf(box).c_str(), TextOf(GetDlgItem(box, 0xFFFF)).c_str());
    SendMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"request")
        return Request(argv[2]);
    if (argc == 4 && std::wstring(argv[1]) == L"lookup")
        return Lookup(argv[2], argv[3]);
    if (argc == 2 && std::wstring(argv[1]) == L"message")
        return Message();
    return 2;
}
