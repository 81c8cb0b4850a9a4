#include "Operators.h"

#include "Conversions.h"
#include "DateText.h"
#include "Decimal.h"
#include "Strings.h"
#include "VbError.h"

#include <cmath>
#include <limits>

namespace vb {

namespace {

enum class Operation { Add, Subtract, Multiply };

// Empty and Boolean count as Integers and a text as a Double read strictly.
Variant AsNumber(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
        return std::int16_t{0};
    case VarType::Boolean:
        return static_cast<std::int16_t>(value.AsBoolean() ? -1 : 0);
    case VarType::String:
        return CDbl(value);
    default:
        return value;
    }
}

bool IsWhole(VarType type) { return type == VarType::Integer || type == VarType::Long; }

long long WholeOf(const Variant& value) {
    return value.Type() == VarType::Integer ? value.AsInteger() : value.AsLong();
}

double Apply(Operation operation, double a, double b) {
    switch (operation) {
    case Operation::Add:
        return a + b;
    case Operation::Subtract:
        return a - b;
    case Operation::Multiply:
        return a * b;
    }
    return 0;
}

Variant DoubleResult(double value) {
    if (!std::isfinite(value))
        RaiseOverflow();
    return value;
}

Variant SingleResult(double value) {
    if (std::fabs(value) <= std::numeric_limits<float>::max())
        return static_cast<float>(value);
    return DoubleResult(value);
}

Variant WholeResult(long long value, bool integerOperands) {
    if (integerOperands && value >= INT16_MIN && value <= INT16_MAX)
        return static_cast<std::int16_t>(value);
    if (value >= INT32_MIN && value <= INT32_MAX)
        return static_cast<std::int32_t>(value);
    return static_cast<double>(value);
}

Variant CurrencyResult(__int128 scaled) {
    if (scaled > std::numeric_limits<std::int64_t>::max() || scaled < std::numeric_limits<std::int64_t>::min())
        RaiseOverflow();
    return Currency{static_cast<std::int64_t>(scaled)};
}

Variant CurrencyArithmetic(Operation operation, const Variant& a, const Variant& b) {
    const bool bothExact =
        (a.Type() == VarType::Currency || IsWhole(a.Type())) && (b.Type() == VarType::Currency || IsWhole(b.Type()));
    if (operation != Operation::Multiply) {
        const __int128 sa = CCur(a).scaled, sb = CCur(b).scaled;
        return CurrencyResult(operation == Operation::Add ? sa + sb : sa - sb);
    }
    if (!bothExact)
        return CCur(DoubleResult(CDbl(a) * CDbl(b)));
    if (a.Type() == VarType::Currency && b.Type() == VarType::Currency) {
        const __int128 product = static_cast<__int128>(a.AsCurrency().scaled) * b.AsCurrency().scaled;
        // Back to four decimals, the half going to the even neighbour.
        __int128 quotient = product / 10000;
        const __int128 rest = product % 10000;
        const __int128 twice = rest < 0 ? -2 * rest : 2 * rest;
        if (twice > 10000 || (twice == 10000 && quotient % 2 != 0))
            quotient += product < 0 ? -1 : 1;
        return CurrencyResult(quotient);
    }
    const Variant& money = a.Type() == VarType::Currency ? a : b;
    const Variant& whole = a.Type() == VarType::Currency ? b : a;
    return CurrencyResult(static_cast<__int128>(money.AsCurrency().scaled) * WholeOf(whole));
}

Variant NumericArithmetic(Operation operation, const Variant& a, const Variant& b) {
    const VarType ta = a.Type(), tb = b.Type();
    if (ta == VarType::Currency || tb == VarType::Currency)
        return CurrencyArithmetic(operation, a, b);
    if (IsWhole(ta) && IsWhole(tb)) {
        const long long x = WholeOf(a), y = WholeOf(b);
        const long long result =
            operation == Operation::Add ? x + y : (operation == Operation::Subtract ? x - y : x * y);
        return WholeResult(result, ta == VarType::Integer && tb == VarType::Integer);
    }
    const double result = Apply(operation, CDbl(a), CDbl(b));
    const bool single = (ta == VarType::Single && (tb == VarType::Single || tb == VarType::Integer)) ||
                        (tb == VarType::Single && ta == VarType::Integer);
    return single ? SingleResult(result) : DoubleResult(result);
}

Variant DateResult(double serial) {
    if (!IsInDateRange(serial))
        RaiseOverflow();
    return Date{serial};
}

Variant Arithmetic(Operation operation, const Variant& left, const Variant& right) {
    if (left.IsNull() || right.IsNull())
        return Variant::Null();
    const Variant a = AsNumber(left), b = AsNumber(right);
    const bool dates = a.IsDate() || b.IsDate();
    if (dates && operation == Operation::Subtract && a.IsDate() && b.IsDate())
        return DoubleResult(CDbl(a) - CDbl(b));
    if (dates && operation != Operation::Multiply)
        return DateResult(Apply(operation, CDbl(a), CDbl(b)));
    if (dates)
        return DoubleResult(CDbl(a) * CDbl(b));
    return NumericArithmetic(operation, a, b);
}

// Integer when both sides are Integers (Empty and Boolean counting as Integers), Long otherwise.
bool IntegerOperands(const Variant& a, const Variant& b) {
    const auto integer = [](const Variant& v) {
        return v.Type() == VarType::Integer || v.Type() == VarType::Boolean || v.IsEmpty();
    };
    return integer(a) && integer(b);
}

template <typename Combine> Variant WholeDivision(const Variant& left, const Variant& right, Combine combine) {
    if (left.IsNull() || right.IsNull())
        return Variant::Null();
    const bool integers = IntegerOperands(left, right);
    const long long x = integers ? CInt(left) : CLng(left);
    const long long y = integers ? CInt(right) : CLng(right);
    if (y == 0)
        RaiseDivisionByZero();
    const long long result = combine(x, y);
    if (!integers && (result < INT32_MIN || result > INT32_MAX))
        RaiseOverflow();
    return WholeResult(result, integers);
}

Variant Truth(std::optional<int> order, bool (*holds)(int)) {
    if (!order)
        return Variant::Null();
    return holds(*order);
}

// Values that hold a number without rounding; a Decimal among them is compared on every digit.
bool IsExact(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Currency:
    case VarType::Decimal:
        return true;
    default:
        return false;
    }
}

