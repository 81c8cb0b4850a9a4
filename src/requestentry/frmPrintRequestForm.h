#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <optional>
#include <string>

namespace ward {

class App;

// Tells the nurse that the laboratory request form is on its way to the printer and prints it again on REPRINT:
// the exams posted for the chart's admission under the last laboratory reference number become the user's print
// rows, and the form goes straight to the printer.
class frmPrintRequestForm : public forms::Form {
public:
    explicit frmPrintRequestForm(App& app);

    forms::Image Image1{*this, "Image1"};
    forms::ControlArray<forms::Label> lblMessage{*this, "lblMessage"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 OK, 1 REPRINT

    void SaveLabRequestForms();
    void PrintLabRequestForm(const std::string& Stat, const std::string& Section, const std::string& ReferenceNum);

private:
    void Design() override;
    void cmdOption_Click(int Index);

    App& app;
};

// What the print of a run of posted exams takes from them: the first exam's priority flag, the last one's section.
struct PostedExamsPrint {
    std::string Type, Section;
};

// How the priority of every print row is written: as "STAT" or "ROUTINE", or as the posted flag itself.
enum class PriorityText { StatOrRoutine, AsPosted };

// Reads the laboratory exams posted for the chart's admission under the reference or charge slip number and, when
// there are any, makes them the user's print rows in one transaction, each with the first exam's priority; the
// account number goes into every row. Nothing when no exam is posted; a failure reaches the caller and leaves the
// user's earlier print rows.
std::optional<PostedExamsPrint> StagePostedLabExams(App& app, const std::string& reference, PriorityText priority,
                                                    const std::string& account);
// Prints the form of the posted exams at once, without the viewer; a failure is shown and goes no further.
void PrintPostedExamsForm(App& app, const std::string& file, const std::string& caption, const std::string& Stat,
                          const std::string& Section, const std::string& reference);
// The statement that lists the exams posted for the admission; reference and which ("0" the list of all, "1" the
// exams of one reference or charge slip) as the window asks.
std::string PostedLabExamsQuery(const std::string& admission, const std::string& station, const std::string& reference,
                                const std::string& which);

} // namespace ward
