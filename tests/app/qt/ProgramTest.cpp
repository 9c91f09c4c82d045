// The Linux program when its start-up fails: the user reads what happened in Spanish, in a
// box of its own, and the program ends with a failure status.
#include "app/qt/Program.h"

#include "../StartUpFailures.h"
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

using app::test_support::StartUpFailure, app::test_support::StartUpFailures,
    app::test_support::TestConfiguration;

TEST(QtProgram, AFailedStartUpIsToldAndEndsTheProgram) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const session::Configuration config =
        TestConfiguration(std::u16string(folder.begin(), folder.end()), u'/');
    for (const StartUpFailure& failure : StartUpFailures) {
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
