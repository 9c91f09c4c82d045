// What a screen reader gets from the Win32 front end's own accessible objects, under Wine.
#include "Win32Driver.h"
#include "text/Encoding.h"
#include "ui/FormTables.h"

#include <gtest/gtest.h>

namespace ui::test_support {
namespace {

// A new status text is announced to screen readers as it comes.
std::vector<HWND> announced;
void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        announced.push_back(window);
}

TEST(Win32Accessibility, ANewProgressTextIsAnnounced) {
    ShownWindow shown(FrmExplicaTable());
    auto [user, form, told, view] = shown.Parts();
    const ControlId bar{u"Pb00"};
    view->SetVisible(bar, true);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         Heard, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    announced.clear();
    view->SetCaption(bar, u"Enviando...");
    for (int i = 0; i < 50 && announced.empty(); ++i, Sleep(10))
        user->ProcessEvents();
    UnhookWinEvent(hook);
    EXPECT_EQ(announced, std::vector<HWND>{Control(form, bar)});
    EXPECT_EQ(user->AccessibleName(form, bar), u"Enviando...");
    view->Close();
}

// A screen reader's own press (its default action) presses a button and follows a link.
TEST(Win32Accessibility, AScreenReaderPressesButtonsAndLinks) {
    ShownWindow shown(FrmMainTable({}));
    auto [user, form, told, view] = shown.Parts();
    for (auto [control, action] :
         {std::pair{ControlId{u"Bt00"}, L"Presionar"}, {ControlId{u"Lb10", 2}, L"Saltar"}}) {
        IAccessible* object = Object(Control(form, control));
        ASSERT_TRUE(object);
        BSTR name = nullptr;
        EXPECT_EQ(object->get_accDefaultAction(Self(), &name), S_OK);
        EXPECT_EQ(std::wstring(name ? name : L""), action);
        SysFreeString(name);
        EXPECT_EQ(object->accDoDefaultAction(Self()), S_OK);
        object->Release();
        user->ProcessEvents();
    }
    EXPECT_EQ(told.clicks, (std::vector<ControlId>{{u"Bt00"}, {u"Lb10", 2}}));
    view->Close();
}

// A reader that takes the system's own object of a text box, not the box's answer, finds
// its name in the hidden static before it.
TEST(Win32Accessibility, TheSystemsOwnObjectOfATextBoxHasItsName) {
    ShownWindow shown(FrmExplicaTable());
    auto [user, form, told, view] = shown.Parts();
    for (auto [box, name] : {std::pair{u"Tx00", u"Explíquenos brevemente la incidencia o consulta "
                                                u"que quiere hacernos"},
                             {u"Tx01", u"Nombre"},
                             {u"Tx02", u"Teléfono"}}) {
        IAccessible* object = Object(Control(form, {box}), true);
        ASSERT_TRUE(object) << text::Utf16ToUtf8(box);
        EXPECT_EQ(NameOf(object), name);
    }
    view->Close();
}

} // namespace
} // namespace ui::test_support
