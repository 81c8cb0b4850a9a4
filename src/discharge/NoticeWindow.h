#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

namespace forms {
class Layout;
} // namespace forms

namespace ward {

class App;

// A work window that this version does not fill yet: it says so, and Close (or Escape) closes it.
class NoticeWindow : public forms::Form {
public:
    NoticeWindow(App& app, std::string caption);

    forms::Label lblNotice{*this, "lblNotice"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

protected:
    void Design() override;
    // Places the window's own fields between the notice and the Close button.
    virtual void DesignFields(forms::Layout& layout) { (void)layout; }

    App& app;

private:
    std::string caption;
};

} // namespace ward
