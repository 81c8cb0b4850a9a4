#include "results/clsLaboratoryTabularFormat.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <cstdint>

namespace ward {

namespace {

constexpr forms::Color kResultBackColor = 12632319;

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

// A day as the table's headers show it; empty for a missing date.
std::string DayText(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::Format(value, "mm/dd/yy"); }

// The table's column count: the day columns, the examination, the normal values and the hidden examination ID, as
// the 16-bit counter it always was.
std::int16_t ColumnCount(std::int16_t maxcol) {
    const int cols = maxcol + 3;
    if (cols > INT16_MAX)
        vb::RaiseOverflow();
    return static_cast<std::int16_t>(cols);
}

// Writes a result into the cells of the day column(s) whose header is its day; a second result of the day follows
// the first after ", ".
void PutResult(forms::MSHFlexGrid& grid, int row, const vb::Variant& resultDate, const std::string& result) {
    const std::string day = DayText(resultDate);
    if (day.empty())
        return;
    for (int col = 2; col < grid.Cols() - 1; ++col) {
        if (grid.TextMatrix(0, col) != day)
            continue;
        const std::string earlier = vb::Trim(grid.TextMatrix(row, col));
        grid.SetTextMatrix(row, col, earlier.empty() ? result : earlier + ", " + result);
    }
}

bool ColumnIsBlank(const forms::MSHFlexGrid& grid, int col) {
    for (int row = 1; row < grid.Rows(); ++row)
        if (!vb::Trim(grid.TextMatrix(row, col)).empty())
            return false;
    return true;
}

} // namespace

void clsLaboratoryTabularFormat::Load_Results(forms::MSHFlexGrid& Grid) {
    try {
        LayOut(Grid);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void clsLaboratoryTabularFormat::LayOut(forms::MSHFlexGrid& Grid) {
    const std::string admission = vb::Trim(AdmissionNumber);
    std::int16_t maxcol = 0;
    vb::Variant startDate = vb::Variant::Null();
    {
        db::Recordset rs =
            app.Connection().Open("STATION..sp_Nurse_GetPatient_LabResult_MaxCol " + db::SqlQuote(admission),
                                  db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (!rs.Eof()) {
            maxcol = vb::CInt(rs.Fields("maxcol"));
            startDate = rs.Fields("StartDate");
        }
        rs.Close();
    }
    db::Recordset rs =
        app.Connection().Open("STATION..sp_Nurse_GetPatient_LabResult_NormalValues " + db::SqlQuote(admission),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const std::int16_t cols = ColumnCount(maxcol);
    const int last = cols - 1;
    Grid.Clear();
    Grid.SetCols(cols);
    Grid.SetRows(rs.Eof() ? 3 : 2);
    Grid.SetFixedCols(2);
    Grid.SetColWidth(0, 3500);
    Grid.SetColWidth(1, 2000);
    Grid.SetColWidth(last, 0);
    if (!rs.Eof()) {
        const std::string start = DayText(startDate);
        const bool noDays = start.empty() || start == "01/01/00";
        for (int col = 2; col < last; ++col) {
            Grid.SetColWidth(col, 800);
            if (!noDays)
                Grid.SetTextMatrix(0, col, DayText(vb::DateAdd("d", col - 2, startDate)));
        }
        Grid.SetTextMatrix(0, 0, "             EXAMINATION");
        Grid.SetTextMatrix(0, 1, "NORMAL VALUES");

        std::string section = Text(rs.Fields("Section"));
        std::string exam;
        bool headingWritten = false;
        for (; !rs.Eof(); rs.MoveNext()) {
            const std::string rowSection = Text(rs.Fields("Section"));
            if (vb::Trim(rowSection) != vb::Trim(section)) {
                section = rowSection;
                headingWritten = false;
                // An examination of the same name that opens the next section is a row of its own.
                exam.clear();
                Grid.AddItem("");
            }
            if (!headingWritten) {
                Grid.SetTextMatrix(Grid.Rows() == 2 ? 1 : Grid.Rows() - 2, 0, vb::Trim(section));
                headingWritten = true;
                if (Grid.Rows() == 2)
                    Grid.AddItem("");
            }
            Grid.SetBackColor(kResultBackColor);
            const std::string name = Text(rs.Fields("Exam"));
            const std::string result = vb::Trim(Text(rs.Fields("Result")));
            if (name == exam) {
                const int row = Grid.Rows() - 2;
                Grid.SetTextMatrix(row, 0, " " + name);
                Grid.SetTextMatrix(row, 1, vb::Trim(Text(rs.Fields("NormalValue"))));
                PutResult(Grid, row, rs.Fields("Resultdate"), result);
                continue;
            }
            exam = name;
            const int row = Grid.Rows() - 1;
            Grid.SetTextMatrix(row, 0, " " + name);
            Grid.SetTextMatrix(row, 1, Text(rs.Fields("NormalValue")));
            Grid.SetTextMatrix(row, last, Text(rs.Fields("LabExamID")));
            PutResult(Grid, row, rs.Fields("Resultdate"), result);
            Grid.AddItem("");
        }
        if (Grid.Rows() > 2)
            Grid.RemoveItem(Grid.Rows() - 1);
    }
    for (int col = 2; col <= last; ++col)
        if (ColumnIsBlank(Grid, col))
            Grid.SetColWidth(col, 0);
    rs.Close();
}

} // namespace ward
