#pragma once

namespace ward {

class App;

// The station's reports of the day read what these procedures leave on the server. Each reads the server's date
// afresh first, so a report printed after midnight is of the new day. A failure reaches the caller.
void PrepareCensusReport(App& app);
void PrepareDischargeListReport(App& app);

} // namespace ward
