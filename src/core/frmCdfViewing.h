#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The CDF figures of the last completed coverage check, shown by the charge and cash-assessment windows' "CDF"
// buttons. The figures live on the instance for the whole run, also while the window is closed.
class frmCdfViewing : public forms::Form {
public:
    explicit frmCdfViewing(App& app);

    void SetHospBill(double value) { hospBill = value; }
    void SetTotalCDF(double value) { totalCDF = value; }
    void SetPaidCDF(double value) { paidCDF = value; }
    void SetCDFBalance(double value) { cdfBalance = value; }
    void SetNetHospBill(double value) { netHospBill = value; }

    forms::Label lblTitle{*this, "lblTitle"};
    forms::Label lblHospBill{*this, "lblHospBill"};
    forms::TextBox txtHospBill{*this, "txtHospBill"};
    forms::Label lblTotalCDF{*this, "lblTotalCDF"};
    forms::TextBox txtTotalCDF{*this, "txtTotalCDF"};
    forms::Label lblPaidCDF{*this, "lblPaidCDF"};
    forms::TextBox txtPaidCDF{*this, "txtPaidCDF"};
    forms::Label lblCDFBalance{*this, "lblCDFBalance"};
    forms::TextBox txtCDFBalance{*this, "txtCDFBalance"};
    forms::Label lblNetHospBill{*this, "lblNetHospBill"};
    forms::TextBox txtNetHospBill{*this, "txtNetHospBill"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

private:
    void Design() override;
    void Form_Load() override;
    void cmdClose_Click();

    double hospBill = 0;
    double totalCDF = 0;
    double paidCDF = 0;
    double cdfBalance = 0;
    double netHospBill = 0;
};

} // namespace ward
