// The Windows program when its start-up fails: the user reads what happened in Spanish, in
// a box of its own, and the program ends with a failure status.
#include "app/win32/Program.h"

#include "../StartUpFailures.h"
#include "ThreadMessageBox.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

using app::test_support::StartUpFailure, app::test_support::StartUpFailures,
    app::test_support::TestConfiguration;

TEST(Win32Program, AFailedStartUpIsToldAndEndsTheProgram) {
    const session::Configuration config = TestConfiguration(u"C:\\Velmorn3", u'\\');
    for (const StartUpFailure& failure : StartUpFailures) {
        SCOPED_TRACE(failure.name);
        int status = 0;
        const fixtures::BoxSaid said = fixtures::AnswerTheBoxDuring(
            [&] { status = app::win32::RunProgram(config, failure.startUp); });
        EXPECT_TRUE(said.answered) << "no box was shown";
        EXPECT_EQ(status, 1);
        EXPECT_EQ(said.title, u"Asistencia Remota");
        EXPECT_EQ(said.text, failure.told);
        EXPECT_TRUE(said.alone) << "a window of the failed run is still shown";
    }
}

} // namespace
