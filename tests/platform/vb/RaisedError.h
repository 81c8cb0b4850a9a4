#pragma once

#include "platform/vb/VbError.h"

#include <string>

// The text of the runtime error an expression raises, or "" when it raises none.
template <typename Expression> std::string RaisedError(Expression expression) {
    try {
        expression();
    } catch (const vb::VbError &error) {
        return error.Description();
    }
    return "";
}
