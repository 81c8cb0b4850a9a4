#pragma once

#include <stdexcept>
#include <string>

namespace vb {

// The runtime's trappable errors keep their numbers and texts: nurses read them in the error message.
enum VbErrorNumber {
    vbErrInvalidProcedureCall = 5,
    vbErrOverflow = 6,
    vbErrSubscriptOutOfRange = 9,
    vbErrDivisionByZero = 11,
    vbErrTypeMismatch = 13,
    vbErrInvalidUseOfNull = 94,
};

class VbError : public std::runtime_error {
public:
    VbError(int number, const std::string& description) : std::runtime_error(description), number(number) {}
    int Number() const { return number; }
    std::string Description() const { return what(); }

private:
    int number;
};

[[noreturn]] void RaiseTypeMismatch();
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseInvalidUseOfNull();
[[noreturn]] void RaiseSubscriptOutOfRange();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseInvalidProcedureCall();

} // namespace vb
