#include "SqlText.h"

#include "platform/vb/Conversions.h"

#include "DbError.h"
#include "ResultTable.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Decimal.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace db {

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool LineBreakAt(std::string_view text, std::size_t at) {
    return text.substr(at, 1) == "\n" || text.substr(at, 2) == "\r\n";
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == ';'))
        text.remove_suffix(1);
    return text;
}

// Splits a statement into words, quoted literals and single punctuation marks; bracketed names stay one word.
std::vector<std::string_view> Tokens(std::string_view sql) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        std::size_t start = i;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '\'') {
            for (++i; i < sql.size(); ++i) {
                if (sql[i] != '\'')
                    continue;
                if (i + 1 < sql.size() && sql[i + 1] == '\'') {
                    ++i;
                    continue;
                }
                break;
            }
            ++i;
        } else if (IsWordChar(c) || c == '[' || c == '.' || c == '#') {
            while (i < sql.size() && (IsWordChar(sql[i]) || sql[i] == '.' || sql[i] == '#' || sql[i] == '[')) {
                if (sql[i] == '[')
                    while (i < sql.size() && sql[i] != ']')
                        ++i;
                ++i;
            }
        } else {
            ++i;
        }
        tokens.push_back(sql.substr(start, std::min(i, sql.size()) - start));
    }
    return tokens;
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Enclosed(std::string_view text, char open, char close) {
    std::string enclosed;
    enclosed.reserve(text.size() + 2);
    enclosed += open;
    for (char c : text) {
        enclosed += c;
        if (c == close)
            enclosed += close;
    }
    enclosed += close;
    return enclosed;
}

std::string SqlQuote(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw DbError(dbErrBadArgument, "The text cannot be sent to the database: it holds a NUL character, at which "
                                        "the server would cut it off.");
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    for (std::size_t i = 0; i < text.size(); ++i) {
        quoted += text[i];
        if (text[i] == '\'')
            quoted += '\'';
        // The server drops a backslash and the line break after it inside a literal; it drops this one instead.
        if (text[i] == '\\' && LineBreakAt(text, i + 1))
            quoted += "\\\n";
    }
    quoted += '\'';
    return quoted;
}

std::string SqlIdentifier(std::string_view name) {
    bool valid = !name.empty();
    for (char c : name)
        valid = valid && IsWordChar(c);
    if (!valid)
        throw DbError(dbErrBadParameter, "\"" + std::string(name) +
                                             "\" is not a valid name: only letters, digits "
                                             "and \"_\" are allowed.");
    return std::string(name);
}

std::string DoubleText(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string SqlLiteral(const vb::Variant& value) {
    switch (value.Type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
        return "NULL";
    case vb::VarType::Boolean:
        return value.AsBoolean() ? "1" : "0";
    case vb::VarType::Integer:
        return std::to_string(value.AsInteger());
    case vb::VarType::Long:
        return std::to_string(value.AsLong());
    case vb::VarType::Single:
        return DoubleText(value.AsSingle());
    case vb::VarType::Double:
        return DoubleText(value.AsDouble());
    case vb::VarType::Currency:
        return vb::CurrencyText(value.AsCurrency());
    case vb::VarType::Date: {
        const vb::DateParts p = vb::SplitDate(value.AsDate());
        char text[48];
        std::snprintf(text, sizeof text, "{ts '%04d-%02d-%02d %02d:%02d:%02d'}", p.year, p.month, p.day, p.hour,
                      p.minute, p.second);
        return text;
    }
    case vb::VarType::String:
        return SqlQuote(value.AsString());
    case vb::VarType::Decimal:
        return vb::DecimalText(value.AsDecimal());
    }
    return "NULL";
}

std::string SqlColumnName(std::string_view name) {
    bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name.front()));
    for (char c : name)
        plain = plain && IsWordChar(c);
    return plain ? std::string(name) : Enclosed(name, '[', ']');
}

std::string RenderWithParameters(std::string_view sql, const std::vector<Parameter>& parameters) {
    std::string text;
    std::size_t next = 0;
    bool inLiteral = false;
    for (char c : sql) {
        if (c == '\'')
            inLiteral = !inLiteral;
        if (c == '?' && !inLiteral && next < parameters.size())
            text += SqlLiteral(parameters[next++].value);
        else
            text += c;
    }
    return text;
}

std::optional<vb::Currency> ParseCurrency(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr long long limit = std::numeric_limits<long long>::max() / 10;
    long long scaled = 0;
    int decimals = -1; // -1 before the point
    bool anyDigit = false;
    int roundDigit = -1;
    bool stickyDigits = false;
    for (char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        anyDigit = true;
        const int digit = c - '0';
        if (decimals >= 4) {
            if (roundDigit < 0)
                roundDigit = digit;
            else
                stickyDigits = stickyDigits || digit != 0;
            continue;
        }
        if (scaled > limit)
            return std::nullopt;
        scaled = scaled * 10 + digit;
        if (decimals >= 0)
            ++decimals;
    }
    if (!anyDigit)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 4; ++d) {
        if (scaled > limit)
            return std::nullopt;
        scaled *= 10;
    }
    if (roundDigit > 5 || (roundDigit == 5 && (stickyDigits || scaled % 2 != 0)))
        ++scaled;
    return vb::Currency{negative ? -scaled : scaled};
}

bool IsBareObjectName(std::string_view sql) {
    sql = Trimmed(sql);
    if (sql.empty())
        return false;
    for (char c : sql)
        if (!(IsWordChar(c) || c == '.' || c == '[' || c == ']' || c == '#'))
            return false;
    return true;
}

std::optional<std::string> SingleTableOf(std::string_view sql) {
    const std::vector<std::string_view> tokens = Tokens(Trimmed(sql));
    if (tokens.empty() || !SameName(tokens.front(), "select"))
        return std::nullopt;
    int depth = 0;
    std::size_t from = 0;
    for (std::size_t i = 1; i < tokens.size() && from == 0; ++i) {
        depth += tokens[i] == "(" ? 1 : tokens[i] == ")" ? -1 : 0;
        if (depth == 0 && SameName(tokens[i], "from"))
            from = i;
    }
    if (from == 0 || from + 1 >= tokens.size())
        return std::nullopt;
    const std::string_view table = tokens[from + 1];
    if (!IsWordChar(table.front()) && table.front() != '[' && table.front() != '#')
        return std::nullopt;
    if (from + 2 < tokens.size() && !SameName(tokens[from + 2], "where") && !SameName(tokens[from + 2], "order"))
        return std::nullopt;
    return std::string(table);
}

} // namespace db
