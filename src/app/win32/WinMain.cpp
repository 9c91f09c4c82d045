// Asistencia Remota on Windows: no switches, no environment, the configuration the program
// links (the end-to-end test's program links the stand-in service's host).
#include "app/ProductionConfiguration.h"
#include "app/win32/Program.h"
#include "ui/win32/Win32Api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return app::win32::RunProgram(app::ProductionConfiguration());
}
