#include "platform/forms/Lists.h"

#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

namespace {

[[noreturn]] void RaiseInvalidArrayIndex() { throw vb::VbError(381, "Invalid property array index"); }
[[noreturn]] void RaiseInvalidValue() { throw vb::VbError(380, "Invalid property value"); }

} // namespace

// ListLines

int ListLines::Insert(const std::string& text, std::optional<int> index, bool sorted) {
    int at = Count();
    if (index) {
        if (*index < 0 || *index > Count())
            vb::RaiseInvalidProcedureCall();
        at = *index;
    } else if (sorted) {
        const std::string key = vb::LCase(text);
        auto place = std::upper_bound(lines.begin(), lines.end(), key,
                                      [](const std::string& k, const auto& line) { return k < line->Key; });
        at = static_cast<int>(place - lines.begin());
    }
    lines.insert(lines.begin() + at, std::make_unique<Line>(Line{text, 0, false, vb::LCase(text)}));
    return at;
}

bool ListLines::SetText(int index, std::string text) {
    Line& line = At(index);
    if (line.Text == text)
        return false;
    line.Key = vb::LCase(text);
    line.Text = std::move(text);
    return true;
}

const ListLines::Line* ListLines::Append(std::string text) {
    std::string key = vb::LCase(text);
    lines.push_back(std::make_unique<Line>(Line{std::move(text), 0, false, std::move(key)}));
    return lines.back().get();
}

int ListLines::IndexOf(const Line* line) const {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].get() == line)
            return static_cast<int>(i);
    return -1;
}

void ListLines::Remove(int index) {
    if (index < 0 || index >= Count())
        vb::RaiseInvalidProcedureCall();
    lines.erase(lines.begin() + index);
}

void ListLines::Sort() {
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a->Key < b->Key; });
}

std::string ListLines::TextAt(int index) const {
    if (index < -1)
        RaiseInvalidArrayIndex();
    if (index == -1 || index >= Count())
        return {};
    return lines[static_cast<std::size_t>(index)]->Text;
}

ListLines::Line& ListLines::At(int index) {
    if (index < 0 || index >= Count())
        RaiseInvalidArrayIndex();
    return *lines[static_cast<std::size_t>(index)];
}

const ListLines::Line& ListLines::At(int index) const {
    if (index < 0 || index >= Count())
        RaiseInvalidArrayIndex();
    return *lines[static_cast<std::size_t>(index)];
}

int ListLines::Find(const std::string& text) const {
    std::string key = vb::LCase(text);
    for (int i = 0; i < Count(); ++i)
        if (lines[static_cast<std::size_t>(i)]->Key == key)
            return i;
    return -1;
}

// ListControl

ListControl::ListControl(Form& form, std::string name, ControlKind kind) : Control(form, std::move(name), kind) {}

void ListControl::SetList(int index, std::string value) {
    if (lines.SetText(index, std::move(value)))
        Notify("List");
}

void ListControl::SetItemData(int index, long value) { Update(lines.At(index).ItemData, value, "ItemData"); }

void ListControl::AddItem(const std::string& item, std::optional<int> index) {
    int at = lines.Insert(item, index, look.Sorted);
    newIndex = at;
    if (listIndex >= at)
        ++listIndex;
    Notify("List");
}

void ListControl::AddItems(std::vector<std::string> items) {
    if (items.empty())
        return;
    const ListLines::Line* chosen = listIndex >= 0 ? &lines.At(listIndex) : nullptr;
    const ListLines::Line* last = nullptr;
    for (std::string& item : items)
        last = lines.Append(std::move(item));
    // A stable sort keeps equal lines in the order they came, where one AddItem after another puts them.
    if (look.Sorted)
        lines.Sort();
    newIndex = lines.IndexOf(last);
    if (chosen)
        listIndex = lines.IndexOf(chosen);
    Notify("List");
}

bool ListControl::RemoveLine(int index) {
    lines.Remove(index);
    bool wasChosen = listIndex == index;
    if (wasChosen) {
        listIndex = -1;
        Notify("ListIndex");
    } else if (listIndex > index) {
        --listIndex;
    }
    Notify("List");
    return wasChosen;
}

