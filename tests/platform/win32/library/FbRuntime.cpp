// A runtime library that the stand-in client below needs, installed beside it.
extern "C" __declspec(dllexport) int RuntimeValue() {
    return 42;
}
