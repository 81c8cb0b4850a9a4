#pragma once

#include "platform/forms/Control.h"
#include "platform/vb/Variant.h"

#include <string>

namespace forms {

// A month calendar with one day picked. Value keeps the date and time code gave it and raises nothing; a day the
// user clicks becomes the value (at midnight) and raises DateClick with that day, also when it was picked already.
class MonthView : public Control {
public:
    MonthView(Form& form, std::string name);

    vb::Date Value() const { return props.Value; }
    void SetValue(vb::Date value);

    bool CanHoldFocus() const override { return true; }
    // The user clicks a day of the calendar; only the day of the date counts.
    void UserClickDay(vb::Date day);
    void ResetProperties() override;

    Event<vb::Date> DateClick;

private:
    struct Props {
        vb::Date Value;
    };
    static Props DesignProps();

    Props props;
};

} // namespace forms
