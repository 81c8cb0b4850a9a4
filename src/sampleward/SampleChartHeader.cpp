#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// What the header reads of a sample admission beyond the patient search: its diet, PhilHealth membership and
// admission type, the patient's PhilHealth in the master, and the package notes of the caption.
struct SampleHeader {
    std::string idNum, hospNum;
    std::vector<Row> diet;       // Diet, DietID: none without a tbpatient2 row
    std::vector<Row> membership; // Membership, ADMType
    std::string philhealth;      // PATIENT_DATA..tbMaster2
    bool inPatient2;             // has a tbpatient2 row (transplant, dialysis, VIP)
    bool seniorCitizen;
};

// The in-patient is a PhilHealth member on a soft diet and a senior citizen; the out-patient's visit has no diet
// and no membership, and the master says the patient is no member.
const std::vector<SampleHeader>& SampleHeaders() {
    static const std::vector<SampleHeader> headers = {
        {InPatientIdNum,
         InPatientHospNum,
         {{"SOFT DIET", "02"}},
         {{"MEMBER-EMPLOYED", "PHIC-MEMBER"}},
         "1",
         true,
         true},
        {OutPatientIdNum, OutPatientHospNum, {}, {}, "0", false, false},
    };
    return headers;
}

const SampleHeader* FindByIdNum(const std::string& idNum) {
    for (const SampleHeader& header : SampleHeaders())
        if (header.idNum == vb::Trim(idNum))
            return &header;
    return nullptr;
}

Answer Diet(const std::vector<std::string>& values) {
    const SampleHeader* header = FindByIdNum(values.at(0));
    return Answer().Returns({"Diet", "DietID"}, header ? header->diet : std::vector<Row>{});
}

Answer Membership(const std::vector<std::string>& values) {
    const SampleHeader* header = FindByIdNum(values.at(0));
    return Answer().Returns({"Membership", "ADMType"}, header ? header->membership : std::vector<Row>{});
}

Answer Philhealth(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleHeader& header : SampleHeaders())
        if (header.hospNum == values.at(0))
            rows.push_back({header.philhealth});
    return Answer().Returns({"Philhealth"}, rows);
}

Answer PackageInfo(const std::vector<std::string>& values) {
    const SampleHeader* header = FindByIdNum(values.at(0));
    std::vector<Row> rows;
    if (header && header->inPatient2)
        rows.push_back({"0", "0", "", std::int32_t{0}});
    return Answer().Returns({"transplantID", "dialysisID", "Package", "VIP"}, rows);
}

Answer SeniorCitizen(const std::vector<std::string>& values) {
    const SampleHeader* header = FindByIdNum(values.at(0));
    std::vector<Row> rows;
    if (header && header->seniorCitizen)
        rows.push_back({header->idNum});
    return Answer().Returns({"IdNum"}, rows);
}

} // namespace

void DeclareChartHeader(SampleServer& server) {
    server.OnRule("SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
                  "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = "
                  "'{?}'",
                  Diet);
    server.OnRule("Station..sp_Get_Patient_ADMTypeMembership '{?}'", Membership);
    server.OnRule("Select Isnull(Philhealth,'0') As Philhealth From PATIENT_DATA..tbMaster2 Where Hospnum = '{?}'",
                  Philhealth);
    server.OnRule("select isnull(A.transplantID,'0') as transplantID,isnull(A.dialysisID,'0') as dialysisID, "
                  " isnull(B.Description,'') As Package, IsNull(A.VIP,0) As VIP   from PATIENT_DATA..tbPatient2 A "
                  " LEFT OUTER JOIN build_file..tbExecPackageCode B On A.PackageId = B.PackageID  Where A.idnum = "
                  "'{?}'",
                  PackageInfo);
    server.OnRule("Station..sp_Nurse_Check_Patient_IsSeniorCitizen '{?}'", SeniorCitizen);
    // No sample visit came with a package.
    server
        .OnPattern("Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbOutPatient A Left Outer Join "
                   "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum ='{?}'")
        .Returns({"IDNum", "PackageID", "Package"}, {});
}

} // namespace sampleward
