// Test program: runs for the milliseconds of its first argument, then ends with the exit
// code of its second.
#include <cstdlib>
#include <windows.h>

int main(int argc, char** argv) {
    if (argc > 1)
        Sleep(DWORD(std::atoi(argv[1])));
    return argc > 2 ? std::atoi(argv[2]) : 0;
}
