// The real windows of a front end over the portable core, driven as a user drives them.
// The same cases run over the Qt front end offscreen and over the Win32 one under Wine.
#include "FrontEnd.h"

#include "FormViewContract.h"
#include "Wcag.h"
#include "service/IncidentLookup.h"
#include "service/StatusView.h"
#include "text/Encoding.h"
#include "ui/FormTables.h"
#include "ui/Splash.h"
#include "ui/TermsText.h"
#include "ui/frmMain.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>
#include <list>
#include <stdexcept>

namespace ui {
namespace {

using namespace test_support;

constexpr ControlId Bt00{u"Bt00"}, Bt01{u"Bt01"}, Ch00{u"Ch00"}, Tx00{u"Tx00"}, Lb00{u"Lb00"},
    Lb01{u"Lb01"};

// The program over the fake OS, with this front end's windows, and its message boxes or
// fake ones.
struct Program {
    explicit Program(bool realDialogs = false) : realDialogs(realDialogs) {
        os.SetRegistryDword(Hklm, AgentKey, u"ClientID", 1234567890);
    }
    bool realDialogs;
    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    bool over = false;
    std::unique_ptr<FrontEnd> user = MakeFrontEnd(os, [this] { over = true; });
    session::Context context{os, realDialogs ? user->Dialogs() : dialogs, events, session,
                             Installation};
    Windows windows{context, user->Views()};
    const FormTable splash = SplashTable(), main = FrmMainTable(Installation),
                    form = FrmExplicaTable(), dialog = FrmDialogTable();

    // A window of a table shown on its own, telling nothing; the terms with their text.
    std::unique_ptr<FormView> ShowAlone(const FormTable& table, bool withTerms = false) {
        auto view =
            user->Views().CreateView(alone.emplace_back(table, none, [](std::u16string_view) {}));
        if (withTerms)
            view->SetCaption(Lb00, TermsMarkup(u"(+34) 900 000 000"));
        view->Show(nullptr);
        return view;
    }
    FormEvents none;
    std::list<ViewEvents> alone;
};

std::string Utf8(std::u16string_view text) {
    return text::Utf16ToUtf8(text);
}

ControlId Link(int32_t index) {
    return {u"Lb10", index};
}
using Key = FrontEnd::Key;
using Mouse = FrontEnd::Mouse;

// Each picture placed on the window itself shows: more than one colour where it stands.
void ExpectPicturesPainted(FrontEnd& user, const FormTable& form) {
    const Picture shown = user.Capture(form);
    for (const ControlEntry& entry : form.controls) {
        if (entry.kind != ControlKind::Picture || entry.picture.empty() || !entry.visible ||
            !entry.container.empty())
            continue;
        const PixelRect place = Pixels(entry.place, 96);
        std::set<uint32_t> colours;
        for (int y = place.top; y < std::min(place.top + place.height, shown.height); ++y)
            for (int x = place.left; x < std::min(place.left + place.width, shown.width); ++x)
                colours.insert(shown.At(x, y));
        EXPECT_GT(colours.size(), 1u) << Utf8(form.name) << " " << Utf8(entry.name);
    }
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
        auto view = program.ShowAlone(row.form);
        const FormTable& form = row.form;
        EXPECT_EQ(program.user->Title(form), form.caption);
        if (row.client.width) {
            EXPECT_EQ(program.user->ClientArea(form), row.client) << Utf8(form.name);
            EXPECT_EQ(program.user->Place(form, row.control), row.place) << Utf8(form.name);
        }
        for (const ControlEntry& entry : form.controls) {
            const ControlId id{entry.name, entry.index};
            if (RoleOf(entry) == Role::Hidden)
                continue; // decorations, painted into the window's background
            EXPECT_EQ(program.user->IsVisible(form, id), entry.visible) << Utf8(entry.name);
            if (entry.kind == ControlKind::Label || entry.kind == ControlKind::PushButton ||
                entry.kind == ControlKind::CheckBox) {
                EXPECT_EQ(program.user->Caption(form, id), entry.caption) << Utf8(entry.name);
            }
        }
        ExpectPicturesPainted(*program.user, form);
        ExpectTheFormViewContract(*view, Tx00, {u"Ch00"});
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
        Mouse action;
        ControlId control;
        uint32_t colour;
        bool underlined;
    } steps[] = {{Mouse::Move, Link(1), 0xFF0000, true},
                 {Mouse::Press, Link(1), 0x0000FF, true},
                 {Mouse::Release, Link(1), 0xFF0000, true},
                 {Mouse::Move, {}, 0x000000, false}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        user.UseMouse(main, steps[i].control, steps[i].action);
        user.ProcessEvents();
        EXPECT_EQ(user.TextColour(main, Link(1)), steps[i].colour) << "step " << i;
        EXPECT_EQ(user.IsUnderlined(main, Link(1)), steps[i].underlined) << "step " << i;
    }
    program.os.shellFails = true;
    user.Click(main, Link(2));
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, main.caption);
    EXPECT_EQ(program.dialogs.messages[0].text,
              u"No se ha podido completar la operación por un error inesperado. Puede seguir "
              u"usando el programa; si el error se repite, póngase en contacto con el servicio "
              u"técnico.\r\n\r\nDetalle: ShellExecute failed");
    program.os.shellFails = false;
    user.Click(main, Link(2));
    EXPECT_EQ(program.os.shellCalls.size(), 2u) << "the release over the link clicked it too";

