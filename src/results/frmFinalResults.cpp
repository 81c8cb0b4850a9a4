#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

// The results by department, one page each; the x-ray, ultrasound and CT pages carry their "View" buttons.
void frmFinal::DesignResultsPage() {
    const char* captions[] = {"&X-ray",          "&Ultrasound", "CT-Scan",   "&Laboratory", "Heart Station",
                              "Rehab. Medicine", "Nuclear",     "Pulmonary", "Neurology"};
    tabSSTab2.SetTabs(9);
    tabSSTab2.SetTabsPerRow(9);
    for (int page = 0; page < 9; ++page)
        tabSSTab2.SetTabCaption(page, captions[page]);
    forms::Layout(tabSSTab1, {}, 2).Full(tabSSTab2, tabSSTab1.Height() - tabSSTab1.TabHeight() - 240);
    int page = 0;
    for (auto* buttons : {&cmdResultX, &cmdResultU, &cmdCTExit}) {
        (*buttons).Load(2).SetCaption("View");
        forms::Layout(tabSSTab2, {}, page++).Buttons({&(*buttons)(2)});
    }
}

void frmFinal::LoadXrayResults() {}

void frmFinal::tabSSTab2_Click(int PreviousTab) { (void)PreviousTab; }

} // namespace ward
