#include "platform/forms/MonthView.h"

#include "platform/forms/DatePicker.h"
#include "platform/vb/DateTime.h"

namespace forms {

MonthView::Props MonthView::DesignProps() { return Props{Today()}; }

MonthView::MonthView(Form& form, std::string name)
    : Control(form, std::move(name), ControlKind::MonthView), props(DesignProps()) {}

void MonthView::SetValue(vb::Date value) { Update(props.Value, value, "Value"); }

void MonthView::UserClickDay(vb::Date day) {
    vb::Date clicked = vb::DateValue(vb::Variant(day));
    Update(props.Value, clicked, "Value");
    Raise(DateClick, clicked);
}

void MonthView::ResetProperties() {
    props = DesignProps();
    Control::ResetProperties();
}

} // namespace forms