    user.Click(main, Link(3));
    EXPECT_TRUE(user.IsShown(program.dialog));
    user.CloseBox(main);
    user.ProcessEvents();
    EXPECT_TRUE(program.over);
    EXPECT_FALSE(user.IsShown(program.dialog));
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
    program.user->UseScheme({.gradientActiveCaption = 0x00FF00});
    auto view = program.ShowAlone(program.dialog);
    const auto incident = json::clsJson().parse(
        u"{\"ID\":7,\"CABECERA\":{\"NUMERO\":\"A-77\",\"FECHA\":\"01/12/2025\",\"ESTADO\":"
        u"\"Abierta\"},\"LINEAS\":[{\"ID\":1,\"FECHA\":\"01/12/2025\",\"OBSERVACION\":{\"ID\":2,"
        u"\"OBSERVACION\":\"Impresora sin papel en el almacén\"},\"OPERADOR\":{\"DESCRIPCION\":"
        u"\"Ana\",\"GRUPO\":\"Soporte\"}}]}");
    const std::u16string terms = TermsMarkup(u"(+34) 900 000 000");
    // The colours each text names, as Windows' 0x00BBGGRR: the system's caption gradient
    // (green here), Red, the grey border; LightGreen, the status's #f9f9f9, Blue; the
    // window's text.
    const struct {
        std::u16string markup;
        std::set<uint32_t> colours;
    } texts[] = {{terms, {0x00FF00, 0x0000FF, 0x767676}},
                 {std::u16string(service::NotFoundMarkup), {0x000000}},
                 {std::u16string(service::NoDataMarkup), {0x000000}},
                 {std::u16string(service::NoConnectionMarkup), {0x000000}},
                 {service::StatusView(program.context, incident), {0x90EE90, 0xF9F9F9, 0xFF0000}}};
    for (const auto& text : texts) {
        view->SetCaption(Lb01, text.markup);
        program.user->ProcessEvents();
        const std::set<uint32_t> painted = program.user->PaintedColours(program.dialog, Lb01);
        for (uint32_t colour : text.colours)
            EXPECT_TRUE(painted.count(colour)) << std::hex << colour;
    }
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
    program.user->UseScheme({});
}

