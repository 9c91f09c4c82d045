// A failure inside a call the system makes into the program, here a screen reader's through
// a control's accessible object, is told over the window it concerns, in Spanish, and only
// that call fails: the program carries on.
#include "ThreadMessageBox.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"

#include <functional>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <stdexcept>
#include <string>

namespace {

using ui::win32::AccessibleFacts;

const std::u16string Unexpected =
    u"No se ha podido completar la operación por un error inesperado. Puede seguir usando el "
    u"programa; si el error se repite, póngase en contacto con el servicio técnico.";

struct Case {
    const char* name;
    const wchar_t* caption; // of the control's window
    std::function<HRESULT(IAccessible& object, VARIANT self)> call;
    std::function<AccessibleFacts()> facts;
    std::function<void()> act;
    std::u16string title, text;
};
const Case* current = nullptr;

// The control answers screen readers with the facts and action of the case.
LRESULT CALLBACK Answering(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETOBJECT)
        if (const LRESULT answer =
                ui::win32::AnswerGetObject(control, w, l, current->facts, current->act))
            return answer;
    return ::DefSubclassProc(control, message, w, l);
}

TEST(Win32Callbacks, AFailureIsToldOverItsWindowAndOnlyThatCallFails) {
    const Case cases[] = {
        {"a screen reader asks a control's name", L"Consultar incidencia",
         [](IAccessible& object, VARIANT self) {
             BSTR name = nullptr;
             const HRESULT result = object.get_accName(self, &name);
             ::SysFreeString(name);
             return result;
         },
         []() -> AccessibleFacts { throw std::runtime_error("sin nombre"); }, [] {},
         u"Consultar incidencia", Unexpected + u"\r\n\r\nDetalle: sin nombre"},
        {"a screen reader presses a control of a window without caption", L"",
         [](IAccessible& object, VARIANT self) { return object.accDoDefaultAction(self); },
         [] {
             AccessibleFacts facts;
             facts.action = L"Pulsar";
             return facts;
         },
         [] { throw 7; }, u"Asistencia Remota", Unexpected},
    };
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        current = &c;
        HWND window = ::CreateWindowExW(0, L"STATIC", c.caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        HWND control = ::CreateWindowExW(0, L"BUTTON", L"Buscar", WS_CHILD | WS_VISIBLE, 10, 10,
                                         100, 30, window, nullptr, nullptr, nullptr);
        ::SetWindowSubclass(control, Answering, 0, 0);
        IAccessible* object = nullptr;
        ::AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&object));
        ASSERT_NE(object, nullptr);

        HRESULT result = S_OK;
        const fixtures::BoxSaid said =
            fixtures::AnswerTheBoxDuring([&] { result = c.call(*object, self); });

        EXPECT_EQ(result, E_FAIL);
        EXPECT_TRUE(said.answered) << "no box was shown";
        EXPECT_EQ(said.title, c.title);
        EXPECT_EQ(said.text, c.text);
        object->Release();
        ::RemoveWindowSubclass(control, Answering, 0);
        ::DestroyWindow(window);
    }
}

} // namespace
