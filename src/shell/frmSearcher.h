#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// A look-up the caller words: SearchCaption titles it, Criteria is the text of its first search, and Query is the
// statement it lists, in which every "##" stands inside a string literal for the text the nurse types. The nurse
// narrows the list by typing and picks a row; the caller shows it modally and reads Valid, then Code (the row's
// second column) and Description (its first). One instance serves the whole run, so the members keep their values
// from one showing to the next.
class frmSearcher : public forms::Form {
public:
    explicit frmSearcher(App& app);

    std::string Query;
    std::string Criteria;
    std::string SearchCaption;

    // True only when this showing ended with a row chosen.
    bool Valid() const { return valid; }
    const std::string& Code() const { return code; }
    const std::string& Description() const { return description; }

    forms::Label lblTitle{*this, "lblTitle"};
    forms::Label lblHospital{*this, "lblHospital"};
    forms::Label lblSTitle{*this, "lblSTitle"};
    forms::TextBox txtSearchStr{*this, "txtSearchStr"};
    forms::Frame fraRecords{*this, "fraRecords"};
    forms::MSHFlexGrid grdDispWindow{*this, "grdDispWindow"};
    forms::CommandButton cmdSelect{*this, "cmdSelect"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void txtSearchStr_GotFocus();
    void txtSearchStr_KeyDown(int& KeyCode, int Shift);
    void txtSearchStr_KeyPress(int& KeyAscii);
    void grdDispWindow_RowColChange();
    void grdDispWindow_DblClick();
    void grdDispWindow_KeyPress(int& KeyAscii);
    void cmdSelect_Click();
    void cmdCancel_Click();
    void RunSearch(const std::string& text);
    void ListResult(const std::string& sql);
    void BoldTitleRow();
    void ChooseCurrentRow();

    App& app;
    bool valid = false;
    std::string code;
    std::string description;
};

} // namespace ward
