#pragma once

#include "session/Context.h"

namespace app {

// The fixed configuration this build was made with (installation folder, hosts, the
// vendor's e-mail address and standby telephone). Every front end starts from it; the
// program links its definition, generated with every value (asr_add_configuration).
session::Configuration ProductionConfiguration();

} // namespace app
