// Test program: a DDE client, as another program would be, that connects to the service
// and topic given and sends each further argument as an execute command (8-bit text).
// Exit code: 0 when every command was delivered and answered "not processed",
// 1 when one was accepted, 2 when no conversation could be opened, 3 on other errors.
#include <cstring>
#include <windows.h>
// DDEML needs the types of <windows.h> first.
#include <ddeml.h>

namespace {

HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

int SendCommands(DWORD instance, HCONV conversation, int count, char** commands) {
    for (int i = 0; i < count; ++i) {
        DWORD result = 0;
        HDDEDATA answer = DdeClientTransaction(reinterpret_cast<BYTE*>(commands[i]),
                                               DWORD(std::strlen(commands[i]) + 1), conversation,
                                               nullptr, 0, XTYP_EXECUTE, 10000, &result);
        if (answer)
            return 1;
        if (DdeGetLastError(instance) != DMLERR_NOTPROCESSED)
            return 3;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 3;
    DWORD instance = 0;
    if (DdeInitializeA(&instance, Ignore, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return 3;
    HSZ service = DdeCreateStringHandleA(instance, argv[1], CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, argv[2], CP_WINANSI);
    int outcome = 2;
    if (HCONV conversation = DdeConnect(instance, service, topic, nullptr)) {
        outcome = SendCommands(instance, conversation, argc - 3, argv + 3);
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, topic);
    DdeFreeStringHandle(instance, service);
    DdeUninitialize(instance);
    return outcome;
}
