#include "ui/Splash.h"

#include "ui/FormTables.h"
#include "ui/TermsText.h"

namespace ui {

namespace {
constexpr ControlId Lb00{u"Lb00"};
constexpr ControlId Ch00{u"Ch00"};
constexpr ControlId Bt00{u"Bt00"};
} // namespace

Splash::Splash(Windows& windows) : Form(windows, SplashTable()) {}

bool Splash::Seguir() {
    ShowModal();
    return AcceptedTerms != 0;
}

void Splash::OnLoad() {
    View().SetCaption(Lb00, TermsMarkup(Context().config.standbyPhone));
}

// The tick box has no handler: only the continue button reads it.
void Splash::Click(ControlId control) {
    if (control != Bt00)
        return;
    AcceptedTerms = View().IsChecked(Ch00) ? -1 : 0;
    Unload();
}

} // namespace ui
