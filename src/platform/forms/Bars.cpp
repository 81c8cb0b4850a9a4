#include "platform/forms/Bars.h"

#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

namespace {

[[noreturn]] void RaiseInvalidValue() { throw vb::VbError(380, "Invalid property value"); }

} // namespace

[[noreturn]] void RaiseIndexOutOfBounds() { throw vb::VbError(35600, "Index out of bounds"); }

// ProgressBar

ProgressBar::ProgressBar(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ProgressBar) {}

void ProgressBar::SetMin(double value) {
    if (value >= props.Max)
        RaiseInvalidValue();
    Update(props.Min, value, "Min");
    Update(props.Value, std::max(props.Value, value), "Value");
}

void ProgressBar::SetMax(double value) {
    if (value <= props.Min)
        RaiseInvalidValue();
    Update(props.Max, value, "Max");
    Update(props.Value, std::min(props.Value, value), "Value");
}

void ProgressBar::SetValue(double value) {
    if (value < props.Min || value > props.Max)
        RaiseInvalidValue();
    Update(props.Value, value, "Value");
}

void ProgressBar::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Panel

Panel::Panel(StatusBar& bar, std::string key, std::string text, int style) : bar(bar) {
    props.Key = std::move(key);
    props.Text = std::move(text);
    props.Style = style;
}

template <class V> void Panel::Change(V& field, V value) {
    if (field == value)
        return;
    field = std::move(value);
    bar.PanelChanged();
}

void Panel::SetText(std::string value) { Change(props.Text, std::move(value)); }
void Panel::SetToolTipText(std::string value) { Change(props.ToolTipText, std::move(value)); }
void Panel::SetStyle(int value) {
    if (value < sbrText || value > sbrDate)
        RaiseInvalidValue();
    Change(props.Style, value);
}
void Panel::SetWidth(int value) {
    if (value < 0)
        RaiseInvalidValue();
    Change(props.Width, value);
}
void Panel::SetVisible(bool value) { Change(props.Visible, value); }

// StatusBar

StatusBar::StatusBar(Form& form, std::string name) : Control(form, std::move(name), ControlKind::StatusBar) {}

Panel& StatusBar::Panels(int index) const {
    if (index < 1 || index > PanelCount())
        RaiseIndexOutOfBounds();
    return *panels[static_cast<std::size_t>(index - 1)];
}

Panel& StatusBar::Panels(const std::string& key) const {
    for (const auto& panel : panels)
        if (!key.empty() && panel->Key() == key)
            return *panel;
    throw vb::VbError(35601, "Element not found");
}

Panel& StatusBar::AddPanel(int index, const std::string& key, const std::string& text, int style) {
    if (index < 0 || index > PanelCount() + 1)
        RaiseIndexOutOfBounds();
    if (!key.empty())
        for (const auto& panel : panels)
            if (panel->Key() == key)
                throw vb::VbError(35602, "Key is not unique in collection");
    std::size_t at = index == 0 ? panels.size() : static_cast<std::size_t>(index - 1);
    auto added = std::make_unique<Panel>(*this, key, text, style);
    Panel& result = *added;
    panels.insert(panels.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    Notify("Panels");
    return result;
}

void StatusBar::RemovePanel(int index) {
    if (index < 1 || index > PanelCount())
        RaiseIndexOutOfBounds();
    panels.erase(panels.begin() + index - 1);
    Notify("Panels");
}

void StatusBar::ClearPanels() {
    panels.clear();
    Notify("Panels");
}

void StatusBar::SetStyle(int value) { Update(props.Style, value, "Style"); }
void StatusBar::SetSimpleText(std::string value) { Update(props.SimpleText, std::move(value), "SimpleText"); }

void StatusBar::ResetProperties() {
    panels.clear();
    props = Props{};
    Control::ResetProperties();
}

} // namespace forms
