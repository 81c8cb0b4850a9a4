#pragma once

#include "platform/db/Recordset.h"
#include "platform/forms/Bars.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/Tabs.h"

#include <string>

namespace ward {

class App;

// The station's results verified by the laboratory and radiology and not printed yet, one tab per department. The
// nurse prints the selected row or every row of a tab; each printed result is marked on the server and leaves its
// list. When nothing is left to print the window says so and closes, also while it loads.
class frmAutoPrint : public forms::Form {
public:
    explicit frmAutoPrint(App& app);

    // 0 laboratory, 1 x-ray, 2 CT, 3 ultrasound.
    forms::SSTab tabViewResults{*this, "tabViewResults"};
    // The frames of the lists: 1 laboratory, 0 x-ray, 2 CT, 3 ultrasound.
    forms::ControlArray<forms::Frame> Frame1{*this, "Frame1"};
    forms::MSHFlexGrid grdResults{*this, "grdResults"};
    // 0 x-ray, 1 CT, 2 ultrasound.
    forms::ControlArray<forms::MSHFlexGrid> mshflexRadiology{*this, "mshflexRadiology"};
    forms::Label lblStatus{*this, "lblStatus"};
    forms::Label lblXray{*this, "lblXray"};
    forms::Label lblCT{*this, "lblCT"};
    forms::Label lblUltra{*this, "lblUltra"};
    forms::ProgressBar pbarPrint{*this, "pbarPrint"};
    forms::ProgressBar pbarXray{*this, "pbarXray"};
    forms::ProgressBar pbarCT{*this, "pbarCT"};
    forms::ProgressBar pbarUltra{*this, "pbarUltra"};
    forms::CommandButton cmdAll{*this, "cmdAll"};
    forms::CommandButton cmdPrint{*this, "cmdPrint"};
    forms::CommandButton cmdClose{*this, "cmdClose"};
    forms::CommandButton cmdXrayPrintAll{*this, "cmdXrayPrintAll"};
    forms::CommandButton cmdPrintTag{*this, "cmdPrintTag"};
    forms::CommandButton cmdXrayExit{*this, "cmdXrayExit"};
    forms::CommandButton cmdPrintAllCT{*this, "cmdPrintAllCT"};
    forms::CommandButton cmdPrintCT{*this, "cmdPrintCT"};
    forms::CommandButton cmdCTExit{*this, "cmdCTExit"};
    forms::CommandButton cmdPrintAllUltra{*this, "cmdPrintAllUltra"};
    forms::CommandButton cmdPrintUltra{*this, "cmdPrintUltra"};
    forms::CommandButton cmdUltraExit{*this, "cmdUltraExit"};

    bool LabListHasRows = false;
    bool XrayListHasRows = false;
    bool CTListHasRows = false;
    bool UltrasoundListHasRows = false;

    void LoadAutoPrintLists();
    void LoadLabList();
    void LoadXrayList();
    void LoadCTList();
    void LoadUltrasoundList();
    void FormatResultGrids();
    void SetResultTabs();
    void PrintLabResult();
    void PrintXrayResult();
    void PrintCTResult();
    void PrintUltrasoundResult();

private:
    // What tells the four tabs apart.
    struct ResultTab {
        int tab;
        forms::MSHFlexGrid& grid;
        forms::Label& status;
        forms::ProgressBar& bar;
        forms::CommandButton& printAll;
        forms::CommandButton& printTagged;
        forms::CommandButton& close;
        int frame;
        void (frmAutoPrint::*print)();
        void (frmAutoPrint::*reloadAfterTagged)();
        const char* progressPrefix;
    };
    ResultTab TabOf(int tab);

    void Design() override;
    void DesignTab(int tab);
    void Form_Load() override;
    void LoadList(const std::string& sql, forms::MSHFlexGrid& grid, int tab, bool& hasRows);
    void RewriteResultDates(forms::MSHFlexGrid& grid, db::Recordset& rs);
    void PrintTagged(int tab);
    void PrintAll(int tab);
    void PrintRadiology(int gridIndex);

    // The one recordset of the list loaders; closed after a full reload.
    db::Recordset ListRecordset;

    App& app;
};

} // namespace ward
