#include "platform/db/Connection.h"
#include "platform/reports/TemplatePath.h"
#include "platform/reports/TemplateReportEngine.h"
#include "platform/vb/Utf8.h"
#include "testkit/RecordingReportEngine.h"

#include <gtest/gtest.h>

#include <deque>

using reports::TemplateReportEngine;

namespace {

const char* kHospital = "Tessun Zentari Hospital";

// Answers the template's queries in the order the engine sends them, each with two rows holding every column the
// layout reads; records what was sent.
class SampleServer : public db::Connection {
public:
    explicit SampleServer(const reports::Template& layout) {
        auto add = [this](const reports::Template& report) {
            for (const reports::Query& query : report.queries)
                answers.push_back(report.ColumnsUsed(query.name));
        };
        add(layout);
        for (const reports::Template& subreport : layout.subreports)
            add(subreport);
    }

    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>&) override {
        sent.push_back(sql);
        db::ResultTable result;
        result.hasColumns = true;
        std::vector<std::string> used = answers.empty() ? std::vector<std::string>{"x"} : answers.front();
        if (!answers.empty())
            answers.pop_front();
        std::size_t positions = 0;
        for (const std::string& column : used)
            if (column[0] == '#')
                positions = std::max(positions, static_cast<std::size_t>(std::stoi(column.substr(1))));
        for (std::size_t i = 1; i <= positions; ++i)
            result.columns.push_back("Column" + std::to_string(i));
        for (const std::string& column : used)
            if (column[0] != '#')
                result.columns.push_back(column);
        for (int row = 1; row <= 2; ++row)
            for (const std::string& column : result.columns)
                result.values.push_back(SampleValue(column, row));
        return result;
    }
    std::vector<std::string> PrimaryKeyColumns(const std::string&) override { return {}; }
    std::string ConnectionString() const override { return "Sample"; }

    std::vector<std::string> sent;

protected:
    void StartTransaction() override {}
    void EndTransaction(bool) override {}

private:
    static vb::Variant SampleValue(const std::string& column, int row) {
        const std::string lower = vb::AsciiLower(column);
        if (lower.find("date") != std::string::npos || lower.find("upto") != std::string::npos)
            return "03/0" + std::to_string(row) + "/2024 08:30:00 AM";
        for (const char* number : {"amount", "quantity", "requests", "pending", "lines"})
            if (lower == number)
                return 100.0 * row;
        return "Sample " + column + " " + std::to_string(row) + (row == 2 ? " with a longer text that wraps" : "");
    }

    std::deque<std::vector<std::string>> answers;
};

struct Shipped {
    const char* file; // as the program spells it
    std::vector<vb::Variant> values;
    std::vector<std::pair<std::string, std::vector<vb::Variant>>> subreports = {};
};

