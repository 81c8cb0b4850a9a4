#include "TestWindows.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// Logs every key event of the window and of its box; what each handler does to the key is set by the test.
class frmKeys : public Form {
public:
    explicit frmKeys(TestApp& app) : Form(app.Forms), log(app.log) {
        txtEntry.KeyDown = [this](int& KeyCode, int) {
            log.push_back("txtEntry_KeyDown " + std::to_string(KeyCode));
            if (KeyCode == BoxDropsKeyCode)
                KeyCode = 0;
        };
        txtEntry.KeyPress = [this](int& KeyAscii) {
            log.push_back("txtEntry_KeyPress " + std::to_string(KeyAscii));
            if (KeyAscii >= 'a' && KeyAscii <= 'z')
                KeyAscii -= 32;
        };
        txtEntry.KeyUp = [this](int& KeyCode, int) { log.push_back("txtEntry_KeyUp " + std::to_string(KeyCode)); };
        txtEntry.Change = [this] { log.push_back("txtEntry_Change " + txtEntry.Text()); };
    }
    TextBox txtEntry{*this, "txtEntry"};
    TextBox txtNext{*this, "txtNext"};
    int FormDropsKeyCode = -1;
    int FormDropsKeyAscii = -1;
    int BoxDropsKeyCode = -1;

private:
    void Design() override {
        SetKeyPreview(true);
        Layout(*this).Full(txtEntry).Full(txtNext);
    }
    void Form_KeyDown(int& KeyCode, int) override {
        log.push_back("Form_KeyDown " + std::to_string(KeyCode));
        if (KeyCode == FormDropsKeyCode)
            KeyCode = 0;
    }
    void Form_KeyPress(int& KeyAscii) override {
        log.push_back("Form_KeyPress " + std::to_string(KeyAscii));
        if (KeyAscii == FormDropsKeyAscii)
            KeyAscii = 0;
    }
    void Form_KeyUp(int& KeyCode, int) override { log.push_back("Form_KeyUp " + std::to_string(KeyCode)); }
    std::vector<std::string>& log;
};

// Controls in a deliberate tab order, one of them inside a frame.
class frmOrder : public Form {
public:
    explicit frmOrder(TestApp& app) : Form(app.Forms) {}
    TextBox txtThird{*this, "txtThird"};
    TextBox txtFirst{*this, "txtFirst"};
    Frame fraDetails{*this, "fraDetails"};
    TextBox txtSecond{*this, "txtSecond"};
    Label lblNote{*this, "lblNote"};

private:
    void Design() override {
        SetInnerSize(6000, 3000);
        Layout layout(*this);
        layout.Full(txtFirst).Group(fraDetails, [&](Layout& inside) { inside.Full(txtSecond); }).Full(txtThird);
        layout.Full(lblNote);
        txtFirst.SetTabIndex(0);
        txtSecond.SetTabIndex(1);
        txtThird.SetTabIndex(2);
    }
};

} // namespace

TEST(Keys, KeyPreviewLetsTheFormSeeEachKeyBeforeTheControl) {
    TestApp app;
    frmKeys& form = app.Forms.Get<frmKeys>();
    form.Show();
    testkit::Type(form.txtEntry, "a");
    EXPECT_THAT(app.log,
                ElementsAre("Form_KeyDown 65", "txtEntry_KeyDown 65", "Form_KeyPress 97", "txtEntry_KeyPress 97",
                            "txtEntry_Change A", "Form_KeyUp 65", "txtEntry_KeyUp 65"));
}

TEST(Keys, AZeroedKeyAsciiDropsTheKeyAndAChangedOneIsTyped) {
    struct Case {
        const char* name;
        int formDropsAscii;
        std::string typed;
        std::string expected;
    };
    const Case cases[] = {
        {"changed by the box's handler", -1, "ab1", "AB1"},
        {"dropped by the window", '\'', "o'neil", "ONEIL"},
        {"dropped before the box hears it", 'x', "xx", ""},
    };
    for (const Case& c : cases) {
        TestApp app;
        frmKeys& form = app.Forms.Get<frmKeys>();
        form.FormDropsKeyAscii = c.formDropsAscii;
        form.Show();
        testkit::Type(form.txtEntry, c.typed);
        EXPECT_EQ(form.txtEntry.Text(), c.expected) << c.name;
        if (c.expected.empty()) {
            EXPECT_THAT(app.log, testing::Not(testing::Contains(testing::HasSubstr("txtEntry_KeyPress")))) << c.name;
        }
    }
}

TEST(Keys, AKeyCodeZeroedByTheWindowNeverReachesTheControlsKeyDown) {
    TestApp app;
    frmKeys& form = app.Forms.Get<frmKeys>();
    form.FormDropsKeyCode = vbKeyF3;
    form.Show();
    testkit::PressKey(form.txtEntry, vbKeyF3);
    EXPECT_THAT(app.log, ElementsAre("Form_KeyDown 114", "Form_KeyUp 114", "txtEntry_KeyUp 114"));
}

TEST(Keys, AKeyCodeZeroedByTheControlCancelsItsDefaultAction) {
    TestApp app;
    frmKeys& form = app.Forms.Get<frmKeys>();
    form.Show();
    form.txtEntry.SetText("AB");
    form.txtEntry.SetSelStart(0);
    form.BoxDropsKeyCode = vbKeyDelete;
    testkit::PressKey(form.txtEntry, vbKeyDelete);
    EXPECT_EQ(form.txtEntry.Text(), "AB");
    form.BoxDropsKeyCode = -1;
    testkit::PressKey(form.txtEntry, vbKeyDelete);
    EXPECT_EQ(form.txtEntry.Text(), "B");
}

