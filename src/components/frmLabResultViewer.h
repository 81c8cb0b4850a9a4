#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/ReportViewer.h"
#include "platform/reports/Page.h"

#include <memory>

namespace components {

// The result viewer's own window: the laid-out results filling it, with the viewer's print button.
class frmLabResultViewer : public forms::Form {
public:
    explicit frmLabResultViewer(forms::FormsContext& context);

    forms::ReportViewer CRViewer1{*this, "CRViewer1"};

    // The pages the next show holds, under this caption.
    void Prepare(const std::string& caption, std::shared_ptr<const reports::Document> pages);

private:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

    std::shared_ptr<const reports::Document> pages;
};

} // namespace components
