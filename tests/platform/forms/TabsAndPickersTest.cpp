#include "TestWindows.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/forms/MonthView.h"
#include "platform/forms/Tabs.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/VbError.h"
#include "testkit/UserActions.h"

#include <map>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// A chart-like window: a tab control whose pages hold their own controls, and two date pickers on the form.
class frmChartTabs : public Form {
public:
    explicit frmChartTabs(TestApp& app) : Form(app.Forms), log(app.log) {
        sstChart.Click = [this](int PreviousTab) { sstChart_Click(PreviousTab); };
        dtpFrom.Change = [this] { this->log.push_back("dtpFrom_Change " + dtpFrom.Text()); };
    }
    SSTab sstChart{*this, "sstChart"};
    TextBox txtNotes{*this, "txtNotes"};
    CheckBox chkAllergy{*this, "chkAllergy"};
    TextBox txtResult{*this, "txtResult"};
    DTPicker dtpFrom{*this, "dtpFrom"};
    DTPicker dtpTo{*this, "dtpTo"};

    // Which tab a Click on a given tab moves on to, as the chart's first-visit redirects do.
    std::map<int, int> redirect;

private:
    void Design() override {
        SetInnerSize(8000, 4200);
        sstChart.SetTabs(3);
        sstChart.SetTabCaption(0, "Nurse's Notes");
        sstChart.SetTabCaption(1, "Patient Profile");
        sstChart.SetTabCaption(2, "Results");
        Layout layout(*this);
        layout.Full(sstChart, 2400);
        Layout(sstChart, {}, 0).Full(txtNotes, 1200);
        Layout(sstChart, {}, 1).Full(chkAllergy);
        Layout(sstChart, {}, 2).Full(txtResult);
        layout.Row({{&dtpFrom, 1800}, {&dtpTo, 1800}});
    }
    void sstChart_Click(int PreviousTab) {
        log.push_back("sstChart_Click " + std::to_string(PreviousTab) + "->" + std::to_string(sstChart.Tab()));
        auto found = redirect.find(sstChart.Tab());
        if (found != redirect.end())
            sstChart.SetTab(found->second);
    }
    std::vector<std::string>& log;
};

vb::Date Day(int year, int month, int day) { return vb::DateSerial(year, month, day); }

vb::Date At(vb::Date day, int hour, int minute, int second) {
    return vb::Date{day.serial + vb::TimeSerial(hour, minute, second).serial};
}

// An operating-room calendar: a click on a day of another month than the server's goes back to the server's time.
class frmOperatingRoom : public Form {
public:
    explicit frmOperatingRoom(TestApp& app) : Form(app.Forms), log(app.log) {
        MonthView1.DateClick = [this](vb::Date DateClicked) { MonthView1_DateClick(DateClicked); };
    }
    TextBox txtRemarks{*this, "txtRemarks"};
    MonthView MonthView1{*this, "MonthView1"};
    vb::Date ServerDate = At(Day(2026, 12, 11), 14, 35, 7);

private:
    void Design() override {
        SetInnerSize(4000, 3600);
        Layout layout(*this);
        layout.Full(txtRemarks);
        layout.Full(MonthView1, 2400);
    }
    void MonthView1_DateClick(vb::Date DateClicked) {
        log.push_back("MonthView1_DateClick " + FormatPickerDate(DateClicked, "M/d/yyyy h:mm:ss tt") + ", value " +
                      FormatPickerDate(MonthView1.Value(), "M/d/yyyy h:mm:ss tt"));
        if (vb::Month(vb::Variant(MonthView1.Value())) != vb::Month(vb::Variant(ServerDate)))
            MonthView1.SetValue(ServerDate);
    }
    std::vector<std::string>& log;
};

class MonthViewTest : public ::testing::Test {
protected:
    TestApp app;
    frmOperatingRoom& form = app.Forms.Get<frmOperatingRoom>();
};

class TabsTest : public ::testing::Test {
protected:
    TestApp app;
    frmChartTabs& form = app.Forms.Get<frmChartTabs>();
};

} // namespace

