#include "platform/forms/DaySchedule.h"

#include "platform/vb/DateTime.h"
#include "platform/vb/VbError.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

[[noreturn]] void RaiseInvalidValue() { throw vb::VbError(380, "Invalid property value"); }

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

int MinuteOfDay(vb::Date time) {
    const vb::Variant value(time);
    return vb::Hour(value) * 60 + vb::Minute(value);
}

DaySchedule::Props DaySchedule::DesignProps() { return Props{}; }

DaySchedule::DaySchedule(Form& form, std::string name)
    : Control(form, std::move(name), ControlKind::DaySchedule), props(DesignProps()) {}

void DaySchedule::ClearRooms() {
    if (props.Rooms.empty())
        return;
    props.Rooms.clear();
    Notify("Rooms");
}

void DaySchedule::AddRoom(const std::string& name) {
    props.Rooms.push_back(name);
    Notify("Rooms");
}

std::vector<std::string> DaySchedule::Columns() const {
    std::vector<std::string> columns = props.Rooms;
    for (const ScheduleBooking& booking : props.Bookings)
        if (!Contains(columns, booking.Room))
            columns.push_back(booking.Room);
    return columns;
}

void DaySchedule::SetDayStart(vb::Date time) { Update(props.DayStart, vb::TimeValue(vb::Variant(time)), "DayStart"); }

void DaySchedule::SetDayLength(int minutes) {
    if (minutes < 1)
        RaiseInvalidValue();
    Update(props.DayLength, minutes, "DayLength");
}

void DaySchedule::SetIncrement(int minutes) {
    if (minutes < 1)
        RaiseInvalidValue();
    Update(props.Increment, minutes, "Increment");
}

int DaySchedule::SlotCount() const { return (props.DayLength + props.Increment - 1) / props.Increment; }

vb::Date DaySchedule::SlotStart(int slot) const {
    const int minute = (MinuteOfDay(props.DayStart) + slot * props.Increment) % (24 * 60);
    return vb::TimeSerial(minute / 60, minute % 60, 0);
}

void DaySchedule::ClearBookings() {
    ClearPick();
    if (props.Bookings.empty())
        return;
    props.Bookings.clear();
    Notify("Bookings");
}

void DaySchedule::AddBooking(const ScheduleBooking& booking) {
    ScheduleBooking added = booking;
    added.Date = vb::DateValue(vb::Variant(booking.Date));
    added.Start = vb::TimeValue(vb::Variant(booking.Start));
    props.Bookings.push_back(added);
    Notify("Bookings");
}

void DaySchedule::ForgetPick(int& Booking) {
    Booking = -1;
    ClearPick();
}

void DaySchedule::ClearPick() {
    if (!props.HasPick)
        return;
    props.HasPick = false;
    props.Picked = ScheduleBooking{};
    Notify("Pick");
}

void DaySchedule::UserPick(const std::string& room, vb::Date time) {
    if (!Contains(Columns(), room))
        return;
    const int minute = MinuteOfDay(time);
    int picked = -1;
    for (std::size_t i = 0; i < props.Bookings.size(); ++i) {
        const ScheduleBooking& booking = props.Bookings[i];
        const int start = MinuteOfDay(booking.Start);
        if (booking.Room == room && minute >= start && minute < start + std::max(booking.Length, 1)) {
            picked = static_cast<int>(i);
            break;
        }
    }
    props.HasPick = true;
    if (picked >= 0)
        props.Picked = props.Bookings[static_cast<std::size_t>(picked)];
    else
        props.Picked = ScheduleBooking{"", vb::Date{}, room, vb::TimeValue(vb::Variant(time)), 0, "", ""};
    Notify("Pick");
    Raise(BookingPick, picked);
}

void DaySchedule::ResetProperties() {
    props = DesignProps();
    Control::ResetProperties();
}

} // namespace forms
