#include "ui/Windows.h"

#include "ui/FrmExplica.h"
#include "ui/Splash.h"
#include "ui/frmDialog.h"
#include "ui/frmMain.h"

namespace ui {

namespace {

template <typename Window> Window& Instance(std::unique_ptr<Window>& instance, Windows& windows) {
    if (!instance)
        instance = std::make_unique<Window>(windows);
    return *instance;
}

template <typename Window> bool Loaded(const std::unique_ptr<Window>& instance) {
    return instance && instance->IsLoaded();
}

} // namespace

Windows::Windows(session::Context& context, ViewFactory& views) : context(context), views(views) {}

Windows::~Windows() = default;

Splash& Windows::SplashWindow() {
    return Instance(splash, *this);
}

frmMain& Windows::MainWindow() {
    return Instance(main, *this);
}

FrmExplica& Windows::SupportForm() {
    return Instance(supportForm, *this);
}

frmDialog& Windows::LookupDialog() {
    return Instance(lookupDialog, *this);
}

void Windows::CloseMainWindows() {
    SupportForm().Unload();
    MainWindow().Unload();
}

bool Windows::AnyLoaded() const {
    return Loaded(splash) || Loaded(main) || Loaded(supportForm) || Loaded(lookupDialog);
}

void Windows::WindowUnloaded() {
    if (!AnyLoaded())
        views.NoWindowLeft();
}

// Owned windows first, as their owner takes them along.
void Windows::ClosePendingWindows() {
    if (supportForm)
        supportForm->CloseIfPending();
    if (lookupDialog)
        lookupDialog->CloseIfPending();
    if (main)
        main->CloseIfPending();
}

bool Windows::RunRequest(const std::function<void()>& request) {
    if (requestRunning)
        return false;
    requestRunning = true;
    try {
        request();
    } catch (...) {
        EndRequest();
        throw;
    }
    EndRequest();
    return true;
}

void Windows::EndRequest() {
    requestRunning = false;
    ClosePendingWindows();
}

} // namespace ui
