#include "platform/win32/DdeSource.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

#include <string>

namespace platform::win32 {

namespace {

// DDEML calls back without naming the instance, so the one source of the process is kept
// here while it lives.
DdeSource* activeSource = nullptr;

} // namespace

struct DdeSource::Conversation {
    DWORD instance = 0;
    HSZ service = nullptr;
    HSZ topic = nullptr;
    bool registered = false;

    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topicName,
                                      HSZ serviceName, HDDEDATA data, ULONG_PTR, ULONG_PTR);
    std::u16string CommandText(HDDEDATA data) const;
};

std::u16string DdeSource::Conversation::CommandText(HDDEDATA data) const {
    const DWORD size = ::DdeGetData(data, nullptr, 0, 0);
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (!text.empty())
        ::DdeGetData(data, reinterpret_cast<BYTE*>(text.data()),
                     DWORD(text.size() * sizeof(wchar_t)), 0);
    // The command is a zero-terminated string.
    const size_t end = text.find(L'\0');
    if (end != std::wstring::npos)
        text.resize(end);
    return FromWide(text);
}

// Nothing may unwind through DDEML. The owner's handler tells its own failures (it knows
// the window); a failure here (no memory for the command) leaves the command unanswered.
HDDEDATA CALLBACK DdeSource::Conversation::Callback(UINT type, UINT, HCONV, HSZ topicName,
                                                    HSZ serviceName, HDDEDATA data, ULONG_PTR,
                                                    ULONG_PTR) {
    try {
        DdeSource* source = activeSource;
        if (!source)
            return nullptr;
        const Conversation& dde = *source->dde;
        switch (type) {
        case XTYP_CONNECT: {
            const bool ours = ::DdeCmpStringHandles(topicName, dde.topic) == 0 &&
                              ::DdeCmpStringHandles(serviceName, dde.service) == 0;
            return ours ? reinterpret_cast<HDDEDATA>(TRUE) : nullptr;
        }
        case XTYP_EXECUTE:
            if (source->onExecute)
                source->onExecute(dde.CommandText(data));
            return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
        default:
            return nullptr;
        }
    } catch (...) {
        return nullptr;
    }
}

DdeSource::DdeSource(std::u16string_view topic, ExecuteHandler onExecute)
    : service(ExecutableBaseName()), onExecute(std::move(onExecute)),
      dde(std::make_unique<Conversation>()) {
    if (activeSource)
        return;
    const DWORD filters = APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_POKES |
                          CBF_FAIL_REQUESTS | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS;
    if (::DdeInitializeW(&dde->instance, &Conversation::Callback, filters, 0) != DMLERR_NO_ERROR)
        return;
    activeSource = this;
    const std::wstring serviceName = ToWide(service), topicName = ToWide(topic);
    dde->service = ::DdeCreateStringHandleW(dde->instance, serviceName.c_str(), CP_WINUNICODE);
    dde->topic = ::DdeCreateStringHandleW(dde->instance, topicName.c_str(), CP_WINUNICODE);
    dde->registered = dde->service && dde->topic &&
                      ::DdeNameService(dde->instance, dde->service, nullptr, DNS_REGISTER);
}

DdeSource::~DdeSource() {
    if (activeSource != this)
        return;
    if (dde->registered)
        ::DdeNameService(dde->instance, dde->service, nullptr, DNS_UNREGISTER);
    if (dde->topic)
        ::DdeFreeStringHandle(dde->instance, dde->topic);
    if (dde->service)
        ::DdeFreeStringHandle(dde->instance, dde->service);
    ::DdeUninitialize(dde->instance);
    activeSource = nullptr;
}

bool DdeSource::IsRegistered() const {
    return dde->registered;
}

std::u16string DdeSource::ExecutableBaseName() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    std::wstring_view name(path, length);
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring_view::npos)
        name.remove_prefix(slash + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring_view::npos)
        name = name.substr(0, dot);
    return FromWide(name);
}

} // namespace platform::win32