// A window asked for again while it is open comes back as the user left it, never as a
// second one; the keyboard on the screen leaves the cursor in the box the user types in.
TEST(FrontEnd, AnOpenWindowComesBackAsLeftAndTheScreenKeyboardKeepsTheCursorInItsBox) {
    Program program;
    FrontEnd& user = *program.user;
    program.session.UsesTouchScreen = -1;
    program.windows.MainWindow().Show();
    const struct {
        const FormTable& window;
        ControlId opener, keyboard;
    } asked[] = {{program.form, Bt00, Bt01}, {program.dialog, Link(3), Bt00}};
    for (const auto& ask : asked) {
        SCOPED_TRACE(Utf8(ask.window.name));
        user.Click(program.main, ask.opener);
        user.Type(ask.window, Tx00, u"77");
        user.Minimise(ask.window);
        user.ProcessEvents();
        ASSERT_TRUE(user.IsMinimised(ask.window));
        user.Click(program.main, ask.opener);
        user.ProcessEvents();
        EXPECT_FALSE(user.IsMinimised(ask.window));
        EXPECT_TRUE(user.IsActive(ask.window));
        EXPECT_EQ(user.AccessibleText(ask.window, Tx00), u"77");

        user.PressKey(ask.window, Key::ShiftTab); // off the box
        ASSERT_NE(user.Focused(ask.window), Tx00);
        const size_t started = program.os.shellCalls.size();
        user.Click(ask.window, ask.keyboard);
        ASSERT_EQ(program.os.shellCalls.size(), started + 1);
        EXPECT_EQ(program.os.shellCalls.back().target, u"osk.exe");
        EXPECT_EQ(user.Focused(ask.window), Tx00);
    }
    program.windows.CloseMainWindows();
}

// Each window's stops in Tab order from its first one. The lookup has no keyboard button,
// and its result box is a stop only once a status shows in it.
struct Walk {
    const FormTable& form;
    std::vector<ControlId> path;
};
std::vector<Walk> TabStops(const Program& program, bool statusShown) {
    return {{program.splash, {Lb00, Ch00, Bt00}},
            {program.main, {Bt00, Link(0), Link(1), Link(2), Link(3)}},
            {program.form, {Tx00, {u"Tx01"}, {u"Tx02"}, Bt00, Bt01}},
            {program.dialog, statusShown ? std::vector<ControlId>{Tx00, Lb01, Bt01}
                                         : std::vector<ControlId>{Tx00, Bt01}}};
}

// The focus path of each window, Tab forwards and Shift+Tab back round, from its first stop.
TEST(FrontEnd, TabWalksEachWindowsStopsInOrderAndBackRound) {
    Program program;
    FrontEnd& user = *program.user;
    const auto walks = TabStops(program, false);
    program.windows.MainWindow().Show();
    for (const auto& walk : walks) {
        const FormTable& form = walk.form;
        if (&form == &program.form) // the main window's walk is done: the mouse opens these
            user.Click(program.main, Bt00);
        if (&form == &program.dialog)
            user.Click(program.main, Link(3));
        std::unique_ptr<FormView> terms;
        if (&form == &program.splash) {
            terms = program.ShowAlone(form, true);
            user.ProcessEvents();
        }
        EXPECT_EQ(user.Focused(form), walk.path[0]) << Utf8(form.name) << " first";
        for (size_t step = 1; step <= walk.path.size(); ++step) {
            user.PressKey(form, Key::Tab);
            EXPECT_EQ(user.Focused(form), walk.path[step % walk.path.size()])
                << Utf8(form.name) << " Tab " << step;
        }
        user.PressKey(form, Key::ShiftTab);
        EXPECT_EQ(user.Focused(form), walk.path.back()) << Utf8(form.name) << " Shift+Tab";
        if (terms)
            terms->Close();
    }
    program.windows.CloseMainWindows();
}

