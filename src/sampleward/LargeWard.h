#pragma once

#include "sampleward/SampleServer.h"

#include <memory>
#include <string>
#include <vector>

// A generated large ward for measuring the nurse's path: the sample ward with 2,000 exams in each of the chart's
// catalogues. It is not the sample ward the program offers.
namespace sampleward::large {

inline constexpr int ExamsPerList = 2000;

// One statement the ward answers and the rows it gives.
struct StatementResult {
    std::string statement;
    std::vector<std::string> columns;
    std::vector<Row> rows;
};

// The eleven exam catalogues the chart's set-up reads, in its order (the report list is the sample ward's).
const std::vector<StatementResult>& ChartSetUpResults();

// The sample ward with the large catalogues.
std::unique_ptr<SampleServer> OpenLargeWard();

} // namespace sampleward::large
