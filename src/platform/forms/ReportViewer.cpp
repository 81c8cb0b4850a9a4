#include "platform/forms/ReportViewer.h"

#include "platform/vb/VbError.h"

namespace forms {

ReportViewer::ReportViewer(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ReportViewer) {}

void ReportViewer::SetDisplayGroupTree(bool value) { Update(props.DisplayGroupTree, value, "DisplayGroupTree"); }
void ReportViewer::SetEnableGroupTree(bool value) { Update(props.EnableGroupTree, value, "EnableGroupTree"); }
void ReportViewer::SetEnablePrintButton(bool value) { Update(props.EnablePrintButton, value, "EnablePrintButton"); }
void ReportViewer::SetEnableExportButton(bool value) { Update(props.EnableExportButton, value, "EnableExportButton"); }
void ReportViewer::SetDisplayToolbar(bool value) { Update(props.DisplayToolbar, value, "DisplayToolbar"); }

void ReportViewer::Zoom(int value) {
    if (value < 1 || value > 400)
        throw vb::VbError(380, "Invalid property value");
    Update(props.Zoom, value, "Zoom");
}

void ReportViewer::ViewReport() {
    if (!hasSource)
        vb::RaiseInvalidProcedureCall();
    ++views;
    Notify("ViewReport");
}

void ReportViewer::PrintReport() {
    if (!hasSource)
        vb::RaiseInvalidProcedureCall();
    ++prints;
    Notify("PrintReport");
}

void ReportViewer::ResetProperties() {
    source.reset();
    hasSource = false;
    props = Props{};
    views = 0;
    prints = 0;
    Control::ResetProperties();
}

} // namespace forms
