// A program like ours that imports one function Windows 7 lacks: the import check must
// refuse it, naming that function alone.
#include <windows.h>

int wmain() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    return int(now.dwLowDateTime & 1);
}
