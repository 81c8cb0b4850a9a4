#include "VbError.h"

namespace vb {

void RaiseTypeMismatch() { throw VbError(vbErrTypeMismatch, "Type mismatch"); }
void RaiseOverflow() { throw VbError(vbErrOverflow, "Overflow"); }
void RaiseInvalidUseOfNull() { throw VbError(vbErrInvalidUseOfNull, "Invalid use of Null"); }
void RaiseSubscriptOutOfRange() { throw VbError(vbErrSubscriptOutOfRange, "Subscript out of range"); }
void RaiseDivisionByZero() { throw VbError(vbErrDivisionByZero, "Division by zero"); }
void RaiseInvalidProcedureCall() { throw VbError(vbErrInvalidProcedureCall, "Invalid procedure call or argument"); }

} // namespace vb
