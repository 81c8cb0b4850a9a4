#pragma once

#include "platform/forms/Controls.h"

#include <optional>
#include <string>
#include <vector>

namespace forms {

// ListBox Style.
inline constexpr int vbListBoxStandard = 0;
inline constexpr int vbListBoxCheckbox = 1;
// ListBox MultiSelect.
inline constexpr int vbMultiSelectNone = 0;
inline constexpr int vbMultiSelectSimple = 1;
inline constexpr int vbMultiSelectExtended = 2;
// ComboBox Style.
inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboSimple = 1;
inline constexpr int vbComboDropdownList = 2;

// The lines of a list box or combo box: text, ItemData and the selection (the tick of a check-box list). A sorted
// list puts a new line where it belongs, comparing without regard to case.
class ListLines {
public:
    struct Line {
        std::string Text;
        long ItemData = 0;
        bool Selected = false;
    };

    int Count() const { return static_cast<int>(lines.size()); }
    // Where a new line goes: index, or its sorted place, or the end. An index beyond the end raises
    // "Invalid procedure call or argument".
    int Insert(const std::string& text, std::optional<int> index, bool sorted);
    void Remove(int index);
    void Clear() { lines.clear(); }
    void Sort();
    // Reading past the end gives an empty text; a negative index other than -1 raises "Invalid property array
    // index".
    std::string TextAt(int index) const;
    Line& At(int index);
    const Line& At(int index) const;
    // The first line whose text equals text (ignoring case), or -1.
    int Find(const std::string& text) const;

private:
    std::vector<Line> lines;
};

// A list of lines: plain (one line chosen), multi-select, or with a check box on each line, where Selected is the
// tick. Choosing a line by code (ListIndex) raises Click as the user's choice does; changing a tick raises ItemCheck
// and then Click.
class ListBox : public Control {
public:
    ListBox(Form& form, std::string name);

    int ListCount() const { return lines.Count(); }
    std::string List(int index) const { return lines.TextAt(index); }
    void SetList(int index, std::string value);
    // -1 when no line is chosen; setting it raises Click.
    int ListIndex() const { return listIndex; }
    void SetListIndex(int value);
    // The chosen line's text, or "".
    std::string Text() const { return lines.TextAt(listIndex); }
    // The index of the line added last.
    int NewIndex() const { return newIndex; }
    long ItemData(int index) const { return lines.At(index).ItemData; }
    void SetItemData(int index, long value);
    bool Selected(int index) const { return lines.At(index).Selected; }
    void SetSelected(int index, bool value);
    int SelCount() const;
    int TopIndex() const { return topIndex; }
    void SetTopIndex(int value);

    void AddItem(const std::string& item, std::optional<int> index = std::nullopt);
    void RemoveItem(int index);
    void Clear();

    bool Sorted() const { return props.Sorted; }
    void SetSorted(bool value);
    int Style() const { return props.Style; }
    void SetStyle(int value);
    int MultiSelect() const { return props.MultiSelect; }
    void SetMultiSelect(int value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    Color ForeColor() const { return props.ForeColor; }
    void SetForeColor(Color value);
    const forms::Font& Font() const { return props.Font; }
    void SetFont(const forms::Font& value);

    bool CanHoldFocus() const override { return true; }
    // The user clicks a line: it becomes the chosen one; in a check-box list its tick turns over; in a multi-select
    // list its selection does. Click follows.
    void UserClickLine(int index);
    void UserKeyDown(int KeyCode, int Shift) override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<int> ItemCheck;

private:
    struct Props {
        bool Sorted = false;
        int Style = vbListBoxStandard;
        int MultiSelect = vbMultiSelectNone;
        Color BackColor = vbWindowBackground;
        Color ForeColor = vbWindowText;
        forms::Font Font;
    };
    bool IsChecklist() const { return props.Style == vbListBoxCheckbox; }
    bool ChangeTick(int index, bool value);
    void RequireLine(int index) const;

    ListLines lines;
    Props props;
    int listIndex = -1;
    int newIndex = -1;
    int topIndex = 0;
};

// A text box with a list of lines: editable (Text is free, Change on each change) or a drop-down list (Text is
// always one of the lines). Choosing a line by code (ListIndex) raises Click as the user's choice does.
class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name);

    int ListCount() const { return lines.Count(); }
    std::string List(int index) const { return lines.TextAt(index); }
    void SetList(int index, std::string value);
    int ListIndex() const { return listIndex; }
    void SetListIndex(int value);
    const std::string& Text() const { return text; }
    // Editable: the text changes (Change) and the line it names, if any, becomes the chosen one. Drop-down list:
    // the line with that text is chosen (Click); a text that is no line raises "'Text' property is read-only".
    void SetText(std::string value);
    int NewIndex() const { return newIndex; }
    long ItemData(int index) const { return lines.At(index).ItemData; }
    void SetItemData(int index, long value);

    void AddItem(const std::string& item, std::optional<int> index = std::nullopt);
    void RemoveItem(int index);
    // Empties the list and the text.
    void Clear();

    bool Sorted() const { return props.Sorted; }
    void SetSorted(bool value);
    int Style() const { return props.Style; }
    void SetStyle(int value);
    bool Locked() const { return props.Locked; }
    void SetLocked(bool value);
    int MaxLength() const { return props.MaxLength; }
    void SetMaxLength(int value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    Color ForeColor() const { return props.ForeColor; }
    void SetForeColor(Color value);
    const forms::Font& Font() const { return props.Font; }
    void SetFont(const forms::Font& value);

    bool CanHoldFocus() const override { return true; }
    // The user picks a line from the drop-down.
    void UserChoose(int index);
    void UserKeyDown(int KeyCode, int Shift) override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<> Change;
    Event<> DropDown;

private:
    struct Props {
        bool Sorted = false;
        int Style = vbComboDropdown;
        bool Locked = false;
        int MaxLength = 0;
        Color BackColor = vbWindowBackground;
        Color ForeColor = vbWindowText;
        forms::Font Font;
    };
    bool IsEditable() const { return props.Style != vbComboDropdownList; }
    void ChangeText(std::string value);

    ListLines lines;
    Props props;
    std::string text;
    int listIndex = -1;
    int newIndex = -1;
};

} // namespace forms
