#pragma once

#include "platform/vb/VbError.h"

#include <string>

namespace reports {

// Error numbers of the report engine's own errors.
enum ReportErrorNumber {
    rptErrTemplateMissing = 20500,
    rptErrTemplateInvalid = 20501,
    rptErrNoSuchSubreport = 20502,
    rptErrBadParameterValue = 20503,
    rptErrNoPrinter = 20504,
    rptErrQueryResult = 20505,
};

// Every error of the engine, with a text a nurse can pass on to the IT department.
class ReportError : public vb::VbError {
public:
    using vb::VbError::VbError;
};

} // namespace reports
