#include "service/ServiceTransport.h"

#include "identity/InstallationPaths.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Utf8Text.h"

#include <optional>

namespace service {

namespace {

std::u16string UnderWgetFolder(const session::Context& context, std::u16string_view name) {
    const char16_t separator = context.config.pathSeparator;
    return identity::InstallDir(context) + separator + u"Wget" + separator + std::u16string(name);
}

// A double quote would end the argument early, and a backslash right before the closing
// quote would escape it.
bool StaysOneArgument(std::u16string_view url) {
    return url.find(u'"') == std::u16string_view::npos && !url.ends_with(u'\\');
}

std::u16string FetchCommandLine(const session::Context& context, std::u16string_view url) {
    return FetchToolPath(context) + u" " + std::u16string(FetchOptions) + u" -O " +
           ResponseFilePath(context) + u" \"" + std::u16string(url) + u"\"";
}

// True when the text opens a JSON object or array and ends before closing it: the tail
// of a reply cut short. Brackets inside quoted texts do not count.
bool EndsBeforeItsValueCloses(std::u16string_view text) {
    const size_t start = text.find_first_not_of(u" \t\r\n\uFEFF");
    if (start == std::u16string_view::npos || (text[start] != u'{' && text[start] != u'['))
        return false;
    size_t depth = 0;
    char16_t quote = 0;
    bool escaped = false;
    for (char16_t c : text.substr(start)) {
        if (quote != 0) {
            if (escaped)
                escaped = false;
            else if (c == u'\\')
                escaped = true;
            else if (c == quote)
                quote = 0;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'{' || c == u'[') {
            ++depth;
        } else if ((c == u'}' || c == u']') && --depth == 0) {
            return false;
        }
    }
    return true;
}

// Holds the response file for the request for as long as it lives.
class ResponseFileUse {
public:
    explicit ResponseFileUse(session::Context& context) : context(context) {
        context.responseFileInUse = true;
    }
    ResponseFileUse(const ResponseFileUse&) = delete;
    ResponseFileUse& operator=(const ResponseFileUse&) = delete;
    ~ResponseFileUse() { context.responseFileInUse = false; }

private:
    session::Context& context;
};

} // namespace

std::u16string FetchToolPath(const session::Context& context) {
    return UnderWgetFolder(context, u"Wget.exe");
}

std::u16string ResponseFilePath(const session::Context& context) {
    return UnderWgetFolder(context, u"respuesta.json");
}

std::u16string FetchServiceReply(session::Context& context, std::u16string_view url,
                                 bool utf8Step) {
    if (context.responseFileInUse || !StaysOneArgument(url))
        return {};
    const std::u16string commandLine =
        FetchCommandLine(context, utf8Step ? platform::Utf8ByteText(context.os, url) : url);
    if (commandLine.size() > CommandLineLimit)
        return {};
    // Without a fresh file, a request that gets no reply would read the previous reply.
    const std::u16string responseFile = ResponseFilePath(context);
    if (!platform::DeleteFiles(context.os, responseFile))
        return {};
    ResponseFileUse inUse(context);
    const std::optional<uint32_t> exitCode = platform::RunHiddenAndWait(
        context.os, context.events, commandLine, platform::AtPollLimit::Stop);
    std::u16string reply = platform::ReadWholeFile(context.os, responseFile);
    // A reply that did not arrive whole is no reply: a cut text would otherwise be taken,
    // and written back, as the whole of what the service holds.
    const bool toolSucceeded = exitCode && *exitCode == 0;
    if (!toolSucceeded || EndsBeforeItsValueCloses(reply))
        return {};
    return reply;
}

} // namespace service
