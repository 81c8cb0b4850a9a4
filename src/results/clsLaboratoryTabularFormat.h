#pragma once

#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// Lays an admission's laboratory results into a grid as a table: a heading row per section, a row per examination
// with its normal values, and a column per day of the admission holding that day's results. One object for the run.
class clsLaboratoryTabularFormat {
public:
    explicit clsLaboratoryTabularFormat(App& app) : app(app) {}

    // Whose results are laid; trimmed where it is used.
    std::string AdmissionNumber;

    // Lays the table into the grid from the server's day range and results. Reports its own errors: the grid keeps
    // what was laid before the error.
    void Load_Results(forms::MSHFlexGrid& Grid);

private:
    void LayOut(forms::MSHFlexGrid& Grid);

    App& app;
};

} // namespace ward
