#include "TestWindows.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// An entry window whose fields are a control array. A handler may start the window over (unload it and show it
// again, which builds new fields) or unload the field whose event it handles.
class frmEntry : public Form {
public:
    explicit frmEntry(TestApp& app) : Form(app.Forms), app(app) {
        txtField.On(&Control::KeyDown, [this](int Index, int&, int) { Heard("KeyDown", Index); });
        txtField.On(&Control::KeyPress, [this](int Index, int&) { Heard("KeyPress", Index); });
        txtField.On(&Control::KeyUp, [this](int Index, int&, int) { Heard("KeyUp", Index); });
        txtField.On(&Control::Click, [this](int Index) { Heard("Click", Index); });
        txtField.On(&Control::DblClick, [this](int Index) { Heard("DblClick", Index); });
        txtField.On(&Control::LostFocus, [this](int Index) { Heard("LostFocus", Index); });
    }

    ControlArray<TextBox> txtField{*this, "txtField"};
    std::string StartOverOn; // the event whose handler unloads the window and shows it again
    std::string UnloadOn;    // the event whose handler unloads a field
    int FieldToUnload = 0;

private:
    void Design() override {
        txtField.Load(0);
        txtField.Load(1).SetTop(600);
    }
    void Heard(const std::string& event, int Index) {
        app.log.push_back("txtField_" + event + "(" + std::to_string(Index) + ")");
        if (event == StartOverOn) {
            Unload();
            Show();
        }
        if (event == UnloadOn)
            txtField.Unload(FieldToUnload);
    }

    TestApp& app;
};

struct StartOverCase {
    const char* name;
    const char* startOverOn;
    std::function<void(frmEntry&)> act;
    std::vector<std::string> heard;
};

class StartingOverInAHandler : public ::testing::TestWithParam<StartOverCase> {};

} // namespace

// The rest of the key or click belonged to the fields the window had before: it reaches neither them (they are gone)
// nor the new ones.
TEST_P(StartingOverInAHandler, EndsTheInputThatRaisedIt) {
    TestApp app;
    frmEntry& form = app.Forms.Get<frmEntry>();
    form.Show();
    form.StartOverOn = GetParam().startOverOn;
    GetParam().act(form);
    EXPECT_EQ(app.log, GetParam().heard);
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.txtField(0).Text(), "");
    EXPECT_EQ(form.ActiveControl(), &form.txtField(0));
}

INSTANTIATE_TEST_SUITE_P(
    FormReload, StartingOverInAHandler,
    ::testing::Values(StartOverCase{"KeyDown",
                                    "KeyDown",
                                    [](frmEntry& form) { testkit::PressKey(form.txtField(0), vbKeyA); },
                                    {"txtField_KeyDown(0)"}},
                      StartOverCase{"KeyPress",
                                    "KeyPress",
                                    [](frmEntry& form) { testkit::PressKey(form.txtField(0), vbKeyA); },
                                    {"txtField_KeyDown(0)", "txtField_KeyPress(0)"}},
                      StartOverCase{"ClickOfADoubleClick",
                                    "Click",
                                    [](frmEntry& form) { testkit::DoubleClick(form.txtField(0)); },
                                    {"txtField_Click(0)"}},
                      StartOverCase{"LostFocusBeforeAClick",
                                    "LostFocus",
                                    [](frmEntry& form) { testkit::Click(form.txtField(1)); },
                                    {"txtField_LostFocus(0)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormReload, AFieldCannotBeUnloadedFromItsOwnEvent) {
    TestApp app;
    frmEntry& form = app.Forms.Get<frmEntry>();
    form.Show();
    std::vector<int> errors;
    app.Forms.SetErrorReporter([&](const std::exception& error) {
        const auto* raised = dynamic_cast<const vb::VbError*>(&error);
        errors.push_back(raised != nullptr ? raised->Number() : 0);
        EXPECT_STREQ(error.what(), "Unable to unload within this context");
    });
    form.UnloadOn = "KeyDown";
    form.FieldToUnload = 0;
    testkit::PressKey(form.txtField(0), vbKeyA);
    EXPECT_THAT(errors, ElementsAre(365));
    EXPECT_TRUE(form.txtField.Exists(0));
    EXPECT_THAT(app.log, ElementsAre("txtField_KeyDown(0)", "txtField_KeyPress(0)", "txtField_KeyUp(0)"));

    // Another field may go, and the field itself once its events are over.
    form.FieldToUnload = 1;
    testkit::PressKey(form.txtField(0), vbKeyA);
    EXPECT_FALSE(form.txtField.Exists(1));
    form.txtField.Unload(0);
    EXPECT_EQ(form.txtField.Count(), 0);
    EXPECT_THAT(errors, ElementsAre(365));
}

TEST(FormReload, AWindowMayStillUnloadItselfFromAFieldsEvent) {
    TestApp app;
    frmEntry& form = app.Forms.Get<frmEntry>();
    form.Show();
    form.txtField.On(&Control::Click, [&form](int) { form.Unload(); });
    testkit::DoubleClick(form.txtField(1));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(form.txtField.Exists(1));
}
