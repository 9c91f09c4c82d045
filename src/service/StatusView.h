#pragma once

#include "session/Context.h"

#include "json/JsonValue.h"
#include <string>
#include <string_view>

namespace service {

// The text made safe inside a single-quoted attribute and as element text of the markup:
// the five XML specials as entities, tab and line ends as character references, other
// control characters dropped.
std::u16string MarkupEscape(std::u16string_view text);

// The status view of an incident document that the service found: number, date,
// observation, operator and state. Missing values show as empty text.
std::u16string StatusView(session::Context& context, const json::JsonValue& incident);

} // namespace service
