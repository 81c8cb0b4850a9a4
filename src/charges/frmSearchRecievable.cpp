#include "charges/frmSearchRecievable.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "core/SearchBoxes.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "shell/mdiOrMenu.h"

namespace ward {

namespace {

constexpr forms::Color kBilledBlue = 0xFF0000;
constexpr forms::Color kCashBasisRed = 0xFF;
constexpr int kTileSize = 720;
constexpr int kListWidth = 11400;

// A value as text; Null and Empty give no text.
std::string Text(const vb::Variant& value) { return value.IsNull() || value.IsEmpty() ? "" : vb::CStr(value); }

// A discharge date as text; 0 means none.
std::string DateOrNone(const vb::Variant& date) {
    if (vb::IsNumeric(date) && vb::CDbl(date) == 0)
        return "";
    return Text(date);
}

const char* const kFields[] = {"Hospital #",     "Admission #",     "Patient Name",
                               "Admission Date", "Discharged Date", "Billing Date"};

} // namespace

frmSearchRecievable::frmSearchRecievable(App& app) : Form(app.Forms), app(app) {
    Command1.Click = [this] { SearchReceivablePatients(); };
    Command2.Click = [this] { Hide(); };
    optPatientType.On(&forms::Control::Click, [this](int Index) { optPatientType_Click(Index); });
    txtSearch.On(&forms::TextBox::Change, [this](int Index) { txtSearch_Change(Index); });
    txtSearch.On(&forms::Control::GotFocus, [this](int Index) { txtSearch_GotFocus(Index); });
    txtSearch.On(&forms::Control::KeyDown, [this](int Index, int& KeyCode, int) { txtSearch_KeyDown(Index, KeyCode); });
    txtSearch.On(&forms::Control::KeyPress, [this](int Index, int& KeyAscii) { txtSearch_KeyPress(Index, KeyAscii); });
    mshflexList.DblClick = [this] { mshflexList_DblClick(); };
    mshflexList.KeyDown = [this](int& KeyCode, int) { mshflexList_KeyDown(KeyCode); };
}

void frmSearchRecievable::Design() {
    designing = true;
    SetCaption("Search Patient");
    SetKeyPreview(true);
    SetBorderStyle(3);
    SetInnerSize(kListWidth + 240, 7200);

    fraPatientType.SetCaption("Patient Type");
    fraPatientType.Move(120, 120, 3600, 615);
    optPatientType.Load(0).SetCaption("In Patient");
    optPatientType.Load(1).SetCaption("Out Patient");
    for (int i = 0; i < 2; ++i) {
        optPatientType(i).SetContainer(&fraPatientType);
        optPatientType(i).Move(240 + i * 1680, 270, 1560, 255);
    }
    optPatientType(0).SetValue(true);

    fraSearch.SetCaption("Search Category");
    fraSearch.Move(3840, 120, 7680, 1095);
    const char* labels[] = {"Enter Lastname :", "Enter Hospital Number :", "Enter Admission Number :"};
    for (int i = 0; i < 3; ++i) {
        forms::Label& label = lblSearch.Load(i);
        label.SetCaption(labels[i]);
        label.SetContainer(&fraSearch);
        label.Move(120 + i * 2520, 270, 2400, 240);
        forms::TextBox& box = txtSearch.Load(i);
        box.SetContainer(&fraSearch);
        box.Move(120 + i * 2520, 570, 2400, 315);
    }
    Command1.SetCaption("&Search");
    Command1.SetEnabled(false);
    Command1.Move(120, 800, 1680, 435);
    Command2.SetCaption("&Close");
    Command2.Move(1920, 800, 1680, 435);

    mshflexList.Move(120, 1335, kListWidth, 5100);
    mshflexList.SetSelectionMode(forms::flexSelectionByRow);
    LayOutList();

    Shape1.SetFillStyle(0);
    Shape1.SetFillColor(kBilledBlue);
    Shape1.Move(120, 6600, 375, 240);
    Shape2.SetFillStyle(0);
    Shape2.SetFillColor(kCashBasisRed);
    Shape2.Move(2640, 6600, 375, 240);
    const struct {
        const char* caption;
        int left;
    } legend[] = {{"Billed Patient", 600}, {"Cash Basis Patient", 3120}};
    for (int i = 0; i < 2; ++i) {
        forms::Label& caption = Label1.Load(i);
        caption.SetCaption(legend[i].caption);
        caption.SetBackStyle(0);
        caption.Move(legend[i].left, 6600, 1920, 240);
    }
    lblMessage.SetCaption("Loading...");
    lblMessage.SetBackStyle(0);
    lblMessage.Move(5400, 6600, 1200, 240);
    lblMessage.SetVisible(false);
    ProgressBar1.Move(6720, 6570, 4800, 300);
    ProgressBar1.SetVisible(false);

    Image4.SetPicture(forms::Picture{app.GetHost().AppPath() + "/Pictures/receivable.png"});
    Image4.Move(0, 0, kTileSize, kTileSize);
    Image4.SetVisible(false);
    designing = false;
}

// The header and widths of the list; the widths follow the list's width.
void frmSearchRecievable::LayOutList() {
    mshflexList.Clear();
    mshflexList.SetRows(2);
    mshflexList.SetFormatString("  |<Hospital #|<ADM. Num.|< Patient Name" + vb::Space(20) + "|<Admission Date" +
                                vb::Space(5) + "|<Discharged Date" + vb::Space(4) + "|<Billing Date" + vb::Space(7));
    mshflexList.SetCols(7);
    const int W = vb::CLng(vb::Variant(mshflexList.Width() / 13.0 + 350));
    const int widths[] = {300, W, W, 4 * W, W + 1050, W + 1050, W + 1050};
    for (int col = 0; col < 7; ++col)
        mshflexList.SetColWidth(col, widths[col]);
}

void frmSearchRecievable::SearchReceivablePatients() {
    mshflexList.SetEnabled(true);
    mshflexList.SetRedraw(false);
    LayOutList();
    db::Recordset rs;
    struct Finish {
        frmSearchRecievable& window;
        db::Recordset& rs;
        ~Finish() {
            if (rs.State() == db::ObjectState::Open)
                rs.Close();
            window.mshflexList.SetRedraw(true);
            window.ProgressBar1.SetVisible(false);
            window.lblMessage.SetVisible(false);
        }
    } finish{*this, rs};
    const bool inPatient = optPatientType(0).Value();
    app.PatientTypeIO = inPatient ? "I" : "O";
    // Client-side, so that the bar knows the number of rows before the first is listed.
    rs = app.Connection().Open(std::string("STATION.. sp_Get_Recievable_SNCUPatient  ") +
                                   (inPatient ? "'A'," : "'O',") + db::SqlQuote(txtSearch(0).Text()) + "," +
                                   db::SqlQuote(txtSearch(1).Text()) + "," + db::SqlQuote(txtSearch(2).Text()),
                               db::CursorType::Static, db::LockType::ReadOnly);
    if (rs.Eof()) {
        mshflexList.SetRows(2);
        mshflexList.SetEnabled(false);
        return;
    }
    ProgressBar1.SetVisible(true);
    lblMessage.SetVisible(true);
    lblMessage.SetCaption("Loading...");
    // The bar takes its range directly: a list may hold more rows than a 16-bit range reaches.
    ProgressBar1.SetMin(0);
    ProgressBar1.SetMax(static_cast<double>(rs.RecordCount()));
    int done = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        int row = 1;
        if (!mshflexList.TextMatrix(1, 1).empty()) {
            row = mshflexList.Rows();
            mshflexList.SetRows(row + 1);
        }
        for (int col = 1; col <= 6; ++col)
            mshflexList.SetTextMatrix(row, col, Text(rs.Fields(kFields[col - 1])));
        ProgressBar1.SetValue(++done);
    }
    if (Visible() && CanReceiveFocus(mshflexList))
        mshflexList.SetFocus();
    ColorPatientList();
}

