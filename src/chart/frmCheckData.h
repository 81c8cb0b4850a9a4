#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// Completes the open admission's diet, admitting diagnosis and chief complaint, saves them on the server and writes
// them back into the chart's header. The admission is the chart's; nothing is kept between showings.
class frmCheckData : public forms::Form {
public:
    explicit frmCheckData(App& app);

    forms::Frame fraDiet{*this, "fraDiet"};
    forms::ControlArray<forms::TextBox> txtDiet{*this, "txtDiet"}; // 0 the diet's name, 1 the chosen diet's code
    forms::CommandButton cmdDiet{*this, "cmdDiet"};
    forms::ControlArray<forms::Frame> fraEntry{*this, "fraEntry"};
    forms::ControlArray<forms::TextBox> txtEntry{*this, "txtEntry"};         // 0 admitting diagnosis, 1 chief complaint
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 Save, 1 Close

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void txtDiet_KeyPress(int Index, int& KeyAscii);
    void cmdDiet_Click();
    void cmdOption_Click(int Index);
    void SearchDiet();
    void Save();
    // The statement in one transaction; false, with the error shown, when it failed and nothing was kept.
    bool SavePatientHistory();
    void WriteBackIntoChart();

    App& app;
};

} // namespace ward