void ListControl::ClearLines() {
    lines.Clear();
    listIndex = -1;
    newIndex = -1;
    Notify("List");
    Notify("ListIndex");
}

void ListControl::SetSorted(bool value) {
    if (!Update(look.Sorted, value, "Sorted") || !value)
        return;
    std::string chosen = lines.TextAt(listIndex);
    lines.Sort();
    if (listIndex >= 0)
        listIndex = lines.Find(chosen);
    Notify("List");
}

void ListControl::SetBackColor(Color value) { Update(look.BackColor, value, "BackColor"); }
void ListControl::SetForeColor(Color value) { Update(look.ForeColor, value, "ForeColor"); }
void ListControl::SetFont(const forms::Font& value) { Update(look.Font, value, "Font"); }

void ListControl::ResetProperties() {
    lines.Clear();
    listIndex = -1;
    newIndex = -1;
    look = Look{};
    Control::ResetProperties();
}

// ListBox

ListBox::ListBox(Form& form, std::string name) : ListControl(form, std::move(name), ControlKind::ListBox) {}

void ListBox::SetListIndex(int value) {
    if (value < -1 || value >= ListCount())
        RaiseInvalidValue();
    if (value == listIndex)
        return;
    listIndex = value;
    // A single-choice list selects exactly the chosen line.
    if (IsSingleChoice())
        for (int i = 0; i < ListCount(); ++i)
            lines.At(i).Selected = i == value;
    Notify("ListIndex");
    Raise(Click);
}

bool ListBox::ChangeTick(int index, bool value) {
    if (!Update(lines.At(index).Selected, value, "Selected"))
        return false;
    if (IsChecklist())
        Raise(ItemCheck, index);
    return true;
}

void ListBox::SetSelected(int index, bool value) {
    (void)lines.At(index);
    if (IsSingleChoice()) {
        if (value)
            SetListIndex(index);
        else if (index == listIndex)
            SetListIndex(-1);
        return;
    }
    if (ChangeTick(index, value))
        Raise(Click);
}

int ListBox::SelCount() const {
    int count = 0;
    for (int i = 0; i < ListCount(); ++i)
        count += lines.At(i).Selected ? 1 : 0;
    return count;
}

void ListBox::SetTopIndex(int value) {
    if (value < 0 || (value >= ListCount() && ListCount() > 0))
        RaiseInvalidValue();
    Update(topIndex, value, "TopIndex");
}

void ListBox::RemoveItem(int index) {
    RemoveLine(index);
    Update(topIndex, std::clamp(topIndex, 0, std::max(0, ListCount() - 1)), "TopIndex");
}

void ListBox::Clear() {
    ClearLines();
    Update(topIndex, 0, "TopIndex");
}

void ListBox::SetStyle(int value) {
    if (value != vbListBoxStandard && value != vbListBoxCheckbox)
        RaiseInvalidValue();
    Update(props.Style, value, "Style");
}

void ListBox::SetMultiSelect(int value) {
    if (value < vbMultiSelectNone || value > vbMultiSelectExtended)
        RaiseInvalidValue();
    Update(props.MultiSelect, value, "MultiSelect");
}

void ListBox::UserClickLine(int index) {
    (void)lines.At(index);
    if (IsSingleChoice()) {
        if (index == listIndex)
            Raise(Click);
        else
            SetListIndex(index);
        return;
    }
    // The caret moves to the line without a Click of its own; the one Click follows the tick.
    Update(listIndex, index, "ListIndex");
    if (props.MultiSelect == vbMultiSelectExtended && !IsChecklist()) {
        // A plain click in an extended list selects that line alone.
        for (int other = 0; other < ListCount(); ++other)
            Update(lines.At(other).Selected, other == index, "Selected");
    } else {
        ChangeTick(index, !lines.At(index).Selected);
    }
    Raise(Click);
}

