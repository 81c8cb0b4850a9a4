#include "discharge/frmDischargeMenu.h"

#include "platform/forms/Layout.h"

namespace ward {

void frmDischargeMenu::DesignFields(forms::Layout& layout) {
    lblADMDate.SetCaption("Date Admitted");
    lblADMTime.SetCaption("Time Admitted");
    for (forms::TextBox* box : {&txtADMDate, &txtADMTime})
        box->SetLocked(true);
    layout.Row(lblADMDate, txtADMDate, 1800).Row(lblADMTime, txtADMTime, 1800);
}

} // namespace ward
