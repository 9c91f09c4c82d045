#pragma once

#include "platform/Os.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace platform::posix {

// The top-level windows of the X display named by DISPLAY, topmost first. Without a
// display there are no windows. The connection is made on first use.
class X11Windows {
public:
    X11Windows() = default;
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;
    ~X11Windows();

    // The walk works on the list taken when it starts.
    WindowHandle First();
    WindowHandle Next(WindowHandle window);
    std::u16string Title(WindowHandle window);
    ProcessId OwnerProcess(WindowHandle window);

private:
    bool Connect();
    uint32_t Atom(const char* name);
    std::vector<uint32_t> ClientList(uint32_t root, uint32_t listAtom);
    std::vector<uint32_t> RootChildren(uint32_t root);
    std::vector<uint32_t> TopLevelWindows();
    std::string Property(uint32_t window, uint32_t property, uint32_t type);

    xcb_connection_t* connection = nullptr;
    bool tried = false;
    std::map<std::string, uint32_t> atoms;
    std::vector<uint32_t> walk;
};

} // namespace platform::posix
