// The real windows of a front end over the portable core, driven as a user drives them.
// The same cases run over the Qt front end offscreen and over the Win32 one under Wine.
#include "FrontEnd.h"

#include "service/IncidentLookup.h"
#include "service/StatusView.h"
#include "text/Encoding.h"
#include "ui/FormTables.h"
#include "ui/Splash.h"
#include "ui/TermsText.h"
#include "ui/frmMain.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace ui {
namespace {

using namespace test_support;

// The program over the fake OS and dialogs, with this front end's windows.
struct Program {
    Program() {
        os.SetRegistryDword(Hklm, AgentKey, u"ClientID", 1234567890);
        os.sysColors[platform::ColorGradientActiveCaption] = 0x00FF00;
    }
    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, Installation};
    bool over = false;
    std::unique_ptr<FrontEnd> user = MakeFrontEnd(os, [this] { over = true; });
    Windows windows{context, user->Views()};
    const FormTable splash = SplashTable(), main = FrmMainTable(Installation),
                    form = FrmExplicaTable(), dialog = FrmDialogTable();
};

std::string Utf8(std::u16string_view text) {
    return text::Utf16ToUtf8(text);
}

constexpr ControlId Bt00{u"Bt00"}, Bt01{u"Bt01"}, Ch00{u"Ch00"}, Tx00{u"Tx00"}, Lb00{u"Lb00"},
    Lb01{u"Lb01"};
ControlId Link(int32_t index) {
    return {u"Lb10", index};
}

TEST(FrontEnd, EveryWindowIsItsTableInPixels) {
    Program program;
    ASSERT_EQ(program.user->DotsPerInch(), 96);
    struct Row {
        const FormTable& form;
        PixelRect client;
        ControlId control;
        PixelRect place;
    };
    const Row rows[] = {{program.splash, {0, 0, 497, 439}, Bt00, {328, 384, 161, 41}},
                        {program.main, {0, 0, 797, 631}, Bt00, {272, 256, 265, 41}},
                        {program.form, {0, 0, 0, 0}, {}, {}},
                        {program.dialog, {0, 0, 560, 480}, Tx00, {80, 52, 400, 48}}};
    for (const Row& row : rows) {
        FormEvents none;
        ViewEvents events(row.form, none, [](std::u16string_view) {});
        auto view = program.user->Views().CreateView(events);
        view->Show(nullptr);
        const FormTable& form = row.form;
        EXPECT_EQ(program.user->Title(form), form.caption);
        if (row.client.width) {
            EXPECT_EQ(program.user->ClientArea(form), row.client) << Utf8(form.name);
            EXPECT_EQ(program.user->Place(form, row.control), row.place) << Utf8(form.name);
        }
        for (const ControlEntry& entry : form.controls) {
            const ControlId id{entry.name, entry.index};
            if (entry.kind == ControlKind::Picture)
                continue; // painted into the background by some front ends
            EXPECT_EQ(program.user->IsVisible(form, id), entry.visible) << Utf8(entry.name);
            if (entry.kind == ControlKind::Label || entry.kind == ControlKind::PushButton ||
                entry.kind == ControlKind::CheckBox) {
                EXPECT_EQ(program.user->Caption(form, id), entry.caption) << Utf8(entry.name);
            }
        }
        EXPECT_THROW(view->SetVisible({u"Nada"}, true), std::out_of_range);
        view->Close();
        view->SetCaption({u"Nada"}, u"x"); // a closed view does nothing
        EXPECT_EQ(view->Text(Tx00), u"");
    }
}

TEST(FrontEnd, TheTermsAreAcceptedOnlyWithTheBoxTickedAndContinuar) {
    const struct {
        int ticks;
        bool viaContinue;
        bool accepted;
    } rows[] = {{1, true, true}, {0, true, false}, {1, false, false}, {2, true, false}};
    for (const auto& row : rows) {
        Program program;
        program.user->WhenShown(program.splash, [&] {
            for (int i = 0; i < row.ticks; ++i)
                program.user->Click(program.splash, Ch00);
            if (row.viaContinue)
                program.user->Click(program.splash, Bt00);
            else
                program.user->CloseBox(program.splash);
        });
        EXPECT_EQ(program.windows.SplashWindow().Seguir(), row.accepted);
        EXPECT_FALSE(program.user->IsShown(program.splash));
    }
}

