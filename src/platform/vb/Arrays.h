#pragma once

#include "VbError.h"

#include <vector>

namespace vb {

// Arrays as Split gives them: zero-based, an empty one has UBound -1.
template <typename T> int UBound(const std::vector<T>& items) { return static_cast<int>(items.size()) - 1; }

// One element; an index outside the array raises "Subscript out of range".
template <typename T> const T& Element(const std::vector<T>& items, int index) {
    if (index < 0 || index > UBound(items))
        RaiseSubscriptOutOfRange();
    return items[static_cast<std::size_t>(index)];
}

} // namespace vb
