#include "core/frmCdfViewing.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Format.h"

namespace ward {

namespace {

std::string Amount(double value) { return vb::FormatNumber(value, "#,##0.00;(#,##0.00)"); }

} // namespace

frmCdfViewing::frmCdfViewing(App& app) : Form(app.Forms) {
    cmdClose.Click = [this] { cmdClose_Click(); };
}

void frmCdfViewing::Design() {
    SetCaption("CDF");
    SetBorderStyle(3);
    SetInnerSize(5400, 2800);
    lblTitle.SetCaption("CDF Details");
    lblHospBill.SetCaption("Hospital Bill :");
    lblTotalCDF.SetCaption("Total CDF :");
    lblPaidCDF.SetCaption("Utilized CDF :");
    lblCDFBalance.SetCaption("CDF Balance :");
    lblNetHospBill.SetCaption("Net Hosp. Bill After CDF :");
    for (forms::TextBox* box : {&txtHospBill, &txtTotalCDF, &txtPaidCDF, &txtCDFBalance, &txtNetHospBill}) {
        box->SetLocked(true);
        box->SetAlignment(forms::vbRightJustify);
    }
    cmdClose.SetCaption("&Close");
    cmdClose.SetCancel(true);
    forms::LayoutMetrics metrics;
    metrics.LabelWidth = 2400;
    forms::Layout(*this, metrics)
        .Full(lblTitle)
        .Row(lblHospBill, txtHospBill)
        .Row(lblTotalCDF, txtTotalCDF)
        .Row(lblPaidCDF, txtPaidCDF)
        .Row(lblCDFBalance, txtCDFBalance)
        .Row(lblNetHospBill, txtNetHospBill)
        .Buttons({&cmdClose})
        .FitFormHeight();
}

void frmCdfViewing::Form_Load() {
    txtHospBill.SetText(Amount(hospBill));
    txtTotalCDF.SetText(Amount(totalCDF));
    txtPaidCDF.SetText(Amount(paidCDF));
    txtCDFBalance.SetText(Amount(cdfBalance));
    txtNetHospBill.SetText(Amount(netHospBill));
}

void frmCdfViewing::cmdClose_Click() { Unload(); }

} // namespace ward
