#include "charges/ItemEntry.h"

#include "charges/DialogCallers.h"
#include "charges/OxygenTanks.h"
#include "core/App.h"
#include "core/ExamChecks.h"
#include "core/HospitalSettings.h"
#include "core/PhilHealthRules.h"
#include "core/Rates.h"
#include "platform/vb/Format.h"
#include "platform/vb/Runtime.h"
#include "shell/frmSupervisorAccessCode.h"

namespace ward {

ItemEntryOptions ReceivableItemEntry(std::function<bool()> inPatientPrice, std::function<std::string()> rateClass) {
    ItemEntryOptions o;
    o.LockAtEveryKey = false;
    o.ClosingColWithAmounts = 6;
    o.AskRepeatCharge = false;
    o.RefuseSecondTank = false;
    o.AskStatHoliday = false;
    o.SupervisorRule = false;
    o.EmptyDrugListStops = false;
    o.ARMode = "3";
    o.InPatientPrice = std::move(inPatientPrice);
    o.ServiceRateClass = std::move(rateClass);
    o.QuantityRefusal = "Quantity should be greater than zero.";
    o.AmountRefusal = "Total amount should be greater than or equal to QTY * Unit Price.";
    o.UnitPriceRefusalNotifies = true;
    return o;
}

ItemEntry::ItemEntry(App& app, forms::Form& window, EntryGrid& entry, forms::TextBox& txtId, forms::TextBox& txtRoom,
                     ItemEntryOptions options)
    : app(app), window(window), entry(entry), grid(entry.Grid()), editor(entry.Editor()), txtId(txtId),
      txtRoom(txtRoom), options(std::move(options)) {}

std::string ItemEntry::Cell(int row, int col) const { return grid.TextMatrix(row, col); }

void ItemEntry::SetCell(int row, int col, const std::string& text) { grid.SetTextMatrix(row, col, text); }

int ItemEntry::Notify(const std::string& text, int icon, const std::string& title) {
    return window.MsgBox(text, forms::vbOKOnly + icon, title);
}

void ItemEntry::ClearColumns(int row, int from, int to) {
    for (int col = from; col <= to && col < grid.Cols(); ++col)
        SetCell(row, col, "");
}

void ItemEntry::txtEntry_KeyDown(int KeyCode) {
    if (app.UnitPriceInEntry && options.LockAtEveryKey) {
        entry.LockedColumns[1] = 3;
        entry.LockedColumns[2] = 6;
    }
    if (entry.Navigate(KeyCode) || KeyCode != forms::vbKeyReturn)
        return;
    const int row = grid.Row();
    switch (grid.Col()) {
    case 1:
        DepartmentCode(row);
        break;
    case 2:
        ItemCode(row);
        break;
    case 4:
        Quantity(row);
        break;
    case 5:
        UnitPrice(row);
        break;
    case 6:
        Amount(row);
        break;
    default:
        Advance(grid.Col());
        break;
    }
}

void ItemEntry::Advance(int acceptedCol) {
    entry.Advance(acceptedCol, app.IsShowAmount && app.UnitPriceInEntry ? options.ClosingColWithAmounts : 4);
}

void ItemEntry::DepartmentCode(int row) {
    SetCell(row, 1, editor.Text());
    if (!entry.DeptCodeExists(vb::Trim(editor.Text()))) {
        Notify("Department code does not exist.", forms::vbInformation);
        return;
    }
    entry.LockedColumns[1] = 3;
    if (app.UnitPriceInEntry) {
        entry.LockedColumns[2] = 5;
    } else if (vb::Trim(Cell(row, 1)) == "MD") {
        entry.LockedColumns[2] = 6;
    } else {
        entry.LockedColumns[3] = 5;
        entry.LockedColumns[2] = 6;
    }
    Advance(1);
}

void ItemEntry::ItemCode(int row) {
    if (!entry.DeptCodeExists(Cell(row, 1))) {
        Advance(2);
        return;
    }
    bool priced = false;
    if (entry.LoadRevenueLocation(vb::Trim(Cell(row, 1))))
        priced = PickStockItem(row);
    else if (Cell(row, 1) == "MD")
        priced = PickDoctorsFee(row);
    else
        priced = PickService(row);
    if (priced)
        ZeroPriceTest(row);
}

void ItemEntry::ClearPickColumns(int row, const std::string& pickedCode) {
    const bool samePick = vb::Trim(Cell(row, 2)) == vb::Trim(pickedCode);
    ClearColumns(row, 7, 17);
    if (!samePick)
        ClearColumns(row, 18, 18);
}

void ItemEntry::RefuseNoStock(int row, const std::string& drugName) {
    Notify("There is no stock left for " + drugName + ". The system can't process the specified item.",
           forms::vbCritical);
    ClearColumns(row, 2, grid.Cols() - 1);
    editor.SetText("");
    grid.SetCol(2);
}

bool ItemEntry::PickStockItem(int row) {
    components::DrugObject& drug = app.DrugObject->Drug();
    if (!(vb::Val(editor.Text()) > 0)) {
        editor.SetText(app.DrugListObject2->ShowList(editor, false, app.ChargeLocationID));
        if (editor.Text().empty() && options.EmptyDrugListStops)
            return false;
    }
    if (!drug.SearchDrug(editor, app.ChargeLocationID)) {
        Notify("Code does not exist.", forms::vbInformation);
        return false;
    }
    if (drug.Status()) {
        Notify("Record is inactive. Please check build file of items.", forms::vbExclamation, "Message");
        return false;
    }
    if (app.AllowZeroOnHand && drug.Invent().StockOnHand <= 0) {
        RefuseNoStock(row, drug.DrugName());
        return false;
    }
    editor.SetText(drug.DrugCode());
    if (options.AskRepeatCharge && ConfirmRepeatCharge(app, txtId.Text(), editor.Text(), vb::Trim(Cell(row, 1))))
        return false;
    if (entry.IsDuplicateItem(editor.Text())) {
        Notify("Can't charge the same Medicine/Supply.", forms::vbInformation);
        SetCell(row, 3, "");
        return false;
    }
    if (app.Parameters().CheckPNF() && !editor.Text().empty() && GetInventoryType(app, app.ChargeLocationID) != "C" &&
        !IsPNFItem(app, editor.Text()) && IsCF4Required(app, txtId.Text())) {
        if (!app.Parameters().NoPNFByPass()) {
            if (window.MsgBox("Item is not under PNF list. Would you like to continue?",
                              forms::vbYesNo + forms::vbQuestion, "Confirmation") == forms::vbNo)
                return false;
        } else {
            Notify("Item is not under PNF list.", forms::vbInformation);
            return false;
        }
    }
    ClearPickColumns(row, drug.DrugCode());
    SetCell(row, 2, drug.DrugCode());
    SetCell(row, 3, drug.DrugName());
    SetCell(row, 4, "1");
    const bool inPatient = !options.InPatientPrice || options.InPatientPrice();
    SetCell(row, 5, vb::CStr(inPatient ? drug.Invent().SellingPriceIn : drug.Invent().SellingPriceOut));
    SetCell(row, 6, vb::CStr(vb::Val(Cell(row, 5)) * vb::Val(Cell(row, 4))));
    SetCell(row, 7, app.ChargeLocationID);
    SetCell(row, 8, GetARCode(app, vb::Trim(Cell(row, 1)), "ICU", options.ARMode));
    SetCell(row, 9, Cell(row, 5));
    SetCell(row, 10, Cell(row, 5));
    if (app.Parameters().ShowDosagePostMedicines() && IsPHRevenue(app, Cell(row, 1))) {
        if (app.CodeSearch->SearchListing("", 16)) {
            SetCell(row, 18, app.CodeSearch->DosageRecord().ResultCode);
            SetCell(row, 4, vb::CStr(app.CodeSearch->DosageRecord().Frequency));
            if (entry.LoadRevenueLocation(vb::Trim(Cell(row, 1))) && app.AllowZeroOnHand &&
                drug.Invent().StockOnHand < vb::Val(Cell(row, 4))) {
                RefuseNoStock(row, drug.DrugName());
                return false;
            }
        } else if (Cell(row, 18).empty()) {
            Notify("DOSAGE ID for " + drug.DrugName() + " is empty. The system can't process the specified item.",
                   forms::vbCritical);
            grid.SetCol(2);
            return false;
        }
    }
    return true;
}

bool ItemEntry::PickDoctorsFee(int row) {
    if (!app.CodeSearch->SearchListing(editor.Text(), 1))
        return false;
    const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
    editor.SetText(doctor.ResultCode);
    ClearPickColumns(row, doctor.ResultCode);
    SetCell(row, 2, doctor.ResultCode);
    SetCell(row, 3, vb::Trim(doctor.Lastname) + " ," + vb::Trim(doctor.FirstName));
    SetCell(row, 4, "1");
    if (!HasDoctorBill(app, vb::Trim(Cell(row, 2))) && app.IsShowAmount) {
        const std::string rateClass = vb::Right(vb::Trim(txtId.Text()), 1) == "B"
                                          ? GetOPDRateType(app, txtId.Text())
                                          : GetRoomClassification(app, txtRoom.Text());
        SetCell(row, 5, vb::CStr(GetDoctorsRate(app, Cell(row, 2), rateClass)));
    } else {
        std::optional<double> fee = ward::PickDoctorsFee(app, window, editor.Text(), Cell(row, 3));
        if (!fee) {
            RestartRow(row);
            return false;
        }
        SetCell(row, 5, vb::CStr(*fee));
    }
    SetCell(row, 6, Cell(row, 5));
    SetCell(row, 9, Cell(row, 5));
    SetCell(row, 10, Cell(row, 5));
    return true;
}

namespace {

std::string ChargeRateClass(App& app, const std::string& room) {
    return room == "ER/OPD" ? "A" : GetRoomClassification(app, room);
}

} // namespace

bool ItemEntry::PickService(int row) {
    components::CodeSearchComponent& search = *app.CodeSearch;
    search.SetOtherSectionID(vb::Trim(Cell(row, 1)));
    if (!search.SearchListing(vb::Trim(editor.Text()), 21))
        return false;
    const components::OtherRevenueRecordInfo& service = search.OtherRevenueRecord();
    editor.SetText(service.ResultCode);
    if (options.AskRepeatCharge && ConfirmRepeatCharge(app, txtId.Text(), editor.Text(), vb::Trim(Cell(row, 1))))
        return false;
    if (entry.IsDuplicateItem(editor.Text())) {
        Notify("Can't charge the same service.", forms::vbInformation);
        return false;
    }
    ClearPickColumns(row, service.ResultCode);
    SetCell(row, 2, service.ResultCode);
    SetCell(row, 3, service.OtherRevenue);
    if (options.RefuseSecondTank && app.Parameters().AllowOpenCloseTank() && Cell(row, 1) == "OX" &&
        Cell(row, 2) == app.Parameters().OXTankItemCode() && HasOpenTank(app, txtId.Text())) {
        Notify("Sorry, patient still has an open oxygen tank.", forms::vbCritical, "Warning");
        return false;
    }
    app.PatientSearch->Admission().Refresh();
    const std::string rateClass =
        options.ServiceRateClass ? options.ServiceRateClass() : ChargeRateClass(app, txtRoom.Text());
    if (std::optional<vb::Variant> rate = service.Rate(rateClass))
        SetCell(row, 5, vb::CStr(*rate));
    if (app.Parameters().AllowInternationalRate() && IsInternationalPatient(app, txtId.Text()))
        SetCell(row, 5, vb::CStr(vb::CDbl(Cell(row, 5)) * 1.1));
    SetCell(row, 8, GetARCode(app, vb::Trim(Cell(row, 1)), "ICU", options.ARMode));
    SetCell(row, 4, "1");
    SetCell(row, 9, Cell(row, 5));
    SetCell(row, 10, Cell(row, 5));
    SetCell(row, 6, vb::CStr(vb::Val(Cell(row, 4)) * vb::Val(Cell(row, 5))));
    return true;
}

void ItemEntry::RestartRow(int row) {
    ClearColumns(row, 1, 14);
    editor.SetText("");
    grid.SetCol(1);
    grid.SetRow(row);
    entry.mshflexEntry_EnterCell();
}

void ItemEntry::ZeroPriceTest(int row) {
    if (!(vb::Val(Cell(row, 5)) > 0) && !app.IsShowAmount) {
        Notify("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance.",
               forms::vbCritical, "Message");
        RestartRow(row);
        return;
    }
    Advance(2);
}

// The stock of the row's own item at the location of its charging code, looked up again.
double ItemEntry::StockOfRowItem(int row) {
    components::DrugObject& drug = app.DrugObject->Drug();
    if (!drug.SearchDrug(Cell(row, 2), app.ChargeLocationID))
        return 0;
    return drug.Invent().StockOnHand;
}

void ItemEntry::Quantity(int row) {
    const double typed = vb::Val(editor.Text());
    bool psiRoad = false;
    if (vb::Trim(Cell(row, 1)) != "OX") {
        if (!(typed > 0)) {
            Notify(options.QuantityRefusal, forms::vbInformation);
            return;
        }
        if (entry.LoadRevenueLocation(vb::Trim(Cell(row, 1))) && app.AllowZeroOnHand) {
            const double stock = StockOfRowItem(row);
            if (typed > stock) {
                Notify("Stock is not enough for the quantity entered. Remaining stock is: " + vb::CStr(stock),
                       forms::vbInformation);
                SetCell(row, 4, "");
                editor.SetText("");
                editor.SetVisible(false);
                grid.SetCol(4);
                entry.mshflexEntry_EnterCell();
                return;
            }
        }
        SetCell(row, 6, vb::CStr(typed * vb::CDbl(Cell(row, 5))));
        SetCell(row, 4, editor.Text());
    } else if (AskPSIOxygen(window)) {
        psiRoad = true;
        ChargeByPSIReading(app, grid, row, PSICaller::ChargeWindow);
    } else {
        ClearPSIReadings(grid, row);
        SetCell(row, 6, vb::CStr(typed * vb::CDbl(Cell(row, 5))));
        SetCell(row, 4, editor.Text());
    }
    if (options.AskStatHoliday && app.IsStat) {
        if (window.MsgBox("Is it Stat/Holiday?", forms::vbYesNo + forms::vbQuestion) == forms::vbYes) {
            app.StatHolidayYN = "Y";
            if (psiRoad) {
                const double amount = vb::CDbl(Cell(row, 6));
                SetCell(row, 6, vb::CStr(amount + 0.3 * amount));
            } else {
                const double price = vb::CDbl(Cell(row, 5));
                SetCell(row, 6, vb::CStr((price + 0.3 * price) * vb::CDbl(Cell(row, 4))));
            }
        } else {
            app.StatHolidayYN = "N";
            if (!psiRoad)
                SetCell(row, 6, vb::CStr(vb::CDbl(Cell(row, 4)) * vb::CDbl(Cell(row, 5))));
        }
    }
    Advance(4);
}

void ItemEntry::UnitPrice(int row) {
    const std::string dept = vb::Trim(Cell(row, 1));
    if (dept != "OX") {
        if (vb::CDbl(Cell(row, 9)) > vb::Val(editor.Text())) {
            const std::string floor = Cell(row, 9);
            if (options.UnitPriceRefusalNotifies)
                Notify("Unit Price should be greater >= " + floor, forms::vbInformation);
            else
                window.MsgBox("Unit Price should be greater >= " + floor, forms::vbOKOnly);
            SetCell(row, 5, floor);
            editor.SetText(floor);
            return;
        }
        SetCell(row, 5, editor.Text());
        SetCell(row, 6, vb::CStr(vb::Val(Cell(row, 4)) * vb::Val(Cell(row, 5))));
    }
    if (options.SupervisorRule && app.ClientName == "KELBA" && dept != "MD" && vb::Trim(Cell(row, 11)).empty() &&
        vb::Val(Cell(row, 10)) != vb::Val(editor.Text())) {
        app.Forms.Get<frmSupervisorAccessCode>().ShowModal();
        if (!app.SupervisorID.empty()) {
            SetCell(row, 11, app.SupervisorID);
        } else {
            SetCell(row, 5, Cell(row, 10));
            editor.SetText(Cell(row, 10));
            SetCell(row, 6, vb::CStr(vb::Val(editor.Text()) * vb::CDbl(Cell(row, 4))));
            return;
        }
    }
    Advance(5);
}

void ItemEntry::Amount(int row) {
    if (vb::Trim(Cell(row, 1)) == "OX") {
        Advance(6);
        return;
    }
    if (!(vb::Val(editor.Text()) > 0)) {
        Notify("Amount should be greater than zero.", forms::vbInformation);
        return;
    }
    const double entered = vb::Val(vb::Format(editor.Text(), "#####.##"));
    const double minimum = vb::Val(Cell(row, 5)) == 0
                               ? entered
                               : vb::CDbl(vb::Format(vb::Val(Cell(row, 5)) * vb::Val(Cell(row, 4)), "#####.##"));
    if (entered > 0 && !(entered < minimum)) {
        SetCell(row, 6, vb::CStr(vb::Val(editor.Text())));
        if (vb::CDbl(Cell(row, 5)) == 0)
            SetCell(row, 5, vb::CStr(vb::Variant(vb::Val(Cell(row, 6))) / vb::Variant(vb::Val(Cell(row, 4)))));
        Advance(6);
        return;
    }
    Notify(options.AmountRefusal, forms::vbInformation);
    const std::string product = vb::CStr(vb::Val(Cell(row, 4)) * vb::Val(Cell(row, 5)));
    editor.SetText(product);
    SetCell(row, 6, product);
}

} // namespace ward
