#pragma once

#include <string>
#include <string_view>

namespace ui {

// The agent ID as the main window shows it: a text of digits grouped by three from the
// right with "." (123.456.789, 1.234.567.890); any other text whole.
std::u16string GroupAgentId(std::u16string_view id);

} // namespace ui
