#include "chart/frmFinal.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureORSchedule.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

vb::Date At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return vb::MakeDate({year, month, day, hour, minute, second});
}

std::string DayText(vb::Date date) { return fixture::ScheduleDayText(date); }

// The chart of the fixture's in-patient for a nurse who may schedule operations, the server's clock at now; the
// Schedule Operation page not yet opened.
struct ScheduleChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit ScheduleChart(vb::Date now = At(2026, 12, 11, 14, 5, 33))
        : chart(fixture::OpenScheduleChart(test, now)) {}

    void OpenPage() { ChooseTab(chart.tabSSTab1, 7); }

    std::vector<std::string> Rooms() const { return chart.Schedule1.Columns(); }
    std::vector<std::string> BookingTexts() const {
        std::vector<std::string> texts;
        for (const forms::ScheduleBooking& booking : chart.Schedule1.Bookings())
            texts.push_back(booking.Text);
        return texts;
    }
};

TEST(ORSchedulePage, SetsUpTheRoomsAndTheDayOnceAndSkipsWhatFails) {
    struct Case {
        const char* name;
        std::function<void(ScriptedServer&)> prepare;
        std::vector<std::string> rooms;
        vb::Date dayStart;
        int dayLength;
        int increment;
    };
    const std::vector<std::string> allRooms = {"OR 1", "OR 2", "OR 3"};
    const Case cases[] = {
        {"rooms and settings", [](ScriptedServer&) {}, allRooms, vb::TimeSerial(7, 0, 0), 720, 30},
        {"no settings row",
         [](ScriptedServer& server) {
             server.Instead(fixture::ORSettingsQuery).Returns(fixture::ORSettingsColumns, {});
         },
         allRooms, vb::Date{}, 1440, 60},
        {"the room list failing",
         [](ScriptedServer& server) {
             // A name sent alone is tried as a procedure, then as a table.
             server.Instead(fixture::RoomListQuery).Fails("Could not find rooms", 2812);
             server.Instead(std::string("SELECT * FROM ") + fixture::RoomListQuery).Fails("Invalid object", 208);
         },
         allRooms, vb::TimeSerial(7, 0, 0), 720, 30}, // the rooms of the day's bookings
        {"the settings failing",
         [](ScriptedServer& server) { server.Instead(fixture::ORSettingsQuery).Fails("Invalid object name", 208); },
         allRooms, vb::Date{}, 1440, 60},
        {"both failing",
         [](ScriptedServer& server) {
             server.Instead(fixture::RoomListQuery).Fails("Could not find rooms", 2812);
             server.Instead(std::string("SELECT * FROM ") + fixture::RoomListQuery).Fails("Invalid object", 208);
             server.Instead(fixture::ORSettingsQuery).Fails("Invalid object name", 208);
         },
         allRooms, vb::Date{}, 1440, 60},
        {"a settings row of Nulls",
         [](ScriptedServer& server) {
             server.Instead(fixture::ORSettingsQuery)
                 .Returns(fixture::ORSettingsColumns,
                          {{vb::Variant::Null(), vb::Variant::Null(), vb::Variant::Null()}});
         },
         allRooms, vb::Date{}, 1440, 60},
    };
    for (const Case& c : cases) {
        ScheduleChart s;
        c.prepare(s.test.server);
        const std::size_t mark = s.test.server.Mark();
        s.OpenPage();
        EXPECT_EQ(s.chart.tabSSTab1.Tab(), 7) << c.name;
        const std::vector<std::string> sent = s.test.server.Statements(mark);
        EXPECT_EQ(sent.front(), fixture::RightsQuery(fixture::NurseCode)) << c.name;
        EXPECT_THAT(sent, testing::IsSupersetOf({fixture::RoomListQuery, fixture::ORSettingsQuery}));
        EXPECT_EQ(sent.back(), "SCHEDULE..sp_Get_ORSCHEDULE '12/11/2026 '") << c.name;
        // Without rooms the bookings' own rooms still get their columns.
        EXPECT_EQ(s.Rooms(), c.rooms) << c.name;
        EXPECT_EQ(s.chart.Schedule1.DayStart(), c.dayStart) << c.name;
        EXPECT_EQ(s.chart.Schedule1.DayLength(), c.dayLength) << c.name;
        EXPECT_EQ(s.chart.Schedule1.Increment(), c.increment) << c.name;
        EXPECT_FALSE(s.test.app.ReloadORSchedule) << c.name;
    }
}

