#pragma once

#include "GuiTestWindows.h"
#include "platform/forms/Bars.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ListView.h"
#include "platform/forms/Lists.h"
#include "platform/forms/RichTextBox.h"
#include "platform/forms/Tabs.h"
#include "platform/vb/DateTime.h"

#include <string>

// A ward overview: patients in a grid, then a tab control whose first page holds a check-box list of tasks and the
// visit date, the second the orders; a status bar at the bottom. Events are logged by name.
class frmWard : public forms::Form {
public:
    explicit frmWard(GuiApp& app) : Form(app.Forms), app(app) {
        grdPatients.EnterCell = [this] { Log("grdPatients_EnterCell " + Cell()); };
        grdPatients.LeaveCell = [this] { Log("grdPatients_LeaveCell " + Cell()); };
        grdPatients.Click = [this] { Log("grdPatients_Click " + Cell()); };
        lstTasks.ItemCheck = [this](int Item) { Log("lstTasks_ItemCheck " + std::to_string(Item)); };
        lstTasks.Click = [this] { Log("lstTasks_Click"); };
        tabWard.Click = [this](int PreviousTab) { Log("tabWard_Click " + std::to_string(PreviousTab)); };
        dtpVisit.Change = [this] { Log("dtpVisit_Change"); };
        lvwOrders.ItemClick = [this](forms::ListItem& Item) { Log("lvwOrders_ItemClick " + Item.Text()); };
        cboShift.Click = [this] { Log("cboShift_Click " + cboShift.Text()); };
        rtfNote.SelChange = [this] {
            Log("rtfNote_SelChange " + std::to_string(rtfNote.SelStart()) + "," + std::to_string(rtfNote.SelLength()));
        };
    }

    forms::MSHFlexGrid grdPatients{*this, "grdPatients"};
    forms::SSTab tabWard{*this, "tabWard"};
    forms::ListBox lstTasks{*this, "lstTasks"};
    forms::DTPicker dtpVisit{*this, "dtpVisit"};
    forms::ComboBox cboShift{*this, "cboShift"};
    forms::ListView lvwOrders{*this, "lvwOrders"};
    forms::RichTextBox rtfNote{*this, "rtfNote"};
    forms::ProgressBar prgLoad{*this, "prgLoad"};
    forms::StatusBar sbrWard{*this, "sbrWard"};
    // How many patients the grid gets when the window loads.
    int Patients = 4;

private:
    void Design() override {
        SetCaption("Ward 4 West");
        SetInnerSize(9000, 6600);
        grdPatients.Move(120, 120, 8760, 2400);
        grdPatients.SetCols(4);
        grdPatients.SetFormatString("^Bed|<Patient|<Doctor|<Id");
        grdPatients.SetColWidth(3, 0);
        tabWard.Move(120, 2640, 8760, 3000);
        tabWard.SetTabs(2);
        tabWard.SetTabCaption(0, "&Tasks");
        tabWard.SetTabCaption(1, "&Orders");
        lstTasks.SetStyle(forms::vbListBoxCheckbox);
        lstTasks.SetContainer(&tabWard, 0);
        lstTasks.Move(120, 420, 3600, 1800);
        dtpVisit.SetContainer(&tabWard, 0);
        dtpVisit.Move(3840, 420, 1800, 300);
        cboShift.SetContainer(&tabWard, 0);
        cboShift.SetStyle(forms::vbComboDropdownList);
        cboShift.Move(3840, 840, 1800, 300);
        rtfNote.SetContainer(&tabWard, 0);
        rtfNote.Move(5760, 420, 2880, 1800);
        prgLoad.SetContainer(&tabWard, 0);
        prgLoad.Move(120, 2400, 8520, 240);
        lvwOrders.SetContainer(&tabWard, 1);
        lvwOrders.Move(120, 420, 8520, 2400);
        sbrWard.Move(0, 6240, 9000, 360);
    }
    void Form_Load() override {
        grdPatients.SetRows(Patients + 1);
        for (int row = 1; row <= Patients; ++row) {
            grdPatients.SetTextMatrix(row, 0, std::to_string(row));
            grdPatients.SetTextMatrix(row, 1, "PATIENT " + std::to_string(row));
            grdPatients.SetTextMatrix(row, 2, "DR. JONES");
            grdPatients.SetTextMatrix(row, 3, std::to_string(1000 + row));
        }
        for (const char* task : {"Blood pressure", "Medication round", "Wound dressing"})
            lstTasks.AddItem(task);
        for (const char* shift : {"Day", "Evening", "Night"})
            cboShift.AddItem(shift);
        dtpVisit.SetValue(vb::DateSerial(2026, 12, 10));
        lvwOrders.AddColumnHeader(0, "", "Order", 2400);
        lvwOrders.AddColumnHeader(0, "", "Status", 1800);
        lvwOrders.AddListItem(0, "o1", "Chest X-ray").SetSubItems(1, "Sent");
        lvwOrders.AddListItem(0, "o2", "Full blood count").SetSubItems(1, "Done");
        rtfNote.SetSelBold(true);
        rtfNote.SetSelText("Allergy: ");
        rtfNote.SetSelBold(false);
        rtfNote.SetSelText("penicillin");
        prgLoad.SetValue(40);
        sbrWard.AddPanel(0, "user", "Nurse SMITH");
        sbrWard.AddPanel(0, "ward", "4 West");
    }
    std::string Cell() const { return std::to_string(grdPatients.Row()) + "," + std::to_string(grdPatients.Col()); }
    void Log(std::string entry) { app.log.push_back(std::move(entry)); }
    GuiApp& app;
};
