#pragma once

#include "platform/forms/Control.h"
#include "platform/vb/Variant.h"

#include <string>
#include <vector>

namespace forms {

// One booking of a day schedule: Date is a day and Start a time of day (the schedule keeps only those parts);
// Length is in minutes.
struct ScheduleBooking {
    std::string Key;
    vb::Date Date;
    std::string Room;
    vb::Date Start;
    int Length = 0;
    std::string Text;
    std::string Category;
    friend bool operator==(const ScheduleBooking&, const ScheduleBooking&) = default;
};

// A day's bookings by room: a column per room, a row per increment of the day, each booking a block over its
// rooms's column from its start for its length. The day start is a time of day; the day length and the increment
// are in minutes. It only shows bookings: the user cannot create, move or resize one. A booking whose room is not
// among the rooms gets a column of its own after them. A click on the schedule picks what lies under it: the booking
// there, or else an empty slot (its room and start, no text), and raises BookingPick; the handler's call of
// ForgetPick clears the pick.
class DaySchedule : public Control {
public:
    DaySchedule(Form& form, std::string name);

    void ClearRooms();
    void AddRoom(const std::string& name);
    // The rooms added, in order, then the rooms only bookings name.
    std::vector<std::string> Columns() const;

    vb::Date DayStart() const { return props.DayStart; }
    void SetDayStart(vb::Date time);
    int DayLength() const { return props.DayLength; }
    // Lengths and increments below one minute raise "Invalid property value".
    void SetDayLength(int minutes);
    int Increment() const { return props.Increment; }
    void SetIncrement(int minutes);
    // Rows of the day: the day length in increments, a part of one counting as a row.
    int SlotCount() const;
    // The time of day a row starts.
    vb::Date SlotStart(int slot) const;

    void ClearBookings();
    void AddBooking(const ScheduleBooking& booking);
    const std::vector<ScheduleBooking>& Bookings() const { return props.Bookings; }

    // What was picked last: a booking's fields, or for an empty slot its room and start with no text, length 0 and
    // no date. Nothing picked reads as an empty pick with no room.
    bool HasPick() const { return props.HasPick; }
    const std::string& PickedText() const { return props.Picked.Text; }
    const std::string& PickedRoom() const { return props.Picked.Room; }
    vb::Date PickedDate() const { return props.Picked.Date; }
    vb::Date PickedStart() const { return props.Picked.Start; }
    int PickedLength() const { return props.Picked.Length; }
    // The call for a pick without a booking: clears the pick and sets Booking to -1.
    void ForgetPick(int& Booking);

    bool CanHoldFocus() const override { return true; }
    // The user clicks a room's column at a time of day. BookingPick gets the booking's place in Bookings(), or -1
    // for an empty slot; a room that is no column picks nothing and raises nothing.
    void UserPick(const std::string& room, vb::Date time);
    void ResetProperties() override;

    Event<int&> BookingPick;

private:
    struct Props {
        std::vector<std::string> Rooms;
        vb::Date DayStart;
        int DayLength = 24 * 60;
        int Increment = 60;
        std::vector<ScheduleBooking> Bookings;
        bool HasPick = false;
        ScheduleBooking Picked;
    };
    static Props DesignProps();
    void ClearPick();

    Props props;
};

// Minutes since midnight of a date's time of day.
int MinuteOfDay(vb::Date time);

} // namespace forms