// Billed rows blue, cash-basis rows red, the rest in the window's text colour.
void frmSearchRecievable::ColorPatientList() {
    forms::MSHFlexGrid& grid = mshflexList;
    grid.SetRedraw(false);
    const int fillStyle = grid.FillStyle();
    grid.SetFillStyle(forms::flexFillRepeat);
    for (int row = 1; row < grid.Rows(); ++row) {
        const forms::Color color = RowColor(row);
        grid.SetRow(row);
        grid.SetCol(1);
        grid.SetColSel(6);
        grid.SetCellForeColor(color);
    }
    grid.SetFillStyle(fillStyle);
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetRedraw(true);
}

forms::Color frmSearchRecievable::RowColor(int row) {
    if (!vb::Trim(mshflexList.TextMatrix(row, 6)).empty())
        return kBilledBlue;
    const std::string sql = "Station..sp_Nurse_Check_Patient_If_CashBasis " +
                            db::SqlQuote(vb::Trim(mshflexList.TextMatrix(row, 2))) + "," +
                            db::SqlQuote(vb::Trim(app.PatientTypeIO));
    return ReturnsRow(app, sql) ? kCashBasisRed : forms::vbWindowText;
}

void frmSearchRecievable::mshflexList_KeyDown(int& KeyCode) {
    if (KeyCode == forms::vbKeyReturn)
        mshflexList_DblClick();
}

