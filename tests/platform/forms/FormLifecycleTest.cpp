#include "TestWindows.h"
#include "platform/vb/VbError.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// A window that unloads itself while loading when told to, as the results and discharge windows do when there is
// nothing to show.
class frmNothingToShow : public Form {
public:
    explicit frmNothingToShow(TestApp& app) : Form(app.Forms) {}
    bool NothingToShow = true;

private:
    void Form_Load() override {
        if (NothingToShow)
            Unload();
    }
};

// A window that opens the sign-in dialog and counts its activations.
class frmChart : public Form {
public:
    explicit frmChart(TestApp& app) : Form(app.Forms), app(app) {
        cmdPost.Click = [this] { cmdPost_Click(); };
        tmrPoll.TimerEvent = [this] { ++Polls; };
    }
    CommandButton cmdPost{*this, "cmdPost"};
    Timer tmrPoll{*this, "tmrPoll"};
    int Activations = 0;
    int Polls = 0;
    std::string PostedBy;

private:
    void Design() override {
        cmdPost.SetCaption("Post Charges");
        tmrPoll.SetInterval(5000);
    }
    void Form_Activate() override { ++Activations; }
    void cmdPost_Click() {
        frmSignIn& dialog = app.Forms.Get<frmSignIn>();
        dialog.ShowModal();
        PostedBy = dialog.SignedInUser;
    }
    TestApp& app;
};

// A window whose handlers fail.
class frmFaulty : public Form {
public:
    explicit frmFaulty(TestApp& app) : Form(app.Forms) {
        cmdSave.Click = [this] { cmdSave_Click(); };
    }
    CommandButton cmdSave{*this, "cmdSave"};
    int StepsDone = 0;

private:
    void cmdSave_Click() {
        ++StepsDone;
        throw vb::VbError(13, "Type mismatch");
    }
};

class frmGuarded : public Form {
public:
    explicit frmGuarded(TestApp& app) : Form(app.Forms) {}
    bool AllowClose = false;
    int LastUnloadMode = -1;

private:
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        LastUnloadMode = UnloadMode;
        if (!AllowClose)
            Cancel = 1;
    }
};

} // namespace

TEST(FormInstances, SettingAPublicMemberDoesNotLoadButUsingTheWindowDoesOnce) {
    TestApp app;
    frmSignIn& instance = app.Forms.Instance<frmSignIn>();
    instance.RequireUserID = true;
    EXPECT_FALSE(instance.IsLoaded());
    EXPECT_EQ(instance.Loads, 0);
    EXPECT_EQ(instance.Initializes, 1);

    frmSignIn& loaded = app.Forms.Get<frmSignIn>();
    app.Forms.Get<frmSignIn>();
    EXPECT_EQ(&loaded, &instance);
    EXPECT_TRUE(loaded.IsLoaded());
    EXPECT_EQ(loaded.Loads, 1);
    EXPECT_TRUE(loaded.RequireUserID);
}

TEST(FormInstances, UnloadResetsTheControlsAndKeepsTheWindowsOwnMembers) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.txtUserID.SetText("NURSE1");
    form.cmdOption(1).SetCaption("Changed");
    form.SignedInUser = "NURSE1";

    ASSERT_TRUE(form.Unload());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.txtUserID.Text(), "");
    EXPECT_EQ(form.cmdOption(1).Caption(), "&Cancel");
    EXPECT_EQ(form.SignedInUser, "NURSE1");

    app.Forms.Get<frmSignIn>();
    EXPECT_EQ(form.Loads, 2);
    EXPECT_EQ(form.Initializes, 1);
}

TEST(FormInstances, AFreshInstanceLivesBesideTheDefaultOneAndIsReleasedAfterItsUnload) {
    TestApp app;
    frmSignIn& standard = app.Forms.Get<frmSignIn>();
    std::weak_ptr<frmSignIn> released;
    {
        std::shared_ptr<frmSignIn> fresh = app.Forms.New<frmSignIn>();
        released = fresh;
        fresh->Show();
        fresh->txtUserID.SetText("OTHER");
        EXPECT_EQ(standard.txtUserID.Text(), "");
        EXPECT_THAT(app.Forms.LoadedForms(), ElementsAre(&standard, fresh.get()));
    }
    ASSERT_FALSE(released.expired()) << "a shown instance stays alive while it is loaded";
    released.lock()->Unload();
    EXPECT_TRUE(released.expired());
    EXPECT_THAT(app.Forms.LoadedForms(), ElementsAre(&standard));
}

