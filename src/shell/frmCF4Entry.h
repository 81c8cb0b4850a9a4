#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

namespace ward {

class App;

// Stands where the CF4 entry window of the admission would open: those entries are kept by another program.
class frmCF4Entry : public forms::Form {
public:
    explicit frmCF4Entry(App& app);

    // The caption of the next showing.
    std::string EntryTitle;

    forms::Label lblMessage{*this, "lblMessage"};
    forms::CommandButton cmdOK{*this, "cmdOK"};

private:
    void Design() override;
    void Form_Load() override;
};

} // namespace ward
