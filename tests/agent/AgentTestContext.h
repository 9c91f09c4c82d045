#pragma once

#include "FakeOs.h"
#include "session/Context.h"
#include "text/RuntimeError.h"
#include "text/Text.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace agent::test_support {

// The scripted OS, plus what the agent code must survive: a registry that fails outright
// for one key.
class WatchedOs : public fixtures::FakeOs {
public:
    long RegOpenKeyEx(platform::RegistryKey root, std::u16string_view subKey, uint32_t access,
                      platform::RegistryKey& key) override {
        if (!failingKey.empty() && text::EqualsIgnoreCase(subKey, failingKey))
            throw text::RuntimeError(70, "Permiso denegado");
        return FakeOs::RegOpenKeyEx(root, subKey, access, key);
    }
    long RegQueryValueEx(platform::RegistryKey key, std::u16string_view valueName, uint32_t& type,
                         std::string* data, uint32_t& size) override {
        if (queryFails)
            throw std::runtime_error("registry query failed");
        return FakeOs::RegQueryValueEx(key, valueName, type, data, size);
    }

    std::u16string failingKey; // sub-key path without root and trailing backslash
    bool queryFails = false;
};

inline constexpr uint32_t Hklm = 0x80000002;

struct AgentTestContext {
    WatchedOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, {u"C:\\Velmorn3", u'\\', u"", u""}};

    // Command lines of every program started, in order.
    std::vector<std::u16string> StartedCommands() const {
        std::vector<std::u16string> commands;
        for (const auto& program : os.started)
            commands.push_back(program.commandLine);
        return commands;
    }
};

} // namespace agent::test_support
