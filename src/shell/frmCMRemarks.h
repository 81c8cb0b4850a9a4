#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// Lists the standard credit-memo remarks; a double-click or Enter on one hands it back in SelectedRemarks, exactly as
// the list shows it. Every showing starts with no choice; imgLegend closes without one.
class frmCMRemarks : public forms::Form {
public:
    explicit frmCMRemarks(App& app);

    const std::string& SelectedRemarks() const { return selectedRemarks; }

    forms::Frame fraMessage{*this, "fraMessage"};
    forms::Label lblMessage{*this, "lblMessage"};
    forms::Label lblDoctor{*this, "lblDoctor"};
    forms::MSHFlexGrid mshFlexCMRemarks{*this, "mshFlexCMRemarks"};
    forms::Image imgLegend{*this, "imgLegend"};

private:
    void Design() override;
    void Form_Load() override;
    void LoadCMRemarks();
    void mshFlexCMRemarks_DblClick();
    void mshFlexCMRemarks_KeyPress(int& KeyAscii);
    void imgLegend_Click();
    void ChooseCurrentRow();

    App& app;
    std::string selectedRemarks;
};

} // namespace ward
