#include "app/ProductionConfiguration.h"

#include "app/BuildConfiguration.h"
#include "identity/InstallationPaths.h"
#include "service/RequestDocument.h"

namespace app {

session::Configuration ProductionConfiguration() {
    return {.installDir = identity::ProductionInstallDir(),
            .pathSeparator = identity::ProductionPathSeparator(),
            .serviceHost = service::ProductionServiceHost(),
            .webHost = build::WebHost,
            .supportEmail = build::SupportEmail,
            .standbyPhone = build::StandbyPhone};
}

} // namespace app
