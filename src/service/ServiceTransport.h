#pragma once

#include "platform/SystemTraits.h"
#include "session/Context.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace service {

// The longest command line that reaches the fetch tool whole.
using platform::CommandLineLimit;

// GNU Wget's options: one try only, since every try sends the request again and a
// SETDOC sent twice files two incidents. No time-out of the tool's own (its default, 900 s
// of silence, lies beyond the poll limit): a busy service that answers late has still
// done the work, and the poll limit, where the tool is stopped, is the one limit.
inline constexpr std::u16string_view FetchOptions = u"--tries=1";

// The fetch tool and the one response file every request shares.
std::u16string FetchToolPath(const session::Context& context);
std::u16string ResponseFilePath(const session::Context& context);

// Fetches the URL with the fetch tool into a fresh response file and gives its content:
// the empty text when no whole reply arrived (the tool failed, or the text ends before
// its JSON value closes). With the UTF-8 step the tool receives the URL's UTF-8 bytes.
// Refused (empty) while another request holds the response file (responseFileInUse), for
// a URL that would not reach the tool as one argument, for a command line beyond the
// limit and when the old response file cannot be deleted. A tool still running after
// the last poll is stopped.
std::u16string FetchServiceReply(session::Context& context, std::u16string_view url, bool utf8Step);

} // namespace service
