#include "shell/frmInfo.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "shell/frmSearch.h"

namespace ward {

namespace {

constexpr const char* DateTimePattern = "mm/dd/yyyy hh:mm:ss AM/PM";
// The size of the background tile, 48 pixels square.
constexpr int TileSize = 720;

} // namespace

frmInfo::frmInfo(App& app) : Form(app.Forms), app(app) {}

void frmInfo::Design() {
    SetCaption("Patient Information");
    SetBorderStyle(3);
    SetInnerSize(5325, 2580);
    forms::Font name{"Courier New", 12};
    name.Bold = true;
    lblPatient.SetFont(name);
    lblPatient.SetForeColor(0xFFFF80);
    lblPatient.SetBackStyle(0);
    const char* captions[] = {"Hospital Number", "Admission Number", "Admission Date ", "Room Number"};
    forms::Font caption{"Arial", 12};
    forms::Font value{"Arial", 9.75};
    value.Bold = true;
    forms::LayoutMetrics metrics;
    metrics.Margin = 90;
    metrics.Gap = 60;
    metrics.RowHeight = 300;
    metrics.RowGap = 120;
    forms::Layout layout(*this, metrics);
    layout.Full(lblPatient, 360).Skip(120);
    for (int index = 0; index < 4; ++index) {
        forms::Label& label = lblHopital.Load(index);
        label.SetCaption(captions[index]);
        label.SetFont(caption);
        label.SetBackStyle(0);
        forms::Label& info = lblInfo.Load(index);
        info.SetFont(value);
        info.SetBackStyle(0);
        layout.Row({{&label, 2310}, {&info}});
    }
    Image1.SetPicture(forms::Picture{app.GetHost().AppPath() + "/Pictures/patientinfo.png"});
    Image1.Move(0, 0, TileSize, TileSize);
    Image1.SetVisible(false);
}

// The patient search's admission is the one whose room is shown, so the rest comes from that admission too: the
// list's row of it as the list shows it, or the admission itself when the list has been searched since.
void frmInfo::Form_Load() {
    const int row = ListRowOf(app.PatientSearch->Admission().IdNumber);
    if (row > 0)
        ShowListRow(row);
    else
        ShowHeldAdmission();
    lblInfo(3).SetCaption(app.PatientSearch->Admission().Room.RoomID);
}

void frmInfo::Form_Paint() {
    const int stepX = Image1.Width();
    const int stepY = Image1.Height();
    if (stepX <= 0 || stepY <= 0)
        return;
    for (int x = 0; x <= Width(); x += stepX)
        for (int y = 0; y <= Height(); y += stepY)
            PaintPicture(Image1.Picture(), x, y);
}

int frmInfo::ListRowOf(const std::string& idNum) const {
    if (vb::Trim(idNum).empty() || !app.Forms.IsLoaded<frmSearch>())
        return 0;
    const forms::MSHFlexGrid& list = app.Forms.Instance<frmSearch>().mshflexList;
    if (list.Cols() <= 4)
        return 0;
    for (int row = list.FixedRows(); row < list.Rows(); ++row)
        if (vb::Trim(list.TextMatrix(row, 2)) == vb::Trim(idNum))
            return row;
    return 0;
}

void frmInfo::ShowListRow(int row) {
    const forms::MSHFlexGrid& list = app.Forms.Instance<frmSearch>().mshflexList;
    lblInfo(0).SetCaption(list.TextMatrix(row, 1));
    lblInfo(1).SetCaption(list.TextMatrix(row, 2));
    lblPatient.SetCaption(list.TextMatrix(row, 3));
    lblInfo(2).SetCaption(vb::Format(list.TextMatrix(row, 4), DateTimePattern));
}

void frmInfo::ShowHeldAdmission() {
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    const components::PatientObject& patient = admission.Patient();
    lblInfo(0).SetCaption(admission.HospitalNumber);
    lblInfo(1).SetCaption(admission.IdNumber);
    lblPatient.SetCaption(vb::Trim(patient.Lastname) + " ," + vb::Trim(patient.FirstName) + " " +
                          vb::Trim(patient.MiddleName));
    lblInfo(2).SetCaption(vb::Format(admission.AdmissionDate, DateTimePattern));
}

} // namespace ward