TEST(FormInstances, AnInstanceThatUnloadsItselfFromItsOwnHandlerSurvivesUntilTheHandlerEnds) {
    TestApp app;
    std::weak_ptr<frmSignIn> released;
    {
        auto fresh = app.Forms.New<frmSignIn>();
        released = fresh;
        fresh->Show();
    }
    testkit::Click(released.lock()->cmdOption(1));
    EXPECT_TRUE(released.expired());
    EXPECT_THAT(app.log, testing::Contains("cmdOption_Click(1)"));
}

TEST(FormInstances, ShutdownUnloadsAllButTheFirstFromTheLast) {
    TestApp app;
    app.Forms.Get<frmChart>();
    frmSignIn& signIn = app.Forms.Get<frmSignIn>();
    frmGuarded& guarded = app.Forms.Get<frmGuarded>();
    guarded.AllowClose = true;
    EXPECT_TRUE(app.Forms.UnloadFromLast(1));
    EXPECT_FALSE(signIn.IsLoaded());
    EXPECT_EQ(guarded.LastUnloadMode, vbFormCode);
    EXPECT_EQ(app.Forms.Count(), 1);
    EXPECT_EQ(app.Forms.LoadedForms().front()->Name(), "frmChart");
}

TEST(FormInstances, QueryUnloadCancelsAClosingAndSeesHowItWasClosed) {
    TestApp app;
    frmGuarded& form = app.Forms.Get<frmGuarded>();
    form.Show();
    EXPECT_FALSE(testkit::CloseWindow(form));
    EXPECT_EQ(form.LastUnloadMode, vbFormControlMenu);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.Visible());
    form.AllowClose = true;
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.LastUnloadMode, vbFormCode);
}

TEST(FormModal, AModalShowOfAWindowThatUnloadedItselfWhileLoadingReturnsAtOnce) {
    TestApp app;
    frmNothingToShow& form = app.Forms.Get<frmNothingToShow>();
    EXPECT_FALSE(form.IsLoaded());
    form.ShowModal();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(app.host.ModalShows().empty());
    EXPECT_EQ(app.Forms.Count(), 0);
}

TEST(FormModal, TheOpenerIsActivatedAgainWhenTheModalDialogCloses) {
    TestApp app;
    frmChart& chart = app.Forms.Get<frmChart>();
    chart.Show();
    EXPECT_EQ(chart.Activations, 1);
    app.host.OnModal<frmSignIn>([&](frmSignIn& dialog) {
        EXPECT_EQ(app.Forms.ActiveForm(), &dialog);
        EXPECT_EQ(dialog.ActiveControl(), &dialog.txtUserID);
        testkit::Type(dialog.txtUserID, "nurse1");
        testkit::Click(dialog.cmdOption(0));
    });
    testkit::Click(chart.cmdPost);
    EXPECT_EQ(chart.PostedBy, "nurse1");
    EXPECT_EQ(chart.Activations, 2);
    EXPECT_EQ(app.Forms.ActiveForm(), &chart);
    EXPECT_THAT(app.host.ModalShows(), ElementsAre("frmSignIn"));
}

TEST(FormModal, TimersTickWhileAModalDialogIsOpenAndStopWithTheirWindow) {
    TestApp app;
    frmChart& chart = app.Forms.Get<frmChart>();
    chart.Show();
    EXPECT_TRUE(app.host.IsRunning(chart.tmrPoll));
    app.host.OnModal<frmSignIn>([&](frmSignIn& dialog) {
        app.host.FireTimer(chart.tmrPoll);
        app.host.FireTimer(chart.tmrPoll);
        testkit::Click(dialog.cmdOption(1));
    });
    testkit::Click(chart.cmdPost);
    EXPECT_EQ(chart.Polls, 2);
    chart.tmrPoll.SetEnabled(false);
    EXPECT_FALSE(app.host.IsRunning(chart.tmrPoll));
    chart.tmrPoll.SetEnabled(true);
    chart.Unload();
    EXPECT_FALSE(app.host.IsRunning(chart.tmrPoll));
}

TEST(FormModal, ShowingAModalWindowThatIsAlreadyShownIsAnError) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    form.Show();
    EXPECT_THROW(form.ShowModal(), vb::VbError);
}