// The pick: refused for an invoiced account or an admission the patient search does not know; otherwise the
// receivable and current-patient variables name the row's patient and the window hides.
void frmSearchRecievable::mshflexList_DblClick() {
    app.ReceivableHospNum.clear();
    app.ReceivableIdNum.clear();
    app.ReceivableGuarantor.clear();
    app.ReceivableAdmType.clear();
    app.ReceivableMembership.clear();
    const int row = mshflexList.Row();
    app.ReceivableHospNum = mshflexList.TextMatrix(row, 1);
    app.ReceivableIdNum = mshflexList.TextMatrix(row, 2);
    app.SearchRow2 = app.SearchRow = static_cast<std::int16_t>(row);
    if (!IsReceivableUpdate(app, app.ReceivableIdNum)) {
        MsgBox("Record indicates that the Patient's Account was already been invoiced ! " + std::string("\r\n") +
                   " Please contact Accounts Receivable Section.",
               forms::vbInformation, "Notification");
        app.ReceivableHospNum.clear();
        app.ReceivableIdNum.clear();
        return;
    }
    if (app.PatientSearch->ValidatePatient(vb::Trim(app.ReceivableHospNum))) {
        components::PatientObject& patient = app.PatientSearch->PatientMaster();
        app.CurPatientName =
            vb::Trim(patient.Lastname) + " ," + vb::Trim(patient.FirstName) + " " + vb::Trim(patient.MiddleName);
        app.CurPatientAddress = patient.Address.CompleteAddress;
    }
    const bool inPatient = optPatientType(0).Value();
    std::string company;
    if (!(inPatient ? TakeInPatientAdmission(company) : TakeOutPatientVisit(company))) {
        // A refused admission names no patient: closing the search must not load it over the previous pick.
        app.ReceivableHospNum.clear();
        app.ReceivableIdNum.clear();
        return;
    }
    app.ReceivableGuarantor = vb::Trim(app.CurAccountNum) != vb::Trim(app.ReceivableHospNum) ? company : "PERSONAL";
    pickedInPatient = inPatient;
    if (app.Forms.IsLoaded<mdiOrMenu>()) {
        mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
        main.mnuLedger.SetEnabled(true);
        main.mnuRS.SetEnabled(true);
    }
    Hide();
}

bool frmSearchRecievable::TakeInPatientAdmission(std::string& company) {
    if (!app.PatientSearch->ValidateAdmission(app.ReceivableIdNum)) {
        MsgBox("No Records Found.", forms::vbInformation, "Notification");
        return false;
    }
    const components::AdmissionObject& admission = app.PatientSearch->Admission();
    app.CurRoomClassID = admission.Room.RoomClassID;
    app.CurRoomID = admission.Room.RoomID;
    app.CurAdmissionDate = Text(admission.AdmissionDate);
    app.CurDischargeDate = DateOrNone(admission.DischargeDate);
    TakeAccountNumber(admission.Account.AccountNumber);
    company = admission.Account.Company;
    return true;
}

bool frmSearchRecievable::TakeOutPatientVisit(std::string& company) {
    components::OutPatientObject& visit = app.PatientSearch->PatientClass().clsOutPatient();
    if (!visit.OpenOutPatient(app.ReceivableIdNum, app.ReceivableHospNum)) {
        MsgBox("No Records Found.");
        return false;
    }
    app.CurRoomClassID = "A";
    app.CurAdmissionDate = Text(visit.AdmissionDate);
    app.CurDischargeDate = DateOrNone(visit.DischargeDate);
    app.CurRoomID = "OPD";
    TakeAccountNumber(visit.Account.AccountNumber);
    company = visit.Account.Company;
    return true;
}

void frmSearchRecievable::TakeAccountNumber(const std::string& accountNumber) {
    app.CurAccountNum = vb::Trim(accountNumber);
    if (app.CurAccountNum.empty())
        app.CurAccountNum = vb::Trim(app.ReceivableHospNum);
}

void frmSearchRecievable::optPatientType_Click(int Index) {
    (void)Index;
    if (designing)
        return;
    LayOutList();
    mshflexList.SetEnabled(false);
}

void frmSearchRecievable::txtSearch_Change(int Index) { Command1.SetEnabled(!txtSearch(Index).Text().empty()); }

void frmSearchRecievable::txtSearch_GotFocus(int Index) { EmptyOtherSearchBoxes(txtSearch, Index); }

void frmSearchRecievable::txtSearch_KeyDown(int Index, int& KeyCode) {
    (void)Index;
    if (KeyCode == forms::vbKeyReturn)
        SearchReceivablePatients();
}

void frmSearchRecievable::txtSearch_KeyPress(int Index, int& KeyAscii) { FilterSearchKey(app, Index, KeyAscii); }

void frmSearchRecievable::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

void frmSearchRecievable::Form_Paint() {
    const int stepX = Image4.Width();
    const int stepY = Image4.Height();
    if (stepX <= 0 || stepY <= 0)
        return;
    for (int y = 0; y <= Height(); y += stepY)
        for (int x = 0; x <= Width(); x += stepX)
            PaintPicture(Image4.Picture(), x, y);
}

void frmSearchRecievable::Form_Unload(int& Cancel) {
    (void)Cancel;
    if (!app.Forms.IsLoaded<mdiOrMenu>())
        return;
    mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
    for (forms::Menu* menu : {&main.mnuInfo, &main.mnuLedger, &main.mnuRS})
        menu->SetEnabled(false);
}

} // namespace ward
