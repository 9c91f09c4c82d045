#pragma once

#include "app/Context.h"

namespace app {

// The fixed configuration this build was made with (installation folder, hosts, the
// vendor's e-mail address and standby telephone). Every front end starts from it.
Configuration ProductionConfiguration();

} // namespace app
