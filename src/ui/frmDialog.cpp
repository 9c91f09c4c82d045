#include "ui/frmDialog.h"

#include "platform/Shell.h"
#include "service/IncidentLookup.h"
#include "ui/FormTables.h"
#include "ui/Windows.h"

namespace ui {

namespace {
constexpr ControlId Bt00{u"Bt00"};
constexpr ControlId Bt01{u"Bt01"};
constexpr ControlId Tx00{u"Tx00"};
constexpr ControlId Lb01{u"Lb01"};
} // namespace

frmDialog::frmDialog(Windows& windows) : Form(windows, FrmDialogTable()) {}

void frmDialog::OnLoad() {
    View().SetVisible(Bt00, Context().session.UsesTouchScreen != 0);
}

void frmDialog::Click(ControlId control) {
    if (control == Bt01)
        Lookup();
    else if (control == Bt00)
        platform::ShowOnScreenKeyboard(Context().os, [this] { View().SetFocus(Tx00); });
}

void frmDialog::KeyDown(ControlId control, int32_t keyCode) {
    if (control == Tx00 && keyCode == EnterKey)
        Lookup();
}

// Ignored while any request runs: one request at a time, one response file.
void frmDialog::Lookup() {
    windows.RunRequest([this] {
        const std::u16string markup = service::IncidentStatusMarkup(Context(), View().Text(Tx00));
        View().SetCaption(Lb01, markup);
    });
}

} // namespace ui
