#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "platform/forms/DaySchedule.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace gui {

namespace {

// The day drawn: room names across the top, the start of each increment down the left, a column per room with a
// row per increment, and each booking as a block over its room's rows with its text.
class ScheduleWidget : public QWidget {
public:
    explicit ScheduleWidget(forms::DaySchedule& schedule) : schedule(schedule) {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::white));
    }

    // The room and time of day under a point, or nothing off the columns.
    std::optional<std::pair<std::string, vb::Date>> SlotAt(QPoint at) const {
        const std::vector<std::string> rooms = schedule.Columns();
        if (rooms.empty() || at.x() < TimeWidth || at.y() < HeaderHeight)
            return std::nullopt;
        const int column = static_cast<int>((at.x() - TimeWidth) / ColumnWidth(rooms.size()));
        const double minutes = (at.y() - HeaderHeight) / MinuteHeight();
        if (column >= static_cast<int>(rooms.size()) || minutes >= schedule.DayLength())
            return std::nullopt;
        const int minute = (forms::MinuteOfDay(schedule.DayStart()) + static_cast<int>(minutes)) % (24 * 60);
        return std::make_pair(rooms[static_cast<std::size_t>(column)], vb::TimeSerial(minute / 60, minute % 60, 0));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const std::vector<std::string> rooms = schedule.Columns();
        const double columnWidth = ColumnWidth(rooms.size());
        painter.setPen(QColor(160, 160, 160));
        for (int slot = 0; slot < schedule.SlotCount(); ++slot) {
            const int y = HeaderHeight + static_cast<int>(slot * schedule.Increment() * MinuteHeight());
            painter.drawLine(0, y, width(), y);
            painter.drawText(QRect(4, y, TimeWidth - 8, 16), Qt::AlignLeft | Qt::AlignTop,
                             ToQString(vb::Format(vb::Variant(schedule.SlotStart(slot)), "h:mm AM/PM")));
        }
        for (std::size_t column = 0; column < rooms.size(); ++column) {
            const int x = TimeWidth + static_cast<int>(column * columnWidth);
            painter.setPen(QColor(160, 160, 160));
            painter.drawLine(x, 0, x, height());
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, 0, static_cast<int>(columnWidth), HeaderHeight), Qt::AlignCenter,
                             ToQString(rooms[column]));
        }
        for (const forms::ScheduleBooking& booking : schedule.Bookings())
            PaintBooking(painter, booking, rooms, columnWidth);
    }

private:
    static constexpr int TimeWidth = 72;
    static constexpr int HeaderHeight = 22;

    double ColumnWidth(std::size_t columns) const {
        return columns == 0 ? 0.0 : static_cast<double>(width() - TimeWidth) / static_cast<double>(columns);
    }
    double MinuteHeight() const {
        return static_cast<double>(std::max(height() - HeaderHeight, 1)) / schedule.DayLength();
    }

    void PaintBooking(QPainter& painter, const forms::ScheduleBooking& booking, const std::vector<std::string>& rooms,
                      double columnWidth) const {
        const auto column = std::find(rooms.begin(), rooms.end(), booking.Room) - rooms.begin();
        int offset = forms::MinuteOfDay(booking.Start) - forms::MinuteOfDay(schedule.DayStart());
        if (offset < 0)
            offset += 24 * 60;
        const int top = HeaderHeight + static_cast<int>(offset * MinuteHeight());
        const int bottom = HeaderHeight + static_cast<int>((offset + std::max(booking.Length, 1)) * MinuteHeight());
        QRect block(TimeWidth + static_cast<int>(column * columnWidth) + 3, top + 1, static_cast<int>(columnWidth) - 6,
                    std::max(bottom - top - 2, 4));
        const bool picked = schedule.HasPick() && schedule.PickedRoom() == booking.Room &&
                            schedule.PickedStart() == booking.Start && schedule.PickedText() == booking.Text;
        painter.setPen(QColor(40, 80, 140));
        painter.setBrush(picked ? QColor(255, 214, 120) : QColor(190, 214, 245));
        painter.drawRect(block);
        painter.setPen(Qt::black);
        painter.drawText(block.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         ToQString(booking.Text));
    }

    forms::DaySchedule& schedule;
};

class DayScheduleView : public ControlView {
public:
    DayScheduleView(forms::DaySchedule& schedule, FormWindow& window)
        : ControlView(schedule, window), schedule(schedule) {
        shown = new ScheduleWidget(schedule);
        SetWidget(shown);
    }

    bool ClickByUser(QObject* part, QPoint at) override {
        (void)part;
        const auto slot = shown->SlotAt(at);
        if (!slot)
            return false;
        if (TakeFocus())
            schedule.UserPick(slot->first, slot->second);
        return true;
    }

protected:
    void Show(std::string_view property) override {
        (void)property;
        shown->update();
    }

private:
    forms::DaySchedule& schedule;
    ScheduleWidget* shown;
};

} // namespace

std::unique_ptr<ControlView> MakeDayScheduleView(forms::Control& control, FormWindow& window) {
    return std::make_unique<DayScheduleView>(static_cast<forms::DaySchedule&>(control), window);
}

} // namespace gui
