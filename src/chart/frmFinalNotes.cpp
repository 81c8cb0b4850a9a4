#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "shell/frmTransaction_UserValidation.h"

#include <optional>

namespace ward {

namespace {

constexpr const char* kShifts[] = {"6AM-2PM", "2PM-10PM", "10PM-6AM"};

// The entry shift of the server's hour: 6 to 14 the morning shift, 15 to 22 the afternoon, else the night.
const char* ShiftOfHour(int hour) {
    if (hour >= 6 && hour <= 14)
        return kShifts[0];
    if (hour >= 15 && hour <= 22)
        return kShifts[1];
    return kShifts[2];
}

// A note number as the list holds it, trimmed, when it is a whole number; anything else never reaches the server.
std::optional<std::string> NoteNumber(const std::string& cell) {
    std::string number = vb::Trim(cell);
    if (number.empty() || number.size() > 18)
        return std::nullopt;
    for (char digit : number)
        if (digit < '0' || digit > '9')
            return std::nullopt;
    return number;
}

// The number without its leading zeros, as the server compares it.
std::string PlainNumber(const std::string& number) { return std::to_string(std::stoll(number)); }

// Stored notes carry back-quotes where the nurse typed apostrophes.
std::string NoteText(const std::string& typed) { return vb::Replace(typed, "'", "`"); }

std::string FieldText(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

std::string NoteQuery(const std::string& noteNumber) {
    return "Select * from station..tbNurseNotes where transnum = " + noteNumber;
}

std::string PickerDateTime(const forms::DTPicker& date, const forms::DTPicker& time) {
    return vb::Format(date.Value(), "mm/dd/yyyy") + vb::Format(time.Value(), " hh:mm:ss AM/PM");
}

} // namespace

void frmFinal::DesignNotesPage() {
    SSNotebookNotes.SetTabs(2);
    SSNotebookNotes.SetTabsPerRow(2);
    SSNotebookNotes.SetTabCaption(0, "Notes Entry");
    SSNotebookNotes.SetTabCaption(1, "Past Notes");
    forms::Layout(tabSSTab1, {}, 4).Full(SSNotebookNotes, tabSSTab1.Height() - tabSSTab1.TabHeight() - 240);

    const char* captions[] = {"Date :", "Time :", "Shift :", "Notes....", "Entered By:", "Date :", "Time :", "Shift :"};
    for (int i = 0; i < 8; ++i)
        lblInfo.Load(i).SetCaption(captions[i]);
    lblInfo.Load(13).SetCaption("");
    for (int i = 0; i < 4; ++i) {
        forms::DTPicker& picker = dtpNotes.Load(i);
        picker.SetFormat(i % 2 == 0 ? forms::dtpShortDate : forms::dtpTime);
        picker.SetEnabled(i < 2);
    }
    for (int i = 0; i < 2; ++i) {
        forms::ComboBox& shift = cboShift.Load(i);
        for (const char* name : kShifts)
            shift.AddItem(name);
    }
    cboShift(0).SetText(kShifts[0]);
    txtNotesEntry.SetMultiLine(true);
    txtPrevNotes.SetMultiLine(true);
    const char* buttons[] = {"Save", "Edit", "Update"};
    for (int i = 0; i < 3; ++i) {
        cmdSaveNotes.Load(i).SetCaption(buttons[i]);
        cmdSaveNotes(i).SetEnabled(false);
    }
    cmdNotesPrint.SetCaption("Print Selection");
    cmdDeleteNote.SetCaption("&Delete Selection");
    cmdPrintAll.SetCaption("Print &All Notes");
    SetNotesEditMode(false);

    const int pageHeight = SSNotebookNotes.Height() - SSNotebookNotes.TabHeight();
    auto label = [this](int index) { return forms::Cell{&lblInfo(index), 700}; };
    forms::Layout entry(SSNotebookNotes, {}, 0);
    entry.Row({label(0), {&dtpNotes(0), 1600}, label(1), {&dtpNotes(1), 1600}, label(2), {&cboShift(0), 1600}});
    entry.Full(lblInfo(3));
    entry.Full(txtNotesEntry, pageHeight - entry.Top() - 375 - 3 * 120);
    entry.Buttons({&cmdSaveNotes(0)});

    forms::Layout past(SSNotebookNotes, {}, 1);
    past.Full(mshflexPrevNotes, pageHeight / 3);
    past.Row({{&lblInfo(4), 1100}, {&lblInfo(13), 0}});
    past.Row({label(5), {&dtpNotes(2), 1600}, label(6), {&dtpNotes(3), 1600}, label(7), {&cboShift(1), 1600}});
    past.Full(txtPrevNotes, pageHeight - past.Top() - 375 - 3 * 120);
    past.Buttons({&cmdSaveNotes(1), &cmdSaveNotes(2), &cmdNotesPrint, &cmdDeleteNote, &cmdPrintAll});
    LayOutNotesList();
}

void frmFinal::WireNotes() {
    mshflexPrevNotes.Click = [this] { mshflexPrevNotes_Click(); };
    txtNotesEntry.Change = [this] { txtNotesEntry_Change(); };
    cmdSaveNotes.On(&forms::Control::Click, [this](int Index) { cmdSaveNotes_Click(Index); });
    cmdDeleteNote.Click = [this] { cmdDeleteNote_Click(); };
    cmdNotesPrint.Click = [this] { cmdNotesPrint_Click(); };
    cmdPrintAll.Click = [this] { cmdPrintAll_Click(); };
}

void frmFinal::FocusIfShown(forms::Control& control) {
    if (Visible() && CanReceiveFocus(control))
        control.SetFocus();
}

void frmFinal::LayOutNotesList() {
    forms::MSHFlexGrid& grid = mshflexPrevNotes;
    grid.Clear();
    grid.SetCols(6);
    grid.SetRows(2);
    const int widths[] = {1, 1700, 1000, 2500, 1000, 0};
    for (int col = 0; col < 6; ++col)
        grid.SetColWidth(col, widths[col]);
    TitleNotesList();
}

void frmFinal::TitleNotesList() {
    const char* titles[] = {"Date / Time", "Day Shift", "Entered By", "User ID"};
    for (int col = 1; col <= 4; ++col)
        mshflexPrevNotes.SetTextMatrix(0, col, titles[col - 1]);
}

void frmFinal::LoadNurseNotes() {
    try {
        RefreshServerDate(app);
        PresetNewNote();
        cmdSaveNotes(1).SetEnabled(false);
        cboShift(0).SetText(ShiftOfHour(vb::Hour(app.ServerDate)));
        LayOutNotesList();
        db::Recordset rs = app.Connection().Open("STATION..Nurse_GetNotes " + db::SqlQuote(txtId.Text()),
                                                 db::CursorType::Dynamic, db::LockType::ReadOnly);
        if (rs.Eof()) {
            mshflexPrevNotes.SetEnabled(false);
        } else {
            mshflexPrevNotes.SetEnabled(true);
            mshflexPrevNotes.SetDataSource(rs);
            // The procedure's own column names would head the list otherwise.
            TitleNotesList();
        }
        rs.Close();
        FocusIfShown(txtNotesEntry);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// A new note is dated between the admission and the server's day, at the server's time.
void frmFinal::PresetNewNote() {
    const vb::Date today = vb::CDate(vb::Format(app.ServerDate, "mm/dd/yyyy"));
    dtpNotes(0).SetMaxDate(today);
    dtpNotes(0).SetMinDate(vb::CDate(vb::Format(txtDateAdmitted.Text(), "mm/dd/yyyy")));
    dtpNotes(0).SetValue(today);
    dtpNotes(1).SetValue(vb::CDate(vb::Format(app.ServerDate, "hh:mm:ss AM/PM")));
}

void frmFinal::mshflexPrevNotes_Click() {
    cmdSaveNotes(2).SetEnabled(false);
    forms::MSHFlexGrid& grid = mshflexPrevNotes;
    if (grid.TextMatrix(1, 1).empty() && grid.Rows() == 2)
        return;
    const int row = grid.Row();
    lblInfo(13).SetCaption(" " + vb::Trim(grid.TextMatrix(row, 3)));
    const std::optional<std::string> number = NoteNumber(grid.TextMatrix(row, 5));
    if (!number) {
        cmdNotesPrint.SetEnabled(false);
        return;
    }
    db::Recordset rs = app.Connection().Open(NoteQuery(*number), db::CursorType::Dynamic, db::LockType::ReadOnly);
    if (rs.Eof()) {
        cmdNotesPrint.SetEnabled(false);
    } else {
        const vb::Variant& transdate = rs.Fields("Transdate");
        dtpNotes(2).SetValue(vb::CDate(vb::Format(transdate, "mm/dd/yyyy")));
        dtpNotes(3).SetValue(vb::CDate(vb::Format(transdate, "hh:mm:ss AM/PM")));
        cboShift(1).SetText(FieldText(rs.Fields("Dayshift")));
        txtPrevNotes.SetText(FieldText(rs.Fields("Notes")));
        cmdNotesPrint.SetEnabled(true);
        cmdSaveNotes(1).SetEnabled(true);
        shownNoteNumber = *number;
        shownNoteListShift = vb::Trim(grid.TextMatrix(row, 2));
        shownNoteText = txtPrevNotes.Text();
        shownNoteWriter = vb::Trim(grid.TextMatrix(row, 3));
    }
    rs.Close();
}

void frmFinal::txtNotesEntry_Change() { cmdSaveNotes(0).SetEnabled(true); }

void frmFinal::SetNotesEditMode(bool Enable) {
    cmdSaveNotes(1).SetEnabled(Enable);
    cmdSaveNotes(2).SetEnabled(Enable);
    dtpNotes(2).SetEnabled(Enable);
    dtpNotes(3).SetEnabled(Enable);
    cboShift(1).SetEnabled(Enable);
    txtPrevNotes.SetEnabled(Enable);
    txtPrevNotes.SetLocked(!Enable);
}

void frmFinal::cmdSaveNotes_Click(int Index) {
    switch (Index) {
    case 0:
        return SaveNote();
    case 1:
        return EditNote();
    default:
        return UpdateNote();
    }
}

// A failed save rolls back and leaves the note typed, for the nurse to save again; its error is shown by the caller.
void frmFinal::SaveNote() {
    if (txtNotesEntry.Text().empty()) {
        MsgBox("No Data to Save?");
        cmdSaveNotes(0).SetEnabled(false);
        return;
    }
    if (!ValidateActingUser(
            app, "Unable to continue this transaction! \r\nAre you sure you want to save this Nurses Notes?"))
        return;
    try {
        RefreshServerDate(app);
        db::TransactionGuard transaction(app.Connection());
        cmdSaveNotes(0).SetEnabled(false);
        app.Connection().Execute("STATION..Nurse_SaveNursingNotes " + db::SqlQuote(txtId.Text()) + "," +
                                 db::SqlQuote(PickerDateTime(dtpNotes(0), dtpNotes(1))) + "," +
                                 db::SqlQuote(NoteText(txtNotesEntry.Text())) + "," + db::SqlQuote(cboShift(0).Text()) +
                                 "," + db::SqlQuote(app.ValidatedUserID) + "," + db::SqlQuote(app.StationID));
        transaction.Commit();
    } catch (...) {
        cmdSaveNotes(0).SetEnabled(true);
        throw;
    }
    dtpNotes(0).SetValue(vb::CDate(vb::Format(app.ServerDate, "mm/dd/yyyy")));
    txtNotesEntry.SetText("");
    LoadNurseNotes();
}

void frmFinal::EditNote() {
    if (!ValidateActingUser(
            app, "Unable to continue this transaction! \r\nAre you sure you want to Edit this Nurses Notes?"))
        return;
    if (shownNoteNumber.empty() || !OwnsShownNote(app.ValidatedUserID))
        return;
    noteEditor = app.ValidatedUserID;
    SetNotesEditMode(true);
}

bool frmFinal::OwnsShownNote(const std::string& userID) {
    db::Recordset rs = app.Connection().Open("Select * from Station..tbNurseNotes Where TransNum = " + shownNoteNumber +
                                                 " and UserID =" + db::SqlQuote(vb::Trim(userID)),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool owns = !rs.Eof();
    rs.Close();
    if (!owns) {
        MsgBox("You are not allowed to edit this notes entered by: " + shownNoteWriter, forms::vbCritical, "Message");
        cmdSaveNotes(1).SetEnabled(false);
    }
    return owns;
}

// The update stands alone; when it fails the panel stays open with the nurse's edit for another try.
void frmFinal::UpdateNote() {
    if (shownNoteNumber.empty() || !OwnsShownNote(noteEditor))
        return;
    SetNotesEditMode(false);
    const std::string shownShift = vb::Trim(cboShift(1).Text());
    try {
        app.Connection().Execute("STATION..sp_Nurse_Update_NurseNotes_New " +
                                 db::SqlQuote(shownShift.empty() ? shownNoteListShift : shownShift) + "," +
                                 db::SqlQuote(PickerDateTime(dtpNotes(2), dtpNotes(3))) + "," +
                                 db::SqlQuote(NoteText(txtPrevNotes.Text())) + "," + shownNoteNumber);
    } catch (...) {
        SetNotesEditMode(true);
        throw;
    }
    MsgBox("Nurses Notes Successfully Updated.", forms::vbInformation, "Message");
    LoadNurseNotes();
}

void frmFinal::cmdDeleteNote_Click() {
    try {
        DeleteNote();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::DeleteNote() {
    const std::optional<std::string> number = NoteNumber(mshflexPrevNotes.TextMatrix(mshflexPrevNotes.Row(), 5));
    if (!number) {
        MsgBox("Sorry, no data to delete.", forms::vbInformation, "Notification");
        return;
    }
    app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
    if (vb::Trim(app.ValidatedUserID).empty())
        return;
    std::string noteText = shownNoteText;
    if (shownNoteNumber.empty() || PlainNumber(shownNoteNumber) != PlainNumber(*number)) {
        db::Recordset rs = app.Connection().Open(NoteQuery(*number), db::CursorType::Dynamic, db::LockType::ReadOnly);
        const bool found = !rs.Eof();
        noteText = found ? FieldText(rs.Fields("Notes")) : "";
        rs.Close();
        if (!found) {
            MsgBox("Sorry, no data to delete.", forms::vbInformation, "Notification");
            return;
        }
    }
    if (!PostNoteDelete(PlainNumber(*number), noteText)) {
        MsgBox("Sorry, no data to delete.", forms::vbInformation, "Notification");
        return;
    }
    LoadNurseNotes();
    SetNotesEditMode(false);
    txtPrevNotes.SetText("");
    shownNoteNumber.clear();
}

// The note and its audit row go together or not at all; a note already gone gets no audit row (false).
bool frmFinal::PostNoteDelete(const std::string& noteNumber, const std::string& noteText) {
    db::TransactionGuard transaction(app.Connection());
    long deleted = 0;
    app.Connection().Execute("DELETE Station..tbNurseNotes WHERE TransNum = " + db::SqlQuote(noteNumber), deleted);
    if (deleted == 0)
        return false;
    InsertStationLog(app, txtId.Text(), "DELETED NURSE NOTES: " + noteText, app.ValidatedUserID, app.StationID);
    transaction.Commit();
    return true;
}

void frmFinal::cmdNotesPrint_Click() {
    try {
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\NursesNotes.rpt",
                   {vb::Trim(txtId.Text()), vb::Val(mshflexPrevNotes.TextMatrix(mshflexPrevNotes.Row(), 5)),
                    app.HospitalAddress});
        ShowReport(app, false, "Nurses Notes", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::cmdPrintAll_Click() {
    try {
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\NursesNotes_PrintAll.rpt",
                   {vb::Trim(txtId.Text()), app.CurrentUser->EmployeeName()});
        ShowReport(app, false, "Nurses Notes", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