TEST(ORSchedulePage, LoadsTheDaysBookingsWithTheirArgumentsInOrder) {
    ScheduleChart s;
    s.OpenPage();
    const vb::Date day = At(2026, 12, 11);
    EXPECT_THAT(s.chart.Schedule1.Bookings(),
                ElementsAre(forms::ScheduleBooking{"", day, "OR 1", vb::TimeSerial(8, 0, 0), 120,
                                                   "CHOLECYSTECTOMY - DELA CRUZ, JUAN", "Elective"},
                            forms::ScheduleBooking{"", day, "OR 2", vb::TimeSerial(10, 30, 0), 90,
                                                   "APPENDECTOMY - GARCIA, ANA", ""},
                            forms::ScheduleBooking{"", day, "OR 3", vb::TimeSerial(13, 0, 0), 60, "", "Blocked"}));
    ChooseTab(s.chart.tabSSTab1, 0);
    const std::size_t mark = s.test.server.Mark();
    s.OpenPage();
    EXPECT_THAT(s.test.server.Statements(mark), ElementsAre(fixture::RightsQuery(fixture::NurseCode)))
        << "once per opened patient";
}

TEST(ORSchedulePage, AFailingLoadLeavesThePageToLoadAgainAtItsNextOpening) {
    ScheduleChart s;
    s.test.server.Instead(fixture::BookingsQuery("12/11/2026 ")).Fails("Timeout expired", -2147217871);
    s.test.host.ExpectMsgBox("Timeout expired\n\nPlease notify your IT department.");
    s.OpenPage();
    EXPECT_TRUE(s.test.app.ReloadORSchedule);
    ChooseTab(s.chart.tabSSTab1, 0);
    s.test.server.Instead(fixture::BookingsQuery("12/11/2026 "))
        .Returns(fixture::BookingColumns, fixture::BookingRows());
    s.OpenPage();
    EXPECT_FALSE(s.test.app.ReloadORSchedule);
    EXPECT_EQ(s.chart.Schedule1.Bookings().size(), 3u);
}

TEST(ORSchedulePage, TheResetPresetsTheServersHourAndAllowsSixDaysFromNow) {
    struct Case {
        vb::Date now;
        const char* startText;
    };
    const Case cases[] = {
        {At(2026, 12, 11, 14, 5, 33), "2:00:00 PM"},
        {At(2026, 12, 11, 23, 15, 0), "11:00:00 PM"},
        {At(2026, 12, 11, 0, 30, 0), "12:00:00 AM"}, // no line of the list, but the box takes free text
        {At(2026, 12, 11, 12, 0, 0), "12:00:00 PM"},
    };
    for (const Case& c : cases) {
        ScheduleChart s(c.now);
        s.OpenPage();
        const forms::DTPicker& date = s.chart.dtpSchedule(0);
        const std::string name = vb::Format(vb::Variant(c.now), "hh:mm AM/PM");
        EXPECT_EQ(date.Value(), c.now) << name;
        EXPECT_EQ(date.MinDate(), At(2026, 12, 11)) << name << ": the range counts days";
        EXPECT_EQ(date.MaxDate(), At(2026, 12, 17)) << name;
        EXPECT_FALSE(date.CanPick(At(2026, 12, 10))) << name;
        EXPECT_FALSE(date.CanPick(At(2026, 12, 18))) << name;
        EXPECT_EQ(s.chart.cboStartTime.Text(), c.startText) << name;
    }
    ScheduleChart s;
    s.OpenPage();
    EXPECT_EQ(s.chart.cboStartTime.ListCount(), 23);
    EXPECT_EQ(s.chart.cboStartTime.List(0), "1:00:00 AM");
    EXPECT_EQ(s.chart.cboStartTime.List(11), "12:00:00 PM");
    EXPECT_EQ(s.chart.cboStartTime.List(22), "11:00:00 PM");
}

TEST(ORSchedulePage, AResetAfterTheServersClockMovedPastTheRangeOfTheLastOne) {
    // The clock can move a week on (a chart left open) or back (another server's clock read by a save).
    for (vb::Date later : {At(2026, 12, 20, 9, 0, 0), At(2026, 12, 2, 9, 0, 0)}) {
        ScheduleChart s(At(2026, 12, 8, 10, 0, 0));
        s.OpenPage();
        s.test.app.ServerDate = later;
        s.test.server.On(fixture::BookingsQuery(DayText(later))).Returns(fixture::BookingColumns, {});
        ClickDay(s.chart.MonthView1, later);
        EXPECT_EQ(s.chart.dtpSchedule(0).Value(), later);
        EXPECT_EQ(s.chart.dtpSchedule(0).MinDate(), vb::DateValue(vb::Variant(later)));
        EXPECT_EQ(s.chart.dtpSchedule(0).MaxDate(), vb::Date{vb::DateValue(vb::Variant(later)).serial + 6});
    }
}

