#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace vb {

// A money amount with four exact decimals, stored as ten-thousandths.
struct Currency {
    std::int64_t scaled = 0;
    static Currency FromScaled(std::int64_t value) { return Currency{value}; }
    friend bool operator==(Currency, Currency) = default;
};

// A date and time as a count of days since 12/30/1899; the fraction is the time of day.
struct Date {
    double serial = 0.0;
    friend bool operator==(Date, Date) = default;
};

// An exact number of up to 38 digits, units x 10^-scale: how bigint and the decimal columns too wide for Currency
// arrive. Made through MakeDecimal, which drops trailing zeros of the fraction, so equal numbers are equal values.
struct Decimal {
    __int128 units = 0;
    int scale = 0;
    friend bool operator==(Decimal, Decimal) = default;
};

struct NullValue {
    friend bool operator==(NullValue, NullValue) = default;
};

enum class VarType { Empty, Null, Boolean, Integer, Long, Single, Double, Currency, Date, String, Decimal };

class Variant {
public:
    Variant() = default;
    Variant(NullValue) : value(NullValue{}) {}
    Variant(bool v) : value(v) {}
    Variant(std::int16_t v) : value(v) {}
    Variant(std::int32_t v) : value(v) {}
    Variant(float v) : value(v) {}
    Variant(double v) : value(v) {}
    Variant(Currency v) : value(v) {}
    Variant(Date v) : value(v) {}
    Variant(std::string v) : value(std::move(v)) {}
    Variant(const char* v) : value(std::string(v)) {}
    Variant(Decimal v) : value(v) {}

    static Variant Null() { return Variant(NullValue{}); }

    VarType Type() const { return static_cast<VarType>(value.index()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsNull() const { return Type() == VarType::Null; }
    bool IsString() const { return Type() == VarType::String; }
    bool IsDate() const { return Type() == VarType::Date; }

    // The stored value as its own type; the caller has checked Type().
    bool AsBoolean() const { return std::get<bool>(value); }
    std::int16_t AsInteger() const { return std::get<std::int16_t>(value); }
    std::int32_t AsLong() const { return std::get<std::int32_t>(value); }
    float AsSingle() const { return std::get<float>(value); }
    double AsDouble() const { return std::get<double>(value); }
    Currency AsCurrency() const { return std::get<Currency>(value); }
    Date AsDate() const { return std::get<Date>(value); }
    const std::string& AsString() const { return std::get<std::string>(value); }
    Decimal AsDecimal() const { return std::get<Decimal>(value); }

    // Same type and same value; not the language's "=" comparison.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, NullValue, bool, std::int16_t, std::int32_t, float, double, Currency, Date,
                 std::string, Decimal>
        value;
};

} // namespace vb
