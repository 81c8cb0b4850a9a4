#pragma once

#include "platform/forms/Controls.h"
#include "platform/vb/Variant.h"

#include <string>

namespace forms {

// Format of a date picker.
inline constexpr int dtpLongDate = 0;
inline constexpr int dtpShortDate = 1;
inline constexpr int dtpTime = 2;
inline constexpr int dtpCustom = 3;

// A date and time picker. Its value always lies within MinDate and MaxDate (compared by day): a value outside
// raises the platform's error, and narrowing the range moves a value that falls outside it to the nearest bound,
// with Change as any change of the value raises.
class DTPicker : public Control {
public:
    DTPicker(Form& form, std::string name);

    vb::Date Value() const { return props.Value; }
    void SetValue(vb::Date value);
    // Defaults 1/1/1601 and 12/31/9999; only the day counts. A minimum after the maximum raises
    // "Invalid property value".
    vb::Date MinDate() const { return props.MinDate; }
    void SetMinDate(vb::Date value);
    vb::Date MaxDate() const { return props.MaxDate; }
    void SetMaxDate(vb::Date value);
    int Format() const { return props.Format; }
    void SetFormat(int value);
    // The picker's own notation: "MM" month, "mm" minutes, "tt" AM/PM, "yyy" full year; text in single quotes.
    const std::string& CustomFormat() const { return props.CustomFormat; }
    void SetCustomFormat(std::string value);
    bool UpDown() const { return props.UpDown; }
    void SetUpDown(bool value);
    // The value as the picker shows it.
    std::string Text() const;
    // Whether the user can pick that day.
    bool CanPick(vb::Date value) const;

    bool CanHoldFocus() const override { return true; }
    // The user picks a value from the calendar; a day outside the range cannot be picked (false).
    bool UserPick(vb::Date value);
    void ResetProperties() override;

    Event<> Change;
    Event<> CloseUp;
    Event<> DropDown;

private:
    struct Props {
        vb::Date Value;
        vb::Date MinDate;
        vb::Date MaxDate;
        int Format = dtpShortDate;
        std::string CustomFormat;
        bool UpDown = false;
    };
    static Props DesignProps();
    void ChangeValue(vb::Date value);

    Props props;
};

// The workstation's date, the day a new calendar shows picked.
vb::Date Today();

// A date in a picker's format notation (see CustomFormat).
std::string FormatPickerDate(vb::Date date, const std::string& format);

} // namespace forms
