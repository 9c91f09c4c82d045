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

// The user's actions on the terms: t tick, u untick, c continue, x close box.
void Act(FakeView& terms, std::string_view actions) {
    for (char action : actions) {
        if (action == 't' || action == 'u') {
            terms[Ch00].checked = action == 't';
            terms.events.Clicked(Ch00);
        }
        if (action == 'c')
            terms.events.Clicked(Bt00);
        if (action == 'x')
            terms.events.CloseRequested();
    }
}

TEST(StartupTest, TermsDecideWhetherAnythingElseRuns) {
    for (const auto& [actions, accepted] :
         {std::pair{"tc", true}, {"c", false}, {"x", false}, {"tuc", false}, {"tx", false}}) {
        SCOPED_TRACE(actions);
        UiRun run;
        run.views.onModal[u"Splash"] = [&](FakeView& terms) { Act(terms, actions); };

        app::Main(run.context, run.windows);

        EXPECT_NE(run.views[u"Splash"][Lb00].caption.find(u"guardia: (+34) 900 123 456."),
                  std::u16string::npos);
        if (accepted)
            EXPECT_EQ(run.views.log,
                      (Log{u"modal Splash", u"close Splash", u"input", u"show frmMain"}));
        else
            EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash"}));
        EXPECT_EQ(run.os.calls.empty(), !accepted) << "no agent check, no database";
        EXPECT_EQ(run.windows.AnyLoaded(), accepted);
    }
}

TEST(StartupTest, WithoutAgentOrDatabaseTheMainWindowFollowsThePrompts) {
    UiRun run;
    run.os.SetRegistryString(Hklm, AgentKey, u"Version", u"9.0.1");
    run.dialogs.answers = {u"Ferretería Sol"};
    run.views.onModal[u"Splash"] = [](FakeView& terms) { Act(terms, "tc"); };

    app::Main(run.context, run.windows);

    EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash",
                                  u"message Teamviewer no instalado", u"input", u"show frmMain"}));
    EXPECT_EQ(run.session.CustomerCode, u"0000000000001");
    EXPECT_EQ(run.session.CustomerName, u"Ferretería Sol");
    EXPECT_TRUE(run.session.TerminalText.empty());
    EXPECT_EQ(run.session.OpenIncidentId, 0);
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
