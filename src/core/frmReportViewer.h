#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/ReportViewer.h"

#include <exception>

namespace ward {

class App;

// A window that holds one report viewer filling it and shows CurrentReport in it. Each ShowReport builds a new
// one, sets ShowGroupTree and the title, shows it modally and lets it go when it has closed; closing it releases
// CurrentReport. The viewer's source is the report's pages as the engine laid them out when the window loaded.
class ReportViewerWindow : public forms::Form {
public:
    // Whether the viewer shows its group tree, and lets the nurse use it.
    bool ShowGroupTree = false;

    forms::ReportViewer CRViewer1{*this, "CRViewer1"};

    // The error that kept the report from being laid out when the window loaded (the window unloaded itself), for
    // ShowReport to hand to its caller.
    std::exception_ptr LoadError() const { return loadError; }

protected:
    ReportViewerWindow(App& app, int zoom);

    virtual bool PrintButtonEnabled() const = 0;
    // Makes the viewer fill the window's inner area.
    void FillWindow();

    App& app;

private:
    void Design() override;
    void Form_Load() override;

    int zoom;
    std::exception_ptr loadError;
};

// The viewer of most reports: zoom 125 percent, the print button enabled only when AllowReportPrint is True, which
// it sets back to True when it closes, so a right withheld for one result report is not withheld from the next.
class frmReportViewer : public ReportViewerWindow {
public:
    explicit frmReportViewer(App& app);

private:
    bool PrintButtonEnabled() const override;
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;
};

} // namespace ward
