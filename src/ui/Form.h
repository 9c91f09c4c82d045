#pragma once

#include "session/Context.h"
#include "ui/FormTable.h"
#include "ui/FormView.h"
#include "ui/ViewEvents.h"

#include <memory>

namespace ui {

class Windows;

// What every window does alike: it is loaded from its table into a view of the front end,
// shown, and unloaded; the instance and its own variables outlive the window. A window
// that the user closes while a service request runs closes when the request has ended.
class Form : public FormEvents {
public:
    Form(Windows& windows, FormTable table);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    bool IsLoaded() const { return view != nullptr; }
    // Loads the window when it is not, then shows it modeless in front of its owner; a
    // window already shown comes forward.
    void Show(Form* owner = nullptr);
    // Loads the window and shows it modally; returns once it has been unloaded.
    void ShowModal();
    void Unload();
    bool CloseRequested() override;
    // Esc closes the window as its table says, never while a request runs.
    void Escape() override;

protected:
    void Load();
    // Runs once the view exists (the window's load handler).
    virtual void OnLoad() {}
    // Runs before the view goes.
    virtual void OnUnload() {}
    FormView& View();
    session::Context& Context();

    Windows& windows;

private:
    friend class Windows;
    void CloseIfPending();

    FormTable table;
    // What the view reports to this window: a failing handler is reported, never thrown
    // into the front end.
    ViewEvents viewEvents;
    std::unique_ptr<FormView> view;
    // A closed view lives on until the next load: its own event may still be running.
    std::unique_ptr<FormView> closedView;
    bool closePending = false;
    bool modal = false;
};

} // namespace ui
