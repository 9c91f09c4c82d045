#include "FakeWindows.h"
#include "text/Encoding.h"
#include "ui/FrmExplica.h"
#include "ui/frmDialog.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using namespace test_support;
using Log = std::vector<std::u16string>;

constexpr ControlId Bt00{u"Bt00"}, Bt01{u"Bt01"}, Tx00{u"Tx00"}, Tx01{u"Tx01"}, Tx02{u"Tx02"},
    Pb00{u"Pb00"}, Lb01{u"Lb01"};
constexpr char16_t Tool[] = u"C:\\Velmorn3\\Wget\\Wget.exe";
constexpr char16_t Reply[] = u"C:\\Velmorn3\\Wget\\respuesta.json";
const std::string Filed = R"({"ID":55,"MODIFICACIONES":[{"NUMERO":2402}]})";
const std::string Listing =
    R"({"SIZE":1,"RS":[{"ID":41,"NUMERO":2401,"FECHA":"2025-12-09 10:01:00"}]})";
const std::string Document =
    R"({"ID":41,"LINEAS":[{"ID":7,"OBSERVACION":{"ID":9,"OBSERVACION":"TeamViewer ID = 123456789"}}]})";

// The main window and its forms over a fetch tool that answers with the replies in turn,
// waiting `polls` polls each time.
struct RequestRun : UiRun {
    RequestRun(std::vector<std::string> replies, int32_t polls = 0) : replies(std::move(replies)) {
        os.ScriptProgram(Tool, {polls, 0, false, [this](std::u16string_view) {
                                    if (fetches < this->replies.size())
                                        os.SetFile(Reply, this->replies[fetches]);
                                    ++fetches;
                                }});
        windows.MainWindow().Show();
        main().events.Clicked(Bt00);
    }
    FakeView& main() { return views[u"frmMain"]; }
    FakeView& form() { return views[u"FrmExplica"]; }
    FakeView& dialog() { return views[u"frmDialog"]; }
    std::vector<std::string> replies;
    size_t fetches = 0;
};

TEST(RequestTest, SupportRequestTellsTheNumberOrTheFailureThenCloses) {
    const std::u16string erase = u"Borrando ficheros temporales...",
                         launch = u"Abriendo soporte remoto...", send = u"Enviando incidencia...";
    const struct {
        std::vector<std::string> replies;
        std::vector<std::u16string> progress;
        std::u16string title, text; // no text: not looked at
        platform::MessageIcon icon;
    } cases[] = {
        {{"", Filed},
         {erase, launch, send},
         u"Solicitud Enviada en el aviso 2402",
         u"Se registró su incidencia en el aviso número: \r\n\r\n2402\r\n\r\nTome nota de "
         u"este número para su seguimiento.\r\n\r\nUn operador se pondrá en contacto con "
         u"usted lo antes posible.\r\nGracias por su colaboración.",
         platform::MessageIcon::Information},
        {{Listing, Document, R"({"ID":41})"},
         {erase, send},
         u"Solicitud Enviada en el aviso 2401",
         u"",
         platform::MessageIcon::Information},
        {{},
         {erase, launch, send},
         u"Sin conexión",
         u"No fue posible registrar su incidencia. Por favor, póngase en contacto con el "
         u"servicio técnico de Lunadoro proporcionando su identificador (ID) para agilizar su "
         u"atención. Gracias.",
         platform::MessageIcon::Exclamation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Utf16ToUtf8(c.title));
        RequestRun run(c.replies);
        run.form()[Tx00].text = u"La impresora no imprime\r\nel logotipo";
        run.form()[Tx01].text = u"María Núñez";
        run.form()[Tx02].text = u"600 000 000";
        run.views.log.clear();

        run.form().events.Clicked(Bt00);

        EXPECT_TRUE(run.form()[Pb00].visible);
        EXPECT_EQ(run.form()[Pb00].captions, c.progress);
        const bool reused = c.progress.size() == 2;
        EXPECT_EQ(std::any_of(run.os.started.begin(), run.os.started.end(),
                              [](auto& p) { return p.commandLine.ends_with(u"TeamViewer.exe"); }),
                  !reused);
        EXPECT_EQ(run.session.AgentClientId, reused ? u"" : u"123456789");
        EXPECT_EQ(run.session.ContactName + u"|" + run.session.ContactPhone + u"|" +
                      run.session.ProblemText,
                  u"María Núñez|600 000 000|La impresora no imprime\r\nel logotipo");
        ASSERT_EQ(run.dialogs.messages.size(), 1u);
        EXPECT_EQ(run.dialogs.messages[0].icon, c.icon);
        EXPECT_EQ(c.text.empty() ? c.text : run.dialogs.messages[0].text, c.text);
        EXPECT_EQ(ClosesInAnyOrder(run.views.log),
                  ClosesInAnyOrder({u"message " + c.title, u"close frmMain", u"close FrmExplica",
                                    u"no window left"}));
    }
}