// The terms, the links, the lookup and a support request from the keyboard alone: Enter and
// Space press, Tab leaves the problem box with no tab in it, Esc keeps typed text.
TEST(FrontEnd, EveryActionIsDoneWithTheKeyboardAlone) {
    for (auto [keys, accepted] :
         {std::pair{std::vector{Key::Tab, Key::Space, Key::Tab, Key::Enter}, true},
          {std::vector{Key::Escape}, false}}) {
        Program program;
        program.user->WhenShown(program.splash, [&, keys = keys] {
            for (Key key : keys)
                program.user->PressKey(program.splash, key);
        });
        EXPECT_EQ(program.windows.SplashWindow().Seguir(), accepted);
    }

    Program program(true);
    FrontEnd& user = *program.user;
    program.os.ScriptProgram(u"C:\\Velmorn3\\Wget\\Wget.exe", {.pollsUntilExit = 1});
    program.windows.MainWindow().Show();
    user.ProcessEvents();
    for (Key key : {Key::Tab, Key::Tab, Key::Space}) // Manuales
        user.PressKey(program.main, key);
    ASSERT_EQ(program.os.shellCalls.size(), 1u);
    EXPECT_EQ(program.os.shellCalls[0].target, u"https://ayuda.example.net/manual/");
    for (Key key : {Key::Tab, Key::Tab, Key::Enter}) // ¿Qué hay de mi incidencia?
        user.PressKey(program.main, key);
    ASSERT_TRUE(user.IsShown(program.dialog));
    user.Type(program.dialog, user.Focused(program.dialog), u"77");
    user.PressKey(program.dialog, Key::Enter);
    EXPECT_EQ(user.Focused(program.dialog), Tx00);
    user.PressKey(program.dialog, Key::Tab); // the answer is a stop now
    EXPECT_EQ(user.Focused(program.dialog), Lb01);
    EXPECT_EQ(user.AccessibleName(program.dialog, Lb01), u"Estado del aviso");
    EXPECT_EQ(user.AccessibleText(program.dialog, Lb01),
              u"No es posible conectar con el servidor.");
    user.PressKey(program.dialog, Key::Escape);
    EXPECT_FALSE(user.IsShown(program.dialog));

    user.PressKey(program.main, Key::Tab); // round to the support button
    user.PressKey(program.main, Key::Enter);
    ASSERT_TRUE(user.IsShown(program.form));
    user.PressKey(program.form, Key::Escape); // nothing typed: it closes
    EXPECT_FALSE(user.IsShown(program.form));
    user.PressKey(program.main, Key::Enter);
    user.Type(program.form, user.Focused(program.form), u"Sin papel");
    user.PressKey(program.form, Key::Tab);
    user.Type(program.form, user.Focused(program.form), u"Ana");
    user.PressKey(program.form, Key::Escape); // typed text is never thrown away
    ASSERT_TRUE(user.IsShown(program.form));
    user.PressKey(program.form, Key::Tab);
    user.PressKey(program.form, Key::Tab);
    EXPECT_EQ(user.Focused(program.form), Bt00);
    std::u16string told;
    user.AnswerNextDialog(Key::Enter, {}, &told);
    user.PressKey(program.form, Key::Enter);
    EXPECT_EQ(program.session.ProblemText, u"Sin papel");
    EXPECT_EQ(program.session.ContactName, u"Ana");
    EXPECT_NE(told.find(u"No fue posible registrar su incidencia"), std::u16string::npos);
    EXPECT_TRUE(program.over);

    std::u16string prompt;
    user.AnswerNextDialog(Key::Enter, u"Bazar Ñandú", &prompt);
    EXPECT_EQ(user.Dialogs().InputBox(u"Nombre de la empresa", u"Empresa", u""), u"Bazar Ñandú");
    EXPECT_EQ(prompt, u"Nombre de la empresa");
    user.AnswerNextDialog(Key::Escape, u"no", &prompt);
    EXPECT_EQ(user.Dialogs().InputBox(u"Nombre de la empresa", u"Empresa", u""), std::nullopt);
}

