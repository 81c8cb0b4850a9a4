#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

namespace {

constexpr int kActionBarWidth = 3360;
constexpr int kLabelWidth = 1100;

} // namespace

// The header: the open admission's boxes, read-only, with their labels; the PhilHealth type at the end of its row.
void frmFinal::DesignHeader() {
    fraHeader.SetCaption("");
    fraHeader.Move(120, 60, ScaleWidth() - kActionBarWidth - 240, 2400);
    const char* captions[] = {"Patient Name",
                              "Hospital#",
                              "Admission#",
                              "Room #",
                              "Sex",
                              "Age",
                              "Birthdate",
                              "Status",
                              "ADM. Date",
                              "DCR. Date",
                              "B.T.",
                              "Ht.                 cm.",
                              "Wt.                kg.",
                              "Diet",
                              "Admitting Dr.:",
                              "Attending Dr.:",
                              "Attending Dr.:",
                              "Diagnosis"};
    int index = 0;
    for (const char* caption : captions)
        lblHeader.Load(index++).SetCaption(caption);
    lblPhilhealth.Load(0).SetCaption("PHIC TYPE ");
    lblPhilhealth.Load(1).SetCaption(" ");
    for (forms::TextBox* box : {&txtPatient, &txtPno, &txtId, &txtRoom, &txtSex, &txtAge, &txtDob, &txtStatus,
                                &txtDateAdmitted, &txtDateDischarged, &txtBloodType, &txtHt, &txtWt, &txtAdiet,
                                &txtDoctor1, &txtDoctor2, &txtDoctor3, &txtDiagnosis})
        box->SetLocked(true);
    auto label = [this](int i) { return forms::Cell{&lblHeader(i), kLabelWidth}; };
    forms::LayoutMetrics metrics;
    metrics.RowGap = 60;
    forms::Layout layout(fraHeader, metrics);
    layout.Row({label(0), {&txtPatient}, label(1), {&txtPno, 1500}, label(2), {&txtId, 1500}})
        .Row({label(3), {&txtRoom}, label(4), {&txtSex}, label(5), {&txtAge}, label(6), {&txtDob}})
        .Row({label(7),
              {&txtStatus},
              label(8),
              {&txtDateAdmitted},
              label(9),
              {&txtDateDischarged},
              label(10),
              {&txtBloodType}})
        .Row({label(11),
              {&txtHt},
              label(12),
              {&txtWt},
              label(13),
              {&txtAdiet},
              {&lblPhilhealth(0), kLabelWidth},
              {&lblPhilhealth(1)}})
        .Row({label(14), {&txtDoctor1}, label(15), {&txtDoctor2}, label(16), {&txtDoctor3}})
        .Row({label(17), {&txtDiagnosis}});
    fraHeader.SetHeight(layout.UsedHeight());
}

// The panel that covers the pages while the chart loads, hidden until then.
void frmFinal::DesignLoadingPanel() {
    pctMeter.SetOverlay(true);
    pctMeter.Move(tabSSTab1.Left() + tabSSTab1.Width() / 4, tabSSTab1.Top() + tabSSTab1.Height() / 3,
                  tabSSTab1.Width() / 2, 1200);
    lblMeter.SetCaption("Loading, please wait...");
    forms::Layout(pctMeter).Full(lblMeter).Full(ProgressBarMeter);
    pctMeter.SetVisible(false);
}

void frmFinal::LoadPatientHeader() {}

} // namespace ward
