#pragma once

#include "platform/db/Recordset.h"
#include "platform/vb/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace db {
class Connection;
} // namespace db

namespace components {

// Every outside component of the hospital system derives from this, so the factory can hand out any of them by its
// program identifier.
class Component {
public:
    virtual ~Component() = default;
};

// A flag a component may leave without value (a Null column). Callers that tell Null from False use the three states;
// the others say what Null counts as with value_or.
using NullableFlag = std::optional<bool>;

// What a component that lists rows hands back: a recordset the caller reads like its own and closes.
using RecordsetResult = db::Recordset;

} // namespace components