TEST_F(TabsTest, SettingTabFromInsideItsOwnClickRaisesTheInnerClickAtOnce) {
    form.redirect[1] = 2;
    form.sstChart.SetTab(1);
    form.sstChart.SetTab(2);
    EXPECT_EQ(form.sstChart.Tab(), 2);
    EXPECT_THAT(app.log, ElementsAre("sstChart_Click 0->1", "sstChart_Click 1->2")) << "setting the same tab is quiet";
}

TEST_F(TabsTest, EachPageShowsAndEnablesOnlyItsOwnControls) {
    form.Show();
    EXPECT_TRUE(form.txtNotes.IsEffectivelyVisible());
    EXPECT_FALSE(form.chkAllergy.IsEffectivelyVisible());
    ASSERT_TRUE(testkit::Focus(form.txtNotes));

    form.sstChart.SetTab(1);
    EXPECT_TRUE(form.chkAllergy.IsEffectivelyVisible());
    EXPECT_FALSE(form.txtNotes.IsEffectivelyVisible());
    EXPECT_TRUE(form.sstChart.HasFocus()) << "the focus leaves the page that went out of sight";

    form.sstChart.SetTabEnabled(1, false);
    EXPECT_FALSE(form.chkAllergy.IsEffectivelyEnabled());
    form.sstChart.SetTabVisible(1, false);
    EXPECT_EQ(form.sstChart.Tab(), 2) << "hiding the current tab moves on to the next one shown";
    EXPECT_FALSE(form.sstChart.UserChooseTab(1)) << "a hidden tab cannot be clicked";
    testkit::ChooseTab(form.sstChart, 0);
    EXPECT_THAT(app.log, ElementsAre("sstChart_Click 0->1", "sstChart_Click 1->2", "sstChart_Click 2->0"));
    EXPECT_EQ(VbErrorOf([&] { form.sstChart.SetTab(3); }), 380);
}

TEST_F(TabsTest, AltWithTheAccessKeyOfATabsCaptionChoosesIt) {
    form.sstChart.SetTabCaption(2, "&Results");
    form.Show();
    testkit::PressKey(form.dtpFrom, 'R', vbAltMask);
    EXPECT_EQ(form.sstChart.Tab(), 2);
    EXPECT_TRUE(form.sstChart.HasFocus());
    form.sstChart.SetTabEnabled(1, false);
    form.sstChart.SetTabCaption(1, "&Profile");
    testkit::PressKey(form.sstChart, 'P', vbAltMask);
    EXPECT_EQ(form.sstChart.Tab(), 2) << "a disabled tab cannot be chosen";
}

TEST_F(TabsTest, ControlsLaidOutOnPagesStartBelowTheTabsAndTheCheckFindsOnesThatCoverThem) {
    EXPECT_THAT(FindOverlaps(form), testing::IsEmpty());
    EXPECT_GE(form.txtNotes.Top(), form.sstChart.TabHeight());
    form.txtResult.SetTop(100);
    EXPECT_THAT(FindOverlaps(form), ElementsAre("txtResult covers the tabs of sstChart"));
}

TEST_F(TabsTest, APickerStartsWithThePlatformsRangeAndRefusesValuesOutsideIt) {
    EXPECT_EQ(form.dtpFrom.MinDate(), Day(1601, 1, 1));
    EXPECT_EQ(form.dtpFrom.MaxDate(), Day(9999, 12, 31));
    form.dtpFrom.SetMaxDate(Day(2026, 3, 1));
    form.dtpFrom.SetValue(Day(2026, 2, 14));
    std::string text;
    EXPECT_EQ(VbErrorOf([&] { form.dtpFrom.SetValue(Day(2026, 3, 2)); }, &text), 35775);
    EXPECT_EQ(text, "A date was specified that does not fall within the MinDate and MaxDate properties.");
    form.dtpFrom.SetValue(vb::Date{Day(2026, 3, 1).serial + 0.75});
    EXPECT_EQ(vb::Hour(vb::Variant(form.dtpFrom.Value())), 18) << "only the day counts against the range";
    EXPECT_EQ(VbErrorOf([&] { form.dtpFrom.SetMinDate(Day(2026, 3, 2)); }), 380) << "a minimum above the maximum";
    EXPECT_EQ(form.dtpFrom.MinDate(), Day(1601, 1, 1));
}

