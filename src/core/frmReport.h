#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The date range of a report. The caller sets the title, shows it modally and reads ReportDateFrom and
// ReportDateTo after it has closed: both empty means the nurse gave up. Both pickers open on the server's date
// and offer no later day.
class frmReport : public forms::Form {
public:
    explicit frmReport(App& app);

    forms::Frame fraFrom{*this, "fraFrom"};
    forms::Label lblFrom{*this, "lblFrom"};
    forms::DTPicker dtpFrom{*this, "dtpFrom"};
    forms::Frame fraTo{*this, "fraTo"};
    forms::Label lblTo{*this, "lblTo"};
    forms::DTPicker dtpTo{*this, "dtpTo"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"};

private:
    void Design() override;
    void Form_Load() override;
    void cmdOption_Click(int Index);

    App& app;
};

} // namespace ward
