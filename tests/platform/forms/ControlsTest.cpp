#include "TestWindows.h"
#include "platform/vb/VbError.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// Every simple control kind, with handlers that log the events they hear.
class frmControls : public Form {
public:
    explicit frmControls(TestApp& app) : Form(app.Forms), log(app.log) {
        txtName.Change = [this] { log.push_back("txtName_Change " + txtName.Text()); };
        lblStatus.Change = [this] { log.push_back("lblStatus_Change " + lblStatus.Caption()); };
        chkAllergy.Click = [this] { log.push_back("chkAllergy_Click " + std::to_string(chkAllergy.Value())); };
        optSex.On(&Control::Click, [this](int Index) { log.push_back("optSex_Click(" + std::to_string(Index) + ")"); });
        optKind.On(&Control::Click,
                   [this](int Index) { log.push_back("optKind_Click(" + std::to_string(Index) + ")"); });
        optAlone.Click = [this] { log.push_back("optAlone_Click"); };
        mnuCopy.Click = [this] { log.push_back("mnuCopy_Click"); };
    }
    TextBox txtName{*this, "txtName"};
    Label lblStatus{*this, "lblStatus"};
    CheckBox chkAllergy{*this, "chkAllergy"};
    Frame fraPatient{*this, "fraPatient"};
    ControlArray<OptionButton> optSex{*this, "optSex"};
    ControlArray<OptionButton> optKind{*this, "optKind"};
    OptionButton optAlone{*this, "optAlone"};
    Menu mnuEdit{*this, "mnuEdit"};
    Menu mnuCopy{mnuEdit, "mnuCopy"};
    Menu mnuPaste{mnuEdit, "mnuPaste"};

private:
    void Design() override {
        SetInnerSize(7000, 4000);
        optSex.Load(0).SetCaption("Male");
        optSex.Load(1).SetCaption("Female");
        optKind.Load(0).SetCaption("In-patient");
        mnuEdit.SetCaption("&Edit");
        mnuCopy.SetCaption("&Copy");
        mnuPaste.SetCaption("&Paste");
        Layout layout(*this);
        layout.Full(txtName).Full(lblStatus).Full(chkAllergy);
        layout.Group(fraPatient, [&](Layout& inside) {
            inside.Row({{&optSex(0), 1500}, {&optSex(1), 1500}, {&optKind(0), 0}});
        });
        layout.Full(optAlone);
    }
    std::vector<std::string>& log;
};

} // namespace

TEST(ControlEvents, ChangesMadeByCodeRaiseTheEventsTheUserWouldRaise) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.txtName.SetText("DELA CRUZ");
    form.txtName.SetText("DELA CRUZ");
    form.lblStatus.SetCaption("Saved");
    form.chkAllergy.SetValue(vbChecked);
    form.chkAllergy.SetValue(vbChecked);
    form.chkAllergy.SetValue(vbUnchecked);
    form.optSex(1).SetValue(true);
    EXPECT_THAT(app.log, ElementsAre("txtName_Change DELA CRUZ", "lblStatus_Change Saved", "chkAllergy_Click 1",
                                     "chkAllergy_Click 0", "optSex_Click(1)"));
}

TEST(ControlEvents, OptionButtonsAreExclusiveAcrossArraysWithinTheirContainerOnly) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.optAlone.SetValue(true);
    form.optSex(0).SetValue(true);
    form.optKind(0).SetValue(true);
    EXPECT_FALSE(form.optSex(0).Value()) << "another array in the same frame turns it off";
    EXPECT_TRUE(form.optKind(0).Value());
    EXPECT_TRUE(form.optAlone.Value()) << "a button on the form itself is in another group";

    form.Show();
    testkit::Click(form.optSex(1));
    EXPECT_TRUE(form.optSex(1).Value());
    EXPECT_FALSE(form.optKind(0).Value());
    EXPECT_THAT(app.log, ElementsAre("optAlone_Click", "optSex_Click(0)", "optKind_Click(0)", "optSex_Click(1)"));
}

TEST(ControlEvents, TheUsersClickOnACheckBoxTogglesItAndAGrayedOneBecomesUnchecked) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.Show();
    testkit::Click(form.chkAllergy);
    EXPECT_EQ(form.chkAllergy.Value(), vbChecked);
    form.chkAllergy.SetValue(vbGrayed);
    testkit::Click(form.chkAllergy);
    EXPECT_EQ(form.chkAllergy.Value(), vbUnchecked);
    EXPECT_THROW(form.chkAllergy.SetValue(3), vb::VbError);
}

TEST(ControlArrays, ElementsCarryTheirIndexAndMissingOnesAreAnError) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    EXPECT_EQ(form.optSex(1).Index(), 1);
    EXPECT_EQ(form.optSex(1).DisplayName(), "optSex(1)");
    EXPECT_EQ(form.optSex.UBound(), 1);
    try {
        form.optSex(2);
        FAIL() << "a missing element must raise";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), 340);
        EXPECT_EQ(error.Description(), "Control array element '2' doesn't exist");
    }
    EXPECT_THROW(form.optSex.Load(1), vb::VbError);

    OptionButton& added = form.optSex.Load(5);
    added.SetValue(true);
    EXPECT_EQ(app.log.back(), "optSex_Click(5)") << "a loaded element gets the array's handler";
    form.Unload();
    EXPECT_FALSE(form.optSex.Exists(5)) << "Unload goes back to the designed elements";
    EXPECT_TRUE(form.optSex.Exists(1));
}

