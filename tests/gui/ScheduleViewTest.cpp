#include "GuiTestWindows.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/DaySchedule.h"
#include "platform/vb/DateTime.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A theatre board of two rooms from 7:00 AM for ten hours, one booking in the second room from 9:00 for 90 minutes.
class frmTheatreBoard : public forms::Form {
public:
    explicit frmTheatreBoard(GuiApp& app) : Form(app.Forms), app(app) {
        Schedule1.BookingPick = [this](int& Booking) {
            this->app.log.push_back("pick " + std::to_string(Booking) + " '" + Schedule1.PickedText() + "'");
        };
    }
    forms::DaySchedule Schedule1{*this, "Schedule1"};

private:
    void Design() override {
        SetCaption("Theatre");
        SetInnerSize(6240, 4440);
        Schedule1.Move(120, 120, 6000, 4200);
        Schedule1.AddRoom("OR 1");
        Schedule1.AddRoom("OR 2");
        Schedule1.SetDayStart(vb::TimeSerial(7, 0, 0));
        Schedule1.SetDayLength(600);
        Schedule1.SetIncrement(60);
        Schedule1.AddBooking(
            {"", vb::DateSerial(2026, 12, 11), "OR 2", vb::TimeSerial(9, 0, 0), 90, "Appendectomy", "Elective"});
    }
    GuiApp& app;
};

class ScheduleViewTest : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        QApplication::processEvents();
        board = app.WidgetOf(form.Schedule1);
        ASSERT_NE(board, nullptr);
    }
    // The point of the board at a fraction of the way across the rooms and a minute of the day.
    QPoint At(double across, int minuteOfDay) const {
        const int timeWidth = 72, headerHeight = 22;
        return {timeWidth + static_cast<int>((board->width() - timeWidth) * across),
                headerHeight + (board->height() - headerHeight) * (minuteOfDay - 7 * 60) / 600};
    }

    GuiApp app;
    frmTheatreBoard& form = app.Forms.Get<frmTheatreBoard>();
    QWidget* board = nullptr;
};

TEST_F(ScheduleViewTest, TheDayIsDrawnWithEachBookingInItsRoomAndHours) {
    const std::string path = guitest::ScreenshotPath("DaySchedule");
    ASSERT_TRUE(gui::SaveScreenshot(app.host, form, path));
    QImage image = board->grab().toImage();
    const QColor block(190, 214, 245);
    EXPECT_EQ(image.pixelColor(At(0.9, 10 * 60 + 15)), block) << "the booking's room, inside its 90 minutes";
    EXPECT_NE(image.pixelColor(At(0.9, 11 * 60)), block) << "after its end";
    EXPECT_NE(image.pixelColor(At(0.4, 10 * 60 + 15)), block) << "the other room";
}

TEST_F(ScheduleViewTest, AClickOnABlockPicksItsBookingAndOnAnEmptySlotPicksNone) {
    QTest::mouseClick(board, Qt::LeftButton, {}, At(0.9, 10 * 60));
    QTest::mouseClick(board, Qt::LeftButton, {}, At(0.4, 10 * 60));
    EXPECT_EQ(app.log, (std::vector<std::string>{"pick 0 'Appendectomy'", "pick -1 ''"}));
    EXPECT_TRUE(form.Schedule1.HasFocus());
}

} // namespace
