#pragma once

#include "charges/ChargeEntryWindow.h"
#include "charges/EntryGrid.h"
#include "charges/ItemEntry.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

// Late charges for a patient already billed or on cash basis: the nurse picks the patient in the receivable search,
// the admission loads into the header, and the charges are typed into the entry grid as in the charge window.
class frmRecievable : public ChargeEntryWindow {
public:
    explicit frmRecievable(App& app);

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
    // Save, Ignore, Exit, Search Patient, Delete, List of Charges Entered.
    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 Re-print, 1 Cancel Charges

    EntryGrid& Entry() { return entry; }
    // Loads the picked admission into the header; false when the patient search does not find it.
    bool LoadReceivablePatient();

protected:
    void Design() override;

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Command1_Click(int Index);
    void mshflexList_Click();
    void LoadChargingCodes();
    void SearchPatient();
    bool LoadInPatient();
    bool LoadOutPatient();
    void EmptyHeader();
    void ReadDiet();
    void ReadAdmTypeMembership();
    // The current-patient values the search and the load overwrite, as they were when the window loaded.
    void KeepCurrentPatient();
    void RestoreCurrentPatient();
    bool PickedInPatient();

    struct CurrentPatient {
        std::string IdNum, PatientName, PatientAddress, RoomClassID, RoomID, StationName, AccountNum, HeaderAddress,
            AdmissionDate, DischargeDate;
    } kept;
    EntryGrid entry;
    ItemEntry itemEntry;
};

} // namespace ward
