#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// One exam as the request dialog's checks see it on the in-patient.
struct EntryExam {
    std::string dept;
    std::string code;
    double maxQty;
    std::vector<Row> pending;   // Requestdate
    std::vector<Row> processed; // ProcessDate
};

// Urinalysis is still pending and the chest AP-lateral was processed this morning; fasting blood sugar and the
// chest AP-lateral may be ordered more than once.
const std::vector<EntryExam>& EntryExams() {
    static const std::vector<EntryExam> exams = {
        {"LB", "CBC", 1, {}, {}},   {"LB", "FBS", 3, {}, {}},  {"LB", "UA", 1, {{"12/10/2026 08:30:00 AM"}}, {}},
        {"LB", "LIPID", 1, {}, {}}, {"XR", "0101", 1, {}, {}}, {"XR", "0102", 2, {}, {{"12/11/2026 07:45:00 AM"}}},
        {"US", "0201", 1, {}, {}},  {"US", "0202", 1, {}, {}}, {"MI", "0601", 1, {}, {}},
    };
    return exams;
}

std::string MaxQtyTable(const std::string& dept) {
    if (dept == "LB")
        return "BUILD_FILE..tbCoLabExam Where LabexamID = ";
    if (dept == "XR")
        return "BUILD_FILE..tbCoXrayExam Where XrayexamID = ";
    return "BUILD_FILE..tbCoultraExam Where UltraexamID = ";
}

void DeclareLabDetails(SampleServer& server, const std::string& code) {
    const std::vector<std::string> specimenColumns = {"Code", "Description"};
    std::vector<Row> specimens;
    if (code == "CBC")
        specimens = {{"WB", "WHOLE BLOOD"}};
    else if (code == "UA")
        specimens = {{"UR", "RANDOM URINE"}, {"UR1", "FIRST MORNING URINE"}};
    else if (code == "LIPID")
        specimens = {{"SER", "SERUM"}};
    server.On("STATION..sp_Nurse_GetLabExam_Specimen '" + code + "'").Returns(specimenColumns, specimens);
    server
        .On("Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, case When "
            "convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' When "
            "convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' END AS 'AFter5' from "
            "BUILD_FILE..tbcoLabExam Where LabexamID ='" +
            code + "'")
        .Returns({"Stat", "DayofWeek", "AFter5"}, {{"", std::int32_t{5}, "F"}});
    std::vector<Row> members;
    if (code == "LIPID")
        members = {{"CHOL", "CHOLESTEROL", "LIPID", "LIPID PROFILE"},
                   {"TRIG", "TRIGLYCERIDES", "LIPID", "LIPID PROFILE"}};
    server.On("STATION..sp_Nurse_Get_ProfileList '" + code + "'")
        .Returns({"ExamID", "ExamName", "ProfileID", "ProfileName"}, members);
}

// The other departments' cash-basis answers: the in-patient may be charged by MRI, the centre for women and dialysis.
void DeclareOtherDepartments(SampleServer& server) {
    server.OnPattern("Select isnull(okeymri,0) OkeyMRI from patient_data..tbpatient2 where idnum ='{?}'")
        .Returns({"OkeyMRI"}, {{std::int32_t{1}}});
    server.OnPattern("Select isnull(okeymammo,0) OkeyMRI from patient_data..tbpatient2 where idnum ='{?}'")
        .Returns({"OkeyMRI"}, {{std::int32_t{1}}});
    server.OnPattern("STATION..sp_Nurse_Check_OtherDept_If_CashBasis '{?}','{?}'")
        .Returns({"CashBasis", "Department"}, {{false, "DIALYSIS UNIT"}});
}

// The in-patient's rehabilitation requests, one in each status; any other admission has none.
void DeclareRehabilitationRequests(SampleServer& server) {
    const std::vector<std::string> columns = {"Remarks",    "Requesting MD", "Date Requested", "Requested By",
                                              "Status",     "Process Date",  "Processed By",   "Revoke Date",
                                              "Revoked By", "Request No."};
    const vb::Variant none = vb::Variant::Null();
    server.On(std::string("STATION..LoadPTRequests '") + InPatientIdNum + "'")
        .Returns(columns, {{"CHEST PHYSIOTHERAPY BID", "REYES, ANA", "12/09/2026 08:10 AM", "NURSE SANTOS", "PENDING",
                            none, none, none, none, "1041"},
                           {"GAIT TRAINING WITH WALKER", "REYES, ANA", "12/08/2026 02:30 PM", "NURSE SANTOS",
                            "PROCESSED", "12/08/2026 04:00 PM", "PT LOPEZ", none, none, "1038"},
                           {"ROM EXERCISES BOTH KNEES", "CRUZ, JOSE", "12/07/2026 09:45 AM", "NURSE DIAZ", "CANCELED",
                            none, none, "12/07/2026 10:15 AM", "NURSE DIAZ", "1035"}});
    server.OnPattern("STATION..LoadPTRequests '{?}'").Returns(columns, {});
}

} // namespace

void DeclareRequestEntry(SampleServer& server) {
    DeclareOtherDepartments(server);
    DeclareRehabilitationRequests(server);
    const std::string idNum = InPatientIdNum;
    for (const EntryExam& exam : EntryExams()) {
        const std::string arguments = "'" + idNum + "','" + exam.code + "','" + exam.dept + "'";
        server.On("STATION..Nurse_CheckExamStatus " + arguments).Returns({"Requestdate"}, exam.pending);
        server.On("STATION..Nurse_CheckExam_Posted " + arguments).Returns({"ProcessDate"}, exam.processed);
        if (exam.dept == "MI")
            continue;
        server
            .On(std::string("Select Case ") +
                "           When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then MaxQty " +
                "           Else 1 " + "       End As MaxQty From " + MaxQtyTable(exam.dept) + "'" + exam.code + "';")
            .Returns({"MaxQty"}, {{exam.maxQty}});
        if (exam.dept == "LB")
            DeclareLabDetails(server, exam.code);
    }
    server.OnPattern("STATION..sp_Nurse_Update_OtherInfo '{?}','{?}','{?}','I'").Affects(1);
}

} // namespace sampleward
