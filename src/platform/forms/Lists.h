#pragma once

#include "platform/forms/Controls.h"

#include <memory>
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
        std::string Key; // Text in lower case, by which sorted lists place it
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
    // Changes a line's text; false when it was already that.
    bool SetText(int index, std::string text);
    // A line at the end, whatever the order.
    const Line* Append(std::string text);
    // Where that line is now, or -1.
    int IndexOf(const Line* line) const;
    // The first line whose text equals text (ignoring case), or -1.
    int Find(const std::string& text) const;

private:
    // Each line on its own, so a line inserted into a long sorted list moves pointers, not texts.
    std::vector<std::unique_ptr<Line>> lines;
};

// What list boxes and combo boxes share: the lines with their ItemData, the chosen line (ListIndex, -1 for none),
// sorted insertion, colours and font.
class ListControl : public Control {
public:
    int ListCount() const { return lines.Count(); }
    // Reading past the end gives "".
    std::string List(int index) const { return lines.TextAt(index); }
    void SetList(int index, std::string value);
    int ListIndex() const { return listIndex; }
    // The index of the line added last.
    int NewIndex() const { return newIndex; }
    long ItemData(int index) const { return lines.At(index).ItemData; }
    void SetItemData(int index, long value);

    // Adds a line at index, or where it sorts, or at the end; the chosen line stays chosen.
    void AddItem(const std::string& item, std::optional<int> index = std::nullopt);
    // Adds the lines as AddItem adds them one after another, each at its sorted place in a sorted list, but sorts
    // once, so a long list fills in n log n.
    void AddItems(std::vector<std::string> items);

    // Sorting takes effect on the lines already there too.
    bool Sorted() const { return look.Sorted; }
    void SetSorted(bool value);
    Color BackColor() const { return look.BackColor; }
    void SetBackColor(Color value);
    Color ForeColor() const { return look.ForeColor; }
    void SetForeColor(Color value);
    const forms::Font& Font() const { return look.Font; }
    void SetFont(const forms::Font& value);

    bool CanHoldFocus() const override { return true; }
    void ResetProperties() override;

protected:
    ListControl(Form& form, std::string name, ControlKind kind);
    // Takes a line out; true when it was the chosen one, which leaves no line chosen.
    bool RemoveLine(int index);
    void ClearLines();

    ListLines lines;
    int listIndex = -1;

private:
    struct Look {
        bool Sorted = false;
        Color BackColor = vbWindowBackground;
        Color ForeColor = vbWindowText;
        forms::Font Font;
    };
    Look look;
    int newIndex = -1;
};

// A list of lines: plain (one line chosen), multi-select, or with a check box on each line, where Selected is the
// tick. Choosing a line by code (ListIndex) raises Click as the user's choice does; changing a tick raises ItemCheck
// and then Click.
class ListBox : public ListControl {
public:
    ListBox(Form& form, std::string name);

    // Setting it raises Click.
    void SetListIndex(int value);
    // The chosen line's text, or "".
    std::string Text() const { return lines.TextAt(listIndex); }
    bool Selected(int index) const { return lines.At(index).Selected; }
    void SetSelected(int index, bool value);
    int SelCount() const;
    int TopIndex() const { return topIndex; }
    void SetTopIndex(int value);
    void RemoveItem(int index);
    void Clear();

    int Style() const { return props.Style; }
    void SetStyle(int value);
    int MultiSelect() const { return props.MultiSelect; }
    void SetMultiSelect(int value);

    // The user clicks a line: it becomes the chosen one; in a check-box list its tick turns over, in a simple
    // multi-select list its selection does, in an extended one it becomes the only line selected. Click follows.
    void UserClickLine(int index);
    void UserKeyDown(int KeyCode, int Shift) override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<int> ItemCheck;

private:
    struct Props {
        int Style = vbListBoxStandard;
        int MultiSelect = vbMultiSelectNone;
    };
    bool IsChecklist() const { return props.Style == vbListBoxCheckbox; }
    bool IsSingleChoice() const { return props.MultiSelect == vbMultiSelectNone && !IsChecklist(); }
    bool ChangeTick(int index, bool value);

    Props props;
    int topIndex = 0;
};

// A text box with a list of lines: editable (Text is free, Change on each change) or a drop-down list (Text is
// always one of the lines). Choosing a line by code (ListIndex) raises Click as the user's choice does.
class ComboBox : public ListControl {
public:
    ComboBox(Form& form, std::string name);

    // The text follows the chosen line; Click, no Change.
    void SetListIndex(int value);
    const std::string& Text() const { return text; }
    // Editable: the text changes (Change) and the line it names, if any, becomes the chosen one. Drop-down list:
    // the line with that text is chosen (Click); a text that is no line raises "'Text' property is read-only".
    void SetText(std::string value);
    void RemoveItem(int index);
    // Empties the list and the text.
    void Clear();

    int Style() const { return props.Style; }
    void SetStyle(int value);
    bool Locked() const { return props.Locked; }
    void SetLocked(bool value);
    int MaxLength() const { return props.MaxLength; }
    void SetMaxLength(int value);

    // The user picks a line from the drop-down.
    void UserChoose(int index);
    void UserKeyDown(int KeyCode, int Shift) override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<> Change;
    Event<> DropDown;

private:
    struct Props {
        int Style = vbComboDropdown;
        bool Locked = false;
        int MaxLength = 0;
    };
    bool IsEditable() const { return props.Style != vbComboDropdownList; }
    void ChangeText(std::string value);

    Props props;
    std::string text;
};

} // namespace forms
