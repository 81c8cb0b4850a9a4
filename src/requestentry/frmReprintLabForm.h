#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// The laboratory exams posted for the chart's admission; the request form of the charge slip of the chosen exam
// prints again, straight to the printer.
//
// List columns: 1 CODE, 2 DESCRIPTION, 3 CHARGE SLIP, 4 CHARGE DATE/TIME, 5 SECTION, 6 TYPE, 7 SPECIMEN,
// 8 DIALYSIS, 9 TRANSPLANT, 10 REQUESTNUM, 11 NURSE, 12 CNURSE.
class frmReprintLabForm : public forms::Form {
public:
    explicit frmReprintLabForm(App& app);

    forms::MSHFlexGrid mshflexLabList{*this, "mshflexLabList"};
    // 0 "Re-print Request Form", 1 "Exit".
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"};

    void ReprintLabRequestForm();
    void PrintLabRequestFormReprint(const std::string& Stat, const std::string& Section, const std::string& ChargeSlip);

protected:
    void Design() override;
    void Form_Load() override;

private:
    void cmdOption_Click(int Index);
    void LoadExamList();

    App& app;
};

} // namespace ward