TEST_F(TabsTest, NarrowingThePickersRangeMovesItsValueToTheNearestBoundWithChange) {
    form.dtpFrom.SetValue(Day(2026, 3, 20));
    app.log.clear();
    form.dtpFrom.SetMaxDate(Day(2026, 3, 1));
    form.dtpFrom.SetMaxDate(Day(2026, 12, 1));
    form.dtpFrom.SetMinDate(Day(2026, 6, 1));
    EXPECT_EQ(form.dtpFrom.Value(), Day(2026, 6, 1));
    EXPECT_THAT(app.log, ElementsAre("dtpFrom_Change 3/1/2026", "dtpFrom_Change 6/1/2026"))
        << "widening the range leaves the value alone";
}

TEST_F(TabsTest, TheUserCannotPickADayOutsideTheRange) {
    form.dtpTo.SetMaxDate(Day(2026, 3, 1));
    form.dtpTo.SetValue(Day(2026, 3, 1));
    form.Show();
    EXPECT_FALSE(testkit::PickDate(form.dtpTo, Day(2026, 3, 2)));
    EXPECT_TRUE(testkit::PickDate(form.dtpTo, Day(2026, 2, 27)));
    EXPECT_EQ(form.dtpTo.Value(), Day(2026, 2, 27));
}

TEST_F(MonthViewTest, ValueKeepsTheTimeCodeGivesAndRaisesNoDateClick) {
    EXPECT_EQ(form.MonthView1.Value(), Today());
    form.MonthView1.SetValue(form.ServerDate);
    EXPECT_EQ(form.MonthView1.Value(), form.ServerDate);
    form.MonthView1.SetValue(Day(2027, 1, 3));
    EXPECT_THAT(app.log, IsEmpty());
    form.Unload();
    EXPECT_EQ(form.MonthView1.Value(), Today());
}

TEST_F(MonthViewTest, AClickedDayBecomesTheValueAndRaisesDateClickWithThatDay) {
    form.MonthView1.SetValue(form.ServerDate);
    form.Show();
    form.txtRemarks.SetFocus();
    testkit::ClickDay(form.MonthView1, At(Day(2026, 12, 24), 9, 30, 0));
    EXPECT_TRUE(form.MonthView1.HasFocus());
    EXPECT_EQ(form.MonthView1.Value(), Day(2026, 12, 24)) << "a clicked day has no time";
    testkit::ClickDay(form.MonthView1, Day(2026, 12, 24));
    EXPECT_THAT(app.log, ElementsAre("MonthView1_DateClick 12/24/2026 12:00:00 AM, value 12/24/2026 12:00:00 AM",
                                     "MonthView1_DateClick 12/24/2026 12:00:00 AM, value 12/24/2026 12:00:00 AM"))
        << "clicking the day already picked raises DateClick again";
}

TEST_F(MonthViewTest, AValueTheHandlerSetsBackStands) {
    form.Show();
    testkit::ClickDay(form.MonthView1, Day(2027, 1, 4));
    EXPECT_EQ(form.MonthView1.Value(), form.ServerDate);
    EXPECT_THAT(app.log, ElementsAre("MonthView1_DateClick 1/4/2027 12:00:00 AM, value 1/4/2027 12:00:00 AM"));
}

TEST(DatePickerFormat, TheCustomFormatUsesThePickersOwnLetters) {
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"MM/dd/yyyy", "03/05/2026"}, {"M/d/yy", "3/5/26"},     {"hh:mm tt", "02:07 PM"},
        {"HH:mm:ss", "14:07:09"},     {"yyy", "2026"},          {"dddd, MMMM dd", "Thursday, March 05"},
        {"ddd MMM", "Thu Mar"},       {"'Date:' d", "Date: 5"}, {"h t", "2 P"},
    };
    vb::Date date{vb::DateSerial(2026, 3, 5).serial + vb::TimeSerial(14, 7, 9).serial};
    for (const Case& c : cases)
        EXPECT_EQ(FormatPickerDate(date, c.format), c.expected) << c.format;
}
