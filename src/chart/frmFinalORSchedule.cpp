#include "chart/frmFinal.h"

#include "chart/frmScheduleRequestStatus.h"
#include "core/AccountChecks.h"
#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

#include <cmath>
#include <functional>

namespace ward {

namespace {

constexpr int kRequestWidth = 4800;
constexpr int kDetailsWidth = 4320;
constexpr int kDetailsHeight = 3480;

// Runs a step whose failure is of no consequence: what it could not set keeps its value.
void Ignoring(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

vb::Date AddDays(vb::Date date, int days) { return vb::Date{date.serial + days}; }

int MonthNumber(vb::Date date) {
    const vb::Variant value(date);
    return vb::Year(value) * 12 + vb::Month(value);
}

} // namespace

void frmFinal::WireORSchedule() {
    MonthView1.DateClick = [this](vb::Date DateClicked) { MonthView1_DateClick(DateClicked); };
    Schedule1.BookingPick = [this](int& Booking) { Schedule1_BookingPick(Booking); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    cmdProcedure.Click = [this] { cmdProcedure_Click(); };
    txtSurgeon.On(&forms::Control::KeyPress,
                  [this](int Index, int& KeyAscii) { txtSurgeon_KeyPress(Index, KeyAscii); });
    txtAnesthesiologist.On(&forms::Control::KeyPress,
                           [this](int Index, int& KeyAscii) { txtAnesthesiologist_KeyPress(Index, KeyAscii); });
    txtOperation.On(&forms::Control::KeyPress,
                    [this](int Index, int& KeyAscii) { txtOperation_KeyPress(Index, KeyAscii); });
    cmdSaveSchedule.On(&forms::Control::Click, [this](int Index) { cmdSaveSchedule_Click(Index); });
}

// The calendar and the request form on the left, the day's bookings on the right, the details panel over the
// bookings' lower right corner.
void frmFinal::DesignORSchedulePage() {
    forms::Layout page(tabSSTab1, {}, 7);
    const int left = page.Left(), top = page.Top();
    const int height = tabSSTab1.Height() - top - 120;
    MonthView1.SetContainer(&tabSSTab1, 7);
    MonthView1.Move(left, top, kRequestWidth, 2700);
    fraSchedule.SetContainer(&tabSSTab1, 7);
    fraSchedule.SetCaption("Request for Operation Schedule");
    fraSchedule.Move(left, top + 2700 + 120, kRequestWidth, height - 2700 - 120);
    DesignRequestForm();
    Schedule1.SetContainer(&tabSSTab1, 7);
    Schedule1.Move(left + kRequestWidth + 120, top, page.Width() - kRequestWidth - 120, height);
    DesignScheduleDetails();
}

void frmFinal::DesignRequestForm() {
    const char* captions[] = {
        "Schedule Date:", "Starting Time :", "Procedure:", "Surgeon", "Anesthesiologist", "Remarks"};
    for (int i = 0; i < 6; ++i)
        lblSchedule.Load(i).SetCaption(captions[i]);
    forms::DTPicker& date = dtpSchedule.Load(0);
    date.SetFormat(forms::dtpShortDate);
    cboStartTime.Clear();
    for (int hour = 1; hour <= 23; ++hour)
        cboStartTime.AddItem(vb::Format(vb::Variant(vb::TimeSerial(hour, 0, 0)), "h:00:00 AM/PM"));
    for (auto* pair : {&txtOperation, &txtSurgeon, &txtAnesthesiologist})
        for (int index = 0; index < 2; ++index)
            pair->Load(index);
    txtScheduleRemarks.SetMultiLine(true);
    const int labelWidth = 1380, codeWidth = 900, buttonWidth = 330;
    forms::Layout inside(fraSchedule, forms::LayoutMetrics{.LabelWidth = labelWidth});
    inside.Row(lblSchedule(0), date, 1800);
    inside.Row(lblSchedule(1), cboStartTime, 1800);
    inside.Row({{&lblSchedule(2), labelWidth},
                {&txtOperation(0), codeWidth},
                {&txtOperation(1)},
                {&cmdProcedure, buttonWidth}});
    inside.Row(
        {{&lblSchedule(3), labelWidth}, {&txtSurgeon(0), codeWidth}, {&txtSurgeon(1)}, {&Command1, buttonWidth}});
    inside.Row({{&lblSchedule(4), labelWidth},
                {&txtAnesthesiologist(0), codeWidth},
                {&txtAnesthesiologist(1)},
                {&Command2, buttonWidth}});
    inside.Row({{&lblSchedule(5), labelWidth}, {&txtScheduleRemarks}}, 900);
    cmdSaveSchedule.Load(0).SetCaption("Save");
    cmdSaveSchedule.Load(3).SetCaption("List of Request Entered");
    inside.Row({{&cmdSaveSchedule(0), 1215}, {&cmdSaveSchedule(3), 2400}}, 375);
    for (forms::CommandButton* search : {&cmdProcedure, &Command1, &Command2})
        search->SetCaption("...");
    // The codes come from the searches: the focus goes from name to name, the search buttons come last.
    forms::Control* order[] = {&date,
                               &cboStartTime,
                               &txtOperation(1),
                               &txtSurgeon(1),
                               &txtAnesthesiologist(1),
                               &txtScheduleRemarks,
                               &cmdSaveSchedule(0),
                               &cmdSaveSchedule(3)};
    for (auto* pair : {&txtOperation, &txtSurgeon, &txtAnesthesiologist})
        (*pair)(0).SetTabStop(false);
    int tabIndex = date.TabIndex();
    for (forms::Control* control : order)
        tabIndex = std::min(tabIndex, control->TabIndex());
    for (forms::Control* control : order)
        control->SetTabIndex(tabIndex++);
}

void frmFinal::DesignScheduleDetails() {
    pictSchedule.SetContainer(&tabSSTab1, 7);
    pictSchedule.SetOverlay(true);
    pictSchedule.SetVisible(false);
    pictSchedule.Move(Schedule1.Left() + Schedule1.Width() - kDetailsWidth - 120,
                      Schedule1.Top() + Schedule1.Height() - kDetailsHeight - 120, kDetailsWidth, kDetailsHeight);
    const char* captions[] = {"Scheduled Details", "Room",   "Schedule Date", "Starting Time",
                              "Length/Duration",   "Details"};
    for (int i = 0; i < 6; ++i)
        lblScheduleDetails.Load(i).SetCaption(captions[i]);
    forms::Font title = lblScheduleDetails(0).Font();
    title.Bold = true;
    lblScheduleDetails(0).SetFont(title);
    pictSchedule.SetBorderStyle(1);
    forms::TextBox& room = txtScheduleRoom.Load(2);
    for (int index = 2; index <= 5; ++index)
        txtDuration.Load(index).SetLocked(true);
    room.SetLocked(true);
    txtDuration(4).SetMultiLine(true);
    cmdSaveSchedule.Load(2).SetCaption("Exit");
    forms::Layout inside(pictSchedule, forms::LayoutMetrics{.LabelWidth = 1380});
    inside.Full(lblScheduleDetails(0));
    inside.Row(lblScheduleDetails(1), room);
    inside.Row(lblScheduleDetails(2), txtDuration(5));
    inside.Row(lblScheduleDetails(3), txtDuration(2));
    inside.Row(lblScheduleDetails(4), txtDuration(3), 900);
    inside.Row({{&lblScheduleDetails(5), 1380}, {&txtDuration(4)}}, 780);
    inside.Buttons({&cmdSaveSchedule(2)});
}

// Whatever fails is skipped: the rooms or the day settings then stay as the control had them.
void frmFinal::InitORScheduler() {
    Ignoring([this] {
        std::optional<db::Recordset> rooms;
        Ignoring([&] {
            rooms = app.Connection().Open("SCHEDULE..sp_List_ORRooms ", db::CursorType::ForwardOnly,
                                          db::LockType::ReadOnly);
        });
        Schedule1.ClearRooms();
        if (!rooms)
            return;
        for (; !rooms->Eof(); rooms->MoveNext())
            Ignoring([&] { Schedule1.AddRoom(vb::CStr(rooms->Fields("Room Name"))); });
        rooms->Close();
    });
    Ignoring([this] {
        db::Recordset settings = app.Connection().Open("Select * from SCHEDULE..tbORApplication",
                                                       db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (!settings.Eof()) {
            Ignoring([&] { Schedule1.SetDayStart(vb::CDate(settings.Fields("StartTime"))); });
            Ignoring([&] { Schedule1.SetDayLength(vb::CLng(settings.Fields("DayLength"))); });
            Ignoring([&] { Schedule1.SetIncrement(vb::CLng(settings.Fields("ScheduleIncrement"))); });
        }
        settings.Close();
    });
}

void frmFinal::LoadORSchedule() {
    Schedule1.ClearBookings();
    const vb::Date day = MonthView1.Value();
    db::Recordset rs = app.Connection().Open("SCHEDULE..sp_Get_ORSCHEDULE " +
                                                 db::SqlQuote(vb::Format(vb::Variant(day), "mm/dd/yyyy ")),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    for (; !rs.Eof(); rs.MoveNext())
        Schedule1.AddBooking({"", day, vb::CStr(rs.Fields("RoomName")), vb::CDate(rs.Fields("StartTime")),
                              vb::CLng(rs.Fields("Length")), vb::ConcatText(rs.Fields("Description")),
                              vb::ConcatText(rs.Fields("CategoryName"))});
    rs.Close();
}

void frmFinal::ResetScheduleRequest() {
    forms::DTPicker& date = dtpSchedule(0);
    // The range an earlier reset left could refuse the new value.
    date.SetMinDate(vb::DateSerial(1601, 1, 1));
    date.SetMaxDate(vb::DateSerial(9999, 12, 31));
    date.SetValue(app.ServerDate);
    date.SetMinDate(app.ServerDate);
    date.SetMaxDate(AddDays(app.ServerDate, 6));
    cboStartTime.SetText(vb::Format(vb::Variant(app.ServerDate), "h:00:00 AM/PM"));
    txtScheduleRemarks.SetText("");
    LoadORSchedule();
    for (auto* pair : {&txtOperation, &txtSurgeon, &txtAnesthesiologist})
        (*pair)(1).SetText("");
    for (auto* pair : {&txtOperation, &txtSurgeon, &txtAnesthesiologist})
        (*pair)(0).SetText("");
}

void frmFinal::MonthView1_DateClick(vb::Date DateClicked) {
    (void)DateClicked;
    const int shown = MonthNumber(MonthView1.Value()), current = MonthNumber(app.ServerDate);
    if (shown < current) {
        MsgBox("Can't view last month's schedule.", forms::vbInformation, "Notification");
        MonthView1.SetValue(app.ServerDate);
    } else if (shown > current) {
        MsgBox("Can't view next month's schedule.", forms::vbInformation, "Notification");
        MonthView1.SetValue(app.ServerDate);
    } else {
        ResetScheduleRequest();
    }
}

void frmFinal::Schedule1_BookingPick(int& Booking) {
    if (Schedule1.PickedText().empty()) {
        Schedule1.ForgetPick(Booking);
        return;
    }
    txtScheduleRoom(2).SetText(Schedule1.PickedRoom());
    txtDuration(5).SetText(vb::CStr(vb::Variant(Schedule1.PickedDate())));
    txtDuration(2).SetText(vb::CStr(vb::Variant(Schedule1.PickedStart())));
    txtDuration(3).SetText(std::to_string(Schedule1.PickedLength()));
    txtDuration(4).SetText(Schedule1.PickedText());
    pictSchedule.SetVisible(true);
}

bool frmFinal::SearchDoctor(forms::ControlArray<forms::TextBox>& pair) {
    if (!app.CodeSearch->SearchListing(pair(1).Text(), 1))
        return false;
    const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
    pair(0).SetText(doctor.ResultCode);
    pair(1).SetText(vb::Trim(doctor.Lastname) + " ," + vb::Trim(doctor.FirstName));
    return true;
}

void frmFinal::Command1_Click() { SearchDoctor(txtSurgeon); }

void frmFinal::Command2_Click() { SearchDoctor(txtAnesthesiologist); }

void frmFinal::DoctorNameKeyPress(forms::ControlArray<forms::TextBox>& pair, int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn) {
        KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
        return;
    }
    if (!SearchDoctor(pair))
        return;
    KeyAscii = 0;
    MoveToNextControl();
}

void frmFinal::txtSurgeon_KeyPress(int Index, int& KeyAscii) {
    if (Index == 1)
        DoctorNameKeyPress(txtSurgeon, KeyAscii);
}

void frmFinal::txtAnesthesiologist_KeyPress(int Index, int& KeyAscii) {
    if (Index == 1)
        DoctorNameKeyPress(txtAnesthesiologist, KeyAscii);
}

void frmFinal::SearchProcedure() {
    app.CodeSearch->SetOtherSectionID("OR");
    if (!app.CodeSearch->SearchListing(txtOperation(1).Text(), 21))
        return;
    const components::OtherRevenueRecordInfo& procedure = app.CodeSearch->OtherRevenueRecord();
    txtOperation(0).SetText(procedure.ResultCode);
    txtOperation(1).SetText(procedure.OtherRevenue);
}

void frmFinal::txtOperation_KeyPress(int Index, int& KeyAscii) {
    if (Index == 1 && KeyAscii == forms::vbKeyReturn)
        SearchProcedure();
}

void frmFinal::cmdProcedure_Click() { SearchProcedure(); }

void frmFinal::cmdSaveSchedule_Click(int Index) {
    if (IsDepartmentCleared(app, txtId.Text(), "OR")) {
        MsgBox(std::string("Patient is already cleared by (Operating Room Department). ") +
                   "If you have requests to make, notify the Billing staff" +
                   " immediately for further instructions.....",
               forms::vbOKOnly + forms::vbInformation, "Message");
        return;
    }
    switch (Index) {
    case 0:
        SaveScheduleRequest();
        break;
    case 2:
        pictSchedule.SetVisible(false);
        break;
    case 3:
        app.Forms.Get<frmScheduleRequestStatus>().ShowModal();
        break;
    default:
        break;
    }
}

void frmFinal::SaveScheduleRequest() {
    if (txtOperation(0).Text().empty() && txtSurgeon(0).Text().empty()) {
        MsgBox("Can't Save Incomplete Data.", forms::vbOKOnly);
        return;
    }
    db::Recordset rs =
        app.Connection().Open("SCHEDULE..sp_Get_TransactionDate", db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    app.ServerDate = vb::CDate(rs.Fields("Tdate"));
    rs.Close();
    const std::optional<vb::Date> start = RequestedStart();
    const vb::Date now = vb::CDate(vb::Variant(vb::Format(vb::Variant(app.ServerDate), "mm/dd/yyyy hh:mm:ss AM/PM")));
    if (!start || start->serial <= now.serial) {
        MsgBox("Invalid Time of Operation", forms::vbOKOnly + forms::vbCritical, "Message");
        return;
    }
    const std::string summary = RequestSummary();
    const std::string startText = vb::Format(vb::Variant(dtpSchedule(0).Value()), "mm/dd/yyyy ") + cboStartTime.Text();
    try {
        app.Connection().Execute("SCHEDULE..sp_Save_RequestORSchedule " + db::SqlQuote(startText) + "," +
                                 db::SqlQuote(summary) + "," + db::SqlQuote(startText) + "," +
                                 db::SqlQuote(txtId.Text()) + "," + db::SqlQuote(app.CurrentUser->EmployeeCode()) +
                                 "," + db::SqlQuote(txtOperation(0).Text()) + "," + db::SqlQuote(txtSurgeon(0).Text()) +
                                 "," + db::SqlQuote(txtAnesthesiologist(0).Text()) + "," + db::SqlQuote(txtPno.Text()) +
                                 "," + db::SqlQuote(app.StationID) + "," + db::SqlQuote(txtScheduleRemarks.Text()));
    } catch (const std::exception& error) {
        MsgBox(std::string(error.what()) + "\n\nThe request was not saved.", forms::vbOKOnly + forms::vbCritical,
               "Message");
        return;
    }
    MsgBox("Schedule Data Successfully Saved.", forms::vbOKOnly);
    // The request is on the server: whatever the reset meets, the entries must not stay for a second request.
    auto emptyEntries = [this] {
        for (auto* pair : {&txtOperation, &txtSurgeon, &txtAnesthesiologist}) {
            (*pair)(1).SetText("");
            (*pair)(0).SetText("");
        }
        txtScheduleRemarks.SetText("");
    };
    try {
        ResetScheduleRequest();
    } catch (const std::exception&) {
        emptyEntries();
        throw;
    }
    emptyEntries();
}

// The start text must read as a time of day: a bare number would pass as midnight, a date as a time on the wrong day.
std::optional<vb::Date> frmFinal::RequestedStart() {
    const vb::Variant text(cboStartTime.Text());
    if (vb::IsNumeric(text) || !vb::IsDate(text))
        return std::nullopt;
    const vb::Date time = vb::CDate(text);
    if (std::floor(time.serial) != 0)
        return std::nullopt;
    return vb::Date{vb::DateValue(vb::Variant(dtpSchedule(0).Value())).serial + time.serial};
}

std::string frmFinal::RequestSummary() {
    return "Patient Name :" + txtPatient.Text() + " " + "Procedure :" + txtOperation(1).Text() + " " +
           "Surgeon:" + txtSurgeon(1).Text() + " " + "Anesthesiologist :" + txtAnesthesiologist(1).Text() + " ";
}

} // namespace ward
