#include "testkit/ScriptedHost.h"
#include "testkit/UserActions.h"

#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace forms;
using testkit::ScriptedHost;

namespace {

struct KitApp {
    ScriptedHost host;
    FormRegistry<KitApp> Forms{*this, host};
};

class frmAsk : public Form {
public:
    explicit frmAsk(KitApp& app) : Form(app.Forms) {
        cmdAsk.Click = [this] { Answer = MsgBox("Discharge the patient?", vbYesNo + vbQuestion, "Confirmation"); };
        tmrBlink.TimerEvent = [this] { ++Blinks; };
    }
    CommandButton cmdAsk{*this, "cmdAsk"};
    CommandButton cmdDisabled{*this, "cmdDisabled"};
    Timer tmrBlink{*this, "tmrBlink"};
    int Answer = 0;
    int Blinks = 0;

private:
    void Design() override {
        cmdAsk.Move(120, 120, 1200, 375);
        cmdDisabled.Move(120, 600, 1200, 375);
        cmdDisabled.SetEnabled(false);
        tmrBlink.SetInterval(500);
    }
};

class frmDialog : public Form {
public:
    explicit frmDialog(KitApp& app) : Form(app.Forms) {}
};

} // namespace

TEST(ScriptedHost, AnswersQuestionsFromTheQueueAndRecordsEveryBox) {
    KitApp app;
    frmAsk& form = app.Forms.Get<frmAsk>();
    form.Show();
    app.host.ExpectMsgBox("Discharge the patient?").Answer(vbNo).Title("Confirmation").Buttons(vbYesNo + vbQuestion);
    testkit::Click(form.cmdAsk);
    EXPECT_EQ(form.Answer, vbNo);
    ASSERT_EQ(app.host.MessageBoxes().size(), 1u);
    EXPECT_EQ(app.host.MessageBoxes()[0].Prompt, "Discharge the patient?");
    EXPECT_EQ(app.host.MessageBoxes()[0].ButtonSet(), vbYesNo);
    EXPECT_EQ(app.host.MessageBoxes()[0].Answer, vbNo);
}

TEST(ScriptedHost, TimersTickWhileAMessageBoxIsOpen) {
    KitApp app;
    frmAsk& form = app.Forms.Get<frmAsk>();
    form.Show();
    app.host.ExpectMsgBox("Discharge the patient?").Answer(vbYes).WhileOpen([&] { app.host.FireTimer(form.tmrBlink); });
    testkit::Click(form.cmdAsk);
    EXPECT_EQ(form.Blinks, 1);
}

TEST(ScriptedHost, FailsOnWhatTheTestDidNotDeclareNamingTheMessage) {
    struct Case {
        const char* name;
        std::function<void(KitApp&, frmAsk&)> act;
        const char* failure;
    };
    const Case cases[] = {
        {"unexpected message box", [](KitApp&, frmAsk& f) { testkit::Click(f.cmdAsk); },
         "Unexpected message box: \"Discharge the patient?\""},
        {"question without an answer",
         [](KitApp& a, frmAsk& f) {
             a.host.ExpectMsgBox("Discharge the patient?");
             testkit::Click(f.cmdAsk);
         },
         "has no answer queued"},
        {"answer the box does not offer",
         [](KitApp& a, frmAsk& f) {
             a.host.ExpectMsgBox("Discharge the patient?").Answer(vbCancel);
             testkit::Click(f.cmdAsk);
         },
         "offers no button"},
        {"another text than expected",
         [](KitApp& a, frmAsk& f) {
             a.host.ExpectMsgBox("Save?").Answer(vbYes);
             testkit::Click(f.cmdAsk);
         },
         "Expected the message box \"Save?\""},
        {"unexpected modal window", [](KitApp& a, frmAsk&) { a.Forms.Get<frmDialog>().ShowModal(); },
         "Unexpected modal window frmDialog"},
        {"modal window left open",
         [](KitApp& a, frmAsk&) {
             a.host.OnModal<frmDialog>([](frmDialog&) {});
             a.Forms.Get<frmDialog>().ShowModal();
         },
         "still open after its handler"},
        {"timer not running",
         [](KitApp& a, frmAsk& f) {
             f.tmrBlink.SetEnabled(false);
             a.host.FireTimer(f.tmrBlink);
         },
         "Timer tmrBlink of frmAsk is not running"},
        {"click on a disabled button", [](KitApp&, frmAsk& f) { testkit::Click(f.cmdDisabled); }, "disabled"},
        {"expected box never shown",
         [](KitApp& a, frmAsk&) {
             a.host.ExpectMsgBox("Saved.");
             a.host.VerifyAllUsed();
         },
         "Expected message box never shown: \"Saved.\""},
        {"expected dialog never shown",
         [](KitApp& a, frmAsk&) {
             a.host.OnModal<frmDialog>([](frmDialog& d) { d.Unload(); });
             a.host.VerifyAllUsed();
         },
         "Expected modal window never shown: frmDialog"},
    };
    for (const Case& c : cases) {
        KitApp app;
        frmAsk& form = app.Forms.Get<frmAsk>();
        form.Show();
        EXPECT_NONFATAL_FAILURE(c.act(app, form), c.failure);
    }
}

TEST(ScriptedHost, AModalHandlerWorksTheDialogAndWindowsBehindItCannotBeUsed) {
    KitApp app;
    frmAsk& form = app.Forms.Get<frmAsk>();
    form.Show();
    app.host.OnModal<frmDialog>([&](frmDialog& dialog) {
        EXPECT_NONFATAL_FAILURE(testkit::Click(form.cmdAsk), "behind the modal window frmDialog");
        dialog.Hide();
    });
    app.Forms.Get<frmDialog>().ShowModal();
    EXPECT_THAT(app.host.ModalShows(), testing::ElementsAre("frmDialog"));
    EXPECT_THAT(app.host.ModelessShows(), testing::ElementsAre("frmAsk"));
}

TEST(ScriptedHost, GivesTheProgramFolderAndTheSingleInstanceAnswer) {
    ScriptedHost host;
    EXPECT_FALSE(host.PrevInstance());
    host.SetPrevInstance(true);
    host.SetAppPath("/opt/ward");
    EXPECT_TRUE(host.PrevInstance());
    EXPECT_EQ(host.AppPath(), "/opt/ward");
}
