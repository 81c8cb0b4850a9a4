#pragma once

#include "charges/ChargeEntryWindow.h"
#include "charges/EntryGrid.h"
#include "charges/ItemEntry.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Grid.h"
#include "platform/vb/Variant.h"

#include <string>
#include <vector>

namespace ward {

// Charges posted to the account of the admission whose header the chart copied in: the nurse types them into the
// entry grid, one row per service, medicine, supply, doctor's fee or oxygen reading, each looked up and priced, and
// sees the charges already posted below.
class frmCharge : public ChargeEntryWindow {
public:
    explicit frmCharge(App& app);

    forms::ControlArray<forms::Label> lblHeader{*this, "lblHeader"};
    forms::Frame fraDepartments{*this, "fraDepartments"};
    forms::MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};
    forms::TextBox txtEntry{*this, "txtEntry"};
    forms::Frame fraMessage{*this, "fraMessage"};
    forms::Label lblMessage{*this, "lblMessage"};
    forms::Frame fraList{*this, "fraList"};
    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};
    forms::TextBox txtMessage{*this, "txtMessage"};
    forms::Label lblNote{*this, "lblNote"};
    forms::Frame frOxLegend{*this, "frOxLegend"};
    forms::ControlArray<forms::Label> lblLegend{*this, "lblLegend"}; // 0 OPEN, 1 CLOSED
    forms::CommandButton cmdCDF{*this, "cmdCDF"};
    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1"};   // Save, Ignore, Exit, Refresh, Delete
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 Reprint, 1 Revoke
    forms::CommandButton cmdCloseTank{*this, "cmdCloseTank"};

    EntryGrid& Entry() { return entry; }

protected:
    void Design() override;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void txtEntry_KeyDown(int& KeyCode, int Shift);
    void cmdCDF_Click();
    void mshflexList_Click();
    void mshflexList_DblClick();
    void cmdOption_Click(int Index);
    void Command1_Click(int Index);
    void ListPostedCharges();
    void MarkCancelledCharges();
    // Selects every cell of a list row after the fixed column, for painting.
    void SelectListRow(int row);
    // The oxygen tanks: each tank posting of the list painted by its tank's state, and "Close Tank".
    bool IsTankClosed(const std::string& RefNum, const std::string& IdNum, bool quiet);
    bool TankRecordExists(const std::string& RefNum, const std::string& IdNum);
    bool IsTankPosting(int row);
    void MarkOxygenTanks();
    void cmdCloseTank_Click();
    void CloseTank();

    // The save: every question first, then the complete rows posted under one charge-slip number in one
    // transaction, then the window set up again, the slip printed and the lists refreshed.
    void SaveCharges();
    bool MaySave();
    bool ValidateActingNurse(const std::string& retryQuestion);
    // The complete rows posted; answers the slip number and how many oxygen tanks were opened.
    std::string PostCompleteRows(bool doctorAsked, int& tanksOpened);
    void PostRow(int row, std::string& slip, bool doctorAsked, int& tanksOpened);
    void OpenOxygenTank(int row, const std::string& slip);
    void ShowNextChargeSlipOnMainWindow();

    // The slip of a save or of a posted charge, in the layout the nurse chooses.
    void PrintSavedChargeSlip(const std::string& slip);
    void ReprintChargeSlip();
    void PrintChargeSlip(const std::string& file, const std::vector<vb::Variant>& values, const std::string& caption);
    std::vector<vb::Variant> ChargeSlipValues(const std::string& slip, const std::string& date,
                                              const std::string& userName, const std::string& userLabel,
                                              const std::string& copy);

    // The cancellation of the posted charge on the list's current row.
    void CancelPostedCharge();
    bool MayCancel(int row);
    void ReverseStockItem(int row);
    void UpdateCancelledCharge(int row, const std::string& arCode);

    EntryGrid entry;
    ItemEntry itemEntry;
};

} // namespace ward
