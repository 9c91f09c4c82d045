#pragma once

#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Os.h"
#include "session/SessionState.h"

#include <string>

namespace session {

// Fixed configuration: production values come from the build, tests use their own.
struct Configuration {
    std::u16string installDir; // without trailing separator
    char16_t pathSeparator = u'\\';
    std::u16string serviceHost;    // host of the support web service
    std::u16string webHost;        // host of the vendor's help pages
    std::u16string supportEmail{}; // the vendor's support e-mail address
    std::u16string standbyPhone{}; // the vendor's standby telephone, "(+prefix) number"
};

// What an operation that touches the OS or the session needs, passed explicitly.
struct Context {
    platform::Os& os;
    platform::Dialogs& dialogs;
    platform::EventPump& events;
    SessionState& session;
    Configuration config;
    // The transport's guard: the service requests share one response file, so a second
    // fetch is refused while this is true. (ui::Windows::RunRequest is the other guard:
    // one support road at a time, a window's close deferred until it ends.)
    bool responseFileInUse = false;
};

} // namespace session
