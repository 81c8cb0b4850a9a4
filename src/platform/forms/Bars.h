#pragma once

#include "platform/forms/Controls.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

// The error of the common controls' collections (panels, list items, column headers) for an index they do not have.
[[noreturn]] void RaiseIndexOutOfBounds();

// A bar that fills from Min to Max as Value grows. A value outside the range raises "Invalid property value"; a
// new range keeps the value inside it.
class ProgressBar : public Control {
public:
    ProgressBar(Form& form, std::string name);

    double Min() const { return props.Min; }
    // Min must stay below Max.
    void SetMin(double value);
    double Max() const { return props.Max; }
    void SetMax(double value);
    double Value() const { return props.Value; }
    void SetValue(double value);
    void ResetProperties() override;

private:
    struct Props {
        double Min = 0;
        double Max = 100;
        double Value = 0;
    };
    Props props;
};

// StatusBar panel styles.
inline constexpr int sbrText = 0;
inline constexpr int sbrCaps = 1;
inline constexpr int sbrNum = 2;
inline constexpr int sbrIns = 3;
inline constexpr int sbrScrl = 4;
inline constexpr int sbrTime = 5;
inline constexpr int sbrDate = 6;

class StatusBar;

// One panel of a status bar.
class Panel {
public:
    Panel(StatusBar& bar, std::string key, std::string text, int style);

    const std::string& Key() const { return props.Key; }
    const std::string& Text() const { return props.Text; }
    void SetText(std::string value);
    const std::string& ToolTipText() const { return props.ToolTipText; }
    void SetToolTipText(std::string value);
    int Style() const { return props.Style; }
    void SetStyle(int value);
    int Width() const { return props.Width; }
    void SetWidth(int value);
    bool Visible() const { return props.Visible; }
    void SetVisible(bool value);

private:
    struct Props {
        std::string Key;
        std::string Text;
        std::string ToolTipText;
        int Style = sbrText;
        int Width = 1440;
        bool Visible = true;
    };
    template <class V> void Change(V& field, V value);
    StatusBar& bar;
    Props props;
};

// A bar of panels along the bottom of a window; Panels(index) counts from 1, an index outside raises
// "Index out of bounds". Observers hear "Panels" for any change of a panel.
class StatusBar : public Control {
public:
    StatusBar(Form& form, std::string name);

    int PanelCount() const { return static_cast<int>(panels.size()); }
    Panel& Panels(int index) const;
    Panel& Panels(const std::string& key) const;
    // Adds a panel at index (from 1) or at the end.
    Panel& AddPanel(int index = 0, const std::string& key = "", const std::string& text = "", int style = sbrText);
    void RemovePanel(int index);
    void ClearPanels();
    // 0 panels, 1 one simple text across the bar.
    int Style() const { return props.Style; }
    void SetStyle(int value);
    const std::string& SimpleText() const { return props.SimpleText; }
    void SetSimpleText(std::string value);
    void ResetProperties() override;

private:
    friend class Panel;
    struct Props {
        int Style = 0;
        std::string SimpleText;
    };
    void PanelChanged() { Notify("Panels"); }

    std::vector<std::unique_ptr<Panel>> panels;
    Props props;
};

} // namespace forms
