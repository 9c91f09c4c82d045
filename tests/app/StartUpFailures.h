#pragma once
// The start-ups that fail, and what the user must read then: one table for both programs'
// tests (tests/app/qt, tests/app/win32).
#include "app/Main.h"
#include "session/Context.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace app::test_support {

inline const std::u16string Unexpected =
    u"No se ha podido completar la operación por un error inesperado. Puede seguir usando el "
    u"programa; si el error se repite, póngase en contacto con el servicio técnico.";

// A program's fixed values for these tests: a folder of this system, a service nobody answers.
inline session::Configuration TestConfiguration(std::u16string installDir, char16_t separator) {
    return {.installDir = std::move(installDir),
            .pathSeparator = separator,
            .serviceHost = u"127.0.0.1:9",
            .webHost = u"www.lunadoro.example",
            .supportEmail = u"soporte@lunadoro.example",
            .standbyPhone = u"(+34) 900 000 000"};
}

struct StartUpFailure {
    const char* name;
    app::StartUp startUp;
    std::u16string told;
};

inline const StartUpFailure StartUpFailures[] = {
    {"a failure with a text of its own",
     [](session::Context&, ui::Windows&) {
         throw std::runtime_error("No se pudo crear la ventana");
     },
     Unexpected + u"\r\n\r\nDetalle: No se pudo crear la ventana"},
    {"a failure without a text", [](session::Context&, ui::Windows&) { throw 7; }, Unexpected},
    {"a failure once the main window shows",
     [](session::Context&, ui::Windows& windows) {
         windows.MainWindow().Show();
         throw std::runtime_error("sin memoria");
     },
     Unexpected + u"\r\n\r\nDetalle: sin memoria"},
};

} // namespace app::test_support