TEST(TextBoxTyping, KeysEditTheTextAsTheyWouldOnScreen) {
    struct Case {
        const char* name;
        std::string start;
        int maxLength;
        bool locked;
        std::string typed;
        std::string expected;
    };
    const Case cases[] = {
        {"appends after the text", "AB", 0, false, "c", "ABc"},
        {"stops at MaxLength", "", 3, false, "abcdef", "abc"},
        {"a locked box takes nothing", "AB", 0, true, "c\b", "AB"},
        {"backspace removes the last character", "AB", 0, false, "\b", "A"},
    };
    for (const Case& c : cases) {
        TestApp app;
        frmControls& form = app.Forms.Get<frmControls>();
        form.Show();
        form.txtName.SetText(c.start);
        form.txtName.SetMaxLength(c.maxLength);
        form.txtName.SetLocked(c.locked);
        testkit::Type(form.txtName, c.typed);
        EXPECT_EQ(form.txtName.Text(), c.expected) << c.name;
    }
}

TEST(TextBoxTyping, TheSelectionIsReplacedByWhatIsTypedOrSet) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.txtName.SetText("JUAN DELA CRUZ");
    form.txtName.SetSelStart(5);
    form.txtName.SetSelLength(4);
    EXPECT_EQ(form.txtName.SelText(), "DELA");
    form.txtName.SetSelText("DE LA");
    EXPECT_EQ(form.txtName.Text(), "JUAN DE LA CRUZ");
    EXPECT_EQ(form.txtName.SelStart(), 10);
    form.txtName.SetSelLength(100);
    EXPECT_EQ(form.txtName.SelLength(), 5) << "the selection stops at the end of the text";
}

TEST(Captions, AccessKeysAndDoubledAmpersands) {
    struct Case {
        std::string caption;
        char key;
        std::string shown;
    };
    const Case cases[] = {
        {"&Save", 'S', "Save"},
        {"Post C&harges", 'H', "Post Charges"},
        {"Save && Exit", 0, "Save & Exit"},
        {"R&&D &list", 'L', "R&D list"},
        {"Plain", 0, "Plain"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessKeyOf(c.caption), c.key) << c.caption;
        EXPECT_EQ(DisplayedCaption(c.caption), c.shown) << c.caption;
    }
}

TEST(Menus, APopUpMenuChoosesTheQueuedItemAndADisabledOneCannotBeChosen) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.Show();
    EXPECT_THAT(form.mnuEdit.Items(), ElementsAre(&form.mnuCopy, &form.mnuPaste));
    EXPECT_THAT(form.MenuBar(), ElementsAre(&form.mnuEdit));

    app.host.ChooseFromPopup(form.mnuCopy);
    form.PopupMenu(form.mnuEdit);
    form.PopupMenu(form.mnuEdit);
    EXPECT_THAT(app.log, ElementsAre("mnuCopy_Click"));
    EXPECT_THAT(app.host.Popups(), ElementsAre("mnuEdit", "mnuEdit"));

    form.mnuEdit.SetEnabled(false);
    EXPECT_NONFATAL_FAILURE(testkit::ChooseMenu(form.mnuCopy), "disabled");
}

TEST(MessageBoxes, ButtonSetsOfferTheirAnswersWithTheChosenDefault) {
    struct Case {
        int buttons;
        std::vector<int> answers;
        int defaultAnswer;
    };
    const Case cases[] = {
        {vbOKOnly, {vbOK}, vbOK},
        {vbOKCancel + vbQuestion, {vbOK, vbCancel}, vbOK},
        {vbYesNo + vbQuestion + vbDefaultButton2, {vbYes, vbNo}, vbNo},
        {vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel},
        {vbRetryCancel + vbCritical, {vbRetry, vbCancel}, vbRetry},
        {vbAbortRetryIgnore + vbDefaultButton2, {vbAbort, vbRetry, vbIgnore}, vbRetry},
    };
    for (const Case& c : cases) {
        MessageBoxRequest request{"Save?", c.buttons, ""};
        EXPECT_EQ(request.Answers(), c.answers) << c.buttons;
        EXPECT_EQ(request.DefaultAnswer(), c.defaultAnswer) << c.buttons;
    }
    EXPECT_EQ(vbYes, 6);
    EXPECT_EQ(vbNo, 7);
}

TEST(MessageBoxes, AWindowsMessageBoxWithoutTitleShowsTheProgramsName) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    app.host.ExpectMsgBox("Save changes?").Answer(vbNo).Title("Tessun Nurse");
    app.host.ExpectMsgBox("Saved.").Title("Notification");
    EXPECT_EQ(form.MsgBox("Save changes?", vbYesNo + vbQuestion), vbNo);
    EXPECT_EQ(form.MsgBox("Saved.", vbInformation, "Notification"), vbOK);
    ASSERT_EQ(app.host.MessageBoxes().size(), 2u);
    EXPECT_EQ(app.host.MessageBoxes()[0].Icon(), vbQuestion);
    EXPECT_EQ(app.host.MessageBoxes()[1].Title, "Notification");
}

TEST(Pictures, LoadingAMissingFileIsAnError) {
    EXPECT_TRUE(LoadPicture("").IsEmpty());
    EXPECT_THROW(LoadPicture("/no/such/picture.jpg"), vb::VbError);
}

TEST(Menus, ARightClickCanOpenAPopUpMenuOverAControl) {
    TestApp app;
    frmControls& form = app.Forms.Get<frmControls>();
    form.Show();
    form.txtName.MouseDown = [&](int Button, int, float, float) {
        if (Button == vbRightButton)
            form.PopupMenu(form.mnuEdit);
    };
    app.host.ChooseFromPopup(form.mnuCopy);
    testkit::MouseDown(form.txtName, vbLeftButton);
    testkit::MouseDown(form.txtName, vbRightButton, 100, 50);
    EXPECT_THAT(app.host.Popups(), ElementsAre("mnuEdit"));
    EXPECT_THAT(app.log, ElementsAre("mnuCopy_Click"));
}
