#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The splash window of the start-up: it closes itself one second after it loads.
class frmSplash : public forms::Form {
public:
    explicit frmSplash(App& app);

    forms::Image imgLogo{*this, "imgLogo"};
    forms::Label lblProductName{*this, "lblProductName"};
    forms::Label lblStation{*this, "lblStation"};
    forms::Label lblPlatform{*this, "lblPlatform"};
    forms::Timer Timer1{*this, "Timer1"};

private:
    void Design() override;
    void Form_Load() override;
    void Timer1_Timer();

    App& app;
};

} // namespace ward