TEST(ORSchedulePage, TheCalendarShowsOnlyDaysOfTheServersMonth) {
    struct Case {
        const char* name;
        vb::Date now;
        vb::Date clicked;
        const char* refusal; // empty: the clicked day is shown
    };
    const Case cases[] = {
        {"an earlier day of the month", At(2026, 12, 11, 14), At(2026, 12, 3), ""},
        {"a later day of the month", At(2026, 12, 11, 14), At(2026, 12, 24), ""},
        {"the month before", At(2026, 12, 11, 14), At(2026, 11, 30), "Can't view last month's schedule."},
        {"the month after", At(2026, 12, 11, 14), At(2027, 1, 4), "Can't view next month's schedule."},
        {"December from January", At(2027, 1, 15, 9), At(2026, 12, 31), "Can't view last month's schedule."},
        {"January from December", At(2026, 12, 11, 14), At(2027, 1, 1), "Can't view next month's schedule."},
        {"the same month a year before", At(2026, 12, 11, 14), At(2025, 12, 11), "Can't view last month's schedule."},
        {"the same month a year after", At(2026, 12, 11, 14), At(2027, 12, 11), "Can't view next month's schedule."},
    };
    for (const Case& c : cases) {
        ScheduleChart s(c.now);
        s.OpenPage();
        const std::string clickedDay = DayText(c.clicked);
        s.test.server.On(fixture::BookingsQuery(clickedDay))
            .Returns(fixture::BookingColumns,
                     {{"OR 2", vb::Variant(vb::TimeSerial(9, 0, 0)), 60, "TONSILLECTOMY", ""}});
        s.chart.txtSurgeon(1).SetText("REYES");
        if (*c.refusal != '\0')
            s.test.host.ExpectMsgBox(c.refusal).Title("Notification").Buttons(forms::vbInformation);
        const std::size_t mark = s.test.server.Mark();
        ClickDay(s.chart.MonthView1, c.clicked);
        if (*c.refusal != '\0') {
            EXPECT_EQ(s.chart.MonthView1.Value(), c.now) << c.name;
            EXPECT_THAT(s.test.server.Statements(mark), IsEmpty()) << c.name;
            EXPECT_EQ(s.BookingTexts().size(), 3u) << c.name << ": the day loaded last stays";
            EXPECT_EQ(s.chart.txtSurgeon(1).Text(), "REYES") << c.name;
        } else {
            EXPECT_THAT(s.test.server.Statements(mark), ElementsAre(fixture::BookingsQuery(clickedDay))) << c.name;
            EXPECT_THAT(s.BookingTexts(), ElementsAre("TONSILLECTOMY")) << c.name;
            EXPECT_EQ(s.chart.dtpSchedule(0).Value(), c.now) << c.name << ": the request goes back to now";
            EXPECT_EQ(s.chart.txtSurgeon(1).Text(), "") << c.name;
        }
    }
}

TEST(ORSchedulePage, APickedBookingShowsItsDetailsAndOneWithoutTextShowsNothing) {
    ScheduleChart s;
    s.OpenPage();
    ClickSchedule(s.chart.Schedule1, "OR 3", vb::TimeSerial(13, 30, 0));
    EXPECT_FALSE(s.chart.pictSchedule.Visible()) << "a booking without text";
    EXPECT_FALSE(s.chart.Schedule1.HasPick());
    ClickSchedule(s.chart.Schedule1, "OR 1", vb::TimeSerial(15, 0, 0));
    EXPECT_FALSE(s.chart.pictSchedule.Visible()) << "an empty slot";
    ClickSchedule(s.chart.Schedule1, "OR 1", vb::TimeSerial(9, 15, 0));
    EXPECT_TRUE(s.chart.pictSchedule.Visible());
    EXPECT_EQ(s.chart.txtScheduleRoom(2).Text(), "OR 1");
    EXPECT_EQ(s.chart.txtDuration(5).Text(), "12/11/2026");
    EXPECT_EQ(s.chart.txtDuration(2).Text(), "8:00:00 AM");
    EXPECT_EQ(s.chart.txtDuration(3).Text(), "120");
    EXPECT_EQ(s.chart.txtDuration(4).Text(), "CHOLECYSTECTOMY - DELA CRUZ, JUAN");
    Click(s.chart.cmdSaveSchedule(2));
    EXPECT_FALSE(s.chart.pictSchedule.Visible()) << "Exit hides the details";
}

