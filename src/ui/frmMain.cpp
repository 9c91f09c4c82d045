#include "ui/frmMain.h"

#include "agent/AgentDiscovery.h"
#include "identity/InstallationPaths.h"
#include "platform/Shell.h"
#include "text/Encoding.h"
#include "ui/AgentIdText.h"
#include "ui/FormTables.h"
#include "ui/FrmExplica.h"
#include "ui/Windows.h"
#include "ui/frmDialog.h"

#include <exception>

namespace ui {

namespace {

constexpr ControlId Bt00{u"Bt00"};
constexpr ControlId Lb05{u"Lb05"};
constexpr ControlId Im10{u"Im10"};
constexpr std::u16string_view LinkLabels = u"Lb10";
constexpr std::u16string_view CloseCommand = u"Cerrar";

bool IsLink(ControlId control) {
    return control.name == LinkLabels && control.index >= 0 && control.index < frmMain::LinkCount;
}

} // namespace

frmMain::frmMain(Windows& windows) : Form(windows, FrmMainTable(windows.Context().config)) {}

void frmMain::OnLoad() {
    for (int32_t index = 0; index < LinkCount; ++index)
        SetLink(index, LinkNormal);
    View().SetCaption(Lb05, GroupAgentId(agent::GetAgentClientId(Context())));
}

// The forms it owns go with it.
void frmMain::OnUnload() {
    windows.SupportForm().Unload();
    windows.LookupDialog().Unload();
}

void frmMain::Click(ControlId control) {
    if (control == Bt00)
        ShowSupportForm();
    else if (IsLink(control) && control.index == 0)
        OpenHelpPage(u"/videotutoriales/");
    else if (IsLink(control) && control.index == 1)
        OpenHelpPage(u"/manual/");
    else if (IsLink(control) && control.index == 2)
        OpenHelpPage(u"/soporte/formacion");
    else if (IsLink(control) && control.index == 3)
        windows.LookupDialog().Show(this);
}

void frmMain::MouseMove(ControlId control) {
    if (control == ControlId{} || control == Im10)
        ResetLinkLabels();
    else if (IsLink(control) && linkColour[control.index] == LinkNormal)
        SetLink(control.index, LinkHover, true);
}

void frmMain::MouseDown(ControlId control) {
    if (IsLink(control) && linkColour[control.index] == LinkHover)
        SetLink(control.index, LinkPressed);
}

void frmMain::MouseUp(ControlId control) {
    if (IsLink(control) && linkColour[control.index] == LinkPressed)
        SetLink(control.index, LinkHover);
}

void frmMain::ResetLinkLabels() {
    for (int32_t index = 0; index < LinkCount; ++index)
        SetLink(index, LinkNormal, false);
}

void frmMain::Execute(std::u16string_view command) {
    if (command == CloseCommand)
        CloseRequested();
}

void frmMain::SetLink(int32_t index, uint32_t colour) {
    linkColour[index] = colour;
    View().SetForeColour({LinkLabels, index}, colour);
}

void frmMain::SetLink(int32_t index, uint32_t colour, bool underline) {
    SetLink(index, colour);
    View().SetUnderline({LinkLabels, index}, underline);
}

void frmMain::ShowSupportForm() {
    try {
        windows.SupportForm().Show(this);
    } catch (const std::exception& failure) {
        Context().dialogs.MessageBox(u"Asistencia Remota", text::Utf8ToUtf16(failure.what()),
                                     platform::MessageIcon::Critical);
    }
}

void frmMain::OpenHelpPage(std::u16string_view path) {
    const session::Context& context = Context();
    platform::ShellOpen(context.os, u"https://" + context.config.webHost + std::u16string(path),
                        identity::InstallDir(context), context.config.pathSeparator);
}

} // namespace ui