TEST(Keys, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    struct Case {
        const char* name;
        int key;
        std::string expectedClick;
    };
    const Case cases[] = {{"Enter", vbKeyReturn, "cmdOption_Click(0)"}, {"Escape", vbKeyEscape, "cmdOption_Click(1)"}};
    for (const Case& c : cases) {
        TestApp app;
        frmSignIn& form = app.Forms.Get<frmSignIn>();
        form.Show();
        testkit::Type(form.txtUserID, "N1");
        testkit::PressKey(form.txtUserID, c.key);
        EXPECT_THAT(app.log, testing::Contains(c.expectedClick)) << c.name;
        EXPECT_FALSE(form.IsLoaded()) << c.name;
    }
}

TEST(Keys, EnterWithoutADefaultButtonReachesTheBox) {
    TestApp app;
    frmKeys& form = app.Forms.Get<frmKeys>();
    form.Show();
    testkit::PressKey(form.txtEntry, vbKeyReturn);
    EXPECT_THAT(app.log, testing::Contains("txtEntry_KeyPress 13"));
    EXPECT_EQ(form.txtEntry.Text(), "") << "a single-line box takes no line break";
}

TEST(Keys, EnterOnAFocusedButtonClicksThatButtonNotTheDefault) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.Show();
    testkit::PressKey(form.cmdOption(1), vbKeyReturn);
    EXPECT_THAT(app.log, testing::Contains("cmdOption_Click(1)"));
    EXPECT_THAT(app.log, testing::Not(testing::Contains("cmdOption_Click(0)")));
}

TEST(Focus, ACancelledValidateKeepsTheFocusAndDropsTheClickThatMovedIt) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.RequireUserID = true;
    form.Show();
    ASSERT_EQ(form.ActiveControl(), &form.txtUserID);

    testkit::Click(form.cmdOption(0));
    EXPECT_EQ(form.ActiveControl(), &form.txtUserID);
    EXPECT_THAT(app.log, testing::Not(testing::Contains("cmdOption_Click(0)")));
    EXPECT_FALSE(testkit::Focus(form.txtAccessCode));

    testkit::Type(form.txtUserID, "N1");
    testkit::Click(form.txtAccessCode);
    EXPECT_THAT(app.log,
                testing::IsSupersetOf({"txtUserID_Validate", "txtUserID_LostFocus", "txtAccessCode_GotFocus"}));
    EXPECT_EQ(form.ActiveControl(), &form.txtAccessCode);
}

TEST(Focus, AControlThatCausesNoValidationTakesTheFocusWithoutValidate) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.RequireUserID = true;
    form.Show();
    testkit::Click(form.cmdOption(1));
    EXPECT_THAT(app.log, testing::Not(testing::Contains("txtUserID_Validate")));
    EXPECT_THAT(app.log, testing::Contains("cmdOption_Click(1)"));
}

TEST(Focus, TabFollowsTabIndexAndSkipsWhatCannotTakeTheFocus) {
    TestApp app;
    frmOrder& form = app.Forms.Get<frmOrder>();
    form.Show();
    EXPECT_EQ(form.fraDetails.TabIndex(), 3) << "setting a TabIndex renumbers the others";
    EXPECT_EQ(form.lblNote.TabIndex(), 4);
    EXPECT_EQ(form.ActiveControl(), &form.txtFirst);
    form.MoveToNextControl();
    EXPECT_EQ(form.ActiveControl(), &form.txtSecond);
    form.MoveToNextControl();
    EXPECT_EQ(form.ActiveControl(), &form.txtThird);
    form.MoveToNextControl();
    EXPECT_EQ(form.ActiveControl(), &form.txtFirst) << "the order wraps round";

    form.fraDetails.SetEnabled(false);
    EXPECT_TRUE(form.txtSecond.Enabled()) << "the frame leaves its children's own Enabled alone";
    EXPECT_FALSE(form.txtSecond.IsEffectivelyEnabled());
    testkit::PressKey(form.txtFirst, vbKeyTab);
    EXPECT_EQ(form.ActiveControl(), &form.txtThird);
    testkit::PressKey(form.txtThird, vbKeyTab, vbShiftMask);
    EXPECT_EQ(form.ActiveControl(), &form.txtFirst);
}

TEST(Focus, SetFocusOnAControlThatCannotTakeItIsAnError) {
    TestApp app;
    frmOrder& form = app.Forms.Get<frmOrder>();
    EXPECT_THROW(form.txtFirst.SetFocus(), std::exception) << "the window is not shown yet";
    form.Show();
    form.txtThird.SetEnabled(false);
    EXPECT_THROW(form.txtThird.SetFocus(), std::exception);
    EXPECT_THROW(form.lblNote.SetFocus(), std::exception);
    form.txtSecond.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &form.txtSecond);
}

TEST(Focus, HidingTheFocusedControlMovesTheFocusOn) {
    TestApp app;
    frmOrder& form = app.Forms.Get<frmOrder>();
    form.Show();
    form.txtFirst.SetVisible(false);
    EXPECT_EQ(form.ActiveControl(), &form.txtSecond);
}

TEST(Keys, AltWithAnAccessKeyClicksItsButtonOrFocusesPastItsLabel) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.Show();
    form.lblAccessCode.SetCaption("&Access Code");
    testkit::PressKey(form.txtUserID, 'A', vbAltMask);
    EXPECT_EQ(form.ActiveControl(), &form.txtAccessCode);
    testkit::PressKey(form.txtAccessCode, 'C', vbAltMask);
    EXPECT_THAT(app.log, testing::Contains("cmdOption_Click(1)"));
}
