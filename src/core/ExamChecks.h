#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"

#include <string>

namespace ward {

class App;

// Checks the request and charge windows run before a line is added. Arguments are trimmed before they go into the
// statement (except where said); a missing row is never an error. None of them catches an error.

// True when the same item is already requested and pending; the nurse has been told.
bool CheckExamStatus(App& app, const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode);
// True when the item was processed today and the nurse chose not to repeat it.
bool ConfirmRepeatRequest(App& app, const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode);
// True when the item was posted today and the nurse chose not to repeat it.
bool ConfirmRepeatCharge(App& app, const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode);

// The specimen of a laboratory exam: its description ("None" when the exam takes none, "" when it takes one of
// several, to be picked by the nurse). Sets SpecimenCode, HasSeveralSpecimens and SpecimenOut.
std::string GetLabExamSpecimen(App& app, const std::string& ExamID, std::string& SpecimenOut);

// Routine (0) or STAT (1) of a laboratory request by the exam's rule, the server's weekday and the server's hour;
// the window passes its option array. ExamID goes in as passed.
void SetLabPriorityOptions(App& app, const std::string& ExamID, forms::ControlArray<forms::OptionButton>& Option1);

// How many of one exam may be ordered: MaxQty for a procedure with an open quantity, otherwise 1.
double GetLabExamMaxQty(App& app, const std::string& ExamID);
double GetXrayExamMaxQty(App& app, const std::string& ExamID);
double GetUltrasoundExamMaxQty(App& app, const std::string& ExamID);

// True when a pending request line may not be cancelled (revoked, processed, or from another station); the nurse
// has been told why.
bool IsRequestLocked(App& app, const std::string& RequestRef);

} // namespace ward
