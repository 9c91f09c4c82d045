#pragma once
// What every FormView promises (ui/FormView.h), checked the same way over the test fake and
// over each front end's real windows.
#include "ui/FormView.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ui::test_support {

// view shows a window whose table has the text box textBox and the tick box tickBox (or a
// control without one); the view ends closed.
inline void ExpectTheFormViewContract(FormView& view, ControlId textBox, ControlId tickBox) {
    const ControlId missing{u"Nada"};
    EXPECT_THROW(view.SetVisible(missing, true), std::out_of_range) << "a control the table lacks";
    EXPECT_THROW(view.SetCaption(missing, u"x"), std::out_of_range) << "a control the table lacks";
    EXPECT_THROW(view.Text(missing), std::out_of_range) << "a control the table lacks";
    view.Close();
    // A closed view does nothing, whatever it is asked.
    EXPECT_NO_THROW(view.SetCaption(missing, u"x"));
    EXPECT_NO_THROW(view.SetVisible(textBox, false));
    EXPECT_NO_THROW(view.SetFocus(textBox));
    EXPECT_EQ(view.Text(textBox), u"");
    EXPECT_FALSE(view.IsChecked(tickBox));
}

} // namespace ui::test_support
