#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::win32 {

// Makes this program a DDE server (DDEML) under the service named after its executable
// file, without extension, accepting conversations on one topic. Every execute command
// that arrives goes to the handler as sent; none is ever marked as accepted, so the
// client always hears DDE_FNOTPROCESSED. Commands arrive while the thread that created
// the source processes its window messages. One source per process. The handler runs
// inside DDEML's callback: it must not destroy the source there (post the close instead),
// and it tells its own failures: one that escapes it is dropped.
class DdeSource {
public:
    using ExecuteHandler = std::function<void(std::u16string_view command)>;

    DdeSource(std::u16string_view topic, ExecuteHandler onExecute);
    ~DdeSource();
    DdeSource(const DdeSource&) = delete;
    DdeSource& operator=(const DdeSource&) = delete;

    // False when DDEML refused to start or the service could not be registered.
    bool IsRegistered() const;
    const std::u16string& ServiceName() const { return service; }

    // The running program's executable file name without its extension.
    static std::u16string ExecutableBaseName();

private:
    struct Conversation;
    std::u16string service;
    ExecuteHandler onExecute;
    std::unique_ptr<Conversation> dde;
};

} // namespace platform::win32