TEST(FrontEnd, LinksFollowThePointerAndAFailingOneIsToldAndForgotten) {
    Program program;
    program.windows.MainWindow().Show();
    FrontEnd& user = *program.user;
    const FormTable& main = program.main;
    const struct {
        void (FrontEnd::*act)(const FormTable&, ControlId);
        ControlId control;
        uint32_t colour;
        bool underlined;
    } steps[] = {{&FrontEnd::MovePointer, Link(1), 0xFF0000, true},
                 {&FrontEnd::PressPointer, Link(1), 0x0000FF, true},
                 {&FrontEnd::ReleasePointer, Link(1), 0xFF0000, true},
                 {&FrontEnd::MovePointer, {}, 0x000000, false}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        (user.*steps[i].act)(main, steps[i].control);
        user.ProcessEvents();
        EXPECT_EQ(user.TextColour(main, Link(1)), steps[i].colour) << "step " << i;
        EXPECT_EQ(user.IsUnderlined(main, Link(1)), steps[i].underlined) << "step " << i;
    }
    ASSERT_EQ(program.os.shellCalls.size(), 1u);
    EXPECT_EQ(program.os.shellCalls[0].target, u"https://ayuda.example.net/manual/");

    program.os.shellFails = true;
    user.Click(main, Link(2));
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, main.caption);
    EXPECT_EQ(program.dialogs.messages[0].text, HandlerFailureText(u"ShellExecute failed"));
    program.os.shellFails = false;
    user.Click(main, Link(2));
    EXPECT_EQ(program.os.shellCalls.size(), 2u);

    user.Click(main, Bt00);
    user.Click(main, Bt00);
    EXPECT_TRUE(user.IsShown(program.form));
    user.Click(main, Link(3));
    EXPECT_TRUE(user.IsShown(program.dialog));
    user.CloseBox(main);
    user.ProcessEvents();
    EXPECT_TRUE(program.over);
    EXPECT_FALSE(user.IsShown(program.dialog));
}

TEST(FrontEnd, EnterLooksTheNumberUpAndALookupWaitingIgnoresMore) {
    Program program;
    program.os.ScriptProgram(u"C:\\Velmorn3\\Wget\\Wget.exe", {.pollsUntilExit = 3});
    program.windows.MainWindow().Show();
    FrontEnd& user = *program.user;
    user.Click(program.main, Link(3));
    user.Type(program.dialog, Tx00, u"123");
    program.events.onPump = [&] {
        user.PressEnter(program.dialog, Tx00);
        user.Click(program.dialog, Bt01);
    };
    user.PressEnter(program.dialog, Tx00);
    EXPECT_EQ(program.os.started.size(), 1u);
    EXPECT_EQ(user.Caption(program.dialog, Lb01), service::NoConnectionMarkup);
    program.windows.CloseMainWindows();
}

TEST(FrontEnd, OnlyTheExactCloseCommandFromAnotherProgramClosesTheMainWindow) {
    Program program;
    program.windows.MainWindow().Show();
    for (auto [command, closes] : {std::pair{u"cerrar", false}, {u"Cerrar", true}}) {
        const std::optional<bool> accepted = program.user->SendCloseCommand(command);
        if (!accepted)
            GTEST_SKIP() << "this system cannot send the command here";
        EXPECT_FALSE(*accepted) << "delivered, never accepted";
        program.user->ProcessEvents();
        EXPECT_EQ(program.user->IsShown(program.main), !closes);
    }
    EXPECT_TRUE(program.over);
}

// Every colour of each markup text of the program shows in its painting, the system's
// colour among them; content taller than the label scrolls, shorter content does not.
TEST(FrontEnd, MarkupLabelsPaintEveryColourAndScrollOnlyWhenTooTall) {
    Program program;
    FormEvents none;
    ViewEvents events(program.dialog, none, [](std::u16string_view) {});
    auto view = program.user->Views().CreateView(events);
    view->Show(nullptr);
    const auto incident = json::clsJson().parse(
        u"{\"ID\":7,\"CABECERA\":{\"NUMERO\":\"A-77\",\"FECHA\":\"01/12/2025\",\"ESTADO\":"
        u"\"Abierta\"},\"LINEAS\":[{\"ID\":1,\"FECHA\":\"01/12/2025\",\"OBSERVACION\":{\"ID\":2,"
        u"\"OBSERVACION\":\"Impresora sin papel en el almacén\"},\"OPERADOR\":{\"DESCRIPCION\":"
        u"\"Ana\",\"GRUPO\":\"Soporte\"}}]}");
    const std::u16string terms = TermsMarkup(u"(+34) 900 000 000");
    for (const std::u16string& markup :
         {terms, std::u16string(service::NotFoundMarkup), std::u16string(service::NoDataMarkup),
          std::u16string(service::NoConnectionMarkup),
          service::StatusView(program.context, incident)}) {
        view->SetCaption(Lb01, markup);
        program.user->ProcessEvents();
        const std::set<uint32_t> painted = program.user->PaintedColours(program.dialog, Lb01);
        for (uint32_t colour : program.user->LaidOutColours(program.dialog, Lb01))
            EXPECT_TRUE(painted.count(colour)) << std::hex << colour;
    }
    EXPECT_TRUE(program.user->LaidOutColours(program.dialog, Lb01).size() > 1);
    view->SetCaption(Lb01, terms);
    EXPECT_TRUE(program.user->LaidOutColours(program.dialog, Lb01)
                    .count(program.user->GradientActiveCaption()));
    std::u16string lines = u"<TextBlock>";
    for (int line = 0; line < 40; ++line)
        lines += u"línea<LineBreak/>";
    view->SetCaption(Lb01, lines + u"</TextBlock>");
    program.user->ProcessEvents();
    EXPECT_TRUE(program.user->Scrolls(program.dialog, Lb01));
    view->SetCaption(Lb01, u"<TextBlock Text='corto'/>");
    program.user->ProcessEvents();
    EXPECT_FALSE(program.user->Scrolls(program.dialog, Lb01));
    view->Close();
}

} // namespace
} // namespace ui
