#pragma once

#include "platform/forms/Grid.h"
#include "platform/forms/Lists.h"

#include <string>

namespace ward {

class App;

// Laboratory profiles against the order grids. A profile grid holds the member exams of the profiles ordered so
// far: column 1 ExamID, 2 ExamName, 3 ProfileID, 4 ProfileName, data from row 1, one blank row when empty. An order
// grid (the chart's cart, key column 2, or the request dialog's entry grid, key column 1) holds the exam code in its
// key column. Cells are compared trimmed and case-sensitive. None of these catches an error.

// True when the exam is a profile: its members are appended to ProfileGrid (row 1 reused while it is blank).
bool LoadProfileExams(App& app, const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid);
// True when an ordered exam is a member of a profile in ProfileGrid; the nurse has been told the first one.
bool CheckOrdersInProfile(App& app, forms::MSHFlexGrid& ProfileGrid, forms::MSHFlexGrid& OrderGrid, int KeyColumn);
// Takes out of OrderGrid every order whose exam is a member in ProfileGrid (the last data row is cleared instead).
// A cart row (key column 2) that came from the chart's laboratory quick list has its line unticked in
// lstListLaboratory.
void RemoveProfileExamsFromOrders(forms::MSHFlexGrid& ProfileGrid, forms::MSHFlexGrid& OrderGrid, int KeyColumn,
                                  forms::ListBox& lstListLaboratory);
// True when the exam (passed trimmed) is a member of a profile in ProfileGrid; the nurse has been told.
bool CheckExamInProfile(App& app, const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid);
// Takes the members of the profile ExamID out of ProfileGrid.
void RemoveExamFromProfileList(const std::string& ExamID, forms::MSHFlexGrid& ProfileGrid);

// Unticks the line of a sorted check-box list that has this text, the way such a list allows: the line goes and
// comes back at its place. No line has the text: nothing happens.
void UntickQuickListLine(forms::ListBox& list, const std::string& line);

} // namespace ward