TEST(FormErrors, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    TestApp app;
    frmFaulty& form = app.Forms.Get<frmFaulty>();
    form.Show();
    app.host.ExpectMsgBox("Type mismatch").Title("Tessun Nurse").Buttons(vbOKOnly);
    testkit::Click(form.cmdSave);
    EXPECT_EQ(form.StepsDone, 1);

    std::vector<std::string> reported;
    app.Forms.SetErrorReporter([&](const std::exception& error) { reported.push_back(error.what()); });
    testkit::Click(form.cmdSave);
    EXPECT_EQ(form.StepsDone, 2);
    EXPECT_THAT(reported, ElementsAre("Type mismatch"));
}

TEST(FormErrors, AnErrorInAChangeRaisedByCodeAbandonsOnlyTheChangeHandler) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    std::vector<std::string> reported;
    app.Forms.SetErrorReporter([&](const std::exception& error) { reported.push_back(error.what()); });
    form.txtUserID.Change = [] { throw std::runtime_error("lookup failed"); };
    form.txtUserID.SetText("A");
    form.txtAccessCode.SetText("B");
    EXPECT_EQ(form.txtAccessCode.Text(), "B");
    EXPECT_THAT(reported, ElementsAre("lookup failed"));
}

namespace {

class frmSelfClosing : public Form {
public:
    explicit frmSelfClosing(TestApp& app) : Form(app.Forms) {
        tmrClose.TimerEvent = [this] { tmrClose_Timer(); };
    }
    Timer tmrClose{*this, "tmrClose"};
    int Ticks = 0;

private:
    void Design() override { tmrClose.SetInterval(1000); }
    void tmrClose_Timer() {
        ++Ticks;
        Unload();
    }
};

// Records what a display binding would hear.
struct RecordingObserver : FormObserver {
    std::vector<std::string> heard;
    void FormChanged(Form&, std::string_view property) override { heard.push_back("form " + std::string(property)); }
    void ControlChanged(Control& control, std::string_view property) override {
        heard.push_back(control.DisplayName() + " " + std::string(property));
    }
    void ControlAdded(Control& control) override { heard.push_back("added " + control.DisplayName()); }
    void ControlRemoved(Control& control) override { heard.push_back("removed " + control.DisplayName()); }
};

} // namespace

TEST(FormTimers, AWindowMayUnloadItselfFromItsTimerEvenASeparateInstance) {
    TestApp app;
    std::weak_ptr<frmSelfClosing> released;
    {
        auto fresh = app.Forms.New<frmSelfClosing>();
        released = fresh;
        fresh->Show();
    }
    frmSelfClosing& standard = app.Forms.Get<frmSelfClosing>();
    standard.Show();
    app.host.FireTimer(released.lock()->tmrClose);
    EXPECT_TRUE(released.expired());
    app.host.FireTimer(standard.tmrClose);
    EXPECT_FALSE(standard.IsLoaded());
    EXPECT_EQ(standard.Ticks, 1);
    EXPECT_FALSE(app.host.IsRunning(standard.tmrClose));
}

TEST(FormObservers, ABindingHearsEveryChangeOfTheWindowAndItsControls) {
    TestApp app;
    frmSignIn& form = app.Forms.Instance<frmSignIn>();
    RecordingObserver observer;
    form.AddObserver(&observer);
    form.Show();
    form.txtUserID.SetText("N1");
    form.cmdOption.Load(2);
    form.Unload();
    form.RemoveObserver(&observer);
    std::size_t heardBefore = observer.heard.size();
    form.SetCaption("Not heard");
    EXPECT_THAT(observer.heard,
                testing::IsSupersetOf({"form Loaded", "form Visible", "txtUserID Text", "added cmdOption(2)",
                                       "removed cmdOption(2)", "removed cmdOption(0)", "added cmdOption(0)",
                                       "txtUserID *", "form *"}));
    EXPECT_EQ(observer.heard.size(), heardBefore);
}

TEST(FormObservers, TheControlsOfAWindowCanBeListedWithTheirKindContainerAndGeometry) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    std::vector<std::string> listed;
    for (const Control* control : form.Controls())
        listed.push_back(control->DisplayName());
    EXPECT_THAT(listed, ElementsAre("lblUserID", "txtUserID", "lblAccessCode", "txtAccessCode", "cmdOption(0)",
                                    "cmdOption(1)"));
    EXPECT_EQ(form.FindControl("cmdOption(1)")->Kind(), ControlKind::CommandButton);
    EXPECT_EQ(form.FindControl("txtUserID")->Container(), nullptr);
    EXPECT_GT(form.FindControl("txtUserID")->Width(), 0);
}
