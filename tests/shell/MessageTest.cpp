#include "platform/vb/Strings.h"
#include "shell/frmMessage.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using ward::frmMessage;

namespace {

bool Answer(TestApp& test, std::function<void(frmMessage&)> answer) {
    test.host.OnModal<frmMessage>(std::move(answer));
    test.app.Forms.Get<frmMessage>().ShowModal();
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmMessage>());
    return test.app.MessageAnswer;
}

TEST(frmMessage, YesAndNoAnswerAndTheCloseBoxNeverLeavesAnEarlierYes) {
    TestApp test;
    EXPECT_TRUE(Answer(test, [](frmMessage& dialog) { Click(dialog.cmdOption(0)); }));
    EXPECT_FALSE(Answer(test, [](frmMessage& dialog) { Click(dialog.cmdOption(1)); }));
    EXPECT_TRUE(Answer(test, [](frmMessage& dialog) { Click(dialog.cmdOption(0)); }));
    EXPECT_FALSE(Answer(test, [](frmMessage& dialog) { EXPECT_TRUE(CloseWindow(dialog)); }));
}

TEST(frmMessage, ShowsTheUnsentRequestsQuestionByDesign) {
    TestApp test;
    frmMessage& dialog = test.app.Forms.Get<frmMessage>();
    EXPECT_EQ(dialog.Caption(), "IMPORTANT MESSAGE");
    const std::string& text = dialog.lblMessage.Caption();
    EXPECT_EQ(vb::Len(text), 193);
    EXPECT_EQ(text, "  The request entered were not yet sent to the departments!" + vb::Space(22) +
                        "Press Yes Button to send the request now" + vb::Space(34) +
                        "Press No Button to cancel the request.");
    EXPECT_EQ(dialog.cmdOption(0).Caption(), "YES");
    EXPECT_EQ(dialog.cmdOption(1).Caption(), "NO");
    dialog.Unload();
}

TEST(frmMessage, AOneButtonWarningAnswersFalseAndTheNextShowingHasTheDesignAgain) {
    TestApp test;
    frmMessage& dialog = test.app.Forms.Get<frmMessage>();
    dialog.lblMessage.SetCaption("High-alert medicine: check the dose twice.");
    dialog.cmdOption(0).SetVisible(false);
    dialog.cmdOption(1).SetCaption("OK");
    EXPECT_FALSE(Answer(test, [](frmMessage& shown) {
        EXPECT_EQ(shown.lblMessage.Caption(), "High-alert medicine: check the dose twice.");
        Click(shown.cmdOption(1));
    }));
    EXPECT_TRUE(Answer(test, [](frmMessage& shown) {
        EXPECT_TRUE(shown.cmdOption(0).Visible());
        EXPECT_EQ(shown.cmdOption(1).Caption(), "NO");
        Click(shown.cmdOption(0));
    }));
}

} // namespace
