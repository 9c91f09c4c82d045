// The Linux program when its start-up fails: the user reads what happened in Spanish, in a
// box of its own, and the program ends with a failure status.
#include "app/qt/Program.h"

#include "ScriptedUser.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

const std::u16string Unexpected =
    u"No se ha podido completar la operación por un error inesperado. Puede seguir usando el "
    u"programa; si el error se repite, póngase en contacto con el servicio técnico.";

struct StartUpFailure {
    const char* name;
    app::StartUp startUp;
    std::u16string told;
};

TEST(QtProgram, AFailedStartUpIsToldAndEndsTheProgram) {
    const StartUpFailure failures[] = {
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
    const std::string folder = std::filesystem::temp_directory_path().string();
    const session::Configuration config{.installDir = std::u16string(folder.begin(), folder.end()),
                                        .pathSeparator = u'/',
                                        .serviceHost = u"127.0.0.1:9",
                                        .webHost = u"www.lunadoro.example",
                                        .supportEmail = u"soporte@lunadoro.example",
                                        .standbyPhone = u"(+34) 900 000 000"};
    for (const StartUpFailure& failure : failures) {
        SCOPED_TRACE(failure.name);
        std::u16string title, text;
        bool alone = true;
        driver::ScriptedUser user(std::chrono::seconds(10));
        user.Then(
            "the failure's box", [] { return driver::ShownMessageBox() != nullptr; },
            [&] {
                QMessageBox* box = driver::ShownMessageBox();
                title = box->windowTitle().toStdU16String();
                text = box->text().toStdU16String();
                for (QWidget* window : QApplication::topLevelWidgets())
                    alone = alone && (window == box || !window->isVisible());
                driver::Click(box->button(QMessageBox::Ok));
            });
        user.Start();
        const int status = app::qt::RunProgram(config, failure.startUp);
        user.Finish();
        EXPECT_TRUE(user.Finished()) << user.Failure().toStdString();
        EXPECT_EQ(status, 1);
        EXPECT_EQ(title, u"Asistencia Remota");
        EXPECT_EQ(text, failure.told);
        EXPECT_TRUE(alone) << "a window of the failed run is still shown";
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
