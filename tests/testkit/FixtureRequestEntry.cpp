#include "testkit/FixtureRequestEntry.h"

#include "platform/db/SqlText.h"

namespace testkit::ward_fixture {

namespace {

// Rates A to H around the class C price; lettersPriced beyond E are left Null.
components::RateInfo Rates(double classC, int lettersPriced = 8) {
    vb::Variant rates[8];
    for (int letter = 0; letter < 8; ++letter)
        rates[letter] = letter < lettersPriced ? vb::Variant(classC + 10.0 * (letter - 2)) : vb::Variant::Null();
    return {rates[0], rates[1], rates[2], rates[3], rates[4], rates[5], rates[6], rates[7]};
}

struct OtherExam {
    std::string section;
    std::string code;
    std::string name;
    double classC;
    int lettersPriced;
};
const std::vector<OtherExam>& OtherExams() {
    static const std::vector<OtherExam> exams = {{"MI", MriBrainCode, "MRI BRAIN PLAIN", 8000, 8},
                                                 {"MI", MriKneeCode, "MRI KNEE", 7000, 5},
                                                 {"WC", PapSmearCode, "PAP SMEAR", 600, 8}};
    return exams;
}

} // namespace

void DeclareCodeSearch(FakeCodeSearch& codeSearch) {
    const std::vector<CartLabExam> labExams = {{CbcCode, "COMPLETE BLOOD COUNT", "HEM"},
                                               {FbsCode, "FASTING BLOOD SUGAR", "CHE"},
                                               Albumin,
                                               LipidProfile,
                                               Cholesterol,
                                               Triglycerides};
    for (const CartAmount& amount : CartAmounts()) {
        const components::RateInfo rates = Rates(amount.amount);
        if (amount.deptCode == "XR") {
            codeSearch.answers[{29, amount.code}] = [rates, code = amount.code](FakeCodeSearch& search) {
                search.xrayExam = {rates, code, "CHEST PA"};
            };
        } else if (amount.deptCode == "US") {
            codeSearch.answers[{27, amount.code}] = [rates, code = amount.code](FakeCodeSearch& search) {
                search.ultrasound = {rates, code, "WHOLE ABDOMEN"};
            };
        } else {
            for (const CartLabExam& exam : labExams)
                if (exam.code == amount.code)
                    codeSearch.answers[{18, exam.code}] = [rates, exam](FakeCodeSearch& search) {
                        search.labExam = {rates, exam.code, exam.description, exam.section};
                    };
        }
    }
    for (const OtherExam& exam : OtherExams())
        codeSearch.answers[{21, exam.code}] = [exam](FakeCodeSearch& search) {
            search.otherRevenue = {Rates(exam.classC, exam.lettersPriced), exam.code, exam.name};
        };
}

std::string MaxQtyQuery(const std::string& deptCode, const std::string& code) {
    const std::string table = deptCode == "LB"   ? "BUILD_FILE..tbCoLabExam Where LabexamID = "
                              : deptCode == "XR" ? "BUILD_FILE..tbCoXrayExam Where XrayexamID = "
                                                 : "BUILD_FILE..tbCoultraExam Where UltraexamID = ";
    return std::string("Select Case ") +
           "           When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then MaxQty " +
           "           Else 1 " + "       End As MaxQty From " + table + db::SqlQuote(code) + ";";
}

void DeclareMaxQuantities(ScriptedServer& server) {
    for (const CartAmount& exam : CartAmounts()) {
        const double most = exam.code == FbsCode ? 5 : exam.code == WholeAbdomenCode ? 2 : 1;
        server.On(MaxQtyQuery(exam.deptCode, exam.code)).Returns({"MaxQty"}, {{most}});
    }
}

ward::frmFinal& OpenRequestEntryChart(TestApp& test, const SettingChanges& hospitalChanges) {
    ward::frmFinal& chart = OpenCartChart(test, hospitalChanges);
    DeclareCodeSearch(test.codeSearch);
    DeclareMaxQuantities(test.server);
    for (const OtherExam& exam : OtherExams()) {
        test.server.On(ExamStatusCheck(InPatientIdNum, exam.code, exam.section)).Returns({"Requestdate"}, {});
        test.server.On(ExamPostedCheck(InPatientIdNum, exam.code, exam.section)).Returns({"ProcessDate"}, {});
    }
    return chart;
}

const std::vector<PickerExam>& PickerExams() {
    static const std::vector<PickerExam> exams = {{"PT", "501", "ULTRASOUND THERAPY", 350},
                                                  {"CT", "601", "CT BRAIN PLAIN", 4500},
                                                  {"PA", "701", "NEBULIZATION", 120},
                                                  {"AU", "801", "PURE TONE AUDIOMETRY", 900},
                                                  {"HS", "901", "ECG 12 LEADS", 400},
                                                  {"NU", "951", "THYROID SCAN", 3200},
                                                  {"NE", "971", "EEG", 1800}};
    return exams;
}

std::string MriFlagQuery(const std::string& idNum) {
    return "Select isnull(okeymri,0) OkeyMRI from patient_data..tbpatient2 where idnum =" + db::SqlQuote(idNum);
}
std::string MammoFlagQuery(const std::string& idNum) {
    return "Select isnull(okeymammo,0) OkeyMRI from patient_data..tbpatient2 where idnum =" + db::SqlQuote(idNum);
}
std::string OtherDeptCashBasisQuery(const std::string& idNum, const std::string& deptCode) {
    return "STATION..sp_Nurse_Check_OtherDept_If_CashBasis " + db::SqlQuote(idNum) + "," + db::SqlQuote(deptCode);
}

void LoadWardParameter(TestApp& test, const std::string& field, const std::string& value) {
    std::vector<Row> rows = NurseSetupRows();
    rows.push_back({field, value});
    test.server.Instead(NurseSetupQuery).Returns({"Field", "value"}, rows);
    test.app.Parameters().LoadParameters(test.app);
}

void DeclarePickerExams(ScriptedServer& server, const std::string& idNum) {
    for (const char* dept : {"PT", "CT", "PA", "AU", "HS", "NU", "NE", "MI", "WC", "DL"})
        server.On(ClearedCheck(idNum, dept)).Returns({"IDNum", "ClearDate"}, {});
    for (const PickerExam& exam : PickerExams()) {
        server.On(ExamStatusCheck(idNum, exam.code, exam.deptCode)).Returns({"Requestdate"}, {});
        server.On(ExamPostedCheck(idNum, exam.code, exam.deptCode)).Returns({"ProcessDate"}, {});
        server.On(ExamAmountQuery(exam.deptCode, "C", exam.code)).Returns({"Amount"}, {{exam.amount}});
    }
}

} // namespace testkit::ward_fixture
