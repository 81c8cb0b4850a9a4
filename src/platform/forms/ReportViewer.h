#pragma once

#include "platform/forms/Controls.h"

#include <any>
#include <memory>
#include <string>

namespace forms {

// The control a report viewer window holds: it shows the pages of its report source. The source is any report
// object the report layer hands over; the display asks it for its pages. ViewReport and PrintReport tell the display
// what to do (observers hear "ViewReport" and "PrintReport").
class ReportViewer : public Control {
public:
    ReportViewer(Form& form, std::string name);

    template <class Report> void SetReportSource(std::shared_ptr<Report> report) {
        source = std::move(report);
        hasSource = source.has_value();
        Notify("ReportSource");
    }
    // The source as the type it was set with, or nullptr.
    template <class Report> std::shared_ptr<Report> ReportSource() const {
        const auto* held = std::any_cast<std::shared_ptr<Report>>(&source);
        return held != nullptr ? *held : nullptr;
    }
    bool HasReportSource() const { return hasSource; }

    bool DisplayGroupTree() const { return props.DisplayGroupTree; }
    void SetDisplayGroupTree(bool value);
    bool EnableGroupTree() const { return props.EnableGroupTree; }
    void SetEnableGroupTree(bool value);
    bool EnablePrintButton() const { return props.EnablePrintButton; }
    void SetEnablePrintButton(bool value);
    bool EnableExportButton() const { return props.EnableExportButton; }
    void SetEnableExportButton(bool value);
    bool DisplayToolbar() const { return props.DisplayToolbar; }
    void SetDisplayToolbar(bool value);
    // Percent of the page's size; 1 fits the page's width and 2 the whole page, as the platform's viewer counts.
    int ZoomLevel() const { return props.Zoom; }
    void Zoom(int value);

    // Shows the source's pages; without a source raises "Invalid procedure call or argument".
    void ViewReport();
    void PrintReport();
    int ViewCount() const { return views; }
    int PrintCount() const { return prints; }

    void ResetProperties() override;

private:
    struct Props {
        bool DisplayGroupTree = true;
        bool EnableGroupTree = true;
        bool EnablePrintButton = true;
        bool EnableExportButton = false;
        bool DisplayToolbar = true;
        int Zoom = 100;
    };
    std::any source;
    bool hasSource = false;
    Props props;
    int views = 0;
    int prints = 0;
};

} // namespace forms
