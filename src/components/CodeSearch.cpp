#include "components/CodeSearch.h"

#include "components/frmPickList.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <algorithm>
#include <array>

namespace components {

// Every catalogue below is to be checked against the hospital's database. The examination catalogues are the
// station's (Code, Description, Status "A" for an active examination; the laboratory's section in sectioncode).
// Assumed by us: tbCoDoctor's LastName, FirstName, MiddleName and Resident; tbCoDiet's Diet and Remarks; the dosages
// in BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency); the revenue items of a section in
// BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, OtherRevenue, RevenueID the section).
struct CodeSearch::List {
    int Kind;
    std::string Caption;
    std::string Table;
    std::vector<std::string> Columns; // the code first, the name second
    std::string Condition;            // rows that may be listed at all
    std::string Department;           // the department whose amounts price a record; empty: not priced
};

namespace {

enum Kind {
    Doctors = 1,
    Diets = 6,
    Stations = 10,
    CTExams = 14,
    Dosages = 16,
    HSExams = 17,
    LabExams = 18,
    NuclearExams = 20,
    OtherRevenue = 21,
    PTExams = 23,
    RTSExams = 25,
    UltraExams = 27,
    XrayExams = 29,
};

// The section of kind 21 is only known at the search, so its condition and department are filled in then.
CodeSearch::List Exams(int kind, std::string caption, std::string table, std::string department) {
    std::vector<std::string> columns{"Code", "Description"};
    if (kind == LabExams)
        columns.push_back("sectioncode");
    return {kind, std::move(caption), std::move(table), std::move(columns), "Status = 'A'", std::move(department)};
}

const std::vector<CodeSearch::List>& Lists() {
    static const std::vector<CodeSearch::List> lists = {
        {Doctors,
         "Doctors",
         "BUILD_FILE..tbCoDoctor",
         {"DoctorID", "LastName", "FirstName", "MiddleName", "Resident"},
         "",
         ""},
        {Diets, "Diets", "BUILD_FILE..tbCoDiet", {"DietID", "Diet", "Remarks"}, "", ""},
        {Stations, "Stations", "Build_file..tbCoStation", {"StationID", "Station"}, "", ""},
        {Dosages, "Dosages", "BUILD_FILE..tbCoDosage", {"DosageID", "Dosage", "Frequency"}, "", ""},
        {OtherRevenue,
         "Other Revenue Items",
         "BUILD_FILE..tbCoOtherRevenue",
         {"OtherRevenueID", "OtherRevenue", "RevenueID"},
         "",
         ""},
        Exams(LabExams, "Laboratory Examinations", "STATION..LaboratoryExams", "LB"),
        Exams(XrayExams, "X-Ray Examinations", "STATION..XrayExams", "XR"),
        Exams(UltraExams, "Ultrasound Examinations", "STATION..UltraExams", "US"),
        Exams(CTExams, "CT Examinations", "STATION..CTExams", "CT"),
        Exams(HSExams, "Heart Station Examinations", "STATION..HSExams", "HS"),
        Exams(NuclearExams, "Nuclear Medicine Examinations", "STATION..NuclearExams", "NU"),
        Exams(PTExams, "Rehabilitation Examinations", "STATION..PTExams", "PT"),
        Exams(RTSExams, "Pulmonary Examinations", "STATION..RTSExams", "PA"),
    };
    return lists;
}

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

std::string Field(const CodeSearch::Row& row, const std::string& column) {
    auto found = row.find(column);
    return found == row.end() ? std::string() : Text(found->second);
}

const std::string& CodeColumn(const CodeSearch::List& list) { return list.Columns[0]; }

// The name as the list shows it and as a text is matched against.
std::string NameExpression(const CodeSearch::List& list) {
    if (list.Kind == Doctors)
        return "ISNULL(LastName,'') + ', ' + ISNULL(FirstName,'')";
    return list.Columns[1];
}

std::string DisplayName(const CodeSearch::List& list, const CodeSearch::Row& row) {
    if (list.Kind == Doctors)
        return vb::Trim(Field(row, "LastName")) + ", " + vb::Trim(Field(row, "FirstName"));
    return vb::Trim(Field(row, list.Columns[1]));
}

std::string Code(const CodeSearch::List& list, const CodeSearch::Row& row) {
    return vb::Trim(Field(row, CodeColumn(list)));
}

std::string Joined(const std::vector<std::string>& columns) {
    std::string text;
    for (const std::string& column : columns)
        text += (text.empty() ? "" : ",") + column;
    return text;
}

bool SameCode(const std::string& a, const std::string& b) { return vb::UCase(a) == vb::UCase(b); }

// With the section chosen at the search, kind 21 lists only that section's items and prices them by it.
CodeSearch::List ForSearch(int kind, const std::string& otherSectionID) {
    const auto& lists = Lists();
    auto found = std::find_if(lists.begin(), lists.end(), [kind](const CodeSearch::List& l) { return l.Kind == kind; });
    if (found == lists.end())
        throw vb::VbError(5, "The code search has no list of kind " + std::to_string(kind) + ".");
    CodeSearch::List list = *found;
    if (kind == OtherRevenue) {
        list.Condition = "RevenueID = " + db::SqlQuote(otherSectionID);
        list.Department = otherSectionID;
    }
    return list;
}

} // namespace

std::string LikeLiteral(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '%' || c == '_' || c == '[')
            escaped += std::string("[") + c + "]";
        else
            escaped += c;
    }
    return escaped;
}

