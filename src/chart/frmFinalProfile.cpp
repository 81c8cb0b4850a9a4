#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

// The admission's diagnosis, complaints, impression and manner of admission.
void frmFinal::DesignProfilePage() {
    const char* captions[] = {"Adm. Diagnosis:", "Chief Complaints:", "Impression:", "Manner of ADM:"};
    forms::TextBox* boxes[] = {&txtADMDiagnosis, &txtChiefComplaints, &txtImpression, &txtMannerOfAdmission};
    forms::Layout layout(tabSSTab1, {}, 5);
    for (int i = 0; i < 4; ++i) {
        lblProfile.Load(i).SetCaption(captions[i]);
        boxes[i]->SetLocked(true);
        layout.Row(lblProfile(i), *boxes[i]);
    }
}

void frmFinal::LoadPatientProfile() {}

} // namespace ward
