#pragma once

#include "platform/forms/Form.h"

namespace ward {

class App;

// The station's patient list, from which the nurse opens a chart.
class frmSearch : public forms::Form {
public:
    explicit frmSearch(App& app);

private:
    void Design() override;

    App& app;
};

} // namespace ward
