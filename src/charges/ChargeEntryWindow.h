#pragma once

#include "discharge/NoticeWindow.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/ListView.h"

namespace ward {

// What the charge and assessment windows receive from the chart that opens them: the departments the nurse may
// charge (text RevenueID, sub-item 1 ItemName), the station in lblDeptCode, and a copy of the chart's header in the
// boxes of the same names.
class ChargeEntryWindow : public NoticeWindow {
public:
    ChargeEntryWindow(App& app, std::string caption) : NoticeWindow(app, std::move(caption)) {}

    forms::Label lblDeptCode{*this, "lblDeptCode"};
    forms::ListView lvwDepartments{*this, "lvwDepartments"};
    forms::TextBox txtPatient{*this, "txtPatient"};
    forms::TextBox txtDoctor1{*this, "txtDoctor1"};
    forms::TextBox txtDoctor2{*this, "txtDoctor2"};
    forms::TextBox txtDoctor3{*this, "txtDoctor3"};
    forms::TextBox txtId{*this, "txtId"};
    forms::TextBox txtPno{*this, "txtPno"};
    forms::TextBox txtDateAdmitted{*this, "txtDateAdmitted"};
    forms::TextBox txtDateDischarged{*this, "txtDateDischarged"};
    forms::TextBox txtDob{*this, "txtDob"};
    forms::TextBox txtRoom{*this, "txtRoom"};
    forms::TextBox txtAge{*this, "txtAge"};
    forms::TextBox txtSex{*this, "txtSex"};
    forms::TextBox txtBloodType{*this, "txtBloodType"};
    forms::TextBox txtStatus{*this, "txtStatus"};
    forms::TextBox txtAdiet{*this, "txtAdiet"};
    forms::TextBox txtDiagnosis{*this, "txtDiagnosis"};

protected:
    void DesignFields(forms::Layout& layout) override;
    void DesignHeader(forms::Layout& layout, forms::ControlArray<forms::Label>& lblHeader);
};

} // namespace ward
