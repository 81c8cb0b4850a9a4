#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

vb::Date HoursAgo(double hours) { return vb::Date{Now().serial - hours / 24}; }

// One heart-station examination of the in-patient; a package has no form letter of its own.
struct SampleHeartExam {
    const char* requestNum;
    const char* examination;
    double requestedHoursAgo;
    double resultedHoursAgo;
    const char* form;
    const char* package; // the package's request number, for an exam of a package
};

const SampleHeartExam kHeartExams[] = {
    {"HS-0000301", "2D ECHO WITH DOPPLER (ADULT)", 50, 30, "A", ""},
    {"HS-0000302", "ECG 12 LEADS", 70, 68, "I", ""},
    {"HS-0000303", "VASCULAR PACKAGE", 26, 6, "", ""},
    {"HS-0000304", "CAROTID DUPLEX SCAN", 26, 6, "C", "HS-0000303"},
    {"HS-0000305", "VENOUS DUPLEX SCAN, UPPER EXTREMITIES", 26, 6, "K", "HS-0000303"},
};

// The station's list shows the results and the packages, not the exams inside a package.
Answer HeartList(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values.at(0) == InPatientIdNum)
        for (const SampleHeartExam& exam : kHeartExams)
            if (std::string(exam.package).empty())
                rows.push_back({exam.requestNum, exam.examination, HoursAgo(exam.requestedHoursAgo),
                                HoursAgo(exam.resultedHoursAgo), exam.form, "NAVARRO, TERESA LOPEZ",
                                "FERRER, MIGUEL ANTONIO"});
    return Rows({"Request No.", "EXAMINATION NAME", "TRANS. DATE", "RESULT DATE", "Form", "ATTN. DOCTOR",
                 "CARDIOLOGIST"},
                rows);
}

Answer PackageExams(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values.at(0) == InPatientIdNum)
        for (const SampleHeartExam& exam : kHeartExams)
            if (values.at(1) == exam.package)
                rows.push_back({exam.form, exam.requestNum});
    return Rows({"FormType", "RequestNum"}, rows);
}

// What the heart-station reports read of a request: its line, the admission, the patient and the examination.
const char* kHeartExamQuery =
    "SELECT C.Requestnum, C.IDNum, P.HospNum, P.RoomID, P.Age, ISNULL(M.LastName, '') + ', ' + "
    "ISNULL(M.FirstName, '') + ' ' + ISNULL(M.MiddleName, '') AS PatientName, M.Sex, E.Description AS Examination, "
    "C.Transdate FROM STATION..tbNurseCommunicationFile C LEFT OUTER JOIN PATIENT_DATA..tbPatient P ON P.IDNum = "
    "C.IDNum LEFT OUTER JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum LEFT OUTER JOIN STATION..HSExams E ON "
    "LTRIM(RTRIM(E.Code)) = LTRIM(RTRIM(C.ItemID)) WHERE LTRIM(RTRIM(C.Requestnum)) = '{?}'";

Answer HeartRequest(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleHeartExam& exam : kHeartExams)
        if (values.at(0) == exam.requestNum)
            rows.push_back({exam.requestNum, InPatientIdNum, InPatientHospNum, "SIC-02", "68",
                            "VILLANUEVA, ROBERTO SALAZAR", "M", exam.examination, HoursAgo(exam.requestedHoursAgo)});
    return Rows({"Requestnum", "IDNum", "HospNum", "RoomID", "Age", "PatientName", "Sex", "Examination", "Transdate"},
                rows);
}

} // namespace

void DeclareHeartStation(SampleServer& server) {
    server.OnRule("STATION..Nurse_GetHrt '{?}'", HeartList);
    server.OnRule("STATION..sp_Nurse_HS_Result_PackageExams '{?}','{?}'", PackageExams);
    server.OnRule(kHeartExamQuery, HeartRequest);
}

} // namespace sampleward
