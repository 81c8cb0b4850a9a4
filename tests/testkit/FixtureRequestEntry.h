#pragma once

#include "testkit/FixtureRequestCart.h"

#include <string>

// The request dialog on the fixture ward: what the code search finds for each department, how many of each exam may
// be ordered, and the checks of the other departments' exams.
namespace testkit::ward_fixture {

// Other-revenue exams of the imaging and women's sections: the MRI of the brain is priced for every room class, the
// MRI of the knee only for classes A to E.
inline constexpr const char* MriBrainCode = "0601";
inline constexpr const char* MriKneeCode = "0602";
inline constexpr const char* PapSmearCode = "0701";

// The code-search records by list kind and the text the nurse types (the exam's code): the laboratory exams of the
// cart, the chest x-ray, the whole abdomen, the two MRI exams of section "MI" and the pap smear of section "WC".
// The rate of class C is the one the cart's amount look-up gives; the other classes step by 10 from it.
void DeclareCodeSearch(FakeCodeSearch& codeSearch);

// The maximum-quantity look-up of an exam of the laboratory, x-ray or ultrasound catalogue.
std::string MaxQtyQuery(const std::string& deptCode, const std::string& code);
// Every exam may be ordered once, except fasting blood sugar (up to 5) and the whole abdomen (up to 2).
void DeclareMaxQuantities(ScriptedServer& server);

// The chart of the in-patient (room class "C") as OpenCartChart makes it, with the code search, the maximum
// quantities and nothing pending or processed for the MI and WC exams.
ward::frmFinal& OpenRequestEntryChart(TestApp& test, const SettingChanges& hospitalChanges = {});

// The department pickers' exams of the chart's catalogues, one per picker, with their class C amounts.
struct PickerExam {
    std::string deptCode;
    std::string code;
    std::string description;
    double amount;
};
const std::vector<PickerExam>& PickerExams();

// The statements of the other-departments list: the MRI and women's-centre flags and any other department's
// cash-basis check.
std::string MriFlagQuery(const std::string& idNum);
std::string MammoFlagQuery(const std::string& idNum);
std::string OtherDeptCashBasisQuery(const std::string& idNum, const std::string& deptCode);

// Reloads the ward parameters with one more row, whatever was answered before.
void LoadWardParameter(TestApp& test, const std::string& field, const std::string& value);

// No picker department has cleared the admission; nothing of the pickers' exams is pending or processed; each has
// its class C amount.
void DeclarePickerExams(ScriptedServer& server, const std::string& idNum = InPatientIdNum);

} // namespace testkit::ward_fixture
