#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The two-button message: YES sets MessageAnswer True, NO False, and either closes the dialog. Callers may change
// the text and the buttons after loading it and before the show; an answer unloads it, which brings the design back.
class frmMessage : public forms::Form {
public:
    explicit frmMessage(App& app);

    forms::Label lblMessage{*this, "lblMessage"};
    forms::Image Image1{*this, "Image1"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 YES, 1 NO

private:
    void Design() override;
    void Form_Load() override;
    void cmdOption_Click(int Index);

    App& app;
};

} // namespace ward
