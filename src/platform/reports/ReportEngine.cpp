#include "ReportEngine.h"

#include <algorithm>

namespace reports {

std::string Describe(const LogOnInfo& logOn) {
    return logOn.ServerName + "/" + logOn.DatabaseName + " as " + logOn.UserID;
}

void SetParameterValues(Report& report, const std::vector<vb::Variant>& values) {
    const int count = std::min(report.ParameterFieldCount(), static_cast<int>(values.size()));
    for (int i = 0; i < count; ++i)
        report.SetParameterValue(i, values[static_cast<std::size_t>(i)]);
}

} // namespace reports
