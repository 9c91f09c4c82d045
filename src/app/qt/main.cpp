// Asistencia Remota on Linux: no switches, no environment, the build's configuration.
#include "app/ProductionConfiguration.h"
#include "app/qt/Program.h"

#include <QApplication>

int main(int, char* argv[]) {
    int toolkitArguments = 1; // the program's name only: no switch reaches Qt either
    QApplication application(toolkitArguments, argv);
    return app::qt::RunProgram(app::ProductionConfiguration());
}
