#pragma once

#include "platform/reports/Page.h"

#include <string>

namespace guitest {

// The text poppler reads back from the document written to a PDF, or what went wrong.
std::string PdfText(const reports::Document& document);

} // namespace guitest
