#include "requestcart/frmRemarks.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ExamChecks.h"
#include "core/Rates.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

constexpr int kWidth = 7200;
constexpr int kHeight = 3150;
constexpr int kBandHeight = 690;

// Rows inside a borderless band start at its top edge.
forms::LayoutMetrics BandMetrics() {
    forms::LayoutMetrics metrics;
    metrics.Margin = 0;
    metrics.FrameCaption = 0;
    metrics.RowGap = 60;
    return metrics;
}

} // namespace

frmRemarks::frmRemarks(App& app) : Form(app.Forms), app(app) {
    cmdSpecimen.Click = [this] { cmdSpecimen_Click(); };
    mshflexSpecimen.Click = [this] { mshflexSpecimen_Click(); };
    chkAMPickUp.Click = [this] { chkAMPickUp_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    txtRemarks.KeyPress = [this](int& KeyAscii) { txtRemarks_KeyPress(KeyAscii); };
    cmdPhysiatrist.Click = [this] { cmdPhysiatrist_Click(); };
    txtPhysiatrist.KeyPress = [this](int& KeyAscii) { txtPhysiatrist_KeyPress(KeyAscii); };
    txtPhysiatrist.Validate = [this](bool& Cancel) { txtPhysiatrist_Validate(Cancel); };
}

void frmRemarks::Design() {
    SetCaption("Remarks Entry");
    SetInnerSize(kWidth, kHeight);
    SetControlBox(false);
    SetBorderStyle(3);
    SetKeyPreview(true);
    lblExam.SetCaption("Examination Type");
    Option1.Load(0).SetCaption("Routine");
    Option1.Load(1).SetCaption("Stat");
    Option1(0).SetValue(true);
    chkAMPickUp.SetCaption("In AM Pick UP");
    chkPortable.SetCaption("Use Portable Machine");
    lblRemarks.SetCaption("Remarks ( Excluding Additional Requests )");
    txtRemarks.SetMultiLine(true);
    txtRemarks.SetMaxLength(100);
    Command1.SetCaption("Enter");
    forms::Layout layout(*this);
    layout.Row({{&lblExam, 1700}, {&Option1(0), 1000}, {&Option1(1), 900}, {&chkAMPickUp}});
    fraSpecimen.Move(layout.Left(), layout.Top(), layout.Width(), kBandHeight);
    fraPT.Move(layout.Left(), layout.Top(), layout.Width(), kBandHeight);
    layout.Skip(kBandHeight + 60).Row({{&lblRemarks}, {&chkPortable, 2500}}).Full(txtRemarks, 900).Buttons({&Command1});
    DesignBands();
    DesignSpecimenList();
    // The focus starts on Enter, the remarks come next.
    Command1.SetTabIndex(0);
    txtRemarks.SetTabIndex(1);

    lblTransplant.SetCaption("Transplant");
    cboTransplant.AddItem("Non-Transplant");
    cboTransplant.AddItem("Transplant");
    lblDialysis.SetCaption("Dialysis");
    cboDialysis.AddItem("None");
    cboDialysis.AddItem("Pre-Dialysis");
    cboDialysis.AddItem("Post-Dialysis");
    for (forms::Control* hidden :
         std::initializer_list<forms::Control*>{&lblTransplant, &cboTransplant, &lblDialysis, &cboDialysis}) {
        hidden->SetVisible(false);
        hidden->SetEnabled(false);
    }
    lblDept.SetVisible(false);
    lblLBExamID.SetVisible(false);
}

void frmRemarks::DesignBands() {
    fraSpecimen.SetCaption("");
    lblSpecimen.Load(0).SetCaption("Specimen");
    lblSpecimen.Load(1).SetBackColor(forms::vbWhite);
    cmdSpecimen.SetCaption("...");
    forms::Layout(fraSpecimen, BandMetrics()).Row({{&lblSpecimen(0), 1400}, {&lblSpecimen(1)}, {&cmdSpecimen, 400}});

    fraPT.SetCaption("");
    lblPhysiatrist.SetCaption("Physiatrist");
    txtPhysiatrist.SetLocked(true);
    lblHandedness.SetCaption("Handedness");
    optHanded.Load(0).SetCaption("Left");
    optHanded.Load(1).SetCaption("Right");
    lblReffered.SetCaption("Date/Time Reffered");
    lblOrdered.SetCaption("Date/Time Ordered");
    forms::Layout(fraPT, BandMetrics())
        .Row({{&lblPhysiatrist, 850},
              {&txtPhysiatrist, 1500},
              {&cmdPhysiatrist, 315},
              {&lblHandedness, 850},
              {&optHanded(0), 650},
              {&optHanded(1)}})
        .Row({{&lblReffered, 1250}, {&dtpReffered, 1350}, {&lblOrdered, 1250}, {&dtpOrdered}});
    fraPT.SetVisible(false);
}

void frmRemarks::DesignSpecimenList() {
    const int left = kWidth - 4200;
    Picture1.Move(left, 0, kWidth - left, kHeight);
    Picture1.SetOverlay(true);
    Picture1.SetVisible(false);
    lblHeading.SetCaption("Click on the list to Select a Specimen");
    forms::Layout(Picture1).Full(lblHeading).Full(mshflexSpecimen, kHeight - 2 * 120 - 315 - 60);
    ResetSpecimenGrid();
}

void frmRemarks::Form_Load() {
    lblSpecimen(1).SetEnabled(true);
    cmdSpecimen.SetEnabled(true);
    app.ExamRemarks = "";
    ResetSpecimenGrid();
    cboDialysis.SetText(app.DialysisText);
    cboTransplant.SetText(app.TransplantText);
    app.AMPickUp = false;
    if (DeptID == "LB") {
        lblDept.SetCaption(DeptID);
        lblLBExamID.SetCaption(ExamID);
        std::string specimen;
        lblSpecimen(1).SetCaption(GetLabExamSpecimen(app, vb::Trim(ExamID), specimen));
        ListSpecimens();
        SetLabPriorityOptions(app, vb::Trim(ExamID), Option1);
    }
    ShowBandOfDepartment();
}

void frmRemarks::ShowBandOfDepartment() {
    const bool rehabilitation = DeptID == "PT";
    fraPT.SetVisible(rehabilitation);
    fraPT.SetEnabled(rehabilitation);
    fraSpecimen.SetVisible(!rehabilitation);
    fraSpecimen.SetEnabled(!rehabilitation);
    if (!rehabilitation)
        return;
    // From three days back up to the server's day, which is the value.
    const vb::Date today = vb::CDate(vb::Format(app.ServerDate, "mm/dd/yyyy"));
    for (forms::DTPicker* picker : {&dtpReffered, &dtpOrdered}) {
        picker->SetMinDate(vb::DateAdd("d", -3, app.ServerDate));
        picker->SetMaxDate(today);
        picker->SetValue(today);
    }
}

void frmRemarks::Form_Activate() {
    app.UsePortableMachine = false;
    if (DeptID == "LB")
        ListSpecimens();
    chkPortable.SetVisible(DeptID == "XR");
}

void frmRemarks::ResetSpecimenGrid() {
    mshflexSpecimen.Clear();
    mshflexSpecimen.SetRows(2);
    mshflexSpecimen.SetCols(3);
    const int widths[] = {0, 0, 3000};
    for (int col = 0; col < 3; ++col)
        mshflexSpecimen.SetColWidth(col, widths[col]);
    mshflexSpecimen.SetTextMatrix(0, 2, "List of Specimens");
}

// The specimens of an exam that takes one of several, for the nurse to pick from.
void frmRemarks::ListSpecimens() {
    ResetSpecimenGrid();
    if (!app.HasSeveralSpecimens) {
        Picture1.SetVisible(false);
        return;
    }
    db::Recordset rs = app.Connection().Open("STATION..sp_Nurse_GetLabExam_Specimen " + db::SqlQuote(vb::Trim(ExamID)),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    for (; !rs.Eof(); rs.MoveNext()) {
        int row = 1;
        if (!mshflexSpecimen.TextMatrix(1, 1).empty()) {
            mshflexSpecimen.SetRows(mshflexSpecimen.Rows() + 1);
            row = mshflexSpecimen.Rows() - 1;
        }
        mshflexSpecimen.SetTextMatrix(row, 1, vb::ConcatText(rs.Fields("Code")));
        mshflexSpecimen.SetTextMatrix(row, 2, vb::ConcatText(rs.Fields("Description")));
    }
    rs.Close();
    Picture1.SetVisible(true);
}

void frmRemarks::mshflexSpecimen_Click() {
    const int row = mshflexSpecimen.Row();
    app.SpecimenCode = mshflexSpecimen.TextMatrix(row, 1);
    lblSpecimen(1).SetCaption(mshflexSpecimen.TextMatrix(row, 2));
    Picture1.SetVisible(false);
}

void frmRemarks::Form_Click() {
    if (Picture1.Visible())
        Picture1.SetVisible(false);
}

void frmRemarks::chkAMPickUp_Click() {
    if (chkAMPickUp.Value() == forms::vbChecked) {
        txtRemarks.SetText("In AM PICK UP");
        Option1(1).SetEnabled(false);
        Option1(0).SetValue(true);
        app.AMPickUp = true;
    } else {
        txtRemarks.SetText("");
        Option1(1).SetEnabled(true);
        SetLabPriorityOptions(app, vb::Trim(lblLBExamID.Caption()), Option1);
        app.AMPickUp = false;
    }
}

void frmRemarks::Command1_Click() {
    app.UsePortableMachine = chkPortable.Value() == forms::vbChecked;
    if (DeptID == "LB" && (app.SpecimenCode.empty() || lblSpecimen(1).Caption().empty())) {
        MsgBox("Please Select Specimen.", forms::vbExclamation + forms::vbOKOnly, "Message");
        ListSpecimens();
        return;
    }
    app.ExamStatYN = Option1(1).Value() ? "Y" : "N";
    app.ExamRemarks = txtRemarks.Text();
    MapTransplantAndDialysis();
    frmFinal& chart = app.Forms.Instance<frmFinal>();
    SavePatientOtherInfo(app, chart.txtId);
    ShowPatientPackageInfo(app, chart.txtId, chart);
    if (chkAMPickUp.Value() != forms::vbUnchecked)
        app.AMPickUp = true;
    ExamID = "";
    DeptID = "";
    Unload();
}

// The boxes hold the texts the load took from the admission; a text that names no item changes nothing.
void frmRemarks::MapTransplantAndDialysis() {
    const std::string transplant = vb::Trim(cboTransplant.Text());
    if (transplant == "Non-Transplant")
        app.TransplantID = "0";
    else if (transplant == "Transplant")
        app.TransplantID = "1";
    const std::string dialysis = vb::Trim(cboDialysis.Text());
    if (dialysis == "None")
        app.DialysisID = "0";
    else if (dialysis == "Pre-Dialysis")
        app.DialysisID = "1";
    else if (dialysis == "Post-Dialysis")
        app.DialysisID = "2";
}

void frmRemarks::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'')
        KeyAscii = 0;
}

