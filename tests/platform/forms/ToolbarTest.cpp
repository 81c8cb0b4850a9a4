#include "platform/forms/Toolbar.h"
#include "TestWindows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

class frmFrame : public Form {
public:
    explicit frmFrame(TestApp& app) : Form(app.Forms), log(app.log) {
        Toolbar1.ButtonClick = [this](ToolbarButton& Button) { log.push_back("ButtonClick " + Button.Key()); };
        Toolbar1.ButtonMenuClick = [this](ButtonMenu& ButtonMenu) {
            log.push_back("ButtonMenuClick " + ButtonMenu.Parent().Key() + "/" + ButtonMenu.Key());
        };
    }
    Toolbar Toolbar1{*this, "Toolbar1"};

private:
    void Design() override {
        SetInnerSize(6000, 3000);
        Toolbar1.AddButton("Open", "Patient List");
        ToolbarButton& reports = Toolbar1.AddButton("Report", "View Reports", tbrDropdown);
        reports.AddButtonMenu("Audit", "Audit Report");
        reports.AddButtonMenu("Diet", "Diet List");
    }
    std::vector<std::string>& log;
};

class ToolbarTest : public ::testing::Test {
protected:
    TestApp app;
    frmFrame& form = app.Forms.Get<frmFrame>();
};

} // namespace

TEST_F(ToolbarTest, ButtonsAndItemsAreFoundByPositionFromOneOrByKey) {
    Toolbar& bar = form.Toolbar1;
    EXPECT_EQ(bar.Buttons(2).Caption(), "View Reports");
    EXPECT_EQ(bar.Buttons("Report").Index(), 2);
    EXPECT_EQ(bar.Buttons("Report").ButtonMenus("Diet").Index(), 2);
    EXPECT_EQ(bar.Buttons(2).ButtonMenus(1).Text(), "Audit Report");
    EXPECT_EQ(VbErrorOf([&] { bar.Buttons(0); }), 35600);
    EXPECT_EQ(VbErrorOf([&] { bar.Buttons(3); }), 35600);
    EXPECT_EQ(VbErrorOf([&] { bar.Buttons("Exit"); }), 35601);
    EXPECT_EQ(VbErrorOf([&] { bar.AddButton("Open", "Again"); }), 35602) << "keys are unique";
    EXPECT_EQ(VbErrorOf([&] { bar.Buttons("Report").AddButtonMenu("Diet", "Again"); }), 35602);
    EXPECT_EQ(VbErrorOf([&] { bar.Buttons("Open").AddButtonMenu("X", "Not a drop-down"); }), 380);
}

TEST_F(ToolbarTest, AFaceOrAnItemRaisesItsEventOnlyWhileTheBarAndButtonCanBeUsed) {
    Toolbar& bar = form.Toolbar1;
    bar.UserClickButton(bar.Buttons("Report"));
    bar.UserChooseButtonMenu(bar.Buttons("Report").ButtonMenus("Diet"));
    bar.Buttons("Report").SetEnabled(false);
    bar.UserChooseButtonMenu(bar.Buttons("Report").ButtonMenus("Audit"));
    bar.UserClickButton(bar.Buttons("Open"));
    bar.SetEnabled(false);
    bar.UserClickButton(bar.Buttons("Open"));
    EXPECT_THAT(app.log, ElementsAre("ButtonClick Report", "ButtonMenuClick Report/Diet", "ButtonClick Open"));
}

TEST_F(ToolbarTest, UnloadingTakesTheButtonsBackToTheDesign) {
    form.Toolbar1.Buttons("Open").SetToolTipText("Changed");
    form.Unload();
    frmFrame& again = app.Forms.Get<frmFrame>();
    EXPECT_EQ(again.Toolbar1.ButtonCount(), 2);
    EXPECT_EQ(again.Toolbar1.Buttons("Open").ToolTipText(), "");
}
