#pragma once

namespace platform {

// Lets pending user-interface events run during a wait on the one UI thread.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

} // namespace platform