// What a screen reader reads of every control: hidden decorations, the names the captions do
// not give, the markup's words, and the ID beside the picture that says "Su ID".
TEST(FrontEnd, AScreenReaderHearsARoleAndANameForEveryControl) {
    Program program;
    FrontEnd& user = *program.user;
    const struct {
        const FormTable& form;
        ControlId control;
        Role role;
        std::u16string name;
    } rows[] = {
        {program.main, {u"Im10"}, Role::Hidden, u""},
        {program.main, {u"Gr00"}, Role::Hidden, u""},
        {program.main, Bt00, Role::PushButton, u"Solicitar Soporte Técnico"},
        {program.main, {u"Lb03"}, Role::Label, u"Bienvenido al Soporte Técnico de Lunadoro"},
        {program.main, {u"Lb05"}, Role::Label, u"Su ID 1.234.567.890"},
        {program.main, Link(3), Role::Link, u"¿Qué hay de mi incidencia?"},
        {program.form, Bt01, Role::PushButton, u"Teclado en pantalla"},
        {program.form, Tx00, Role::TextBox,
         u"Explíquenos brevemente la incidencia o consulta que quiere hacernos"},
        {program.form, {u"Tx01"}, Role::TextBox, u"Nombre"},
        {program.form, {u"Tx02"}, Role::TextBox, u"Teléfono"},
        {program.form, {u"Pb00"}, Role::ProgressBar, u"Estableciendo conexión..."},
        {program.form, {u"Im00"}, Role::Hidden, u""},
        {program.dialog, Tx00, Role::TextBox, u"Número de aviso"},
        {program.dialog, Bt01, Role::PushButton, u"Consultar"},
        {program.dialog, Lb01, Role::Text, u"Estado del aviso"},
    };
    program.windows.MainWindow().Show();
    user.Click(program.main, Bt00);
    user.Click(program.main, Link(3));
    for (const auto& row : rows) {
        EXPECT_EQ(user.AccessibleRole(row.form, row.control), row.role) << Utf8(row.name);
        if (row.role != Role::Hidden) {
            EXPECT_EQ(user.AccessibleName(row.form, row.control), row.name) << Utf8(row.name);
        }
    }
    program.windows.CloseMainWindows();

    auto terms = program.ShowAlone(program.splash, true);
    EXPECT_EQ(user.AccessibleRole(program.splash, Lb00), Role::Text);
    EXPECT_EQ(
        user.AccessibleName(program.splash, Lb00),
        u"AUTORIZO al personal del servicio de asistencia técnica de Lunadoro S.A. a tomar "
        u"el control remoto de su ordenador para resolución de incidencias o dudas sobre el "
        u"uso de la aplicación Velmorn.\nNuestro horario de atención es de Lunes a Viernes de "
        u"8:30 a 18:30 (UTC +00:00). Sábados y domingos se atenderá al teléfono de guardia: "
        u"(+34) 900 000 000.");
    terms->Close();
}

// On a till's screen (800 x 600 for Qt, a work area of 640 x 400 for Win32: each front end's
// cases run once more so) the main window fits the work area and scrolls: its button and
// links keep their height at 96 dpi (a link is as wide as its words in the system's font),
// and Tab brings each link into view.
TEST(FrontEnd, OnASmallScreenTheMainWindowFitsAndItsControlsKeepTheirSize) {
    Program program;
    FrontEnd& user = *program.user;
    program.windows.MainWindow().Show();
    user.ProcessEvents();
    ASSERT_EQ(user.DotsPerInch(), 96) << "the sizes below are at 96 dpi";
    const PixelRect work = user.WorkArea(), client = user.ClientArea(program.main);
    EXPECT_LE(client.width, work.width);
    EXPECT_LE(client.height, work.height);
    const PixelRect button = user.Place(program.main, Bt00);
    EXPECT_EQ(std::pair(button.width, button.height), std::pair(265, 41));
    for (int32_t link = 0; link < 4; ++link) {
        user.PressKey(program.main, Key::Tab);
        const PixelRect place = user.Place(program.main, Link(link));
        EXPECT_EQ(place.height, 20) << link;
        EXPECT_GE(place.left, 0) << link;
        EXPECT_GE(place.top, 0) << link;
        EXPECT_LE(place.left + place.width, client.width) << "link " << link << " out of view";
        EXPECT_LE(place.top + place.height, client.height) << "link " << link << " out of view";
    }
    program.windows.CloseMainWindows();
}

