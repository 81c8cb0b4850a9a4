#include "program/AllWindows.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/frmCdfViewing.h"
#include "core/frmReport.h"
#include "core/frmReportMedicationsheet.h"
#include "core/frmReportViewer.h"
#include "shell/frmCMRemarks.h"
#include "shell/frmMessage.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/frmUser.h"
#include "shell/frmUserRights.h"
#include "shell/mdiOrMenu.h"

namespace ward {

const forms::WindowCatalog<App>& AllWindows() {
    static const forms::WindowCatalog<App> catalog = [] {
        forms::WindowCatalog<App> windows;
        windows.Add<mdiOrMenu>()
            .Add<frmFinal>()
            .Add<frmCdfViewing>()
            .Add<frmReport>()
            .Add<frmReportViewer>()
            .Add<frmReportMedicationsheet>()
            .Add<frmMessage>()
            .Add<frmUserRights>()
            .Add<frmTransaction_UserValidation>()
            .Add<frmSupervisorAccessCode>()
            .Add<frmRequestingDoctor>()
            .Add<frmUser>()
            .Add<frmCMRemarks>();
        return windows;
    }();
    return catalog;
}

} // namespace ward
