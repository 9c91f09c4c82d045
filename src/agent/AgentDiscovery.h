#pragma once

#include "session/Context.h"

#include <string>

namespace agent {

// Stands for a ClientID or a version that cannot be read.
inline constexpr std::u16string_view NotFoundText = u"Imposible de detectar";

// What the TeamViewer agent records about itself in the registry, read afresh each time
// from the 32-bit or the 64-bit layout, whichever this Windows has.
std::u16string GetAgentClientId(session::Context& context);
std::u16string GetAgentVersion(session::Context& context);
// The current agent's folder as stored, or the empty text.
std::u16string GetAgentInstallDir(session::Context& context);
// The version-9 agent's folder without surrounding blanks, or the empty text.
std::u16string GetLegacyAgentInstallDir(session::Context& context);

} // namespace agent
