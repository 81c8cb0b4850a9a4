#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

namespace {

void UseFixedPitch(forms::ListBox& list) {
    list.SetStyle(forms::vbListBoxCheckbox);
    list.SetSorted(true);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    list.SetFont(fixedPitch);
}

} // namespace

// The quick lists with their search buttons, the request cart beside the report list, the hidden profile grid.
void frmFinal::DesignSendRequestsPage() {
    for (forms::ListBox* list : {&lstListLaboratory, &lstListXray, &lstListUltra, &lstListOthers})
        UseFixedPitch(*list);
    cmdLabMore.SetCaption("Search Laboratory Exams");
    cmdXrayMore.SetCaption("Search Xray Exams");
    cmdUltraMore.SetCaption("Search Ultrasound Exams");
    forms::Layout page(tabSSTab1, {}, 0);
    page.Row({{&lstListLaboratory}, {&lstListXray}, {&lstListUltra}, {&lstListOthers}}, 2700)
        .Row({{&cmdLabMore}, {&cmdXrayMore}, {&cmdUltraMore}}, 375);
    // The cart and the report list take the rest of the page; the profile grid is never shown.
    const int rest = tabSSTab1.Height() - page.Top() - 2 * 120;
    page.Row({{&mshflexOrders}, {&mshflexReports, 5400}}, rest);
    mshflexProfileList.SetContainer(&tabSSTab1, 0);
    mshflexProfileList.Move(mshflexOrders.Left(), mshflexOrders.Top(), mshflexOrders.Width(), 900);
    mshflexProfileList.SetVisible(false);
}

// The nurse's requests: processed, pending, and exams with results.
void frmFinal::DesignRequestListsPage() {
    const char* captions[] = {"Processed Requests", "Pending Requests", "Exams with Results"};
    forms::Layout layout(tabSSTab1, {}, 1);
    for (int i = 0; i < 3; ++i) {
        lblProcessed.Load(i).SetCaption(captions[i]);
        layout.Full(lblProcessed(i)).Full(mshflexProcessed.Load(i), 1900);
    }
}

void frmFinal::Get_CanPenProc() {}

void frmFinal::cmdSave_Click() {}

} // namespace ward
