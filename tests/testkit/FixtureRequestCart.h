#pragma once

#include "testkit/FixtureChart.h"

#include "platform/forms/Lists.h"

#include <string>
#include <vector>

// The chart's request cart on the fixture ward: laboratory exams beside the chart's own catalogue, and the answers
// of the server to a pick from the quick lists.
namespace testkit::ward_fixture {

struct CartLabExam {
    std::string code;
    std::string description;
    std::string section;
};
// Albumin shares its code with the chest x-ray "12"; the lipid profile stands for cholesterol and triglycerides.
inline const CartLabExam Albumin{"12", "ALBUMIN", "CHE"};
inline const CartLabExam LipidProfile{"500", "LIPID PROFILE", "CHE"};
inline const CartLabExam Cholesterol{"510", "CHOLESTEROL", "CHE"};
inline const CartLabExam Triglycerides{"520", "TRIGLYCERIDES", "CHE"};
// The chart's own quick-list exams: CBC "101" (one specimen), fasting blood sugar "1024" (none), chest PA "12" and
// whole abdomen "210". Albumin takes one of two specimens.
inline constexpr const char* CbcCode = "101";
inline constexpr const char* FbsCode = "1024";
inline constexpr const char* ChestPaCode = "12";
inline constexpr const char* WholeAbdomenCode = "210";

// Adds the laboratory exams above to the chart's laboratory list, as the catalogue would list them.
void AddCartExamLines(ward::frmFinal& chart);
std::string LabLine(const CartLabExam& exam);
// The index of the line whose code field is code, or -1.
int LineOf(const forms::ListBox& list, const std::string& code);

// The statements a pick sends.
std::string RightsQuery(const std::string& employeeCode);
std::string ClearedCheck(const std::string& idNum, const std::string& deptCode);
std::string ExamStatusCheck(const std::string& idNum, const std::string& code, const std::string& deptCode);
std::string ExamPostedCheck(const std::string& idNum, const std::string& code, const std::string& deptCode);
std::string ProfileQuery(const std::string& code);
std::string SpecimenQuery(const std::string& code);
std::string PriorityQuery(const std::string& code);
std::string OtherInfoUpdate(const std::string& idNum, const std::string& transplantID, const std::string& dialysisID);
std::string ExamAmountQuery(const std::string& deptCode, const std::string& rateLetter, const std::string& code);
std::string InternationalCheck(const std::string& idNum);

// Each exam's amount at the in-patient's room class "C".
struct CartAmount {
    std::string deptCode;
    std::string code;
    double amount;
};
const std::vector<CartAmount>& CartAmounts();

// Nothing stands in the way of a pick on the admission: the nurse holds every right, no department has cleared it,
// nothing is pending or processed today. The specimens, priority rules, profiles and class C amounts above, and the
// transplant and dialysis save of the remarks dialog.
void DeclareCartPicks(ScriptedServer& server, const std::string& idNum = InPatientIdNum);

// The chart of the in-patient (room class "C") with the cart's exams in its laboratory list and DeclareCartPicks.
ward::frmFinal& OpenCartChart(TestApp& test, const SettingChanges& hospitalChanges = {});

} // namespace testkit::ward_fixture
