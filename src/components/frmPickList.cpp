#include "components/frmPickList.h"

#include "platform/forms/FormsContext.h"
#include "platform/forms/Layout.h"

namespace components {

frmPickList::frmPickList(forms::FormsContext& context) : Form(context) {
    txtSearch.Change = [this] { txtSearch_Change(); };
    lvwList.DblClick = [this] { cmdOK_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmPickList::Design() {
    SetBorderStyle(3);
    SetInnerSize(7200, 4800);
    lblSearch.SetCaption("Search :");
    lvwList.SetView(forms::lvwReport);
    lvwList.SetFullRowSelect(true);
    lvwList.SetGridLines(true);
    lvwList.SetHideSelection(false);
    lvwList.AddColumnHeader(0, "Code", "Code", 1500);
    lvwList.AddColumnHeader(0, "Name", "Name", 5200);
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    forms::Layout(*this).Row(lblSearch, txtSearch).Full(lvwList, 3300).Buttons({&cmdOK, &cmdCancel}).FitFormHeight();
}

void frmPickList::Prepare(const std::string& caption, const std::string& searchText, PickListRows rows) {
    SetCaption(caption);
    startText = searchText;
    source = std::move(rows);
}

void frmPickList::Form_Load() {
    choice.reset();
    loading = true;
    txtSearch.SetText(startText);
    loading = false;
    FillList(source ? source(startText) : std::vector<PickedRow>{});
}

void frmPickList::txtSearch_Change() {
    if (loading || !source)
        return;
    FillList(source(txtSearch.Text()));
}

void frmPickList::FillList(const std::vector<PickedRow>& found) {
    shown = found;
    lvwList.ClearListItems();
    for (const PickedRow& row : shown) {
        forms::ListItem& item = lvwList.AddListItem(0, "", row.Code);
        item.SetSubItems(1, row.Name);
    }
    if (!shown.empty())
        lvwList.SetSelectedItem(&lvwList.ListItems(1));
}

// Enter in the search box chooses too, so with nothing selected the list stays open rather than choosing nothing.
void frmPickList::cmdOK_Click() {
    const forms::ListItem* selected = lvwList.SelectedItem();
    if (selected == nullptr)
        return;
    choice = shown.at(static_cast<std::size_t>(selected->Index() - 1));
    Unload();
}

void frmPickList::cmdCancel_Click() {
    choice.reset();
    Unload();
}

std::optional<PickedRow> ShowPickList(forms::FormsContext& context, const std::string& caption,
                                      const std::string& searchText, PickListRows rows) {
    std::vector<PickedRow> first = rows(searchText);
    auto window = std::make_shared<frmPickList>(context);
    window->Create();
    window->Prepare(caption, searchText,
                    [rows, first = std::move(first), used = false](const std::string& text) mutable {
                        if (used)
                            return rows(text);
                        used = true;
                        return std::move(first);
                    });
    window->ShowModal();
    // A window only hidden keeps no choice of its own: the caller goes on as after the close box.
    if (window->IsLoaded())
        window->Unload();
    return window->Choice();
}

} // namespace components
