#include "charges/OxygenTanks.h"

#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"

namespace ward {

bool HasOpenTank(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, false, [&] {
        return ReturnsRow(app, "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = " + db::SqlQuote(IdNum) +
                                   " AND STATUS = 1");
    });
}

} // namespace ward