void ListBox::UserKeyDown(int KeyCode, int Shift) {
    (void)Shift;
    if (ListCount() == 0)
        return;
    int index = listIndex;
    if (KeyCode == vbKeyUp)
        index = std::max(0, index - 1);
    else if (KeyCode == vbKeyDown)
        index = std::min(ListCount() - 1, index + 1);
    else if (KeyCode == vbKeyHome)
        index = 0;
    else if (KeyCode == vbKeyEnd)
        index = ListCount() - 1;
    else
        return;
    if (IsSingleChoice())
        SetListIndex(index);
    else if (Update(listIndex, index, "ListIndex"))
        Raise(Click);
}

void ListBox::UserKeyPress(int KeyAscii) {
    if (KeyAscii == vbKeySpace && listIndex >= 0 && !IsSingleChoice())
        UserClickLine(listIndex);
}

void ListBox::ResetProperties() {
    props = Props{};
    topIndex = 0;
    ListControl::ResetProperties();
}

// ComboBox

ComboBox::ComboBox(Form& form, std::string name) : ListControl(form, std::move(name), ControlKind::ComboBox) {}

void ComboBox::ChangeText(std::string value) {
    if (Update(text, std::move(value), "Text"))
        Raise(Change);
}

void ComboBox::SetListIndex(int value) {
    if (value < -1 || value >= ListCount())
        RaiseInvalidValue();
    if (value == listIndex)
        return;
    listIndex = value;
    Notify("ListIndex");
    // The text follows the chosen line without a Change: the platform raises only Click for a choice.
    Update(text, lines.TextAt(value), "Text");
    Raise(Click);
}

void ComboBox::SetText(std::string value) {
    if (!IsEditable()) {
        int found = lines.Find(value);
        if (found < 0)
            throw vb::VbError(383, "'Text' property is read-only");
        SetListIndex(found);
        return;
    }
    Update(listIndex, lines.Find(value), "ListIndex");
    ChangeText(std::move(value));
}

void ComboBox::RemoveItem(int index) {
    if (RemoveLine(index) && !IsEditable())
        Update(text, std::string(), "Text");
}

void ComboBox::Clear() {
    ClearLines();
    ChangeText("");
}

void ComboBox::SetStyle(int value) {
    if (value < vbComboDropdown || value > vbComboDropdownList)
        RaiseInvalidValue();
    Update(props.Style, value, "Style");
}

void ComboBox::SetLocked(bool value) { Update(props.Locked, value, "Locked"); }
void ComboBox::SetMaxLength(int value) { Update(props.MaxLength, value, "MaxLength"); }

void ComboBox::UserChoose(int index) {
    (void)lines.At(index);
    if (props.Locked)
        return;
    Raise(DropDown);
    if (index == listIndex)
        Raise(Click);
    else
        SetListIndex(index);
}

void ComboBox::UserKeyDown(int KeyCode, int Shift) {
    (void)Shift;
    if (props.Locked || ListCount() == 0)
        return;
    if (KeyCode == vbKeyUp && listIndex > 0)
        SetListIndex(listIndex - 1);
    else if (KeyCode == vbKeyDown && listIndex < ListCount() - 1)
        SetListIndex(listIndex + 1);
}

void ComboBox::UserKeyPress(int KeyAscii) {
    if (props.Locked)
        return;
    if (!IsEditable()) {
        // A drop-down list jumps to the next line that starts with the typed letter.
        std::string typed = vb::LCase(std::string(1, static_cast<char>(KeyAscii)));
        for (int step = 1; step <= ListCount(); ++step) {
            int index = (listIndex + step) % ListCount();
            if (vb::LCase(lines.TextAt(index).substr(0, 1)) == typed) {
                SetListIndex(index);
                return;
            }
        }
        return;
    }
    std::string value = text;
    if (KeyAscii == vbKeyBack) {
        if (!value.empty())
            value.pop_back();
    } else if (KeyAscii >= 32 && KeyAscii <= 255) {
        if (props.MaxLength > 0 && static_cast<int>(value.size()) >= props.MaxLength)
            return;
        value += static_cast<char>(KeyAscii);
    } else {
        return;
    }
    Update(listIndex, lines.Find(value), "ListIndex");
    ChangeText(std::move(value));
}

void ComboBox::ResetProperties() {
    props = Props{};
    text.clear();
    ListControl::ResetProperties();
}

} // namespace forms
