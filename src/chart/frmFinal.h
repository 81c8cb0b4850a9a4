#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// The chart of one admission.
class frmFinal : public forms::Form {
public:
    explicit frmFinal(App& app);

    // Header: the admission number of the open patient.
    forms::TextBox txtId{*this, "txtId"};

protected:
    void Design() override;
    void Form_Initialize() override;

private:
    App& app;
};

} // namespace ward
