#include "FakeWindows.h"
#include "ui/FormTables.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using namespace test_support;
using Log = std::vector<std::u16string>;

constexpr ControlId Background{}, Im10{u"Im10"}, Lb03{u"Lb03"}, Bt00{u"Bt00"};

ControlId Link(int32_t index) {
    return {u"Lb10", index};
}

// The four link labels as letters: k black, b blue, r red; capital when underlined.
std::string Links(FakeView& main) {
    std::string state;
    for (int32_t index = 0; index < frmMain::LinkCount; ++index) {
        const FakeControl& label = main[Link(index)];
        const char letter = label.colour == 0 ? 'k' : label.colour == 0xFF0000 ? 'b' : 'r';
        state += label.underline ? char(std::toupper(letter)) : letter;
    }
    return state;
}

TEST(MainWindowTest, LinkLabelsCycleThroughTheirColours) {
    UiRun run;
    run.windows.MainWindow().Show();
    FakeView& main = run.views[u"frmMain"];
    EXPECT_EQ(Links(main), "kkkk");
    enum Event { Move, Down, Up };
    const struct {
        Event event;
        ControlId control;
        const char* links;
    } steps[] = {
        {Move, Link(0), "Bkkk"}, {Down, Link(0), "Rkkk"}, {Up, Link(0), "Bkkk"},
        {Move, Link(1), "BBkk"}, {Move, Lb03, "BBkk"},    {Move, Background, "kkkk"},
        {Down, Link(2), "kkkk"}, {Up, Link(2), "kkkk"},   {Move, Link(3), "kkkB"},
        {Down, Link(3), "kkkR"}, {Move, Link(3), "kkkR"}, {Move, Im10, "kkkk"},
        {Up, Link(3), "kkkk"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const auto& [event, control, links] = steps[i];
        if (event == Move)
            main.events.PointerMoved(control);
        else if (event == Down)
            main.events.Pressed(control);
        else
            main.events.Released(control, false);
        EXPECT_EQ(Links(main), links) << "step " << i;
    }
}

TEST(MainWindowTest, ClicksAndTheExactCloseCommand) {
    UiRun run;
    run.windows.MainWindow().Show();
    FakeView& main = run.views[u"frmMain"];
    for (int32_t index = 0; index < 4; ++index)
        main.ClickLabel(Link(index));
    main.events.Clicked(Bt00);
    main.events.Clicked(Bt00);
    std::vector<std::u16string> opened;
    for (const fixtures::ShellCall& call : run.os.shellCalls)
        opened.push_back(call.verb + u" " + call.target + u" " + call.workingFolder);
    EXPECT_EQ(opened, (Log{u"Open https://ayuda.example.net/videotutoriales/ C:\\Velmorn3\\",
                           u"Open https://ayuda.example.net/manual/ C:\\Velmorn3\\",
                           u"Open https://ayuda.example.net/soporte/formacion C:\\Velmorn3\\"}));
    EXPECT_EQ(run.views[u"frmDialog"].owner, &main);
    EXPECT_EQ(run.views[u"FrmExplica"].owner, &main);

    for (std::u16string_view ignored : {u"cerrar", u"CERRAR", u"Cerrar ", u""})
        main.events.CommandArrived(ignored);
    main.events.CommandArrived(u"Cerrar");
    EXPECT_EQ(ClosesInAnyOrder(run.views.log),
              ClosesInAnyOrder({u"show frmMain", u"show frmDialog", u"show FrmExplica",
                                u"front FrmExplica", u"close frmMain", u"close frmDialog",
                                u"close FrmExplica", u"no window left"}));
}

} // namespace
} // namespace ui
