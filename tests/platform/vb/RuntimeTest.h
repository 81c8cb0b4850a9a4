#pragma once

#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/VbError.h"

#include <string>

// The text of the runtime error an expression raises, or "" when it raises none.
template <typename Expression> std::string RaisedError(Expression expression) {
    try {
        expression();
    } catch (const vb::VbError& error) {
        return error.Description();
    }
    return "";
}

inline vb::Date At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return vb::MakeDate({year, month, day, hour, minute, second});
}
