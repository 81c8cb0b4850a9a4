#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

namespace ward {

class App;

// Shows who the patient of the admission held by the patient search is: name, hospital and admission numbers,
// admission date and room, over a tiled background picture. It only displays.
class frmInfo : public forms::Form {
public:
    explicit frmInfo(App& app);

    forms::Label lblPatient{*this, "lblPatient"};
    // Captions: 0 hospital number, 1 admission number, 2 admission date, 3 room; lblInfo holds the values.
    forms::ControlArray<forms::Label> lblHopital{*this, "lblHopital"};
    forms::ControlArray<forms::Label> lblInfo{*this, "lblInfo"};
    forms::Image Image1{*this, "Image1"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_Paint() override;
    // The row of the station's patient list that shows that admission, or 0 when the list does not show it.
    int ListRowOf(const std::string& idNum) const;
    void ShowListRow(int row);
    void ShowHeldAdmission();

    App& app;
};

} // namespace ward
