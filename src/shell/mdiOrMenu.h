#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The ward's main window: the other windows open inside it.
class mdiOrMenu : public forms::Form {
public:
    explicit mdiOrMenu(App& app);

    // 0 "Next Charge Slip #", 1 the number.
    forms::ControlArray<forms::Label> lblCS{*this, "lblCS"};

protected:
    void Design() override;

private:
    App& app;
};

} // namespace ward
