#pragma once

#include "session/Context.h"

#include <string>

namespace service {

// Files the support incident of this workstation: a new one, or a reconnection note on
// the open incident that the open-incident check kept. Gives the incident number to tell
// the user, or the empty text when the service did not take it. IncidentText keeps the
// observation as sent (line feeds and no carriage returns); a new incident's
// OpenIncidentDate becomes the filing time.
std::u16string FileIncident(session::Context& context);

} // namespace service
