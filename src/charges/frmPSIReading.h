#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ImageList.h"

#include <cstdint>
#include <string>

namespace ward {

class App;

// The oxygen pressure readings of one tank. Its caller names the oxygen item and the grid row before showing it; the
// dialog writes the readings into columns 12 to 14 of that row and hands the consumption back in PSIReading. Exit,
// the close picture and the close box leave the row no PSI row (column 11 "0", no readings) and PSIReading 0.
class frmPSIReading : public forms::Form {
public:
    explicit frmPSIReading(App& app);

    std::string Code;
    std::string Description;
    forms::MSHFlexGrid* Grid = nullptr;
    std::int16_t SelectedRow = 0;

    forms::Label lblPSI{*this, "lblPSI"};
    forms::ControlArray<forms::Label> lblCaption{*this, "lblCaption"};
    forms::Label lblCode{*this, "lblCode"};
    forms::Label lblDescription{*this, "lblDescription"};
    forms::TextBox txtTank{*this, "txtTank"};
    forms::TextBox txtInitialReading{*this, "txtInitialReading"};
    forms::TextBox txtLastReading{*this, "txtLastReading"};
    forms::Label lblConsumed{*this, "lblConsumed"};
    forms::ControlArray<forms::Image> imgOption{*this, "imgOption"}; // 0 under Exit, 1 under Save
    forms::ControlArray<forms::Label> lblExit{*this, "lblExit"};     // 0 "Exit", 1 "Save"
    forms::Image imgLegend{*this, "imgLegend"};
    forms::ImageList ImageList1{*this, "ImageList1"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void txtTank_KeyPress(int& KeyAscii);
    void txtInitialReading_KeyPress(int& KeyAscii);
    void txtLastReading_KeyPress(int& KeyAscii);
    void lblExit_Click(int Index);
    void lblExit_MouseMove(int Index);
    void imgLegend_Click();
    void LoadLastTankReading();
    bool ValidateInitialReading();
    bool ValidateLastReading();
    void Save();
    // Leaves the row no PSI row and hands back no reading.
    void ClearReadings();
    double Initial() const;
    double Last() const;
    // Focuses the box with its whole text selected.
    void SelectForCorrection(forms::TextBox& box);

    App& app;
};

} // namespace ward
