#include "platform/forms/DatePicker.h"

#include "platform/vb/DateText.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/VbError.h"

#include <cmath>
#include <ctime>

namespace forms {

namespace {

const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

double DayOf(vb::Date date) { return vb::DateValue(vb::Variant(date)).serial; }

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// The text of one run of a letter of the notation ("MM", "yyy", "tt"...).
std::string FieldText(char letter, std::size_t count, const vb::DateParts& parts, vb::Date date) {
    int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    switch (letter) {
    case 'd':
        if (count >= 4)
            return DayNames[vb::Weekday(vb::Variant(date)) - 1];
        if (count == 3)
            return std::string(DayNames[vb::Weekday(vb::Variant(date)) - 1]).substr(0, 3);
        return count == 2 ? TwoDigits(parts.day) : std::to_string(parts.day);
    case 'M':
        if (count >= 4)
            return MonthNames[parts.month - 1];
        if (count == 3)
            return std::string(MonthNames[parts.month - 1]).substr(0, 3);
        return count == 2 ? TwoDigits(parts.month) : std::to_string(parts.month);
    case 'y':
        if (count >= 3)
            return std::to_string(parts.year);
        return count == 2 ? TwoDigits(parts.year % 100) : std::to_string(parts.year % 10);
    case 'h':
        return count >= 2 ? TwoDigits(hour12) : std::to_string(hour12);
    case 'H':
        return count >= 2 ? TwoDigits(parts.hour) : std::to_string(parts.hour);
    case 'm':
        return count >= 2 ? TwoDigits(parts.minute) : std::to_string(parts.minute);
    case 's':
        return count >= 2 ? TwoDigits(parts.second) : std::to_string(parts.second);
    case 't':
        return count >= 2 ? (parts.hour < 12 ? "AM" : "PM") : (parts.hour < 12 ? "A" : "P");
    default:
        return std::string(count, letter);
    }
}

} // namespace

vb::Date Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return vb::DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string FormatPickerDate(vb::Date date, const std::string& format) {
    vb::DateParts parts = vb::DatePartsOf(date);
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        char letter = format[i];
        if (letter == '\'') {
            std::size_t close = format.find('\'', i + 1);
            text += format.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
            i = close == std::string::npos ? format.size() : close + 1;
            continue;
        }
        std::size_t count = 1;
        while (i + count < format.size() && format[i + count] == letter)
            ++count;
        text += FieldText(letter, count, parts, date);
        i += count;
    }
    return text;
}

DTPicker::Props DTPicker::DesignProps() {
    Props design;
    design.MinDate = vb::DateSerial(1601, 1, 1);
    design.MaxDate = vb::DateSerial(9999, 12, 31);
    design.Value = Today();
    return design;
}

DTPicker::DTPicker(Form& form, std::string name)
    : Control(form, std::move(name), ControlKind::DTPicker), props(DesignProps()) {}

bool DTPicker::CanPick(vb::Date value) const {
    double day = DayOf(value);
    return day >= DayOf(props.MinDate) && day <= DayOf(props.MaxDate);
}

void DTPicker::ChangeValue(vb::Date value) {
    if (Update(props.Value, value, "Value"))
        Raise(Change);
}

void DTPicker::SetValue(vb::Date value) {
    if (!CanPick(value))
        throw vb::VbError(35775, "A date was specified that does not fall within the MinDate and MaxDate properties.");
    ChangeValue(value);
}

void DTPicker::SetMinDate(vb::Date value) {
    vb::Date day{DayOf(value)};
    if (day.serial > DayOf(props.MaxDate))
        throw vb::VbError(380, "Invalid property value");
    Update(props.MinDate, day, "MinDate");
    if (DayOf(props.Value) < day.serial)
        ChangeValue(day);
}

void DTPicker::SetMaxDate(vb::Date value) {
    vb::Date day{DayOf(value)};
    if (day.serial < DayOf(props.MinDate))
        throw vb::VbError(380, "Invalid property value");
    Update(props.MaxDate, day, "MaxDate");
    if (DayOf(props.Value) > day.serial)
        ChangeValue(day);
}

void DTPicker::SetFormat(int value) {
    if (value < dtpLongDate || value > dtpCustom)
        throw vb::VbError(380, "Invalid property value");
    Update(props.Format, value, "Format");
}

void DTPicker::SetCustomFormat(std::string value) { Update(props.CustomFormat, std::move(value), "CustomFormat"); }
void DTPicker::SetUpDown(bool value) { Update(props.UpDown, value, "UpDown"); }

std::string DTPicker::Text() const {
    switch (props.Format) {
    case dtpLongDate:
        return FormatPickerDate(props.Value, "dddd, MMMM dd, yyyy");
    case dtpTime:
        return FormatPickerDate(props.Value, "h:mm:ss tt");
    case dtpCustom:
        return FormatPickerDate(props.Value, props.CustomFormat);
    default:
        return FormatPickerDate(props.Value, "M/d/yyyy");
    }
}

bool DTPicker::UserPick(vb::Date value) {
    if (!CanPick(value))
        return false;
    Raise(DropDown);
    ChangeValue(value);
    Raise(CloseUp);
    return true;
}

void DTPicker::ResetProperties() {
    props = DesignProps();
    Control::ResetProperties();
}

} // namespace forms
