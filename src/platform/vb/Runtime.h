#pragma once

// Everything window code uses of the language runtime, for one include and `using namespace vb;`.
#include "Arrays.h"
#include "Conversions.h"
#include "DateText.h"
#include "DateTime.h"
#include "Format.h"
#include "Operators.h"
#include "Strings.h"
#include "Variant.h"
#include "VbError.h"
