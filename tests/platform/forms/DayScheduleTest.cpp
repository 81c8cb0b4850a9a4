#include "platform/forms/DaySchedule.h"
#include "TestWindows.h"
#include "platform/vb/DateTime.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

vb::Date Time(int hour, int minute) { return vb::TimeSerial(hour, minute, 0); }

// A theatre board: a pick shows the booking's text, an empty slot is handed back.
class frmTheatre : public Form {
public:
    explicit frmTheatre(TestApp& app) : Form(app.Forms), log(app.log) {
        Schedule1.BookingPick = [this](int& Booking) { Schedule1_BookingPick(Booking); };
    }
    DaySchedule Schedule1{*this, "Schedule1"};
    int Handed = 0;

private:
    void Design() override {
        SetInnerSize(6000, 4000);
        Layout(*this).Full(Schedule1, 3600);
    }
    void Schedule1_BookingPick(int& Booking) {
        log.push_back("pick " + std::to_string(Booking) + " " + Schedule1.PickedRoom() + " '" + Schedule1.PickedText() +
                      "'");
        if (Schedule1.PickedText().empty()) {
            Schedule1.ForgetPick(Booking);
            Handed = Booking;
        }
    }
    std::vector<std::string>& log;
};

class DayScheduleTest : public ::testing::Test {
protected:
    void SetUp() override {
        schedule.AddRoom("OR 1");
        schedule.AddRoom("OR 2");
        schedule.SetDayStart(vb::Date{vb::DateSerial(1899, 12, 30).serial + Time(7, 0).serial});
        schedule.SetDayLength(600);
        schedule.SetIncrement(45);
        schedule.AddBooking({"", day, "OR 2", Time(9, 0), 90, "Appendectomy - DELA CRUZ", "Elective"});
        schedule.AddBooking({"", day, "OR 1", Time(13, 30), 60, "Hernia repair", ""});
        form.Show();
    }
    TestApp app;
    frmTheatre& form = app.Forms.Get<frmTheatre>();
    DaySchedule& schedule = form.Schedule1;
    vb::Date day = vb::DateSerial(2026, 12, 11);
};

TEST_F(DayScheduleTest, TheDayIsCutIntoIncrementsFromItsStart) {
    EXPECT_EQ(schedule.DayStart(), Time(7, 0)) << "only the time of day is kept";
    EXPECT_EQ(schedule.SlotCount(), 14) << "600 minutes in steps of 45, the last step short";
    EXPECT_EQ(schedule.SlotStart(1), Time(7, 45));
    EXPECT_EQ(schedule.SlotStart(13), Time(16, 45));
    schedule.SetDayStart(Time(20, 0));
    EXPECT_EQ(schedule.SlotStart(6), Time(0, 30)) << "a day running past midnight goes on the next morning";
    EXPECT_EQ(VbErrorOf([&] { schedule.SetIncrement(0); }), 380);
    EXPECT_EQ(VbErrorOf([&] { schedule.SetDayLength(-5); }), 380);
    EXPECT_EQ(schedule.Increment(), 45);
}

TEST_F(DayScheduleTest, ABookingInARoomNotListedGetsAColumnOfItsOwnUntilTheBookingsAreEmptied) {
    schedule.AddBooking({"", day, "Delivery Room", Time(10, 0), 30, "Caesarean", ""});
    EXPECT_THAT(schedule.Columns(), ElementsAre("OR 1", "OR 2", "Delivery Room"));
    schedule.ClearBookings();
    EXPECT_THAT(schedule.Bookings(), IsEmpty());
    EXPECT_THAT(schedule.Columns(), ElementsAre("OR 1", "OR 2"));
    schedule.ClearRooms();
    EXPECT_THAT(schedule.Columns(), IsEmpty());
}

TEST_F(DayScheduleTest, AClickPicksTheBookingCoveringThatTimeOfItsRoom) {
    testkit::ClickSchedule(schedule, "OR 2", Time(10, 15));
    EXPECT_THAT(app.log, ElementsAre("pick 0 OR 2 'Appendectomy - DELA CRUZ'"));
    EXPECT_TRUE(schedule.HasPick());
    EXPECT_EQ(schedule.PickedDate(), day);
    EXPECT_EQ(schedule.PickedStart(), Time(9, 0));
    EXPECT_EQ(schedule.PickedLength(), 90);
    EXPECT_TRUE(schedule.HasFocus());
}

TEST_F(DayScheduleTest, AnEmptySlotIsPickedWithoutTextAndTheEmptyPickCallClearsIt) {
    struct Case {
        const char* room;
        vb::Date time;
    };
    const Case cases[] = {
        {"OR 1", Time(9, 0)},   // the other room at that hour
        {"OR 2", Time(10, 30)}, // where the booking has just ended
        {"OR 2", Time(8, 59)},  // just before it starts
    };
    for (const Case& c : cases) {
        app.log.clear();
        form.Handed = 0;
        testkit::ClickSchedule(schedule, c.room, c.time);
        EXPECT_THAT(app.log, ElementsAre(std::string("pick -1 ") + c.room + " ''"));
        EXPECT_EQ(form.Handed, -1);
        EXPECT_FALSE(schedule.HasPick());
        EXPECT_EQ(schedule.PickedRoom(), "");
    }
}

TEST_F(DayScheduleTest, EmptyingTheBookingsDropsThePickAndAClickOutsideTheRoomsPicksNothing) {
    testkit::ClickSchedule(schedule, "OR 1", Time(14, 0));
    ASSERT_EQ(schedule.PickedText(), "Hernia repair");
    schedule.ClearBookings();
    EXPECT_FALSE(schedule.HasPick());
    EXPECT_EQ(schedule.PickedText(), "");
    app.log.clear();
    testkit::ClickSchedule(schedule, "OR 9", Time(14, 0));
    EXPECT_THAT(app.log, IsEmpty());
}

TEST_F(DayScheduleTest, UnloadingPutsTheControlBackAsBuilt) {
    form.Unload();
    EXPECT_THAT(schedule.Columns(), IsEmpty());
    EXPECT_THAT(schedule.Bookings(), IsEmpty());
    EXPECT_EQ(schedule.DayLength(), 24 * 60);
    EXPECT_EQ(schedule.Increment(), 60);
    EXPECT_EQ(schedule.DayStart(), vb::Date{});
}

} // namespace
