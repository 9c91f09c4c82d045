#include "platform/posix/X11Windows.h"

#include "text/Encoding.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xproto.h>

namespace platform::posix {

namespace {

template <typename Reply> struct FreeReply {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply<Reply>>;

} // namespace

X11Windows::~X11Windows() {
    if (connection)
        xcb_disconnect(connection);
}

bool X11Windows::Connect() {
    if (tried)
        return connection != nullptr;
    tried = true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return false;
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        connection = nullptr;
    }
    return connection != nullptr;
}

uint32_t X11Windows::Atom(const char* name) {
    if (auto known = atoms.find(name); known != atoms.end())
        return known->second;
    auto cookie = xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    uint32_t atom = reply ? reply->atom : uint32_t(XCB_ATOM_NONE);
    atoms[name] = atom;
    return atom;
}

std::string X11Windows::Property(uint32_t window, uint32_t property, uint32_t type) {
    if (property == XCB_ATOM_NONE)
        return {};
    auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 1 << 16);
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    const char* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    // The length is in bytes, whatever the property's format.
    return std::string(data, size_t(xcb_get_property_value_length(reply.get())));
}

// A window manager's list, bottom-most first as the protocol keeps it.
std::vector<uint32_t> X11Windows::ClientList(uint32_t root, uint32_t listAtom) {
    std::string bytes = Property(root, listAtom, XCB_ATOM_WINDOW);
    std::vector<uint32_t> windows(bytes.size() / 4);
    if (!windows.empty())
        std::memcpy(windows.data(), bytes.data(), windows.size() * 4);
    return windows;
}

// Without a window manager, the root's children in stacking order, bottom-most first.
std::vector<uint32_t> X11Windows::RootChildren(uint32_t root) {
    ReplyPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!reply)
        return {};
    xcb_window_t* children = xcb_query_tree_children(reply.get());
    return std::vector<uint32_t>(children, children + xcb_query_tree_children_length(reply.get()));
}

std::vector<uint32_t> X11Windows::TopLevelWindows() {
    std::vector<uint32_t> all;
    uint32_t stacking = Atom("_NET_CLIENT_LIST_STACKING");
    uint32_t clients = Atom("_NET_CLIENT_LIST");
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
         xcb_screen_next(&it)) {
        uint32_t root = it.data->root;
        std::vector<uint32_t> windows = ClientList(root, stacking);
        if (windows.empty())
            windows = ClientList(root, clients);
        if (windows.empty())
            windows = RootChildren(root);
        std::reverse(windows.begin(), windows.end());
        all.insert(all.end(), windows.begin(), windows.end());
    }
    return all;
}

WindowHandle X11Windows::First() {
    walk = Connect() ? TopLevelWindows() : std::vector<uint32_t>{};
    return walk.empty() ? 0 : walk.front();
}

WindowHandle X11Windows::Next(WindowHandle window) {
    auto it = std::find(walk.begin(), walk.end(), uint32_t(window));
    if (it == walk.end() || ++it == walk.end())
        return 0;
    return *it;
}

std::u16string X11Windows::Title(WindowHandle window) {
    if (!Connect() || window == 0)
        return {};
    std::string name = Property(uint32_t(window), Atom("_NET_WM_NAME"), Atom("UTF8_STRING"));
    if (!name.empty())
        return text::Utf8ToUtf16(name);
    // WM_NAME is Latin-1 text.
    return text::Latin1ToUtf16(Property(uint32_t(window), XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
}

ProcessId X11Windows::OwnerProcess(WindowHandle window) {
    if (!Connect() || window == 0)
        return 0;
    std::string bytes = Property(uint32_t(window), Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL);
    if (bytes.size() < 4)
        return 0;
    uint32_t pid = 0;
    std::memcpy(&pid, bytes.data(), 4);
    return pid;
}

} // namespace platform::posix
