#include "chart/frmFinal.h"
#include "platform/forms/LayoutCheck.h"
#include "program/AllWindows.h"
#include "testkit/FixtureCharge.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureORSchedule.h"
#include "testkit/FixturePatientList.h"
#include "testkit/FixtureReceivable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// Each window is loaded at its design size in a fresh application; no two visible controls of one container overlap.
TEST(AllWindows, NoTwoVisibleControlsOfOneContainerOverlap) {
    for (const auto& entry : ward::AllWindows().Entries()) {
        SCOPED_TRACE(entry.Name);
        testkit::TestApp test;
        testkit::ward_fixture::PrepareStartUp(test); // the main window's loading is the start-up
        // The lists three pickers fill as they load.
        test.server.On("Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'")
            .Returns({"Description", "ItemID"}, {{"Request Exams", "1"}});
        test.server.On("STATION..sp_Nurse_Get_CMRemarks 11").Returns({"ID", "Remarks"}, {{"01", "WRONG ITEM"}});
        // The chart's set-up, and its caption for nobody's admission.
        testkit::ward_fixture::DeclareChartSetUp(test.server);
        test.server.On(testkit::ward_fixture::AdmissionPackageQuery("")).Returns({"Package"}, {});
        // The receivable window's charging codes.
        testkit::ward_fixture::DeclareChargingCodes(test.server);
        // The patient list's first search.
        test.server.On(testkit::ward_fixture::PatientListQuery())
            .Returns(testkit::ward_fixture::PatientListColumns(), {testkit::ward_fixture::InPatientListRow()});
        test.server
            .On("SELECT HospitalName,HospitalID FROM BUILD_FILE..tbcoHospital WHERE HospitalName like '' + '%' "
                "ORDER BY HospitalName")
            .Returns({"HospitalName", "HospitalID"}, {{"MAKATI MEDICAL CENTER", "H0002"}});
        // The station's operating-room requests, which their list shows as it loads.
        test.server.On(testkit::ward_fixture::RequestListQuery())
            .Returns(testkit::ward_fixture::RequestColumns, testkit::ward_fixture::RequestRows());
        // The doctor's fees of nobody, which the fee picker lists as it loads.
        test.server
            .On("Select Description,Amount from BUILD_FILE..tbCoDoctorBill Where DoctorID ='' and Status = 1 and "
                "Amount >0 Order By Description")
            .Returns({"Description", "Amount"}, {});
        // The rehabilitation entry's requests of nobody's admission.
        test.server.On("STATION..LoadPTRequests ''").Returns({"Remarks"}, {});
        // The laboratory exams posted for the chart's admission, which the reprint list shows as it loads.
        test.server.OnPattern("STATION..sp_Nurse_Get_LaboratoryExamPosted '{?}','{?}','','0'").Returns({"CODE"}, {});
        // The charge window's CDF check of nobody's admission.
        testkit::ward_fixture::DeclareNoCdf(test.server, "", "");
        // A verified result of each department, or the list of verified results closes as it loads.
        test.server.OnPattern("Station..sp_Nurse_Get_LabAutoPrint '{?}'")
            .Returns({"Patient Name", "Examination", "Result Date", "Charge Slip", "Request No.", "Adm. No."},
                     {{"CRUZ, ANA", "CBC", "12/10/2026 02:05:07 PM", "CS-1", "L-1", "2026001234"}});
        for (const char* kind : {"1", "2", "3"})
            test.server.OnPattern(std::string("Station..sp_Nurse_Get_RadiologyAutoPrint '{?}',") + kind)
                .Returns({"Patient Name", "Examination", "Result Date", "Exam Code", "Request No.", "Adm. No."},
                         {{"CRUZ, ANA", "CHEST PA", "12/10/2026 02:05:07 PM", "X1", "R-1", "2026001234"}});
        // The chart's admission, which the windows that edit it validate as they load.
        testkit::ward_fixture::AddPeople(test);
        test.app.Forms.Instance<ward::frmFinal>().txtId.SetText(testkit::ward_fixture::InPatientIdNum);
        forms::Form& window = entry.Load(test.app);
        EXPECT_THAT(forms::FindOverlaps(window), testing::IsEmpty());
    }
}

} // namespace
