#include "sampleward/LargeWard.h"

#include "sampleward/SampleWard.h"

namespace sampleward::large {

namespace {

const char* const Words[] = {"BLOOD",   "SERUM",  "URINE",   "CHEST", "ABDOMEN", "PELVIS",  "THYROID",
                             "CARDIAC", "RENAL",  "HEPATIC", "LIPID", "GLUCOSE", "CULTURE", "PANEL",
                             "PROFILE", "SCREEN", "STUDY",   "SCAN",  "VIEW",    "LEFT",    "RIGHT"};

// A description of a few words, different for each exam number.
std::string Description(int number) {
    const int words = sizeof Words / sizeof Words[0];
    return std::string(Words[number % words]) + " " + Words[(number / words) % words] + " " +
           Words[(number / 7) % words] + " " + std::to_string(number);
}

StatementResult Catalogue(const std::string& table, bool withSection, bool withCommon) {
    StatementResult result{table, {"Status", "Description", "Code"}, {}};
    if (withSection)
        result.columns.push_back("sectioncode");
    if (withCommon)
        result.columns.push_back("Common");
    const char* sections[] = {"HEM", "CHE", "CM", "SER", "MICRO"};
    for (int number = 1; number <= ExamsPerList; ++number) {
        Row row = {number % 10 == 0 ? "I" : "A", Description(number), std::to_string(number)};
        if (withSection)
            row.push_back(sections[number % 5]);
        if (withCommon)
            row.push_back(number % 3 == 0 ? "N" : "Y");
        result.rows.push_back(std::move(row));
    }
    return result;
}

StatementResult OtherDepartments() {
    StatementResult result{"STATION..OtherExams", {"RevenueID", "ItemName"}, {}};
    const char* departments[] = {"CT", "PT", "PA", "AU", "HS", "NU", "NE"};
    for (int number = 1; number <= ExamsPerList; ++number)
        result.rows.push_back({departments[number % 7], Description(number)});
    return result;
}

} // namespace

const std::vector<StatementResult>& ChartSetUpResults() {
    static const std::vector<StatementResult> results = {
        Catalogue("STATION..LaboratoryExams", true, true), Catalogue("STATION..XrayExams", false, true),
        Catalogue("STATION..UltraExams", false, true),     OtherDepartments(),
        Catalogue("STATION..PTExams", false, false),       Catalogue("STATION..CTExams", false, false),
        Catalogue("STATION..RTSExams", false, false),      Catalogue("STATION..AudioExams", false, false),
        Catalogue("STATION..HSExams", false, false),       Catalogue("STATION..NuclearExams", false, false),
        Catalogue("STATION..NeuroExams", false, false),
    };
    return results;
}

std::unique_ptr<SampleServer> OpenLargeWard() {
    std::unique_ptr<SampleServer> server = OpenSampleWard();
    for (const StatementResult& result : ChartSetUpResults())
        server->Instead(result.statement).Returns(result.columns, result.rows);
    return server;
}

} // namespace sampleward::large
