#include "UiRun.h"
#include "text/Encoding.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test_support::FakeView;
using test_support::UiRun;
using Log = std::vector<std::u16string>;

constexpr ControlId Background{}, Im10{u"Im10"}, Lb03{u"Lb03"}, Bt00{u"Bt00"};

ControlId Link(int32_t index) {
    return {u"Lb10", index};
}

// The four link labels as letters: k black, b blue, r red; capital when underlined.
std::string Links(FakeView& main) {
    std::string state;
    for (int32_t index = 0; index < frmMain::LinkCount; ++index) {
        const auto& label = main[Link(index)];
        const char letter = label.colour == 0          ? 'k'
                            : label.colour == 0xFF0000 ? 'b'
                            : label.colour == 0xFF     ? 'r'
                                                       : '?';
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
        {Up, Link(3), "kkkk"},   {Move, Link(2), "kkBk"}, {Move, Link(2), "kkBk"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const auto& step = steps[i];
        if (step.event == Move)
            main.events.MouseMove(step.control);
        else if (step.event == Down)
            main.events.MouseDown(step.control);
        else
            main.events.MouseUp(step.control);
        EXPECT_EQ(Links(main), step.links) << "step " << i;
    }
}

TEST(MainWindowTest, ClicksOpenHelpPagesAndOwnedForms) {
    UiRun run;
    run.windows.MainWindow().Show();
    FakeView& main = run.views[u"frmMain"];
    for (int32_t index = 0; index < 3; ++index)
        main.events.Click(Link(index));
    ASSERT_EQ(run.os.shellCalls.size(), 3u);
    const char16_t* pages[] = {u"https://ayuda.example.net/videotutoriales/",
                               u"https://ayuda.example.net/manual/",
                               u"https://ayuda.example.net/soporte/formacion"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(run.os.shellCalls[i].target, pages[i]);
        EXPECT_EQ(run.os.shellCalls[i].verb, u"Open");
        EXPECT_EQ(run.os.shellCalls[i].workingFolder, u"C:\\Velmorn3\\");
    }

    main.events.Click(Link(3));
    main.events.Click(Bt00);
    main.events.Click(Bt00);
    EXPECT_EQ(run.views.log,
              (Log{u"show frmMain", u"show frmDialog", u"show FrmExplica", u"front FrmExplica"}));
    EXPECT_EQ(run.views[u"frmDialog"].owner, &main);
    EXPECT_EQ(run.views[u"FrmExplica"].owner, &main);
    EXPECT_FALSE(run.views[u"frmDialog"][Bt00].visible) << "not a touch-screen terminal";
}

TEST(MainWindowTest, OnlyTheExactCloseCommandClosesItWithItsForms) {
    UiRun run;
    run.windows.MainWindow().Show();
    FakeView& main = run.views[u"frmMain"];
    main.events.Click(Link(3));
    main.events.Click(Bt00);
    run.views.log.clear();

    for (std::u16string_view ignored : {u"cerrar", u"CERRAR", u"Cerrar ", u"", u"Salir"})
        main.events.Execute(ignored);
    EXPECT_TRUE(run.views.log.empty());

    main.events.Execute(u"Cerrar");
    EXPECT_EQ(run.views.log,
              (Log{u"close FrmExplica", u"close frmDialog", u"close frmMain", u"no window left"}));
    EXPECT_FALSE(run.windows.AnyLoaded());
}

} // namespace
} // namespace ui
