#include "platform/posix/Processes.h"

#include "text/Text.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform::posix {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> SearchPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = std::min(folders.find(':', start), folders.size());
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

bool HasExtension(const std::string& name) {
    return name.find('.') != std::string::npos;
}

bool IsOnScreenKeyboard(const std::string& name) {
    return text::EqualsIgnoreCase(text::FromAscii(name), u"osk.exe");
}

// The processes of others, as far as this process can see them.
bool ProcessExists(pid_t pid, bool& permitted) {
    errno = 0;
    bool exists = kill(pid, 0) == 0 || errno == EPERM;
    permitted = errno != EPERM;
    return exists;
}

bool IsZombie(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z';
}

uint32_t ExitCodeFromStatus(int status, const std::optional<uint32_t>& terminatedWith) {
    if (terminatedWith)
        return *terminatedWith;
    if (WIFEXITED(status))
        return uint32_t(WEXITSTATUS(status));
    return 128u + uint32_t(WTERMSIG(status));
}

bool NamesUtf8(std::string locale) {
    for (char& c : locale)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return locale.find("utf-8") != std::string::npos || locale.find("utf8") != std::string::npos;
}

// Command lines are handed over in UTF-8, so a program is told that its arguments are
// UTF-8: under the C locale GNU Wget decodes a URL's "%25" a second time, and the service
// would receive other words than the user typed. Empty when this environment says so.
std::vector<std::string> EnvironmentSayingUtf8() {
    const char* deciding = "LC_CTYPE";
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(name); value && *value) {
            if (NamesUtf8(value))
                return {};
            // Only LC_ALL outweighs LC_CTYPE.
            deciding = name == std::string_view("LC_ALL") ? name : "LC_CTYPE";
            break;
        }
    const std::string setting = std::string(deciding) + "=";
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        if (!std::string_view(*entry).starts_with(setting))
            environment.emplace_back(*entry);
    environment.push_back(setting + "C.UTF-8");
    return environment;
}

} // namespace

std::optional<std::string> LocateProgram(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return IsExecutableFile(name) ? std::optional(name) : std::nullopt;
    if (auto found = SearchPath(name))
        return found;
    if (!HasExtension(name))
        if (auto found = SearchPath(name + ".exe"))
            return found;
    if (IsOnScreenKeyboard(name))
        return SearchPath("onboard");
    return std::nullopt;
}

ProcessId Processes::Spawn(const std::string& program, const std::vector<std::string>& arguments,
                           WindowStyle style, const std::string& workingFolder) {
    ReapEnded();
    std::optional<std::string> path = LocateProgram(program);
    if (!path)
        return 0;
    // The program sees the path it was found at, as a Windows program sees its own.
    std::vector<char*> argv;
    argv.push_back(path->data());
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (style == WindowStyle::Hidden)
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    struct stat folder;
    if (!workingFolder.empty() && stat(workingFolder.c_str(), &folder) == 0 &&
        S_ISDIR(folder.st_mode))
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    const std::vector<std::string> utf8Environment = EnvironmentSayingUtf8();
    std::vector<char*> environment;
    for (const std::string& entry : utf8Environment)
        environment.push_back(const_cast<char*>(entry.c_str()));
    environment.push_back(nullptr);
    pid_t pid = 0;
    int failed = posix_spawn(&pid, path->c_str(), &actions, nullptr, argv.data(),
                             utf8Environment.empty() ? environ : environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return 0;
    children[pid] = Child{};
    return ProcessId(pid);
}

ProcessHandle Processes::Open(uint32_t access, ProcessId id) {
    pid_t pid = pid_t(id);
    if (pid <= 0)
        return 0;
    if (!children.count(pid)) {
        bool permitted = true;
        if (!ProcessExists(pid, permitted) || (access == ProcessAllAccess && !permitted))
            return 0;
    }
    ProcessHandle handle = nextHandle++;
    handles[handle] = pid;
    return handle;
}

void Processes::Reap(pid_t pid, Child& child, bool wait) {
    if (child.reaped)
        return;
    int status = 0;
    pid_t result = waitpid(pid, &status, wait ? 0 : WNOHANG);
    if (result == pid) {
        child.reaped = true;
        child.exitCode = ExitCodeFromStatus(status, child.terminatedWith);
    } else if (result < 0) {
        child.reaped = true; // reaped elsewhere; its code is lost
    }
}

void Processes::ReapEnded() {
    for (auto& [pid, child] : children)
        Reap(pid, child, false);
}

uint32_t Processes::ExitCodeOfOther(pid_t pid) const {
    bool permitted = true;
    return ProcessExists(pid, permitted) && !IsZombie(pid) ? StillActive : 0;
}

bool Processes::ExitCode(ProcessHandle handle, uint32_t& exitCode) {
    auto it = handles.find(handle);
    if (it == handles.end())
        return false;
    auto child = children.find(it->second);
    if (child == children.end()) {
        exitCode = ExitCodeOfOther(it->second);
        return true;
    }
    Reap(child->first, child->second, false);
    exitCode = child->second.reaped ? child->second.exitCode : StillActive;
    return true;
}

bool Processes::Terminate(ProcessHandle handle, uint32_t exitCode) {
    auto it = handles.find(handle);
    if (it == handles.end())
        return false;
    auto child = children.find(it->second);
    if (child != children.end()) {
        if (child->second.reaped || kill(child->first, SIGKILL) != 0)
            return false;
        child->second.terminatedWith = exitCode;
        Reap(child->first, child->second, true);
        return true;
    }
    return ExitCodeOfOther(it->second) == StillActive && kill(it->second, SIGKILL) == 0;
}

void Processes::Close(ProcessHandle handle) {
    handles.erase(handle);
}

} // namespace platform::posix
