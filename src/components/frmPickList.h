#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListView.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {
class FormsContext;
}

namespace components {

// One row of a pick list: what the caller takes back and what the nurse reads.
struct PickedRow {
    std::string Code;
    std::string Name;
    bool operator==(const PickedRow&) const = default;
};

// The rows a list holds for a search text; asked again each time the nurse edits the text.
using PickListRows = std::function<std::vector<PickedRow>(const std::string& text)>;

// The one pick list of our components: a search box holding the text and the rows found for it, code and name.
// Enter or a double-click chooses the selected row; Escape or the close box chooses nothing. It takes only the
// forms context, so every component window can show it without the application.
class frmPickList : public forms::Form {
public:
    explicit frmPickList(forms::FormsContext& context);

    forms::Label lblSearch{*this, "lblSearch"};
    forms::TextBox txtSearch{*this, "txtSearch"};
    forms::ListView lvwList{*this, "lvwList"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

    // What the next show lists: the caption, the text the search box starts with, and where its rows come from.
    void Prepare(const std::string& caption, const std::string& searchText, PickListRows rows);
    // The row chosen by the last show, or nothing when the nurse closed the list.
    const std::optional<PickedRow>& Choice() const { return choice; }

private:
    void Design() override;
    void Form_Load() override;
    void txtSearch_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void FillList(const std::vector<PickedRow>& found);

    std::string startText;
    PickListRows source;
    std::vector<PickedRow> shown;
    std::optional<PickedRow> choice;
    bool loading = false;
};

// Shows a pick list modally and answers the row chosen, or nothing. The first rows are read before the window opens,
// so a failing read reaches the caller instead of an empty list.
std::optional<PickedRow> ShowPickList(forms::FormsContext& context, const std::string& caption,
                                      const std::string& searchText, PickListRows rows);

} // namespace components