void frmRemarks::txtRemarks_KeyPress(int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn)
        KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

void frmRemarks::cmdPhysiatrist_Click() {
    if (!app.CodeSearch->SearchListing(vb::Trim(txtPhysiatrist.Text()), 1))
        return;
    physiatristCode = app.CodeSearch->DoctorRecord().ResultCode;
    ShowPhysiatrist();
}

void frmRemarks::txtPhysiatrist_KeyPress(int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn)
        return;
    KeyAscii = 0;
    if (PhysiatristFound())
        MoveToNextControl();
}

void frmRemarks::txtPhysiatrist_Validate(bool& Cancel) { Cancel = !PhysiatristFound(); }

// Nobody has to name a physiatrist: an empty box passes, so the nurse can always reach Enter. A name in the box is
// checked again by the code the search found.
bool frmRemarks::PhysiatristFound() {
    if (vb::Trim(txtPhysiatrist.Text()).empty())
        return true;
    if (!app.CodeSearch->SearchListing(vb::Trim(physiatristCode), 1)) {
        MsgBox("Doctor Code Not Exist!.");
        return false;
    }
    physiatristCode = app.CodeSearch->DoctorRecord().ResultCode;
    ShowPhysiatrist();
    return true;
}

void frmRemarks::ShowPhysiatrist() {
    const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
    txtPhysiatrist.SetText(vb::Trim(doctor.Lastname) + " ," + vb::Trim(doctor.FirstName));
}

} // namespace ward
