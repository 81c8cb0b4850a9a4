#include "shell/frmSearch.h"

#include "core/App.h"
#include "core/SearchBoxes.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/NumberText.h"
#include "platform/vb/Strings.h"
#include "shell/mdiOrMenu.h"

#include <algorithm>

namespace ward {

namespace {

constexpr int kPanelWidth = 3615;
constexpr int kBandHeight = 615;
constexpr int kPanelHeight = 7515;
constexpr int kListWidth = 11385;

constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kLightBlue = 0xFEE2C5;
constexpr forms::Color kBilledBlue = 0xFF0000;
constexpr forms::Color kCashBasisRed = 0xFF;
constexpr forms::Color kDarkBlue = 0x800000;
constexpr forms::Color kGrey = 0xE0E0E0;

bool IsFlaggedCashBasis(const std::string& flag) { return vb::Val(vb::Trim(flag)) == 1; }

// Holds a flag up while a handler runs, however the handler ends.
class FlagUp {
public:
    explicit FlagUp(bool& flag) : flag(flag) { flag = true; }
    ~FlagUp() { flag = false; }
    FlagUp(const FlagUp&) = delete;
    FlagUp& operator=(const FlagUp&) = delete;

private:
    bool& flag;
};

} // namespace

frmSearch::frmSearch(App& app) : Form(app.Forms), app(app) {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    optSearchType.On(&forms::Control::Click, [this](int Index) { optSearchType_Click(Index); });
    txtSearch.On(&forms::TextBox::Change, [this](int Index) { txtSearch_Change(Index); });
    txtSearch.On(&forms::Control::GotFocus, [this](int Index) { txtSearch_GotFocus(Index); });
    txtSearch.On(&forms::Control::KeyDown, [this](int Index, int& KeyCode, int) { txtSearch_KeyDown(Index, KeyCode); });
    txtSearch.On(&forms::Control::KeyPress, [this](int Index, int& KeyAscii) { txtSearch_KeyPress(Index, KeyAscii); });
    lblProcedures.On(&forms::Control::Click, [this](int Index) { lblProcedures_Click(Index); });
    lblProcedures.On(&forms::Control::MouseMove,
                     [this](int Index, int, int, float, float) { lblProcedures_MouseMove(Index); });
    mshflexList.EnterCell = [this] { mshflexList_EnterCell(); };
    mshflexList.Click = [this] { mshflexList_Click(); };
    mshflexList.DblClick = [this] { mshflexList_DblClick(); };
    mshflexList.KeyDown = [this](int& KeyCode, int) { mshflexList_KeyDown(KeyCode); };
    mshflexList.MouseDown = [this](int Button, int Shift, float X, float Y) {
        mshflexList_MouseDown(Button, Shift, X, Y);
    };
}

void frmSearch::Design() {
    designing = true;
    SetCaption("Patient List");
    SetMDIChild(true);
    SetKeyPreview(true);
    SetInnerSize(kPanelWidth + 100 + kListWidth, 2 * kBandHeight + kPanelHeight);

    Frame1.SetCaption("Patient Searching");
    Frame1.Move(20, 0, kPanelWidth, kBandHeight);
    optPatientType.Load(0).SetCaption("In Patient");
    optPatientType.Load(1).SetCaption("Out Patient");
    for (int i = 0; i < 2; ++i) {
        optPatientType(i).SetContainer(&Frame1);
        optPatientType(i).Move(240 + i * 1680, 270, 1560, 255);
        optPatientType(i).SetVisible(false);
    }
    optPatientType(0).SetValue(true);

    Frame2.SetCaption("Search Type");
    Frame2.Move(20, kBandHeight, kPanelWidth, kBandHeight);
    optSearchType.Load(0).SetCaption("ZODE Patients");
    optSearchType.Load(1).SetCaption("All Patients");
    for (int i = 0; i < 2; ++i) {
        optSearchType(i).SetContainer(&Frame2);
        optSearchType(i).Move(240 + i * 1680, 270, 1560, 255);
    }
    optSearchType(0).SetValue(true);

    DesignPanel();
    mshflexList.Move(kPanelWidth + 100, 0, kListWidth, ScaleHeight());
    mshflexList.SetSelectionMode(forms::flexSelectionByRow);
    designing = false;
}

// The panel's controls at their places from its top.
void frmSearch::DesignPanel() {
    Picture1.SetBorderStyle(0);
    Picture1.Move(20, 2 * kBandHeight, kPanelWidth, kPanelHeight);
    auto place = [this](forms::Control& control, int left, int top, int width, int height) {
        control.SetContainer(&Picture1);
        control.Move(left, top, width, height);
    };
    Label6.Load(0).SetCaption("Search Category");
    place(Label6(0), 240, 120, 3135, 255);
    Label3.SetCaption("Enter Lastname :");
    place(Label3, 240, 600, 3135, 240);
    Label4.SetCaption("Enter Hospital Number :");
    place(Label4, 240, 1320, 3135, 240);
    Label5.SetCaption("Enter Admission Number :");
    place(Label5, 240, 1980, 3135, 240);
    const int boxTops[] = {840, 1560, 2280};
    for (int i = 0; i < 3; ++i)
        place(txtSearch.Load(i), 240, boxTops[i], 3135, 315);
    Command1.SetCaption("&Search");
    Command1.SetEnabled(false);
    place(Command1, 240, 2760, 1500, 435);
    Command2.SetCaption("&Refresh");
    place(Command2, 1875, 2760, 1500, 435);

    Label6.Load(1).SetCaption("Clinical Procedures");
    place(Label6(1), 240, 3420, 3135, 255);
    const char* links[] = {"Send Requests / Post charges", "View Clinical Results", "Clinical Summary"};
    for (int i = 0; i < 3; ++i) {
        forms::Label& link = lblProcedures.Load(i);
        link.SetCaption(links[i]);
        link.SetForeColor(kBilledBlue);
        link.SetBackStyle(0);
        link.SetEnabled(false);
        place(link, 240, 3780 + i * 360, 3135, 255);
    }

    lbl1.SetCaption("Rec. No.");
    place(lbl1, 240, 5130, 900, 285);
    lblRecNum.SetBackColor(kGrey);
    lblRecNum.SetForeColor(kDarkBlue);
    place(lblRecNum, 1200, 5130, 2175, 285);

    lblLegend.Load(0).SetCaption("LEGEND:");
    place(lblLegend(0), 240, 5640, 3135, 240);
    const struct {
        int index;
        const char* caption;
        forms::Color colour;
        int top;
    } swatches[] = {{2, "Billed Patient", kBilledBlue, 5880}, {1, "Cash Basis Patient", kCashBasisRed, 6180}};
    for (const auto& swatch : swatches) {
        forms::Shape& shape = shpLegend.Load(swatch.index == 2 ? 0 : 1);
        shape.SetFillStyle(0);
        shape.SetFillColor(swatch.colour);
        place(shape, 240, swatch.top, 375, 240);
        forms::Label& caption = Label1.Load(swatch.index);
        caption.SetCaption(swatch.caption);
        caption.SetForeColor(swatch.colour);
        place(caption, 720, swatch.top, 2655, 240);
    }
    forms::Label& cashBasisText = lblLegend.Load(1);
    cashBasisText.SetForeColor(kCashBasisRed);
    cashBasisText.SetBackStyle(0);
    cashBasisText.SetWordWrap(true);
    cashBasisText.SetVisible(false);
    place(cashBasisText, 15, 6480, 3585, 915);
}

void frmSearch::Form_Load() {
    app.SearchRow = 0;
    lblLegend(1).SetVisible(false);
    for (forms::Label* link : lblProcedures.Elements())
        link->SetEnabled(false);
    LayOutList();
    mshflexList.SetEnabled(false);
    Command1_Click();
}

void frmSearch::LayOutList() {
    mshflexList.Clear();
    mshflexList.SetRows(2);
    mshflexList.SetFormatString("  |<Hospital #|<ADM. Num.|< Patient Name" + vb::Space(20) + "|<Admission Date" +
                                vb::Space(5) + "|<Discharged Date" + vb::Space(4) + "|<Billing Date" + vb::Space(7));
    mshflexList.SetCols(9);
    const int widths[] = {1, 960, 960, 3840, 2160, 2160, 2160, 1, 1};
    for (int col = 0; col < 9; ++col)
        mshflexList.SetColWidth(col, widths[col]);
}

void frmSearch::Command1_Click() {
    app.CurHospNum.clear();
    app.CurIdNum.clear();
    LoadPatientList();
    app.SearchRow = 1;
    mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
    main.mnuInquiry.SetEnabled(false);
    main.mnuRS.SetEnabled(false);
}

void frmSearch::Command2_Click() { Command1_Click(); }

// A failing statement is reported once by the handler that ran the search; the grid is left empty and disabled
// with its drawing resumed and the progress bar hidden, as after a search that found nobody.
void frmSearch::LoadPatientList() {
    app.CurHospNum.clear();
    app.CurIdNum.clear();
    lblRecNum.SetCaption("");
    mshflexList.SetEnabled(true);
    mshflexList.SetRedraw(false);
    LayOutList();
    struct Finish {
        frmSearch& list;
        ~Finish() {
            list.mshflexList.SetRedraw(true);
            list.app.Forms.Instance<mdiOrMenu>().ProgressBar1.SetVisible(false);
        }
    } finish{*this};
    db::Connection& connection = app.Connection();
    connection.SetCursorLocation(db::CursorLocation::Client);
    app.PatientTypeIO = "I";
    const std::string type = optSearchType(0).Value() ? "'C'" : "'A'";
    db::Recordset rs;
    try {
        rs = connection.Open("STATION..sp_Get_SNCU_PatientList " + type + "," + db::SqlQuote(txtSearch(0).Text()) +
                                 "," + db::SqlQuote(txtSearch(1).Text()) + "," + db::SqlQuote(txtSearch(2).Text()),
                             db::CursorType::Dynamic, db::LockType::Optimistic);
    } catch (...) {
        mshflexList.SetRows(2);
        mshflexList.SetEnabled(false);
        throw;
    }
    if (rs.Eof()) {
        mshflexList.SetRows(2);
        mshflexList.SetEnabled(false);
    } else {
        mshflexList.SetDataSource(rs);
        if (mshflexList.Rows() < 2)
            mshflexList.SetRows(2);
        const bool holdsPatients = mshflexList.Rows() > 2 || !mshflexList.TextMatrix(1, 1).empty();
        if (holdsPatients) {
            mshflexList.SetEnabled(true);
            ColorPatientList();
            const unsigned before = rowHandlings;
            mshflexList.SetRow(1);
            if (mshflexList.Visible()) {
                if (Visible() && CanReceiveFocus(mshflexList))
                    mshflexList.SetFocus();
                if (rowHandlings == before)
                    mshflexList_EnterCell();
            }
        } else {
            mshflexList.SetRows(2);
            mshflexList.SetEnabled(false);
        }
    }
    rs.Close();
}

// Selecting each row moves the grid's current cell; that is not the nurse entering a row, so the row handling
// waits until the colouring is done. A row's cells take its colours at once: the selection spans them and the fill
// repeats over it, which leaves each cell as colouring it alone would.
void frmSearch::ColorPatientList() {
    forms::MSHFlexGrid& grid = mshflexList;
    grid.SetRedraw(false);
    {
        FlagUp up(colouring);
        const int fillStyle = grid.FillStyle();
        grid.SetFillStyle(forms::flexFillRepeat);
        grid.SetCol(1);
        for (int row = 1; row < grid.Rows(); ++row)
            ColorRow(row);
        grid.SetFillStyle(fillStyle);
        grid.SetCol(grid.Cols() - 1);
    }
    grid.SetRedraw(true);
}

void frmSearch::ColorRow(int row) {
    const forms::Color background = row % 2 == 1 ? kWhite : kLightBlue;
    // The row's state is read once: the cells only take its colours.
    const bool billed = !vb::Trim(mshflexList.TextMatrix(row, 6)).empty();
    const bool flagged = !billed && IsFlaggedCashBasis(mshflexList.TextMatrix(row, 7));
    const forms::Color text = billed ? kBilledBlue : flagged ? kCashBasisRed : forms::vbWindowText;
    if (billed)
        mshflexList.SetTextMatrix(row, 7, "0");
    mshflexList.SetRow(row);
    mshflexList.SetColSel(mshflexList.Cols() - 1);
    mshflexList.SetCellForeColor(text);
    mshflexList.SetCellBackColor(background);
}

void frmSearch::mshflexList_EnterCell() {
    if (colouring || enteringRow)
        return;
    FlagUp up(enteringRow);
    ++rowHandlings;
    forms::MSHFlexGrid& grid = mshflexList;
    grid.SetFocusRect(forms::flexFocusNone);
    const int row = grid.Row();
    app.CurHospNum = grid.TextMatrix(row, 1);
    app.CurIdNum = grid.TextMatrix(row, 2);
    app.SearchRow2 = app.SearchRow = static_cast<std::int16_t>(row);
    grid.SetCol(1);
    const forms::Color text = grid.CellForeColor();
    if (text == forms::vbWindowText || text == kCashBasisRed || text == kBilledBlue)
        grid.SetForeColorSel(text);
    forms::Label& cashBasisText = lblLegend(1);
    if (IsFlaggedCashBasis(grid.TextMatrix(row, 7))) {
        cashBasisText.SetVisible(true);
        cashBasisText.SetCaption("");
        const std::string reason = vb::Trim(grid.TextMatrix(row, 8));
        cashBasisText.SetCaption(vb::Left(reason, std::max(0, vb::Len(reason) - 1)));
    } else {
        cashBasisText.SetVisible(false);
        cashBasisText.SetCaption("");
    }
    lblRecNum.SetCaption(std::to_string(row) + "  out of  " + std::to_string(grid.Rows() - 1));
}

void frmSearch::mshflexList_MouseDown(int Button, int Shift, float X, float Y) {
    (void)Shift;
    (void)X;
    (void)Y;
    if (Button != forms::vbRightButton)
        return;
    mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
    // A disabled menu offers nothing to pop up.
    if (main.mnuInquiry.Enabled())
        PopupMenu(main.mnuInquiry);
}

void frmSearch::lblProcedures_MouseMove(int Index) {
    for (forms::Label* link : lblProcedures.Elements()) {
        forms::Font font = link->Font();
        font.Underline = link->Index() == Index;
        link->SetFont(font);
    }
}

void frmSearch::optSearchType_Click(int Index) {
    (void)Index;
    if (designing)
        return;
    app.CurHospNum.clear();
    app.CurIdNum.clear();
    lblRecNum.SetCaption("");
    Form_Load();
    if (Visible() && CanReceiveFocus(txtSearch(0)))
        txtSearch(0).SetFocus();
}

void frmSearch::txtSearch_Change(int Index) { Command1.SetEnabled(!txtSearch(Index).Text().empty()); }

void frmSearch::txtSearch_GotFocus(int Index) { EmptyOtherSearchBoxes(txtSearch, Index); }

void frmSearch::txtSearch_KeyDown(int Index, int& KeyCode) {
    (void)Index;
    if (KeyCode == forms::vbKeyReturn)
        Command1_Click();
}

void frmSearch::txtSearch_KeyPress(int Index, int& KeyAscii) { FilterSearchKey(app, Index, KeyAscii); }

void frmSearch::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

void frmSearch::Form_Resize() {
    for (forms::Control* side : {static_cast<forms::Control*>(&Frame1), static_cast<forms::Control*>(&Frame2),
                                 static_cast<forms::Control*>(&Picture1)})
        side->SetLeft(20);
    Frame2.SetHeight(Frame1.Height());
    Picture1.SetWidth(Frame1.Width());
    Picture1.SetHeight(ScaleHeight());
    const int listLeft = Frame2.Width() + 100;
    // A window made smaller than the panel keeps the list at no width rather than failing.
    mshflexList.Move(listLeft, mshflexList.Top(), std::max(0, ScaleWidth() - listLeft), ScaleHeight());
}

void frmSearch::Form_Unload(int& Cancel) {
    (void)Cancel;
    mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
    for (forms::Menu* menu : {&main.mnuRS, &main.mnuMaintained, &main.mnuInfo, &main.mnuLedger})
        menu->SetEnabled(false);
}

} // namespace ward
