#include "testkit/FixtureRequestCart.h"

#include "chart/ExamLines.h"
#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace testkit::ward_fixture {

void AddCartExamLines(ward::frmFinal& chart) {
    for (const CartLabExam* exam : {&Albumin, &LipidProfile, &Cholesterol, &Triglycerides})
        chart.lstListLaboratory.AddItem(LabLine(*exam));
}

std::string LabLine(const CartLabExam& exam) {
    return ward::examlines::LaboratoryLine(exam.description, exam.section, exam.code);
}

int LineOf(const forms::ListBox& list, const std::string& code) {
    for (int index = 0; index < list.ListCount(); ++index)
        if (vb::Trim(vb::Right(list.List(index), 4)) == code)
            return index;
    return -1;
}

std::string RightsQuery(const std::string& employeeCode) {
    return "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = " + db::SqlQuote(employeeCode);
}
std::string ClearedCheck(const std::string& idNum, const std::string& deptCode) {
    return "STATION..sp_Nurse_Check_ClearedDepartment " + db::SqlQuote(idNum) + "," + db::SqlQuote(deptCode);
}
std::string ExamStatusCheck(const std::string& idNum, const std::string& code, const std::string& deptCode) {
    return "STATION..Nurse_CheckExamStatus " + db::SqlQuote(idNum) + "," + db::SqlQuote(code) + "," +
           db::SqlQuote(deptCode);
}
std::string ExamPostedCheck(const std::string& idNum, const std::string& code, const std::string& deptCode) {
    return "STATION..Nurse_CheckExam_Posted " + db::SqlQuote(idNum) + "," + db::SqlQuote(code) + "," +
           db::SqlQuote(deptCode);
}
std::string ProfileQuery(const std::string& code) { return "STATION..sp_Nurse_Get_ProfileList " + db::SqlQuote(code); }
std::string SpecimenQuery(const std::string& code) {
    return "STATION..sp_Nurse_GetLabExam_Specimen " + db::SqlQuote(code);
}
std::string PriorityQuery(const std::string& code) {
    return "Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, case When "
           "convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' When "
           "convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' END AS 'AFter5' from "
           "BUILD_FILE..tbcoLabExam Where LabexamID =" +
           db::SqlQuote(code);
}
std::string OtherInfoUpdate(const std::string& idNum, const std::string& transplantID, const std::string& dialysisID) {
    return "STATION..sp_Nurse_Update_OtherInfo " + db::SqlQuote(idNum) + "," + db::SqlQuote(transplantID) + "," +
           db::SqlQuote(dialysisID) + ",'I'";
}
std::string ExamAmountQuery(const std::string& deptCode, const std::string& rateLetter, const std::string& code) {
    return "STATION..Nurse_GetExamAmount " + db::SqlQuote(deptCode) + "," + db::SqlQuote(rateLetter) + "," +
           db::SqlQuote(code);
}
std::string InternationalCheck(const std::string& idNum) {
    return "STATION..CheckIfInternational " + db::SqlQuote(idNum);
}

const std::vector<CartAmount>& CartAmounts() {
    static const std::vector<CartAmount> amounts = {
        {"LB", CbcCode, 250},           {"LB", FbsCode, 180.5},         {"LB", Albumin.code, 320},
        {"LB", LipidProfile.code, 900}, {"LB", Cholesterol.code, 150},  {"LB", Triglycerides.code, 160},
        {"XR", ChestPaCode, 450},       {"US", WholeAbdomenCode, 1200},
    };
    return amounts;
}

void DeclareCartPicks(ScriptedServer& server, const std::string& idNum) {
    for (const Employee& employee : Employees())
        server.On(RightsQuery(employee.code))
            .Returns({"EmployeeID", "EmployeeRights"}, {{employee.code, employee.rights}});
    const std::vector<std::string> dateColumns = {"Requestdate"};
    for (const char* dept : {"LB", "XR", "US"})
        server.On(ClearedCheck(idNum, dept)).Returns({"IDNum", "ClearDate"}, {});
    const std::vector<std::string> specimenColumns = {"Code", "Description"};
    const std::vector<std::string> profileColumns = {"ExamID", "ExamName", "ProfileID", "ProfileName"};
    for (const CartAmount& exam : CartAmounts()) {
        server.On(ExamStatusCheck(idNum, exam.code, exam.deptCode)).Returns(dateColumns, {});
        server.On(ExamPostedCheck(idNum, exam.code, exam.deptCode)).Returns({"ProcessDate"}, {});
        server.On(ExamAmountQuery(exam.deptCode, "C", exam.code)).Returns({"Amount"}, {{exam.amount}});
        if (exam.deptCode != "LB")
            continue;
        server.On(PriorityQuery(exam.code)).Returns({"Stat", "DayofWeek", "AFter5"}, {{"", std::int32_t{3}, "F"}});
        if (exam.code == LipidProfile.code)
            server.On(ProfileQuery(exam.code))
                .Returns(
                    profileColumns,
                    {{Cholesterol.code, Cholesterol.description, LipidProfile.code, LipidProfile.description},
                     {Triglycerides.code, Triglycerides.description, LipidProfile.code, LipidProfile.description}});
        else
            server.On(ProfileQuery(exam.code)).Returns(profileColumns, {});
        if (exam.code == CbcCode)
            server.On(SpecimenQuery(exam.code)).Returns(specimenColumns, {{"WB", "WHOLE BLOOD"}});
        else if (exam.code == FbsCode)
            server.On(SpecimenQuery(exam.code)).Returns(specimenColumns, {});
        else if (exam.code == Albumin.code)
            server.On(SpecimenQuery(exam.code)).Returns(specimenColumns, {{"SER", "SERUM"}, {"PLA", "PLASMA"}});
        else
            server.On(SpecimenQuery(exam.code)).Returns(specimenColumns, {{"SER", "SERUM"}});
    }
    server.On(OtherInfoUpdate(idNum, "0", "0")).Affects(1);
}

ward::frmFinal& OpenCartChart(TestApp& test, const SettingChanges& hospitalChanges) {
    AddPeople(test);
    test.app.StationID = StationID;
    test.app.CurRoomClassID = "C";
    ward::frmFinal& chart = OpenChart(test, InPatientIdNum, InPatientHospNum, hospitalChanges);
    AddCartExamLines(chart);
    DeclareCartPicks(test.server);
    return chart;
}

} // namespace testkit::ward_fixture
