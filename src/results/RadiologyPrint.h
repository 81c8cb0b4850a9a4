#pragma once

#include "platform/db/Recordset.h"

#include <array>
#include <functional>
#include <string>

namespace ward {

class App;

// The station procedure's kinds of radiology result; the results component numbers its own kinds differently.
enum class RadiologyLookUpKind { Xray = 1, CT = 2, Ultrasound = 3 };

// The 24 values of the staging call, value 1 first. Value 21 (index 20) is always sent as the empty text.
using RadiologyStagingValues = std::array<std::string, 24>;

// One radiology printout: which released result, for whom, and how it is shown. The caller makes the staging values
// from the look-up's first row once the staged rows of the user and admission are cleared; an error it raises there
// stops the printout with nothing staged.
struct RadiologyPrintout {
    std::string requestNum; // the result's request number, trimmed
    RadiologyLookUpKind kind = RadiologyLookUpKind::Xray;
    std::string admission;      // trimmed: whose staged rows are cleared, report parameter 4
    std::string hospitalNumber; // report parameter 1, trimmed
    std::string section;        // report parameter 0
    std::string caption;
    bool directPrint = false;
    std::function<RadiologyStagingValues(const db::Recordset& result)> values;
};

// The staging call of those values, each through the quoting helper.
std::string RadiologyStagingCall(const RadiologyStagingValues& values);

// Looks the result up; when it is released, clears the user's staged rows of the admission, stages the result and
// opens RadioResult.Rpt in the standard viewer (returning when it is closed) or prints it at once. False when the
// look-up found no row: nothing is staged or shown. Errors reach the caller; the steps done stay done, since the next
// printout clears and stages again.
bool PrintRadiologyResult(App& app, const RadiologyPrintout& printout);

} // namespace ward
