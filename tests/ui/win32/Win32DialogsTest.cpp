// The Win32 front end's message boxes, under Wine.
#include "ui/win32/Win32Dialogs.h"

#include "Win32Driver.h"
#include "ui/FormTables.h"

#include <gtest/gtest.h>

namespace ui::test_support {
namespace {

// While a message box shows, no window of the program takes input; after it, they all do.
TEST(Win32Dialogs, AMessageBoxHoldsEveryWindowOfTheProgram) {
    ShownWindow shown(FrmMainTable({}));
    auto [user, main, told, mainView] = shown.Parts();
    const FormTable form = FrmExplicaTable();
    ViewEvents formEvents(form, told, [](std::u16string_view) {});
    auto formView = user->Views().CreateView(formEvents);
    formView->Show(mainView.get());
    std::u16string said;
    bool held = false;
    RunOnceWhen(
        10, [] { return FindWindowW(L"#32770", L"Aviso") != nullptr; },
        [&] {
            held = !IsWindowEnabled(Shown(main)) && !IsWindowEnabled(Shown(form));
            user->AnswerNextDialog(FrontEnd::Key::Enter, {}, &said);
        });
    user->Dialogs().MessageBox(u"Aviso", u"Texto", platform::MessageIcon::Information);
    EXPECT_TRUE(held);
    EXPECT_EQ(said, u"Texto");
    EXPECT_TRUE(IsWindowEnabled(Shown(main)));
    EXPECT_TRUE(IsWindowEnabled(Shown(form)));
    formView->Close();
    mainView->Close();
}

} // namespace
} // namespace ui::test_support
