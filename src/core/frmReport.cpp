#include "core/frmReport.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateText.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"

namespace ward {

frmReport::frmReport(App& app) : Form(app.Forms), app(app) {
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmReport::Design() {
    SetCaption("ENTER Report Date");
    SetBorderStyle(3);
    SetInnerSize(4200, 1800);
    fraFrom.SetCaption("");
    fraTo.SetCaption("");
    lblFrom.SetCaption("FROM");
    lblTo.SetCaption("TO");
    cmdOption.Load(0).SetCaption("&OK");
    cmdOption(0).SetDefault(true);
    cmdOption.Load(1).SetCaption("&CANCEL");
    cmdOption(1).SetCancel(true);
    forms::LayoutMetrics metrics;
    metrics.LabelWidth = 700;
    forms::Layout(*this, metrics)
        .Group(fraFrom, [&](forms::Layout& inside) { inside.Row(lblFrom, dtpFrom); })
        .Group(fraTo, [&](forms::Layout& inside) { inside.Row(lblTo, dtpTo); })
        .Buttons({&cmdOption(0), &cmdOption(1)})
        .FitFormHeight();
}

void frmReport::Form_Load() {
    app.ReportDateFrom = "";
    app.ReportDateTo = "";
    const vb::Date today = vb::DateValue(vb::Format(app.ServerDate, "mm/dd/yyyy"));
    for (forms::DTPicker* picker : {&dtpFrom, &dtpTo}) {
        picker->SetMaxDate(today);
        picker->SetValue(today);
    }
}

void frmReport::cmdOption_Click(int Index) {
    app.ReportDateFrom = "";
    app.ReportDateTo = "";
    if (Index == 1) {
        Unload();
        return;
    }
    if (vb::DateValue(dtpFrom.Value()).serial > vb::DateValue(dtpTo.Value()).serial) {
        MsgBox("Invalid dates.", forms::vbInformation + forms::vbOKOnly, "Notification");
        return;
    }
    app.ReportDateFrom = vb::CStr(dtpFrom.Value());
    app.ReportDateTo = vb::CStr(dtpTo.Value());
    Unload();
}

} // namespace ward