const Shipped kShipped[] = {
    {"Audit_report.RPT", {"03/01/2024", "03/31/2024", kHospital, "Ward Road, Manila", "SCN AUDIT REPORT"}},
    {"Monthly_Report.RPT", {kHospital, "Ward Road, Manila", "MONTHLY SCN REPORT", "03/01/2024", "03/31/2024"}},
    {"Diet_List.Rpt",
     {"SIC", kHospital, "Ward Road, Manila", "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT - Diet List"}},
    {"CensusByStation_PSH.rpt", {"03/11/2024"}},
    {"NurseDischargeReport.rpt", {"Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT", kHospital, "Ward Road, Manila"}},
    {"Nurse_Station_Income_Detailed.RPT", {"03/01/2024", "03/31/2024", "SIC", true}},
    {"Nurse_Station_Income_Summary.RPT", {"03/01/2024", "03/31/2024", "SIC", false}},
    {"Patient_Ledger.RPT",
     {kHospital, "Ward Road, Manila", "", "PATIENT'S SCN LEDGER", "Dela Cruz, Juan", "Quezon City", "A-778", "PERSONAL",
      "2024-000123", "H-5521", "3/1/2024 8:00:00 AM", "", "SICU-4", "H-5521", "2024-000123", "SU"}},
    {"PatientDischargeNoticeStatus.RPT", {"SIC"}},
    {"List_of_RequestOrders.Rpt", {"2024-000123"}},
    {"NursesNotes.rpt", {"2024-000123", std::int32_t(4411), "Ward Road, Manila"}},
    {"NursesNotes_PrintAll.rpt", {"2024-000123", "Maria Santos"}},
    {"Vital Signs.rpt",
     {"2024-000123", "Dela Cruz ,Juan Santos", "03/01/2024 08:00:00 AM", "2024-000123", "H-5521", "SICU-4", "M", "45"}},
    {"Clinical_Summary.RPT", {"2024-000123", "Ward Road, Manila"}},
    {"Charge_Slip_New.RPT",
     {"C0000124B", "DELA CRUZ, JUAN", "H-5521", "45 / M", "MEMBER", "PERSONAL", "SICU-4", "2024-000123",
      "03/01/2024 08:00:00 AM", "03/01/2024 08:00:00 AM", "REYES, ANA", "REGULAR", "SANTOS, MARIA",
      "(N0001) SANTOS, MARIA", "SANTOS, MARIA", "ORIGINAL COPY"}},
    {"Charge_Slip_BlankForm.RPT",
     {"C0000124B", "DELA CRUZ, JUAN", "H-5521", "45 / M", "MEMBER", "PERSONAL", "SICU-4", "2024-000123",
      "03/01/2024 08:00:00 AM", "03/01/2024 08:00:00 AM", "REYES, ANA", "REGULAR", "SANTOS, MARIA",
      "(N0001) SANTOS, MARIA", "SANTOS, MARIA", "REPRINTED COPY"}},
    {"LabResult.rpt", {"2024-000123", "LR-0042", "CS-7781", "H-5521", "Dela Cruz, Juan", "SICU-4", "45", "M"}},
    {"StatementOfAccountPatientsLedgerByDepartment.RPT",
     {"2024-000123", "Ward Road, Manila", "Dela Cruz ,Juan Santos", "12 Rizal Street, Quezon City", "A-778", "PERSONAL",
      "H-5521", "03/01/2024", "", "SICU-4", "4500", "08:00:00 AM", "", "", "", "Maria Santos", "Reyes, Ana"},
     {{"HospitalBill", {"2024-000123"}}, {"MedicalFee", {"2024-000123"}}}},
    {"List_Of_Proccess_Request_AllPatient.rpt",
     {"03/01/2024", "03/31/2024", "SIC", "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT"}},
    {"Posted Medicines.RPT", {"2024-000123", true}},
    {"Posted Supplies.RPT", {"2024-000123", false}},
    {"List_Of_Proccess_Request_New.rpt", {"2024-000123", "SIC"}},
    {"RadioResult.Rpt", {"X-RAY SECTION", "H-5521", "Ward Road, Manila", "N0001", "2024-000123"}},
    {"LaboratoryResult_InTabularFormat_Graph.rpt", {"2024-000123", "L001"}},
    {"Exam_2DEcho_Adult.rpt",
     {"Ward Road, Manila", "HS-0042", "Dela Cruz ,Juan Santos", "12 Rizal Street, Quezon City", "45", "M",
      "Dr. Ana Reyes", "", "", "", "", "SICU-4", "", "", "HS-0042"}},
    {"AbdominalAorta2.rpt", {"HS-0042"}},
    {"Carotid.rpt", {"HS-0042"}},
    {"Carotid2.rpt", {"HS-0042"}},
    {"ArterialLower.rpt", {"HS-0042"}},
    {"ArterialLower2.rpt", {"HS-0042"}},
    {"ArterialUpper.rpt", {"HS-0042"}},
    {"ArterialUpper2.rpt", {"HS-0042"}},
    {"RenalArtery.rpt", {"HS-0042"}},
    {"Transcranial.rpt", {"HS-0042"}},
    {"ResultECG.rpt", {"HS-0042"}},
    {"VenousUpper.rpt", {"HS-0042"}},
    {"VenousLower.rpt", {"HS-0042"}},
    {"Exam_Hemodynamic.rpt", {"HS-0042", "Dela Cruz ,Juan Santos", "Dr. Ana Reyes", "Dr. Ben Tan"}},
    {"LabRequestForm.RPT",
     {"Ward Road, Manila", "(02) 555-0100", "H-5521", "2024-000123", "Dela Cruz ,Juan Santos", "45", "M", "SICU-4",
      "PRIVATE", "REF-0091", "", "STAT", "Non_Transplant", "Pre-Dialysis", "Reyes, Ana", "In-Patient", "N0001", "HEM"}},
    {"LabRequestForm_Reprint.RPT",
     {"Ward Road, Manila", "(02) 555-0100", "H-5521", "2024-000123", "Dela Cruz ,Juan Santos", "45", "M", "SICU-4",
      "PRIVATE", "CS-20431", "", "ROUTINE", "Transplant", "None", "Reyes, Ana", "In-Patient", "N0001", "CHE"}},
    {"List_Of_All_PendingRequest_ByAll_Station.Rpt", {"SIC"}},
};

