#include "ui/FrmExplica.h"

#include "agent/AgentDiscovery.h"
#include "agent/AgentLaunch.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "service/IncidentFiling.h"
#include "service/OpenIncidentCheck.h"
#include "service/ServiceTransport.h"
#include "ui/FormTables.h"
#include "ui/Windows.h"

namespace ui {

namespace {

constexpr ControlId Bt00{u"Bt00"};
constexpr ControlId Bt01{u"Bt01"};
constexpr ControlId Tx00{u"Tx00"};
constexpr ControlId Tx01{u"Tx01"};
constexpr ControlId Tx02{u"Tx02"};
constexpr ControlId Pb00{u"Pb00"};

constexpr std::u16string_view NotFiledTitle = u"Sin conexión";
constexpr std::u16string_view NotFiledText =
    u"No fue posible registrar su incidencia. Por favor, póngase en contacto con el servicio "
    u"técnico de Lunadoro proporcionando su identificador (ID) para agilizar su atención. "
    u"Gracias.";
constexpr std::u16string_view FiledTitle = u"Solicitud Enviada en el aviso ";

std::u16string ConfirmationText(const std::u16string& number) {
    return u"Se registró su incidencia en el aviso número: \r\n\r\n" + number +
           u"\r\n\r\nTome nota de este número para su seguimiento.\r\n\r\n"
           u"Un operador se pondrá en contacto con usted lo antes posible.\r\n"
           u"Gracias por su colaboración.";
}

} // namespace

FrmExplica::FrmExplica(Windows& windows) : Form(windows, FrmExplicaTable()) {}

void FrmExplica::Click(ControlId control) {
    if (control == Bt00)
        Continue();
    else if (control == Bt01)
        platform::ShowOnScreenKeyboard(Context().os, [this] { View().SetFocus(Tx00); });
}

// Clicks while any request runs are ignored: one request at a time, one response file.
void FrmExplica::Continue() {
    const bool ran = windows.RunRequest([this] {
        View().SetVisible(Pb00, true);
        session::SessionState& session = Context().session;
        session.AgentClientId.clear();
        session.ProblemText.clear();
        session.ContactName.clear();
        session.ContactPhone.clear();
        RequestSupport();
    });
    if (ran)
        windows.CloseMainWindows();
}

void FrmExplica::RequestSupport() {
    session::Context& context = Context();
    ShowProgress(u"Borrando ficheros temporales...");
    platform::DeleteFiles(context.os, service::ResponseFilePath(context));
    service::CheckOpenIncident(context);
    if (context.session.OpenIncidentId < 1) {
        ShowProgress(u"Abriendo soporte remoto...");
        agent::LaunchAgent(context);
        context.session.AgentClientId = agent::GetAgentClientId(context);
    }
    context.session.ContactName = View().Text(Tx01);
    context.session.ContactPhone = View().Text(Tx02);
    context.session.ProblemText = View().Text(Tx00);
    ShowProgress(u"Enviando incidencia...");
    TellResult(service::FileIncident(context));
}

void FrmExplica::ShowProgress(std::u16string_view text) {
    View().SetCaption(Pb00, text);
}

void FrmExplica::TellResult(const std::u16string& number) {
    platform::Dialogs& dialogs = Context().dialogs;
    if (number.empty())
        dialogs.MessageBox(NotFiledTitle, NotFiledText, platform::MessageIcon::Exclamation);
    else
        dialogs.MessageBox(std::u16string(FiledTitle) + number, ConfirmationText(number),
                           platform::MessageIcon::Information);
}

} // namespace ui