using Pair = forms::ControlArray<forms::TextBox>;

TEST(ORSchedulePage, LooksDoctorsAndTheProcedureUp) {
    struct Case {
        const char* name;
        Pair ward::frmFinal::*pair;
        forms::CommandButton ward::frmFinal::*button; // nullptr: Enter in the name box
        const char* typed;
        const char* code; // empty: nothing found
        const char* shownName;
        bool focusMoves; // on from the name box
        std::vector<std::string> calls;
    };
    using F = ward::frmFinal;
    const Case cases[] = {
        {"surgeon by Enter",
         &F::txtSurgeon,
         nullptr,
         "reyes",
         fixture::SurgeonCode,
         "REYES ,MARIO",
         true,
         {"SearchListing(REYES,1)"}},
        {"surgeon by button",
         &F::txtSurgeon,
         &F::Command1,
         "reyes",
         fixture::SurgeonCode,
         "REYES ,MARIO",
         false,
         {"SearchListing(REYES,1)"}},
        {"surgeon not found by Enter",
         &F::txtSurgeon,
         nullptr,
         "nobody",
         "",
         "NOBODY",
         false,
         {"SearchListing(NOBODY,1)"}},
        {"anesthesiologist by Enter",
         &F::txtAnesthesiologist,
         nullptr,
         "santos",
         fixture::AnesthesiologistCode,
         "SANTOS ,LUZ",
         true,
         {"SearchListing(SANTOS,1)"}},
        {"anesthesiologist by button",
         &F::txtAnesthesiologist,
         &F::Command2,
         "santos",
         fixture::AnesthesiologistCode,
         "SANTOS ,LUZ",
         false,
         {"SearchListing(SANTOS,1)"}},
        {"nobody typed, by button", &F::txtAnesthesiologist, &F::Command2, "", "", "", false, {"SearchListing(,1)"}},
        {"procedure by Enter",
         &F::txtOperation,
         nullptr,
         "CHOLE",
         fixture::ProcedureCode,
         fixture::ProcedureName,
         false,
         {"OtherSectionID=OR", "SearchListing(CHOLE,21)"}},
        {"procedure by button",
         &F::txtOperation,
         &F::cmdProcedure,
         "CHOLE",
         fixture::ProcedureCode,
         fixture::ProcedureName,
         false,
         {"OtherSectionID=OR", "SearchListing(CHOLE,21)"}},
        {"procedure typed in small letters",
         &F::txtOperation,
         nullptr,
         "chole",
         "",
         "chole",
         false,
         {"OtherSectionID=OR", "SearchListing(chole,21)"}},
    };
    for (const Case& c : cases) {
        ScheduleChart s;
        s.OpenPage();
        Pair& pair = s.chart.*c.pair;
        pair(0).SetText("OLD");
        Type(pair(1), c.typed);
        s.test.codeSearch.Calls.clear();
        if (c.button != nullptr)
            Click(s.chart.*c.button);
        else
            PressKey(pair(1), forms::vbKeyReturn);
        EXPECT_EQ(s.test.codeSearch.Calls, c.calls) << c.name;
        EXPECT_EQ(pair(0).Text(), *c.code != '\0' ? c.code : "OLD") << c.name;
        EXPECT_EQ(pair(1).Text(), c.shownName) << c.name;
        if (c.button != nullptr)
            EXPECT_TRUE((s.chart.*c.button).HasFocus()) << c.name;
        else
            EXPECT_EQ(pair(1).HasFocus(), !c.focusMoves) << c.name;
    }
}

TEST(ORSchedulePage, EnterAfterADoctorsPickGoesToTheNextNameBox) {
    ScheduleChart s;
    s.OpenPage();
    Type(s.chart.txtSurgeon(1), "reyes");
    PressKey(s.chart.txtSurgeon(1), forms::vbKeyReturn);
    EXPECT_TRUE(s.chart.txtAnesthesiologist(1).HasFocus());
    Type(s.chart.txtAnesthesiologist(1), "santos");
    PressKey(s.chart.txtAnesthesiologist(1), forms::vbKeyReturn);
    EXPECT_TRUE(s.chart.txtScheduleRemarks.HasFocus());
}

} // namespace
