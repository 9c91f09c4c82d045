// Test program: writes its own command line, byte for byte as the system passed it, to
// the file named by its first argument.
#include <cstring>
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line, DWORD(std::strlen(line)), &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 4;
}
