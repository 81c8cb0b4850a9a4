#pragma once

#include "platform/forms/Controls.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

// View of a list view.
inline constexpr int lvwIcon = 0;
inline constexpr int lvwSmallIcon = 1;
inline constexpr int lvwList = 2;
inline constexpr int lvwReport = 3;

class ListView;

struct ColumnHeader {
    std::string Key;
    std::string Text;
    int Width = 1440;
    int Alignment = vbLeftJustify;
};

// One line of a list view: its text, the texts of the further columns (SubItems from 1), a key and a tag.
class ListItem {
public:
    ListItem(ListView& view, std::string key, std::string text);

    // The position in the list, from 1.
    int Index() const;
    const std::string& Key() const { return key; }
    const std::string& Text() const { return text; }
    void SetText(std::string value);
    // An index from 1 to the number of column headers less one; outside raises "Index out of bounds"; a sub-item
    // never set reads "".
    std::string SubItems(int index) const;
    void SetSubItems(int index, std::string value);
    const std::string& Tag() const { return tag; }
    void SetTag(std::string value);
    bool Selected() const;
    void SetSelected(bool value);

private:
    void RequireSubItem(int index) const;
    ListView& view;
    std::string key;
    std::string text;
    std::vector<std::string> subItems;
    std::string tag;
};

// A list of lines with columns (the report view), as the windows use it: ColumnHeaders, ListItems with sub-items,
// one selected item. Collections count from 1 as the platform's do; an index outside raises "Index out of bounds".
// Observers hear "ColumnHeaders", "ListItems" (any change of a line) and "SelectedItem".
class ListView : public Control {
public:
    ListView(Form& form, std::string name);

    int ColumnHeaderCount() const { return static_cast<int>(headers.size()); }
    const ColumnHeader& ColumnHeaders(int index) const;
    // Adds a header at index (from 1) or at the end.
    const ColumnHeader& AddColumnHeader(int index = 0, const std::string& key = "", const std::string& text = "",
                                        int width = 1440, int alignment = vbLeftJustify);
    void SetColumnWidth(int index, int width);
    void ClearColumnHeaders();

    int ListItemCount() const { return static_cast<int>(items.size()); }
    ListItem& ListItems(int index) const;
    ListItem& ListItems(const std::string& key) const;
    // Adds a line at index (from 1) or at the end; a key used already raises "Key is not unique in collection".
    ListItem& AddListItem(int index = 0, const std::string& key = "", const std::string& text = "");
    void RemoveListItem(int index);
    void ClearListItems();

    // The selected line, or nullptr (Nothing).
    ListItem* SelectedItem() const { return selected; }
    // Selects a line (nullptr for none); no event, as with code on the platform.
    void SetSelectedItem(ListItem* item);

    int View() const { return props.View; }
    void SetView(int value);
    bool FullRowSelect() const { return props.FullRowSelect; }
    void SetFullRowSelect(bool value);
    bool GridLines() const { return props.GridLines; }
    void SetGridLines(bool value);
    bool HideSelection() const { return props.HideSelection; }
    void SetHideSelection(bool value);
    bool LabelEdit() const { return props.LabelEdit; }
    void SetLabelEdit(bool value);

    bool CanHoldFocus() const override { return true; }
    // The user clicks a line (from 1): it becomes the selected one, ItemClick then Click follow.
    void UserClickItem(int index);
    void UserKeyDown(int KeyCode, int Shift) override;
    void ResetProperties() override;

    Event<ListItem&> ItemClick;

private:
    friend class ListItem;
    struct Props {
        int View = lvwReport;
        bool FullRowSelect = false;
        bool GridLines = false;
        bool HideSelection = true;
        bool LabelEdit = false;
    };
    void ItemChanged() { Notify("ListItems"); }
    int IndexOf(const ListItem& item) const;

    std::vector<ColumnHeader> headers;
    std::vector<std::unique_ptr<ListItem>> items;
    ListItem* selected = nullptr;
    Props props;
};

} // namespace forms
