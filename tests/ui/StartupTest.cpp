#include "FakeWindows.h"
#include "app/Main.h"
#include "text/Encoding.h"
#include "ui/AgentIdText.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using namespace test_support;
using Log = std::vector<std::u16string>;

constexpr ControlId Ch00{u"Ch00"}, Bt00{u"Bt00"}, Lb00{u"Lb00"}, Lb05{u"Lb05"};

// The user on the terms: ticks the box when told to, then presses Continuar.
void Continue(FakeView& terms, bool tick) {
    if (tick) {
        terms[Ch00].checked = true;
        terms.events.Clicked(Ch00);
    }
    terms.events.Clicked(Bt00);
}

// Which box and button accept the terms is FrontEndTest's, over the real windows.
TEST(StartupTest, TermsDecideWhetherAnythingElseRuns) {
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted);
        UiRun run;
        run.views.onModal[u"Splash"] = [&](FakeView& terms) { Continue(terms, accepted); };

        app::Main(run.context, run.windows);

        EXPECT_NE(run.views[u"Splash"][Lb00].caption.find(u"guardia: (+34) 900 123 456."),
                  std::u16string::npos);
        if (accepted)
            EXPECT_EQ(run.views.log,
                      (Log{u"modal Splash", u"close Splash", u"input", u"show frmMain"}));
        else
            EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash"}));
        EXPECT_EQ(run.os.calls.empty(), !accepted) << "no agent check, no database";
    }
}

// What the company prompt leaves in the session is WorkstationProfileTest's.
TEST(StartupTest, WithoutAgentOrDatabaseTheMainWindowFollowsThePrompts) {
    UiRun run;
    run.os.SetRegistryString(Hklm, AgentKey, u"Version", u"9.0.1");
    run.views.onModal[u"Splash"] = [](FakeView& terms) { Continue(terms, true); };

    app::Main(run.context, run.windows);

    EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash",
                                  u"message Teamviewer no instalado", u"input", u"show frmMain"}));
    EXPECT_EQ(run.session.OpenIncidentId, 0) << "no incident looked for yet";
    EXPECT_EQ(run.views[u"frmMain"][Lb05].caption, u"123.456.789");
}

TEST(StartupTest, TheWholeAgentIdIsShownGroupedByThree) {
    for (const auto& [id, shown] : {std::pair{u"123456789", u"123.456.789"},
                                    {u"1234567890", u"1.234.567.890"},
                                    {u"12345", u"12.345"},
                                    {u"Imposible de detectar", u"Imposible de detectar"},
                                    {u"12 345", u"12 345"},
                                    {u"", u""}})
        EXPECT_EQ(GroupAgentId(id), shown);
}

} // namespace
} // namespace ui
