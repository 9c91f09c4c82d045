#pragma once

#include "session/Context.h"
#include "ui/FormView.h"

#include <functional>
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

    // One service request at a time: runs the request unless one already runs, and tells
    // whether it ran. While it runs, RequestRunning is true; windows whose closing waited
    // for it close when it ends, failed or not.
    bool RunRequest(const std::function<void()>& request);
    bool RequestRunning() const { return requestRunning; }

    session::Context& Context() { return context; }
    ViewFactory& Views() { return views; }
    // Called by a window that has just been unloaded.
    void WindowUnloaded();

private:
    void EndRequest();
    void ClosePendingWindows();

    session::Context& context;
    ViewFactory& views;
    bool requestRunning = false;
    std::unique_ptr<Splash> splash;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<FrmExplica> supportForm;
    std::unique_ptr<frmDialog> lookupDialog;
};

} // namespace ui
