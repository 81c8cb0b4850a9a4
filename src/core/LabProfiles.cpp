#include "core/LabProfiles.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

#include <algorithm>

namespace ward {

namespace {

std::string Cell(const forms::MSHFlexGrid& grid, int row, int col) { return vb::Trim(grid.TextMatrix(row, col)); }

// A grid with its header and one data row whose column 1 is blank holds nothing.
bool HoldsNothing(const forms::MSHFlexGrid& grid) { return grid.Rows() == 2 && grid.TextMatrix(1, 1).empty(); }

// The first (order row, profile row) whose exam codes are equal, scanning order rows, then profile rows.
struct Match {
    int orderRow = 0;
    int profileRow = 0;
};
std::optional<Match> FirstOrderInProfile(const forms::MSHFlexGrid& ProfileGrid, const forms::MSHFlexGrid& OrderGrid,
                                         int KeyColumn) {
    for (int i = 1; i < OrderGrid.Rows(); ++i) {
        const std::string code = Cell(OrderGrid, i, KeyColumn);
        if (code.empty()) // a blank row orders nothing
            continue;
        for (int j = 1; j < ProfileGrid.Rows(); ++j)
            if (code == Cell(ProfileGrid, j, 1))
                return Match{i, j};
    }
    return std::nullopt;
}

void ClearCells(forms::MSHFlexGrid& grid, int row, int firstCol, int lastCol) {
    for (int col = firstCol; col <= std::min(lastCol, grid.Cols() - 1); ++col)
        grid.SetTextMatrix(row, col, "");
}

} // namespace

// The line is found by its text, because the index kept in the cart goes stale once lines leave and come back.
void UntickQuickListLine(forms::ListBox& list, const std::string& line) {
    for (int index = 0; index < list.ListCount(); ++index) {
        if (list.List(index) == line) {
            list.RemoveItem(index);
            list.AddItem(line);
            list.Refresh();
            return;
        }
    }
}

bool LoadProfileExams(App& app, const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid) {
    db::Recordset rs = app.Connection().Open("STATION..sp_Nurse_Get_ProfileList " + db::SqlQuote(vb::Trim(ExamID)),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (rs.Eof()) {
        rs.Close();
        return false;
    }
    for (; !rs.Eof(); rs.MoveNext()) {
        int row = 1;
        if (!ProfileGrid.TextMatrix(1, 1).empty()) {
            ProfileGrid.SetRows(ProfileGrid.Rows() + 1);
            row = ProfileGrid.Rows() - 1;
        }
        ProfileGrid.SetTextMatrix(row, 1, vb::ConcatText(rs.Fields("ExamID")));
        ProfileGrid.SetTextMatrix(row, 2, vb::ConcatText(rs.Fields("ExamName")));
        ProfileGrid.SetTextMatrix(row, 3, vb::ConcatText(rs.Fields("ProfileID")));
        ProfileGrid.SetTextMatrix(row, 4, vb::ConcatText(rs.Fields("ProfileName")));
    }
    rs.Close();
    return true;
}

bool CheckOrdersInProfile(App& app, forms::MSHFlexGrid& ProfileGrid, forms::MSHFlexGrid& OrderGrid, int KeyColumn) {
    std::optional<Match> match = FirstOrderInProfile(ProfileGrid, OrderGrid, KeyColumn);
    if (!match)
        return false;
    app.Forms.MsgBox("The Exam " + Cell(ProfileGrid, match->profileRow, 2) +
                         " in the ORDER LIST is included in this Profile(" + Cell(ProfileGrid, match->profileRow, 4) +
                         ")",
                     forms::vbOKOnly + forms::vbExclamation, "Message");
    return true;
}

void RemoveProfileExamsFromOrders(forms::MSHFlexGrid& ProfileGrid, forms::MSHFlexGrid& OrderGrid, int KeyColumn,
                                  forms::ListBox& lstListLaboratory) {
    while (!HoldsNothing(OrderGrid)) {
        std::optional<Match> match = FirstOrderInProfile(ProfileGrid, OrderGrid, KeyColumn);
        if (!match)
            return;
        const int row = match->orderRow;
        if (KeyColumn == 2 && !Cell(OrderGrid, row, 11).empty())
            UntickQuickListLine(lstListLaboratory, OrderGrid.TextMatrix(row, 10));
        if (OrderGrid.Rows() == 2) {
            ClearCells(OrderGrid, 1, 1, 15);
            return;
        }
        OrderGrid.RemoveItem(row);
    }
}

bool CheckExamInProfile(App& app, const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid) {
    for (int i = 1; i < ProfileGrid.Rows(); ++i) {
        if (ExamID == Cell(ProfileGrid, i, 1)) {
            app.Forms.MsgBox("This Exam " + Cell(ProfileGrid, i, 2) + " is included in this Profile(" +
                                 Cell(ProfileGrid, i, 4) + ")",
                             forms::vbOKOnly + forms::vbExclamation, "Message");
            return true;
        }
    }
    return false;
}

void RemoveExamFromProfileList(const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid) {
    const std::string profileID = vb::Trim(ExamID);
    for (int i = 1; i < ProfileGrid.Rows() && !HoldsNothing(ProfileGrid);) {
        if (Cell(ProfileGrid, i, 3) != profileID) {
            ++i;
        } else if (ProfileGrid.Rows() == 2) {
            ClearCells(ProfileGrid, 1, 1, 4);
            return;
        } else {
            ProfileGrid.RemoveItem(i);
            i = 1;
        }
    }
}

} // namespace ward
