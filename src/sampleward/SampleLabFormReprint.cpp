#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

struct PostedExam {
    const char *code, *description, *chargeSlip, *section, *type, *specimen, *dialysis, *transplant, *requestNum;
    int hoursAgo;
};

// The in-patient's laboratory exams posted on two charge slips: a STAT blood count with a routine urinalysis, and the
// next morning's serum chemistry.
const std::vector<PostedExam>& PostedExams() {
    static const std::vector<PostedExam> exams = {
        {"101", "COMPLETE BLOOD COUNT", "CS-20431", "HEM", "Y", "WB", "0", "0", "LB-0000452", 30},
        {"401", "URINALYSIS", "CS-20431", "CM", "N", "URI", "0", "0", "LB-0000453", 30},
        {"12", "SERUM CHEMISTRY", "CS-20478", "CHE", "N", "SER", "0", "0", "LB-0000467", 6}};
    return exams;
}

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

// Values: admission, station, charge slip or reference number, "0" for the list of every exam or "1" for the exams
// of the one slip.
Answer Posted(const std::vector<std::string>& values) {
    const bool list = values.at(3) == "0";
    std::vector<Row> rows;
    for (const PostedExam& exam : PostedExams()) {
        if (values.at(0) != InPatientIdNum || (!list && values.at(2) != exam.chargeSlip))
            continue;
        const vb::Date charged = vb::DateAdd("h", -exam.hoursAgo, Now());
        if (list)
            rows.push_back({exam.code, exam.description, exam.chargeSlip, charged, exam.section, exam.type,
                            exam.specimen, exam.dialysis, exam.transplant, exam.requestNum, "REYES, MARIA CLARA",
                            SampleNurseID});
        else
            rows.push_back({exam.section, exam.type, exam.transplant, exam.dialysis, exam.code, exam.specimen, charged,
                            SampleNurseID, exam.requestNum});
    }
    if (list)
        return Rows({"CODE", "DESCRIPTION", "CHARGE SLIP", "CHARGE DATE/TIME", "SECTION", "TYPE", "SPECIMEN",
                     "DIALYSIS", "TRANSPLANT", "REQUESTNUM", "NURSE", "CNURSE"},
                    std::move(rows));
    return Rows({"Section", "Type", "TRANSPLANT", "DIALYSIS", "Code", "Specimen", "CHARGE DATE", "NURSE", "RequestNum"},
                std::move(rows));
}

} // namespace

void DeclareLabFormReprint(SampleServer& server) {
    server.OnRule("STATION..sp_Nurse_Get_LaboratoryExamPosted '{?}','{?}','{?}','{?}'", Posted);
}

} // namespace sampleward
