#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

namespace ward {

class App;

// The station's operating-room schedule requests with their status; a request neither confirmed nor revoked can be
// revoked in the logged-in nurse's name. Shown modally from the chart; nothing is passed in or returned.
class frmScheduleRequestStatus : public forms::Form {
public:
    explicit frmScheduleRequestStatus(App& app);

    forms::Frame fraPendingRequest{*this, "fraPendingRequest"};
    // The listing's columns from 1 on; 6 and 7 are the request's keys, 8 its status.
    forms::MSHFlexGrid mshflexPending{*this, "mshflexPending"};
    forms::Label lblHint{*this, "lblHint"};
    forms::Label lblRecNo{*this, "lblRecNo"};
    forms::Label lblRecNum{*this, "lblRecNum"};
    forms::ControlArray<forms::CommandButton> cmdPending{*this, "cmdPending"}; // 1 Revoke, 2 Exit

private:
    void Design() override;
    void Form_Load() override;
    void LoadRequests();
    void ShowRecordNumber();
    void mshflexPending_Click();
    void cmdPending_Click(int Index);
    void Revoke();

    App& app;
};

} // namespace ward
