#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"

namespace ward {

class App;

// The station's next charge-slip number, shown and set. A number is stored only past every slip already used, so the
// charge saves always find it free.
class frmChargeSlipVerification : public forms::Form {
public:
    explicit frmChargeSlipVerification(App& app);

    forms::Label lblheading{*this, "lblheading"};
    forms::ControlArray<forms::Label> lblCaption{*this, "lblCaption"}; // 0 "Charge Slip #", 1 "Nurse Station"
    forms::TextBox txtChargeSlip{*this, "txtChargeSlip"};
    forms::ControlArray<forms::Label> lblStation{*this, "lblStation"}; // 0 the station code, 1 its name
    forms::Image imgSearch{*this, "imgSearch"};
    forms::ControlArray<forms::Image> imgOption{*this, "imgOption"}; // 0 under Close, 1 under Save
    forms::ControlArray<forms::Label> lblExit{*this, "lblExit"};     // 0 "Close", 1 "Save"
    forms::Image imgLegend{*this, "imgLegend"};
    forms::ImageList ImageList1{*this, "ImageList1"};

private:
    void Design() override;
    void Form_Activate() override;
    void Form_KeyPress(int& KeyAscii) override;
    void txtChargeSlip_KeyPress(int& KeyAscii);
    void imgSearch_Click();
    void lblExit_Click(int Index);
    void lblExit_MouseMove(int Index);
    void imgLegend_Click();
    void ReadChargeSlip();
    void ShowStation();
    // True when a number was stored.
    bool SaveChargeSlipNumber();
    void WalkPastUsedNumbers(double number);

    App& app;
};

} // namespace ward
