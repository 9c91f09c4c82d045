#include "ui/win32/Accessible.h"

#include "ui/win32/CallbackGuard.h"

#include <oleacc.h>
#include <utility>

#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
#define EVENT_OBJECT_LIVEREGIONCHANGED 0x8019
#endif

namespace ui::win32 {

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard object of the window, with the core's name and role in front of it. The
// methods that run the program's own code are guarded; the others only pass the call on.
// IID_IAccessible from MinGW's static oleacc does not hold the GUID: __uuidof does.
class Accessible final : public IAccessible {
public:
    Accessible(HWND window, IAccessible* standard, std::function<AccessibleFacts()> facts,
               std::function<void()> act)
        : window(window), standard(standard), facts(std::move(facts)), act(std::move(act)) {}
    ~Accessible() { standard->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references;
        if (!left)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* failure,
                                     UINT* wrong) override {
        return standard->Invoke(member, id, locale, flags, parameters, result, failure, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Guarded(window, E_FAIL, [&] {
            if (!IsSelf(child) || !::IsWindow(window))
                return standard->get_accName(child, name);
            if (!name)
                return E_POINTER;
            const std::wstring text = facts().name;
            *name = text.empty() ? nullptr : ::SysAllocStringLen(text.data(), UINT(text.size()));
            return text.empty() ? S_FALSE : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Guarded(window, E_FAIL, [&] {
            if (!IsSelf(child) || !::IsWindow(window))
                return standard->get_accValue(child, value);
            const AccessibleFacts now = facts();
            if (!now.hasValue)
                return standard->get_accValue(child, value);
            if (!value)
                return E_POINTER;
            *value = ::SysAllocStringLen(now.value.data(), UINT(now.value.size()));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Guarded(window, E_FAIL, [&] {
            if (!IsSelf(child) || !::IsWindow(window))
                return standard->get_accRole(child, role);
            if (!role)
                return E_POINTER;
            role->vt = VT_I4;
            role->lVal = facts().role;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Guarded(window, E_FAIL, [&] {
            const HRESULT result = standard->get_accState(child, state);
            if (SUCCEEDED(result) && IsSelf(child) && ::IsWindow(window) && state->vt == VT_I4)
                state->lVal |= facts().state;
            return result;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Guarded(window, E_FAIL, [&] {
            if (!IsSelf(child) || !::IsWindow(window))
                return standard->get_accDefaultAction(child, action);
            if (!action)
                return E_POINTER;
            const std::wstring name = facts().action;
            *action = name.empty() ? nullptr : ::SysAllocStringLen(name.data(), UINT(name.size()));
            return name.empty() ? S_FALSE : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Guarded(window, E_FAIL, [&] {
            if (!IsSelf(child) || !::IsWindow(window))
                return standard->accDoDefaultAction(child);
            if (facts().action.empty())
                return HRESULT{DISP_E_MEMBERNOTFOUND};
            act();
            return HRESULT{S_OK};
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard->put_accValue(child, value);
    }

private:
    ULONG references = 1;
    HWND window;
    IAccessible* standard;
    std::function<AccessibleFacts()> facts;
    std::function<void()> act;
};

} // namespace

LRESULT AnswerGetObject(HWND control, WPARAM w, LPARAM l, std::function<AccessibleFacts()> facts,
                        std::function<void()> act) {
    if (static_cast<LONG>(static_cast<DWORD>(l)) != OBJID_CLIENT)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* object = new Accessible(control, standard, std::move(facts), std::move(act));
    const LRESULT answer = ::LresultFromObject(__uuidof(IAccessible), w, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

void AnnounceChange(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace ui::win32