// Where a run's ink lies: its text's width placed in its box as the run aligns it.
struct Ink {
    double left, right, top, bottom;
};

Ink InkOf(const reports::TextRun& run) {
    const double width = reports::TextWidth(run.text, run.size, run.bold);
    double left = run.x;
    if (run.align == reports::Align::Center)
        left = run.x + (run.width - width) / 2;
    else if (run.align == reports::Align::Right)
        left = run.x + run.width - width;
    return {left, left + width, run.y, run.y + reports::LineHeight(run.size)};
}

void ExpectNoOverlap(const reports::Page& page, double pageWidth) {
    for (const reports::TextRun& run : page.texts) {
        EXPECT_GE(InkOf(run).left, 0) << run.text;
        EXPECT_LE(InkOf(run).right, pageWidth) << run.text;
    }
    for (std::size_t i = 0; i < page.texts.size(); ++i)
        for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
            const Ink a = InkOf(page.texts[i]);
            const Ink b = InkOf(page.texts[j]);
            const bool overlap = a.left < b.right - 0.01 && b.left < a.right - 0.01 && a.top < b.bottom - 0.01 &&
                                 b.top < a.bottom - 0.01;
            EXPECT_FALSE(overlap && !page.texts[i].text.empty() && !page.texts[j].text.empty())
                << "\"" << page.texts[i].text << "\" and \"" << page.texts[j].text << "\" overlap on page "
                << page.number;
        }
}

class ShippedTemplate : public ::testing::TestWithParam<Shipped> {};

} // namespace

TEST_P(ShippedTemplate, TakesItsValuesAndLaysOutWithRows) {
    const Shipped& shipped = GetParam();
    const std::string path = testkit::RecordingReportEngine::ShippedTemplates().string() + "\\" + shipped.file;
    const auto file = reports::ResolveTemplatePath(path);
    ASSERT_TRUE(file) << path;
    const reports::Template layout = reports::ReadTemplate(*file);
    SampleServer server(layout);
    TemplateReportEngine engine(server);

    auto report = engine.OpenReport(path);
    EXPECT_EQ(report->ParameterFieldCount(), static_cast<int>(shipped.values.size()));
    report->SetHospitalName(kHospital);
    report->LogOnTables({"HOSPSRV", "STATION", "sa", "pw"});
    reports::SetParameterValues(*report, shipped.values);
    std::size_t queries = layout.queries.size();
    for (const auto& [name, values] : shipped.subreports) {
        reports::Report& subreport = report->OpenSubreport(name);
        subreport.LogOnTables({"HOSPSRV", "STATION", "sa", "pw"});
        reports::SetParameterValues(subreport, values);
        queries += layout.FindSubreport(name)->queries.size();
    }
    EXPECT_EQ(shipped.subreports.size(), layout.subreports.size());
    const reports::Document document = engine.Display(*report, {});
    const std::string text = document.PlainText();

    EXPECT_FALSE(document.title.empty());
    EXPECT_NE(text.find(kHospital), std::string::npos) << text;
    for (const vb::Variant& value : shipped.values) {
        if (value.IsString() && !value.AsString().empty()) {
            EXPECT_NE(text.find(value.AsString()), std::string::npos) << value.AsString() << " in\n" << text;
        }
    }
    EXPECT_EQ(server.sent.size(), queries);
    for (const std::string& sql : server.sent)
        EXPECT_EQ(sql.find('{'), std::string::npos) << sql;
    if (!layout.queries.empty()) {
        EXPECT_NE(text.find("Sample"), std::string::npos) << "rows are printed:\n" << text;
    }
    for (const reports::Page& page : document.pages) {
        for (const reports::TextRun& run : page.texts) {
            EXPECT_GE(run.x, 0) << run.text;
            EXPECT_LE(run.x + run.width, document.width + 0.01) << run.text;
        }
        ExpectNoOverlap(page, document.width);
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ShippedTemplate, ::testing::ValuesIn(kShipped), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.file))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});