// The weakest contrast of a markup label's text against the fills behind it.
double WeakestMarkupContrast(const markup::DisplayList& display, uint32_t background) {
    double weakest = 21;
    for (size_t i = 0; i < display.items.size(); ++i) {
        const auto* run = std::get_if<markup::TextRun>(&display.items[i]);
        if (!run || run->text.find_first_not_of(u' ') == std::u16string::npos)
            continue;
        uint32_t behind = background;
        for (size_t j = 0; j < i; ++j) {
            const markup::Rect* r = nullptr;
            uint32_t colour = 0;
            if (auto* fill = std::get_if<markup::FilledRect>(&display.items[j]))
                r = &fill->rect, colour = fill->colour;
            else if (auto* gradient = std::get_if<markup::GradientRect>(&display.items[j]))
                r = &gradient->rect, colour = gradient->stops.front().colour;
            if (r && run->x >= r->x && run->x < r->x + r->width && run->top >= r->y &&
                run->top < r->y + r->height)
                behind = colour;
        }
        weakest = std::min(weakest, fixtures::WcagContrast(run->colour, behind));
    }
    return weakest;
}

const ColourScheme dark{.window = 0x202020,
                        .windowText = 0xF0F0F0,
                        .link = 0xFFC080,
                        .gradientActiveCaption = 0x503010},
    contrast{.window = 0x000000,
             .windowText = 0xFFFFFF,
             .link = 0x00FFFF,
             .gradientActiveCaption = 0x000000,
             .highContrast = true};

// How wide a focus mark is around a control: on the middle line of each side, from a few
// pixels outside it to its middle, the longest run of pixels that differ from the unfocused
// picture by the guidelines' 3:1 or more; the narrowest side's.
int FocusMarkWidth(const Picture& focused, const Picture& unfocused, const PixelRect& place) {
    constexpr int outside = 6;
    const int middleX = place.left + place.width / 2, middleY = place.top + place.height / 2;
    const struct {
        int x, y, dx, dy, steps;
    } sides[] = {
        {place.left - outside, middleY, 1, 0, outside + place.width / 2},
        {place.left + place.width - 1 + outside, middleY, -1, 0, outside + place.width / 2},
        {middleX, place.top - outside, 0, 1, outside + place.height / 2},
        {middleX, place.top + place.height - 1 + outside, 0, -1, outside + place.height / 2}};
    int narrowest = place.width + place.height;
    for (const auto& side : sides) {
        int run = 0, longest = 0;
        for (int step = 0, x = side.x, y = side.y; step < side.steps;
             ++step, x += side.dx, y += side.dy) {
            const bool inside = x >= 0 && y >= 0 && x < focused.width && y < focused.height;
            run = inside && fixtures::WcagContrast(focused.At(x, y), unfocused.At(x, y)) >=
                                fixtures::WcagLargeTextAndMarks
                      ? run + 1
                      : 0;
            longest = std::max(longest, run);
        }
        narrowest = std::min(narrowest, longest);
    }
    return narrowest;
}

