#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

namespace ward {

frmFinal::frmFinal(App& app) : Form(app.Forms), app(app) {}

void frmFinal::Design() {
    SetCaption("Clinical Procedures");
    SetInnerSize(13500, 9000);
    lstListLaboratory.SetStyle(forms::vbListBoxCheckbox);
    lstListLaboratory.SetSorted(true);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    lstListLaboratory.SetFont(fixedPitch);
    forms::Layout layout(*this);
    layout.Full(txtId).Full(lstListLaboratory, 2400).Full(mshflexOrders, 3000).Full(mshflexProfileList, 1200);
    mshflexProfileList.SetVisible(false);
    LayOutRequestCart();
    LayOutProfileList();
}

void frmFinal::Form_Initialize() {
    app.SpecimenCode = "0";
    app.TransplantID = "0";
    app.DialysisID = "0";
    app.MsgExamRequestedPrefix = "The same exam had been requested at...";
    app.MsgExamPendingSuffix = "   and it is Pending...";
}

void frmFinal::LayOutRequestCart() {
    forms::MSHFlexGrid& grid = mshflexOrders;
    const int narrow = vb::CLng(grid.Width() / 13.0 + 500);
    grid.Clear();
    grid.SetRedraw(false);
    grid.SetRows(2);
    grid.SetCols(17);
    grid.SetFormatString(" |<DEPT|<CODE|<DESCRIPTION" + vb::Space(38) +
                         "|QTY|<AMOUNT|<SECTION|STAT|<REMARKS|LIST|STRING|INDEX|SPECIMEN|TRANSPLANT|DIALYSIS");
    // The format string names 15 columns; the last two have no heading.
    grid.SetCols(17);
    grid.SetColWidth(0, 1);
    grid.SetColWidth(3, grid.ColWidth(0) + 4000);
    for (int col : {1, 2, 4, 6, 7})
        grid.SetColWidth(col, narrow);
    grid.SetColWidth(5, app.IsShowAmount ? narrow : 0);
    grid.SetColWidth(8, vb::CLng(grid.Width() / 13.0 + 3000));
    for (int col = 9; col <= 16; ++col)
        grid.SetColWidth(col, 0);
    grid.SetRedraw(true);
}

void frmFinal::LayOutProfileList() {
    forms::MSHFlexGrid& grid = mshflexProfileList;
    grid.Clear();
    grid.SetRows(2);
    grid.SetCols(5);
    grid.SetFormatString(" |<ExamID|<ExamName" + vb::Space(25) + "|<ProfileID|<ProfileName" + vb::Space(22));
    const int widths[] = {1, 700, 2000, 700, 2000};
    for (int col = 0; col < 5; ++col)
        grid.SetColWidth(col, widths[col]);
}

} // namespace ward