CodeSearch::CodeSearch(const ComponentServices& services) : services(services) {}

bool CodeSearch::SearchListing(const std::string& text, int kind) {
    const List list = ForSearch(kind, otherSectionID);
    const std::string search = vb::Trim(text);
    std::optional<Row> record = FindRecord(list, search);
    if (!record)
        return false;
    Take(list, *record);
    return true;
}

std::vector<CodeSearch::Row> CodeSearch::ReadRows(const List& list, const std::string& text) {
    std::string where = list.Condition;
    if (!text.empty()) {
        const std::string pattern = db::SqlQuote(LikeLiteral(text) + "%");
        where += (where.empty() ? "" : " AND ") + std::string("(") + CodeColumn(list) + " LIKE " + pattern + " OR " +
                 NameExpression(list) + " LIKE " + pattern + ")";
    }
    db::Recordset rs =
        services.Connection().Execute("SELECT " + Joined(list.Columns) + " FROM " + list.Table +
                                      (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + NameExpression(list));
    std::vector<Row> rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        Row row;
        for (const std::string& column : list.Columns)
            row[column] = rs.Fields(column);
        rows.push_back(std::move(row));
    }
    return rows;
}

// A text naming one record takes it at once; any other text, the empty one too, lets the nurse choose, also from an
// empty list, since the callers stop without a word on False.
std::optional<CodeSearch::Row> CodeSearch::FindRecord(const List& list, const std::string& text) {
    std::vector<Row> rows = ReadRows(list, text);
    if (!text.empty()) {
        std::vector<const Row*> exact;
        for (const Row& row : rows)
            if (SameCode(Code(list, row), text))
                exact.push_back(&row);
        if (exact.size() == 1)
            return *exact.front();
        if (rows.size() == 1)
            return rows.front();
    }
    std::vector<Row> listed = rows;
    auto toPicked = [&list](const std::vector<Row>& found) {
        std::vector<PickedRow> picked;
        for (const Row& row : found)
            picked.push_back({Code(list, row), DisplayName(list, row)});
        return picked;
    };
    std::optional<PickedRow> choice =
        ShowPickList(services.Forms, list.Caption, text, [&, first = true](const std::string& typed) mutable {
            if (!first)
                listed = ReadRows(list, vb::Trim(typed));
            first = false;
            return toPicked(listed);
        });
    if (!choice)
        return std::nullopt;
    for (const Row& row : listed)
        if (Code(list, row) == choice->Code)
            return row;
    return std::nullopt;
}

RateInfo CodeSearch::ReadRates(const std::string& department, const std::string& code) {
    std::array<vb::Variant, 8> rates;
    for (std::size_t letter = 0; letter < rates.size(); ++letter) {
        const std::string rateLetter(1, static_cast<char>('A' + letter));
        db::Recordset rs = services.Connection().Execute("STATION..Nurse_GetExamAmount " + db::SqlQuote(department) +
                                                         "," + db::SqlQuote(rateLetter) + "," + db::SqlQuote(code));
        rates[letter] = rs.Eof() ? vb::Variant::Null() : rs.Fields("Amount");
    }
    return {rates[0], rates[1], rates[2], rates[3], rates[4], rates[5], rates[6], rates[7]};
}

// Every value is read before a record changes, so a failing read leaves the kind's record as it was.
void CodeSearch::Take(const List& list, const Row& row) {
    const std::string code = Code(list, row);
    const std::string name = vb::Trim(Field(row, list.Columns[1]));
    RateInfo rates;
    if (!list.Department.empty())
        rates = ReadRates(list.Department, code);
    switch (list.Kind) {
    case Doctors: {
        const vb::Variant& resident = row.at("Resident");
        doctor = {code, vb::Trim(Field(row, "LastName")), vb::Trim(Field(row, "FirstName")),
                  vb::Trim(Field(row, "MiddleName")), !resident.IsNull() && vb::CBool(resident)};
        break;
    }
    case Diets:
        diet = {code, name, Field(row, "Remarks")};
        break;
    case Stations:
        station = {code, name};
        break;
    case Dosages:
        dosage = {code, row.at("Frequency")};
        break;
    case OtherRevenue:
        otherRevenue = {rates, code, name};
        break;
    case LabExams:
        labExam = {rates, code, name, vb::Trim(Field(row, "sectioncode"))};
        break;
    case XrayExams:
        xrayExam = {rates, code, name};
        break;
    case UltraExams:
        ultrasound = {rates, code, name};
        break;
    case CTExams:
        ctExam = {rates, code, name};
        break;
    case HSExams:
        hsExam = {rates, code, name};
        break;
    case NuclearExams:
        nuclearExam = {rates, code, name};
        break;
    case PTExams:
        ptExam = {rates, code, name};
        break;
    case RTSExams:
        rtsExam = {rates, code, name};
        break;
    }
}

void RegisterCodeSearch(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Bramwit.clsCodeSearch", [services] { return std::make_unique<CodeSearch>(services); });
}

} // namespace components
