#include "ui/FormTable.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ui {
namespace {

TEST(FormTableTest, TheTableAnswersPlacesAndTabOrder) {
    const FormTable form{.controls = {{.name = u"Link", .link = true},
                                      {.name = u"Next", .link = true},
                                      {.name = u"Plain", .tabIndex = 1},
                                      {.name = u"Pic", .kind = ControlKind::Picture},
                                      {.name = u"Top", .tabIndex = 1},
                                      {.name = u"Bad", .tabIndex = 0}}};
    EXPECT_EQ(ControlPosition(form, {u"Top"}), 4u);
    EXPECT_THROW(ControlPosition(form, {u"Top", 0}), std::out_of_range);
    std::vector<std::u16string_view> order;
    for (const ControlEntry* entry : TabOrder(form))
        order.push_back(entry->name);
    EXPECT_EQ(order, (std::vector<std::u16string_view>{u"Bad", u"Plain", u"Top"}));
}

} // namespace
} // namespace ui
