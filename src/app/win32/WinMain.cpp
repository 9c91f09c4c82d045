// Asistencia Remota on Windows: no switches, no environment, the configuration the program
// links (the end-to-end test's program links the stand-in service's host).
#include "app/ProductionConfiguration.h"
#include "app/win32/Program.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return app::win32::RunProgram(app::ProductionConfiguration());
    } catch (const std::exception& failure) {
        ::MessageBoxW(nullptr, ui::win32::WideFromUtf8(failure.what()).c_str(),
                      L"Asistencia Remota", MB_OK | MB_ICONERROR);
        return 1;
    }
}
