#include "program/AllWindows.h"

#include "assessments/frmAssessmentClinical.h"
#include "assessments/frmCashAssessment.h"
#include "charges/frmCharge.h"
#include "charges/frmChargeSlipVerification.h"
#include "charges/frmRecievable.h"
#include "charges/frmSearchRecievable.h"
#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "chart/frmCheckData.h"
#include "chart/frmFinal.h"
#include "chart/frmScheduleRequestStatus.h"
#include "components/frmLabResultViewer.h"
#include "components/frmPickList.h"
#include "core/App.h"
#include "core/frmCdfViewing.h"
#include "core/frmReport.h"
#include "core/frmReportMedicationsheet.h"
#include "core/frmReportViewer.h"
#include "discharge/frmCancelMaintainedRoom.h"
#include "discharge/frmClaimBillSLip.h"
#include "discharge/frmDCRInstructionMedicationSheet.h"
#include "discharge/frmDischargeComm.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmDoctors.h"
#include "discharge/frmHBPS.h"
#include "discharge/frmMaintainedRoom.h"
#include "discharge/frmPostDiet.h"
#include "discharge/frmProcessNotification.h"
#include "pharmacy/frmAdministeredMeds.h"
#include "pharmacy/frmCSREntry.h"
#include "pharmacy/frmHtWt.h"
#include "pharmacy/frmPHEntry.h"
#include "pharmacy/frmPharmacyRequest.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "requestentry/frmPrintRequestForm.h"
#include "requestentry/frmReprintLabForm.h"
#include "requestentry/frmRTfile.h"
#include "results/frmAutoPrint.h"
#include "requestentry/frmRequest.h"
#include "shell/clsSearcher.h"
#include "shell/frmCF4Entry.h"
#include "shell/frmCMRemarks.h"
#include "shell/frmConfirmAccessCode.h"
#include "shell/frmConnection.h"
#include "shell/frmInfo.h"
#include "shell/frmLogIn.h"
#include "shell/frmMessage.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmSearch.h"
#include "shell/frmSearcher.h"
#include "shell/frmSplash.h"
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
            .Add<frmCheckData>()
            .Add<frmScheduleRequestStatus>()
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
            .Add<frmCMRemarks>()
            .Add<frmSplash>()
            .Add<frmSearch>()
            .Add<frmSearcher>([](frmSearcher& dialog) { SetHospitalLookup(dialog, ""); })
            .Add<frmInfo>()
            .Add<frmDischargeComm>()
            .Add<frmClaimBillSLip>()
            .Add<frmDCRInstructionMedicationSheet>()
            .Add<frmProcessNotification>()
            .Add<frmLogIn>()
            .Add<frmConnection>()
            .Add<frmConfirmAccessCode>()
            .Add<frmCF4Entry>()
            .Add<frmDischargeMenu>()
            .Add<frmHBPS>()
            .Add<frmAudio>()
            .Add<frmCTfile>()
            .Add<frmHeart>()
            .Add<frmNuclear>()
            .Add<frmPTFile>()
            .Add<frmRTfile>()
            .Add<frmNeuRoExams>()
            .Add<frmRemarks>()
            .Add<frmRequest>()
            .Add<frmPTRequestEntry>()
            .Add<frmPrintRequestForm>()
            .Add<frmReprintLabForm>()
            .Add<frmPharmacyRequest>()
            .Add<frmCSREntry>()
            .Add<frmPHEntry>()
            .Add<frmHtWt>()
            .Add<frmAdministeredMeds>()
            .Add<frmPostDiet>()
            .Add<frmDoctors>()
            .Add<frmCharge>()
            .Add<frmChargeSlipVerification>()
            .Add<frmRecievable>()
            .Add<frmSearchRecievable>()
            .Add<frmMaintainedRoom>()
            .Add<frmCancelMaintainedRoom>()
            .Add<frmPSIReading>()
            .Add<frmDoctorsFee>()
            .Add<frmCashAssessment>()
            .Add<frmAssessmentClinical>()
            .Add<frmAutoPrint>()
            .AddMadeFrom<components::frmPickList>([](forms::FormsContext& context) {
                auto list = std::make_shared<components::frmPickList>(context);
                list->Create();
                return list;
            })
            .AddMadeFrom<components::frmLabResultViewer>([](forms::FormsContext& context) {
                auto viewer = std::make_shared<components::frmLabResultViewer>(context);
                viewer->Create();
                return viewer;
            });
        return windows;
    }();
    return catalog;
}

} // namespace ward
