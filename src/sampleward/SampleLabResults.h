#pragma once

#include "components/LabResultViewer.h"

#include <string>
#include <vector>

namespace sampleward {

// The sample patient's released laboratory results, with their requests and charge slips: the one set both the
// result viewer and the results list read.
std::vector<components::LabResultLine> SampleLabLines(const std::string& idNum);

} // namespace sampleward