// Every stop of every window shows where the focus is once the keyboard is used: a mark at
// least two pixels wide that stands out from the unfocused picture by 3:1, in the light, dark
// and high-contrast schemes. A picture of each window's first stop is kept per scheme.
TEST(FrontEnd, EveryStopShowsAFocusMarkThatStandsOut) {
    Program program;
    FrontEnd& user = *program.user;
    program.os.ScriptProgram(u"C:\\Velmorn3\\Wget\\Wget.exe", {.pollsUntilExit = 1});
    const std::pair<const char*, ColourScheme> schemes[] = {
        {"light", {}}, {"dark", dark}, {"high-contrast", contrast}};
    const auto walks = TabStops(program, true);
    for (const auto& [scheme, colours] : schemes) {
        user.UseScheme(colours);
        program.windows.MainWindow().Show();
        user.Click(program.main, Bt00);
        user.Click(program.main, Link(3));
        user.Type(program.dialog, Tx00, u"77");
        user.PressKey(program.dialog, Key::Enter); // the answer is a stop from now on
        auto terms = program.ShowAlone(program.splash, true);
        user.ProcessEvents();
        for (const auto& walk : walks) {
            const std::string name = Utf8(walk.form.name) + " " + scheme;
            for (size_t tab = 0;
                 tab < walk.path.size() && (tab == 0 || user.Focused(walk.form) != walk.path[0]);
                 ++tab)
                user.PressKey(walk.form, Key::Tab); // the keyboard in use, back on the first stop
            ASSERT_EQ(user.Focused(walk.form), walk.path[0]) << name;
            std::vector<Picture> shown;
            for (size_t stop = 0; stop <= walk.path.size(); ++stop) {
                shown.push_back(user.Capture(walk.form));
                if (stop == 0)
                    user.SaveScreenshot(walk.form,
                                        "screenshot-" + Utf8(walk.form.name) + "-focus-" + scheme);
                user.PressKey(walk.form, Key::Tab);
            }
            for (size_t stop = 0; stop < walk.path.size(); ++stop)
                EXPECT_GE(FocusMarkWidth(shown[stop], shown[stop + 1],
                                         user.Place(walk.form, walk.path[stop])),
                          2)
                    << name << " " << testing::PrintToString(walk.path[stop]);
        }
        terms->Close();
        program.windows.CloseMainWindows();
    }
    user.UseScheme({});
}

// Every text of every window against what lies behind it, in a dark and a high-contrast
// scheme, the last one chosen while the windows are open (the windows' own colours in the
// light one are the product's choice, and asserted nowhere).
TEST(FrontEnd, EveryTextStaysReadableInEveryColourScheme) {
    const struct {
        const char* name;
        const ColourScheme& scheme;
        double least;
    } schemes[] = {{"dark", dark, fixtures::WcagLargeTextAndMarks},
                   {"high-contrast", contrast, fixtures::WcagNormalText}};
    Program program;
    FrontEnd& user = *program.user;
    program.session.OpenIncidentId = 0;
    for (const auto& scheme : schemes) {
        if (&scheme.scheme != &contrast)
            user.UseScheme(scheme.scheme);
        program.windows.MainWindow().Show();
        user.Click(program.main, Bt00);
        user.Click(program.main, Link(3));
        auto terms = program.ShowAlone(program.splash, true);
        if (&scheme.scheme == &contrast)
            user.UseScheme(scheme.scheme);
        user.ProcessEvents();
        for (const FormTable* form :
             {&program.splash, &program.main, &program.form, &program.dialog}) {
            for (const ControlEntry& entry : form->controls) {
                const ControlId id{entry.name, entry.index};
                if (entry.kind != ControlKind::Label && entry.kind != ControlKind::CheckBox)
                    continue;
                double weakest = 21;
                for (uint32_t pixel : user.BackgroundUnder(*form, id))
                    weakest = std::min(weakest,
                                       fixtures::WcagContrast(user.TextColour(*form, id), pixel));
                EXPECT_GE(weakest, scheme.least) << scheme.name << " " << Utf8(entry.name);
            }
            if (&scheme.scheme == &contrast)
                user.SaveScreenshot(*form, "screenshot-" + Utf8(form->name) + "-high-contrast");
        }
        // The terms against their own fills, or against the window where they have none.
        for (uint32_t pixel : user.BackgroundUnder(program.splash, Lb00))
            EXPECT_GE(WeakestMarkupContrast(user.Display(program.splash, Lb00), pixel),
                      scheme.least)
                << scheme.name << " terms";
        terms->Close();
        program.windows.CloseMainWindows();
    }
    user.UseScheme({});
}

} // namespace
} // namespace ui
