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

// The sixteen header boxes under their labels, four pairs to a row, locked.
void ChargeEntryWindow::DesignHeader(forms::Layout& layout, forms::ControlArray<forms::Label>& lblHeader) {
    const char* labels[] = {
        "Patient Name", "Admitting Dr.:", "Attending Dr.:", "Attending Dr.:", "Admission#", "Hospital#",
        "ADM. Date",    "DCR. Date",      "Birthdate",      "Room #",         "Age",        "Sex",
        "B.T.",         "Status",         "Diet",           "Diag."};
    forms::TextBox* boxes[] = {&txtPatient,      &txtDoctor1,        &txtDoctor2, &txtDoctor3,  &txtId,  &txtPno,
                               &txtDateAdmitted, &txtDateDischarged, &txtDob,     &txtRoom,     &txtAge, &txtSex,
                               &txtBloodType,    &txtStatus,         &txtAdiet,   &txtDiagnosis};
    for (int i = 0; i < 16; ++i) {
        lblHeader.Load(i).SetCaption(labels[i]);
        boxes[i]->SetLocked(true);
    }
    for (int i = 0; i < 16; i += 4)
        layout.Row({{&lblHeader(i), 1200},
                    {boxes[i]},
                    {&lblHeader(i + 1), 1200},
                    {boxes[i + 1]},
                    {&lblHeader(i + 2), 1200},
                    {boxes[i + 2]},
                    {&lblHeader(i + 3), 1200},
                    {boxes[i + 3]}});
}

} // namespace ward