// While a request waits for its reply the windows still get events: none starts another
// request, and closing waits for the request to end.
TEST(RequestTest, NothingOverlapsARunningRequest) {
    RequestRun run({"", Filed}, 3);
    run.main().ClickLabel({u"Lb10", 3});
    bool acted = false;
    run.events.onPump = [&] {
        if (acted || run.fetches == 0)
            return;
        acted = true;
        run.form().events.Clicked(Bt00);
        run.dialog().events.KeyPressed(Tx00, frmDialog::EnterKey);
        run.dialog().events.Clicked(Bt01);
        EXPECT_FALSE(run.form().events.CloseRequested());
        run.main().events.CommandArrived(u"Cerrar");
        run.main().events.Clicked(Bt00);
    };
    bool mainOpenWhenTold = false;
    run.dialogs.onMessage = [&] { mainOpenWhenTold = run.windows.AnyLoaded(); };

    run.form().events.Clicked(Bt00);

    EXPECT_TRUE(acted);
    EXPECT_EQ(run.fetches, 2u) << "one check, one filing";
    EXPECT_TRUE(run.dialog()[Lb01].captions.empty()) << "no lookup";
    EXPECT_TRUE(mainOpenWhenTold);
    EXPECT_EQ(run.dialogs.messages.size(), 1u);
    EXPECT_FALSE(run.windows.AnyLoaded());
    EXPECT_EQ(std::count(run.views.log.begin(), run.views.log.end(), u"no window left"), 1);
}

// The same guard holds from the lookup's side: the support form sends nothing, and the dialog
// closed meanwhile closes once the lookup has shown its answer.
TEST(RequestTest, ALookupHoldsTheSupportRequestBack) {
    RequestRun run({R"({"ID":41,"CABECERA":{"NUMERO":2401,"ESTADO":1}})"}, 3);
    run.main().ClickLabel({u"Lb10", 3});
    run.dialog()[Tx00].text = u"2401";
    bool acted = false, closedAtOnce = true;
    run.events.onPump = [&] {
        if (acted || run.fetches == 0)
            return;
        acted = true;
        run.form().events.Clicked(Bt00);
        closedAtOnce = run.dialog().events.CloseRequested();
    };
    run.views.log.clear();

    run.dialog().events.Clicked(Bt01);

    EXPECT_TRUE(acted);
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(run.form()[Pb00].visible);
    EXPECT_TRUE(run.dialogs.messages.empty()) << "no support request told its result";
    EXPECT_NE(run.dialog()[Lb01].caption.find(u"Aviso número: 2401"), std::u16string::npos);
    EXPECT_EQ(run.views.log, Log{u"close frmDialog"});
}

// Without a touch screen the keyboard button stays hidden: FrontEndTest's Tab walk.
TEST(RequestTest, LookupDialogShowsTheStatusOnEnterOrClick) {
    RequestRun run({"", R"({"ID":41,"CABECERA":{"NUMERO":2401,"ESTADO":1}})"}, 2);
    run.session.UsesTouchScreen = -1;
    run.main().ClickLabel({u"Lb10", 3});
    FakeView& dialog = run.dialog();
    EXPECT_TRUE(dialog[Bt00].visible);
    dialog[Tx00].text = u"2401";
    dialog.events.KeyPressed(Tx00, 65);
    dialog.events.KeyPressed(Tx00, frmDialog::EnterKey);
    EXPECT_NE(dialog[Lb01].caption.find(u"No es posible conectar"), std::u16string::npos);
    dialog.events.Clicked(Bt01);
    EXPECT_NE(dialog[Lb01].caption.find(u"Aviso número: 2401"), std::u16string::npos);
    EXPECT_EQ(dialog[Tx00].text, u"2401");

    dialog.events.Clicked(Bt00);
    EXPECT_EQ(dialog.focus, u"Tx00");
    EXPECT_EQ(run.os.shellCalls.back().target, u"osk.exe");
}

} // namespace
} // namespace ui
