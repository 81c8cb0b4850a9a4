#include "charges/ChargeEntryWindow.h"

#include "platform/forms/Layout.h"

namespace ward {

void ChargeEntryWindow::DesignFields(forms::Layout& layout) {
    lvwDepartments.AddColumnHeader(0, "", "Code", 900);
    lvwDepartments.AddColumnHeader(0, "", "Department", 3600);
    layout.Full(lblDeptCode).Full(lvwDepartments, 1500);
    forms::TextBox* boxes[] = {&txtPatient,      &txtDoctor1,        &txtDoctor2, &txtDoctor3,  &txtId,  &txtPno,
                               &txtDateAdmitted, &txtDateDischarged, &txtDob,     &txtRoom,     &txtAge, &txtSex,
                               &txtBloodType,    &txtStatus,         &txtAdiet,   &txtDiagnosis};
    for (int i = 0; i < 16; i += 2) {
        boxes[i]->SetLocked(true);
        boxes[i + 1]->SetLocked(true);
        layout.Row({{boxes[i]}, {boxes[i + 1]}});
    }
}

} // namespace ward
