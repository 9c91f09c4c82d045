#pragma once

#include "session/Context.h"
#include "ui/FormView.h"

#include <memory>

namespace ui {

class Splash;
class frmMain;
class FrmExplica;
class frmDialog;

// The one instance of each window, created the first time it is referred to, and what
// the windows share: the front end, the context and the service request under way.
class Windows {
public:
    Windows(session::Context& context, ViewFactory& views);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Splash& SplashWindow();
    frmMain& MainWindow();
    FrmExplica& SupportForm();
    frmDialog& LookupDialog();

    // Unloads the support-request form, then the main window.
    void CloseMainWindows();
    bool AnyLoaded() const;

    // One service request at a time: while a scope lives, RequestRunning is true;
    // windows whose closing waited for it close when the last scope ends.
    class RequestScope {
    public:
        explicit RequestScope(Windows& windows);
        ~RequestScope();
        RequestScope(const RequestScope&) = delete;
        RequestScope& operator=(const RequestScope&) = delete;

    private:
        Windows& windows;
    };
    bool RequestRunning() const { return requestsRunning > 0; }

    session::Context& Context() { return context; }
    ViewFactory& Views() { return views; }
    // Called by a window that has just been unloaded.
    void WindowUnloaded();

private:
    void ClosePendingWindows();

    session::Context& context;
    ViewFactory& views;
    int32_t requestsRunning = 0;
    std::unique_ptr<Splash> splash;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<FrmExplica> supportForm;
    std::unique_ptr<frmDialog> lookupDialog;
};

} // namespace ui
