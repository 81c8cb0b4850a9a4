#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// Discharge and room transfer of the admission on the chart; the chart writes the admission's date and time into
// txtADMDate and txtADMTime before it shows the window.
class frmDischargeMenu : public NoticeWindow {
public:
    explicit frmDischargeMenu(App& app) : NoticeWindow(app, "Discharges /Room Transfer") {}

    forms::Label lblADMDate{*this, "lblADMDate"};
    forms::TextBox txtADMDate{*this, "txtADMDate"};
    forms::Label lblADMTime{*this, "lblADMTime"};
    forms::TextBox txtADMTime{*this, "txtADMTime"};

protected:
    void DesignFields(forms::Layout& layout) override;
};

} // namespace ward