int Sign(double difference) { return difference < 0 ? -1 : (difference > 0 ? 1 : 0); }

} // namespace

std::string ConcatText(const Variant& value) { return value.IsNull() ? std::string() : CStr(value); }

Variant operator&(const Variant& left, const Variant& right) {
    if (left.IsNull() && right.IsNull())
        return Variant::Null();
    return ConcatText(left) + ConcatText(right);
}

Variant operator+(const Variant& left, const Variant& right) {
    if (left.IsNull() || right.IsNull())
        return Variant::Null();
    if (left.IsString() && (right.IsString() || right.IsEmpty()))
        return left.AsString() + (right.IsString() ? right.AsString() : std::string());
    if (right.IsString() && left.IsEmpty())
        return right;
    return Arithmetic(Operation::Add, left, right);
}

Variant operator-(const Variant& left, const Variant& right) { return Arithmetic(Operation::Subtract, left, right); }
Variant operator*(const Variant& left, const Variant& right) { return Arithmetic(Operation::Multiply, left, right); }

Variant operator/(const Variant& left, const Variant& right) {
    if (left.IsNull() || right.IsNull())
        return Variant::Null();
    const Variant a = AsNumber(left), b = AsNumber(right);
    const double x = CDbl(a), y = CDbl(b);
    if (y == 0) {
        if (x == 0)
            RaiseOverflow();
        RaiseDivisionByZero();
    }
    const auto small = [](VarType t) { return t == VarType::Integer || t == VarType::Single; };
    if (small(a.Type()) && small(b.Type()))
        return SingleResult(x / y);
    return DoubleResult(x / y);
}

Variant operator-(const Variant& value) {
    if (value.IsNull())
        return Variant::Null();
    return Arithmetic(Operation::Subtract, std::int16_t{0}, value.IsDate() ? Variant(value.AsDate().serial) : value);
}

Variant IntDiv(const Variant& left, const Variant& right) {
    return WholeDivision(left, right, [](long long x, long long y) { return x / y; });
}

Variant Mod(const Variant& left, const Variant& right) {
    return WholeDivision(left, right, [](long long x, long long y) { return x % y; });
}

std::optional<int> Compare(const Variant& left, const Variant& right) {
    if (left.IsNull() || right.IsNull())
        return std::nullopt;
    if ((left.IsString() || left.IsEmpty()) && (right.IsString() || right.IsEmpty()))
        return StrComp(left.IsString() ? left.AsString() : "", right.IsString() ? right.AsString() : "");
    if (left.IsString() && right.IsDate())
        return Sign(CDate(left).serial - right.AsDate().serial);
    if (left.IsDate() && right.IsString())
        return Sign(left.AsDate().serial - CDate(right).serial);
    if (left.Type() == VarType::Currency && right.Type() == VarType::Currency) {
        const std::int64_t a = left.AsCurrency().scaled, b = right.AsCurrency().scaled;
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    const bool decimal = left.Type() == VarType::Decimal || right.Type() == VarType::Decimal;
    if (decimal && IsExact(left) && IsExact(right))
        return CompareDecimals(CDec(left), CDec(right));
    const double a = CDbl(left), b = CDbl(right);
    return a < b ? -1 : (a > b ? 1 : 0);
}

Variant Equal(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o == 0; });
}
Variant NotEqual(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o != 0; });
}
Variant Less(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o < 0; });
}
Variant LessEqual(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o <= 0; });
}
Variant Greater(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o > 0; });
}
Variant GreaterEqual(const Variant& l, const Variant& r) {
    return Truth(Compare(l, r), [](int o) { return o >= 0; });
}

bool IsTrue(const Variant& condition) { return !condition.IsNull() && CBool(condition); }

} // namespace vb
