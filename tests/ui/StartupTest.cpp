#include "UiRun.h"
#include "app/Main.h"
#include "text/Encoding.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test_support::FakeView;
using test_support::UiRun;
using Log = std::vector<std::u16string>;

constexpr ControlId Ch00{u"Ch00"}, Bt00{u"Bt00"}, Lb00{u"Lb00"}, Lb05{u"Lb05"};

size_t Count(const std::u16string& text, std::u16string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != text.npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST(StartupTest, TermsDecideWhetherAnythingElseRuns) {
    const struct {
        const char* what;
        std::function<void(FakeView&)> user;
        bool accepted;
    } cases[] = {
        {"ticked, continue",
         [](FakeView& terms) {
             terms[Ch00].checked = true;
             terms.events.Click(Bt00);
         },
         true},
        {"not ticked, continue", [](FakeView& terms) { terms.events.Click(Bt00); }, false},
        {"closed with the close box", [](FakeView& terms) { terms.events.CloseRequested(); },
         false},
        {"ticked then unticked",
         [](FakeView& terms) {
             terms[Ch00].checked = true;
             terms.events.Click(Ch00);
             terms[Ch00].checked = false;
             terms.events.Click(Ch00);
             terms.events.Click(Bt00);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UiRun run;
        run.os.SetRegistryString(test_support::Hklm, test_support::AgentKey, u"ClientID",
                                 u"987654321");
        run.views.onModal[u"Splash"] = c.user;

        app::Main(run.context, run.windows);

        const std::u16string terms = run.views[u"Splash"][Lb00].caption;
        EXPECT_EQ(Count(terms, u"\r\n"), 15u);
        EXPECT_EQ(Count(terms, u"\r") + Count(terms, u"\n"), 30u) << "only CR LF pairs";
        EXPECT_NE(terms.substr(terms.size() - 2), u"\r\n");
        EXPECT_NE(terms.find(u"guardia: (+34) 900 123 456.\r\n"), terms.npos);
        EXPECT_EQ(run.views[u"Splash"].owner, nullptr);
        if (c.accepted) {
            EXPECT_EQ(run.views.log,
                      (Log{u"modal Splash", u"close Splash", u"input", u"show frmMain"}));
            EXPECT_EQ(run.views[u"frmMain"][Lb05].caption, u"987.654.321");
        } else {
            EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash"}));
            EXPECT_TRUE(run.os.calls.empty()) << "no agent check, no database";
            EXPECT_TRUE(run.session.CustomerCode.empty());
        }
        EXPECT_EQ(run.windows.AnyLoaded(), c.accepted);
    }
}

TEST(StartupTest, WithoutAgentOrDatabaseTheMainWindowFollowsThePrompts) {
    UiRun run;
    run.os.SetRegistryString(test_support::Hklm, test_support::AgentKey, u"Version", u"9.0.1");
    run.dialogs.answers = {u"Ferretería Sol"};
    run.views.onModal[u"Splash"] = [](FakeView& terms) {
        terms[Ch00].checked = true;
        terms.events.Click(Bt00);
    };

    app::Main(run.context, run.windows);

    EXPECT_EQ(run.views.log, (Log{u"modal Splash", u"close Splash",
                                  u"message Teamviewer no instalado", u"input", u"show frmMain"}));
    EXPECT_EQ(run.session.CustomerCode, u"0000000000001");
    EXPECT_EQ(run.session.CustomerName, u"Ferretería Sol");
    EXPECT_TRUE(run.session.TerminalText.empty());
    EXPECT_EQ(run.session.OpenIncidentId, 0);
    EXPECT_EQ(run.views[u"frmMain"][Lb05].caption, u"Imposible de detectar");
}

TEST(StartupTest, TheWholeAgentIdIsShownGroupedByThree) {
    const struct {
        std::u16string stored;
        bool asNumber;
        std::u16string shown;
    } cases[] = {
        {u"123456789", false, u"123.456.789"}, {u"1234567890", true, u"1.234.567.890"},
        {u"12345", false, u"12.345"},          {u"", false, u"Imposible de detectar"},
        {u"12 345", false, u"12 345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Utf16ToUtf8(c.stored));
        UiRun run;
        if (c.asNumber)
            run.os.SetRegistryDword(test_support::Hklm, test_support::AgentKey, u"ClientID",
                                    1234567890);
        else if (!c.stored.empty())
            run.os.SetRegistryString(test_support::Hklm, test_support::AgentKey, u"ClientID",
                                     c.stored);
        run.windows.MainWindow().Show();
        EXPECT_EQ(run.views[u"frmMain"][Lb05].caption, c.shown);
    }
}

} // namespace
} // namespace ui
