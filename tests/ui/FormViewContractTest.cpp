// The fake view the behaviour's tests use keeps the contract the front ends keep (their
// window cases check it with the same function), so the behaviour meets no view in its
// tests that a real window would not be.
#include "FormViewContract.h"

#include "FakeWindows.h"
#include "ui/FormTables.h"
#include "ui/ViewEvents.h"

#include <gtest/gtest.h>

namespace ui::test_support {
namespace {

TEST(FormViewContract, TheTestFakeKeepsIt) {
    const FormTable tables[] = {FrmExplicaTable(), SplashTable()};
    const ControlId boxes[][2] = {{{u"Tx00"}, {u"Nada"}}, {{u"Lb00"}, {u"Ch00"}}};
    for (size_t i = 0; i < std::size(tables); ++i) {
        FormEvents none;
        ViewEvents events(tables[i], none, [](std::u16string_view) {});
        std::vector<std::u16string> log;
        FakeView view(events, log);
        view.Show(nullptr);
        view[boxes[i][0]].text = u"escrito";
        if (boxes[i][1].name != u"Nada")
            view[boxes[i][1]].checked = true;
        ExpectTheFormViewContract(view, boxes[i][0], boxes[i][1]);
        EXPECT_EQ(view[boxes[i][0]].text, u"escrito") << "what it kept stays readable to tests";
    }
}

} // namespace
} // namespace ui::test_support
