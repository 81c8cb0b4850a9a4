#include "platform/forms/ListView.h"

#include "platform/forms/Bars.h"
#include "platform/vb/VbError.h"

namespace forms {

namespace {

[[noreturn]] void RaiseKeyNotUnique() { throw vb::VbError(35602, "Key is not unique in collection"); }

} // namespace

// ListItem

ListItem::ListItem(ListView& view, std::string key, std::string text)
    : view(view), key(std::move(key)), text(std::move(text)) {}

int ListItem::Index() const { return view.IndexOf(*this); }

void ListItem::SetText(std::string value) {
    if (text == value)
        return;
    text = std::move(value);
    view.ItemChanged();
}

void ListItem::RequireSubItem(int index) const {
    if (index < 1 || index >= view.ColumnHeaderCount())
        RaiseIndexOutOfBounds();
}

std::string ListItem::SubItems(int index) const {
    RequireSubItem(index);
    std::size_t at = static_cast<std::size_t>(index - 1);
    return at < subItems.size() ? subItems[at] : std::string();
}

void ListItem::SetSubItems(int index, std::string value) {
    RequireSubItem(index);
    std::size_t at = static_cast<std::size_t>(index - 1);
    if (subItems.size() <= at)
        subItems.resize(at + 1);
    if (subItems[at] == value)
        return;
    subItems[at] = std::move(value);
    view.ItemChanged();
}

void ListItem::SetTag(std::string value) { tag = std::move(value); }

bool ListItem::Selected() const { return view.SelectedItem() == this; }

void ListItem::SetSelected(bool value) {
    if (value)
        view.SetSelectedItem(this);
    else if (Selected())
        view.SetSelectedItem(nullptr);
}

// ListView

ListView::ListView(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ListView) {}

const ColumnHeader& ListView::ColumnHeaders(int index) const {
    if (index < 1 || index > ColumnHeaderCount())
        RaiseIndexOutOfBounds();
    return headers[static_cast<std::size_t>(index - 1)];
}

const ColumnHeader& ListView::AddColumnHeader(int index, const std::string& key, const std::string& text, int width,
                                              int alignment) {
    if (index < 0 || index > ColumnHeaderCount() + 1)
        RaiseIndexOutOfBounds();
    if (!key.empty())
        for (const ColumnHeader& header : headers)
            if (header.Key == key)
                RaiseKeyNotUnique();
    std::size_t at = index == 0 ? headers.size() : static_cast<std::size_t>(index - 1);
    headers.insert(headers.begin() + static_cast<std::ptrdiff_t>(at), ColumnHeader{key, text, width, alignment});
    Notify("ColumnHeaders");
    return headers[at];
}

void ListView::SetColumnWidth(int index, int width) {
    if (index < 1 || index > ColumnHeaderCount())
        RaiseIndexOutOfBounds();
    Update(headers[static_cast<std::size_t>(index - 1)].Width, width, "ColumnHeaders");
}

void ListView::ClearColumnHeaders() {
    headers.clear();
    Notify("ColumnHeaders");
}

int ListView::IndexOf(const ListItem& item) const {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == &item)
            return static_cast<int>(i) + 1;
    return 0;
}

ListItem& ListView::ListItems(int index) const {
    if (index < 1 || index > ListItemCount())
        RaiseIndexOutOfBounds();
    return *items[static_cast<std::size_t>(index - 1)];
}

ListItem& ListView::ListItems(const std::string& key) const {
    for (const auto& item : items)
        if (!key.empty() && item->Key() == key)
            return *item;
    throw vb::VbError(35601, "Element not found");
}

ListItem& ListView::AddListItem(int index, const std::string& key, const std::string& text) {
    if (index < 0 || index > ListItemCount() + 1)
        RaiseIndexOutOfBounds();
    if (!key.empty())
        for (const auto& item : items)
            if (item->Key() == key)
                RaiseKeyNotUnique();
    std::size_t at = index == 0 ? items.size() : static_cast<std::size_t>(index - 1);
    auto added = std::make_unique<ListItem>(*this, key, text);
    ListItem& result = *added;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    // The first line added to a list without a selection becomes the selected one, as the platform does.
    if (selected == nullptr)
        selected = &result;
    Notify("ListItems");
    return result;
}

void ListView::RemoveListItem(int index) {
    ListItem& item = ListItems(index);
    if (selected == &item) {
        selected = nullptr;
        Notify("SelectedItem");
    }
    items.erase(items.begin() + index - 1);
    Notify("ListItems");
}

void ListView::ClearListItems() {
    items.clear();
    selected = nullptr;
    Notify("ListItems");
    Notify("SelectedItem");
}

void ListView::SetSelectedItem(ListItem* item) { Update(selected, item, "SelectedItem"); }

void ListView::SetView(int value) {
    if (value < lvwIcon || value > lvwReport)
        throw vb::VbError(380, "Invalid property value");
    Update(props.View, value, "View");
}
void ListView::SetFullRowSelect(bool value) { Update(props.FullRowSelect, value, "FullRowSelect"); }
void ListView::SetGridLines(bool value) { Update(props.GridLines, value, "GridLines"); }
void ListView::SetHideSelection(bool value) { Update(props.HideSelection, value, "HideSelection"); }
void ListView::SetLabelEdit(bool value) { Update(props.LabelEdit, value, "LabelEdit"); }

void ListView::UserClickItem(int index) {
    ListItem& item = ListItems(index);
    SetSelectedItem(&item);
    Raise(ItemClick, item);
    Raise(Click);
}

void ListView::UserKeyDown(int KeyCode, int Shift) {
    (void)Shift;
    if (items.empty())
        return;
    int index = selected == nullptr ? 0 : IndexOf(*selected);
    if (KeyCode == vbKeyUp && index > 1)
        --index;
    else if (KeyCode == vbKeyDown && index < ListItemCount())
        ++index;
    else
        return;
    ListItem& item = ListItems(index);
    SetSelectedItem(&item);
    Raise(ItemClick, item);
}

void ListView::ResetProperties() {
    headers.clear();
    items.clear();
    selected = nullptr;
    props = Props{};
    Control::ResetProperties();
}

} // namespace forms
