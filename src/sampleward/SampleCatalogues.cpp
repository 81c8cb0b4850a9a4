#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

#include <array>
#include <map>
#include <optional>

namespace sampleward {

namespace {

// One catalogue the code search reads: its statement's parts as the code search writes them, and a few rows.
struct Catalogue {
    std::string Table;
    std::vector<std::string> Columns; // the code first, the name second
    std::string Condition;            // "{?}" where the search puts the section
    std::string NameExpression;
    std::vector<Row> Rows;
};

std::string Joined(const std::vector<std::string>& columns) {
    std::string text;
    for (const std::string& column : columns)
        text += (text.empty() ? "" : ",") + column;
    return text;
}

// Rates of the ward's services by room class, A to H.
std::optional<double> WardServiceRate(const std::string& code, char letter) {
    static const std::map<std::string, std::array<double, 8>> rates = {
        {"SU-DRS", {300, 280, 250, 220, 200, 180, 160, 150}},
        {"SU-NEB", {220, 200, 180, 160, 150, 140, 130, 120}},
        {"OX-TANK", {950, 900, 850, 800, 750, 700, 650, 600}},
        {"OX-PSI", {50, 45, 40, 38, 35, 32, 30, 28}},
    };
    const auto found = rates.find(code);
    if (found == rates.end() || letter < 'A' || letter > 'H')
        return std::nullopt;
    return found->second[letter - 'A'];
}

bool StartsWith(const std::string& text, const std::string& start) {
    return vb::UCase(text).rfind(vb::UCase(start), 0) == 0;
}

// The rows whose code or name starts with the searched text (the pattern less its trailing "%"), of the section
// when the catalogue has one.
Answer Matching(const Catalogue& catalogue, const std::vector<std::string>& values, bool searched) {
    std::string start = searched ? values.back() : "";
    if (!start.empty() && start.back() == '%')
        start.pop_back();
    const bool bySection = catalogue.Condition.find("{?}") != std::string::npos;
    std::vector<Row> found;
    for (const Row& row : catalogue.Rows) {
        const std::string code = vb::CStr(row[0]);
        const std::string name =
            vb::CStr(row[1]) + (row.size() > 2 && catalogue.Columns[0] == "DoctorID" ? ", " + vb::CStr(row[2]) : "");
        if (bySection && vb::CStr(row.back()) != values.front())
            continue;
        if (StartsWith(code, start) || StartsWith(name, start))
            found.push_back(row);
    }
    Answer answer;
    answer.Returns(catalogue.Columns, std::move(found));
    return answer;
}

void Declare(SampleServer& server, const Catalogue& catalogue) {
    const std::string head = "SELECT " + Joined(catalogue.Columns) + " FROM " + catalogue.Table;
    const std::string order = " ORDER BY " + catalogue.NameExpression;
    const std::string condition = catalogue.Condition.empty() ? "" : catalogue.Condition + " AND ";
    auto all = [catalogue](const std::vector<std::string>& values) { return Matching(catalogue, values, false); };
    auto rule = [catalogue](const std::vector<std::string>& values) { return Matching(catalogue, values, true); };
    server.OnRule(head + (catalogue.Condition.empty() ? "" : " WHERE " + catalogue.Condition) + order, all);
    server.OnRule(head + " WHERE " + condition + "(" + catalogue.Columns[0] + " LIKE '{?}' OR " +
                      catalogue.NameExpression + " LIKE '{?}')" + order,
                  rule);
}

Catalogue Exams(std::string table, std::vector<Row> rows) {
    return {std::move(table), {"Code", "Description"}, "Status = 'A'", "Description", std::move(rows)};
}

} // namespace

void DeclareCatalogues(SampleServer& server) {
    const vb::Variant null = vb::Variant::Null();
    Declare(server, {"BUILD_FILE..tbCoDoctor",
                     {"DoctorID", "LastName", "FirstName", "MiddleName", "Resident"},
                     "",
                     "ISNULL(LastName,'') + ', ' + ISNULL(FirstName,'')",
                     {{"1021", "SANTOS", "MARIA", "CRUZ", false},
                      {"1034", "REYES", "JOSE", "DELA PAZ", false},
                      {"1047", "GARCIA", "ANTONIO", "LIM", true},
                      {"1052", "MENDOZA", "CARMEN", "TAN", null},
                      {"D0301", "NAVARRO", "TERESA", "LOPEZ", false},
                      {"D0302", "SORIANO", "MIGUEL", "CRUZ", false}}});
    Declare(server, {"BUILD_FILE..tbCoDiet",
                     {"DietID", "Diet", "Remarks"},
                     "",
                     "Diet",
                     {{"01", "REGULAR DIET", ""}, {"02", "SOFT DIET", "No fried food"}, {"07", "NPO", null}}});
    Declare(server,
            {"Build_file..tbCoStation",
             {"StationID", "Station"},
             "",
             "Station",
             {{"SIC", "SURGICAL INTENSIVE CARE UNIT"}, {"MIC", "MEDICAL INTENSIVE CARE UNIT"}, {"2W", "WARD 2 WEST"}}});
    Declare(server, {"BUILD_FILE..tbCoDosage",
                     {"DosageID", "Dosage", "Frequency"},
                     "",
                     "Dosage",
                     {{"OD", "ONCE A DAY", 1}, {"BID", "TWICE A DAY", 2}, {"TID", "THREE TIMES A DAY", 3}}});
    Declare(server, {"BUILD_FILE..tbCoOtherRevenue",
                     {"OtherRevenueID", "OtherRevenue", "RevenueID"},
                     "RevenueID = '{?}'",
                     "OtherRevenue",
                     {{"0412", "SUTURING", "OR"},
                      {"0415", "WOUND DEBRIDEMENT", "OR"},
                      {"0420", "APPENDECTOMY", "OR"},
                      {"0601", "ECG TRACING", "MI"},
                      {"SU-DRS", "WOUND DRESSING", "SU"},
                      {"SU-NEB", "NEBULIZATION", "SU"},
                      {"OX-TANK", "OXYGEN TANK", "OX"},
                      {"OX-PSI", "OXYGEN BY PSI", "OX"}}});
    Declare(server, {"STATION..LaboratoryExams",
                     {"Code", "Description", "sectioncode"},
                     "Status = 'A'",
                     "Description",
                     {{"CBC", "COMPLETE BLOOD COUNT", "HEM"},
                      {"FBS", "FASTING BLOOD SUGAR", "CHE"},
                      {"UA", "URINALYSIS", "CM"},
                      {"LIPID", "LIPID PROFILE", "CHE"}}});
    Declare(server, Exams("STATION..XrayExams", {{"0101", "CHEST PA"}, {"0102", "CHEST AP-LATERAL"}}));
    Declare(server, Exams("STATION..UltraExams", {{"0201", "WHOLE ABDOMEN"}, {"0202", "KUB"}}));
    Declare(server, Exams("STATION..CTExams", {{"0301", "CRANIAL CT PLAIN"}, {"0302", "CHEST CT WITH CONTRAST"}}));
    Declare(server, Exams("STATION..HSExams", {{"0401", "2D ECHO"}, {"0402", "TREADMILL TEST"}}));
    Declare(server, Exams("STATION..NuclearExams", {{"0501", "THYROID SCAN"}, {"0502", "BONE SCAN"}}));
    Declare(server, Exams("STATION..PTExams", {{"0701", "CHEST PHYSIOTHERAPY"}, {"0702", "GAIT TRAINING"}}));
    Declare(server, Exams("STATION..RTSExams", {{"0801", "NEBULIZATION"}, {"0802", "ARTERIAL BLOOD GAS"}}));
    // The ward's own services have a rate for every room class; of the exams, classes A to E are priced and F to H
    // have no amount, as a catalogue without them would answer.
    server.OnRule("STATION..Nurse_GetExamAmount '{?}','{?}','{?}'", [](const std::vector<std::string>& values) {
        Answer answer;
        const char letter = values[1].empty() ? 'Z' : values[1][0];
        if (const std::optional<double> rate = WardServiceRate(values[2], letter))
            answer.Returns({"Amount"}, {{*rate}});
        else if (letter >= 'A' && letter <= 'E')
            answer.Returns({"Amount"}, {{250.0 + 50.0 * (letter - 'A')}});
        else
            answer.Returns({"Amount"}, {});
        return answer;
    });
}

} // namespace sampleward
