#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/Lists.h"

#include <string>

namespace ward {

class App;

// The remarks of one exam about to enter the chart's request cart: routine or STAT, free remarks, the AM pick-up,
// the specimen of a laboratory exam and the portable machine of an x-ray. The caller sets DeptID (and ExamID for a
// laboratory exam) on the instance without loading it, shows the window modally and reads ExamStatYN, ExamRemarks,
// SpecimenCode, TransplantID, DialysisID, AMPickUp and UsePortableMachine however it closed. Enter also saves the
// admission's transplant and dialysis status and unloads the window; ExamID and DeptID last until Enter.
class frmRemarks : public forms::Form {
public:
    explicit frmRemarks(App& app);

    std::string ExamID;
    std::string DeptID;

    forms::Label lblExam{*this, "lblExam"};
    forms::ControlArray<forms::OptionButton> Option1{*this, "Option1"}; // 0 Routine, 1 Stat
    forms::CheckBox chkAMPickUp{*this, "chkAMPickUp"};
    // The specimen band: 0 its label, 1 the chosen specimen's description.
    forms::Frame fraSpecimen{*this, "fraSpecimen"};
    forms::ControlArray<forms::Label> lblSpecimen{*this, "lblSpecimen"};
    forms::CommandButton cmdSpecimen{*this, "cmdSpecimen"};
    // The rehabilitation band, in the specimen band's place; nothing typed here leaves the window.
    forms::Frame fraPT{*this, "fraPT"};
    forms::Label lblPhysiatrist{*this, "lblPhysiatrist"};
    forms::TextBox txtPhysiatrist{*this, "txtPhysiatrist"};
    forms::CommandButton cmdPhysiatrist{*this, "cmdPhysiatrist"};
    forms::Label lblHandedness{*this, "lblHandedness"};
    forms::ControlArray<forms::OptionButton> optHanded{*this, "optHanded"}; // 0 Left, 1 Right
    forms::Label lblReffered{*this, "lblReffered"};
    forms::DTPicker dtpReffered{*this, "dtpReffered"};
    forms::Label lblOrdered{*this, "lblOrdered"};
    forms::DTPicker dtpOrdered{*this, "dtpOrdered"};
    forms::CheckBox chkPortable{*this, "chkPortable"};
    forms::Label lblRemarks{*this, "lblRemarks"};
    forms::TextBox txtRemarks{*this, "txtRemarks"};
    forms::CommandButton Command1{*this, "Command1"};
    // The specimen list, over the right part of the window while a laboratory exam offers several specimens:
    // column 1 the code, 2 the description.
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::Label lblHeading{*this, "lblHeading"};
    forms::MSHFlexGrid mshflexSpecimen{*this, "mshflexSpecimen"};
    // Never shown: they carry the admission's transplant and dialysis texts to Enter.
    forms::Label lblTransplant{*this, "lblTransplant"};
    forms::ComboBox cboTransplant{*this, "cboTransplant"};
    forms::Label lblDialysis{*this, "lblDialysis"};
    forms::ComboBox cboDialysis{*this, "cboDialysis"};
    forms::Label lblDept{*this, "lblDept"};
    forms::Label lblLBExamID{*this, "lblLBExamID"};

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Click() override;

private:
    void DesignBands();
    void DesignSpecimenList();
    void ResetSpecimenGrid();
    void ListSpecimens();
    void ShowBandOfDepartment();
    void cmdSpecimen_Click() { ListSpecimens(); }
    void mshflexSpecimen_Click();
    void chkAMPickUp_Click();
    void Command1_Click();
    void MapTransplantAndDialysis();
    void txtRemarks_KeyPress(int& KeyAscii);
    void cmdPhysiatrist_Click();
    void txtPhysiatrist_KeyPress(int& KeyAscii);
    void txtPhysiatrist_Validate(bool& Cancel);
    bool PhysiatristFound();
    void ShowPhysiatrist();

    App& app;
    std::string physiatristCode;
};

} // namespace ward
