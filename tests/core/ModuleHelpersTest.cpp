#include "core/ModuleHelpers.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/VbError.h"
#include "testkit/TestApp.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

struct PadCase {
    std::string text;
    std::int16_t width;
    std::int16_t align;
    std::string expected;
};

class PadRightCases : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadRightCases, PadRight) {
    EXPECT_EQ(ward::PadRight(GetParam().text, GetParam().width, GetParam().align), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, PadRightCases,
                         ::testing::Values(PadCase{" BP ", 6, 1, "BP    "},       // trimmed, then padded
                                           PadCase{"SYSTOLE", 6, 1, "SYSTOLE"},   // longer: unchanged, uncut
                                           PadCase{" PULSES ", 6, 1, " PULSES "}, // fills the width: untrimmed
                                           PadCase{"", 3, 1, "   "},              // nothing: all blanks
                                           PadCase{"BP", 6, 0, ""}));             // any other alignment

TEST(NullToSpace, GivesABlankForNullAndTheTextOtherwise) {
    EXPECT_EQ(ward::NullToSpace(vb::Variant::Null()), " ");
    EXPECT_EQ(ward::NullToSpace(vb::Variant("")), "");
    EXPECT_EQ(ward::NullToSpace(vb::Variant(std::int32_t{120})), "120");
    EXPECT_EQ(ward::NullToSpace(vb::Variant("O+")), "O+");
}

struct FakeBar {
    int min = -1, max = -1;
    void SetMin(int value) { min = value; }
    void SetMax(int value) { max = value; }
};

TEST(SetProgressRange, SetsZeroToTheRowCountAndLeavesTheBarForNoRows) {
    FakeBar bar;
    ward::SetProgressRange(bar, 1, 0);
    EXPECT_EQ(bar.min, -1);
    EXPECT_EQ(bar.max, -1);

    ward::SetProgressRange(bar, 1, 25);
    EXPECT_EQ(bar.min, 0);
    EXPECT_EQ(bar.max, 25);
}

TEST(RefreshServerDate, ReadsTheServersTimeAndKeepsTheOldOneOnFailure) {
    TestApp test;
    const vb::Date now = vb::MakeDate({2026, 12, 10, 14, 5, 30});
    test.server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{now}});
    test.server.On("select GETDATE() AS Tdate").Fails("Communication link failure", 11);

    ward::RefreshServerDate(test.app);
    EXPECT_EQ(test.app.ServerDate, now);

    EXPECT_THROW(ward::RefreshServerDate(test.app), vb::VbError);
    EXPECT_EQ(test.app.ServerDate, now);
}

// Windows that note the order in which they are unloaded; one of them may refuse.
std::vector<std::string> unloads;

class TrackedForm : public forms::Form {
public:
    explicit TrackedForm(ward::App& app) : Form(app.Forms) {}
    bool refuse = false;

protected:
    void Form_Unload(int& Cancel) override {
        unloads.push_back(Name());
        if (refuse)
            Cancel = 1;
    }
};
struct mdiMain : TrackedForm {
    using TrackedForm::TrackedForm;
};
struct frmFirst : TrackedForm {
    using TrackedForm::TrackedForm;
};
struct frmSecond : TrackedForm {
    using TrackedForm::TrackedForm;
};
struct frmThird : TrackedForm {
    using TrackedForm::TrackedForm;
};

TEST(UnloadAllForms, UnloadsTheLastLoadedFirstSkipsARefusalAndKeepsTheMainWindow) {
    TestApp test;
    unloads.clear();
    test.app.Forms.Get<mdiMain>();
    test.app.Forms.Get<frmFirst>();
    test.app.Forms.Get<frmSecond>().refuse = true;
    test.app.Forms.Get<frmThird>();

    ward::UnloadAllForms(test.app);

    EXPECT_EQ(unloads, (std::vector<std::string>{"frmThird", "frmSecond", "frmFirst"}));
    EXPECT_TRUE(test.app.Forms.IsLoaded<mdiMain>());
    EXPECT_TRUE(test.app.Forms.IsLoaded<frmSecond>());
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmFirst>());
    test.app.Forms.Get<frmSecond>().refuse = false;
}

TEST(ModuleState, AFreshRunStartsEmptyAndTheStartUpGivesItsValues) {
    testkit::ScriptedHost host;
    ward::App app(host);
    EXPECT_EQ(app.StationID, "");
    EXPECT_FALSE(app.UnitPriceInEntry);
    EXPECT_FALSE(app.ReloadNeuroExams);
    EXPECT_EQ(app.PSIReading, 0);

    ward::ApplyStartupValues(app);

    EXPECT_EQ(app.StationID, "SIC");
    EXPECT_EQ(app.StationName, "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT");
    EXPECT_TRUE(app.UnitPriceInEntry);
    EXPECT_TRUE(app.AllowReportPrint);
    EXPECT_FALSE(app.ObjectsCreated);
    EXPECT_FALSE(app.AgentLoaded);
}

TEST(ModuleState, NoConnectionBeforeTheLogInIsAnErrorNotACrash) {
    testkit::ScriptedHost host;
    ward::App app(host);
    EXPECT_THROW(app.Connection(), vb::VbError);
}

} // namespace
