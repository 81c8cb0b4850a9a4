#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/Lists.h"

namespace ward {

class App;

// The chart of one admission.
class frmFinal : public forms::Form {
public:
    explicit frmFinal(App& app);

    // Header: the admission number of the open patient.
    forms::TextBox txtId{*this, "txtId"};
    // The request cart: 17 columns, 0 blank, 1 DEPT, 2 CODE, 3 DESCRIPTION, 4 QTY, 5 AMOUNT, 6 SECTION, 7 STAT,
    // 8 REMARKS, and hidden 9 LIST, 10 STRING, 11 INDEX, 12 SPECIMEN, 13 TRANSPLANT, 14 DIALYSIS, 15 morning
    // pick-up, 16 portable machine.
    forms::MSHFlexGrid mshflexOrders{*this, "mshflexOrders"};
    // The members of the laboratory profiles in the cart: 1 ExamID, 2 ExamName, 3 ProfileID, 4 ProfileName.
    forms::MSHFlexGrid mshflexProfileList{*this, "mshflexProfileList"};
    // The common laboratory exams, a sorted list with a check box on each line.
    forms::ListBox lstListLaboratory{*this, "lstListLaboratory"};

    // Empties the cart to its header and one blank row and sets its columns; AMOUNT shows only with IsShowAmount.
    void LayOutRequestCart();
    // Empties the profile grid to its header and one blank row and sets its columns.
    void LayOutProfileList();

protected:
    void Design() override;
    void Form_Initialize() override;

private:
    App& app;
};

} // namespace ward
