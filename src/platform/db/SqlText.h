#pragma once

#include "platform/vb/Variant.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

struct Parameter;

// A text value as an SQL string literal: between single quotes, every single quote inside it doubled. Every value
// that goes into SQL text goes through here, so typed text can never change a statement. A backslash before a line
// break is followed by a second backslash and line break, which the server takes as a line continuation and drops
// in place of the text's own. A text holding a NUL raises (dbErrBadArgument): the server would end it there.
std::string SqlQuote(std::string_view text);

// The text between open and close, each close inside it doubled: the one escaping rule of SQL literals ('),
// bracketed names (]) and braced connection-string values (}).
std::string Enclosed(std::string_view text, char open, char close);

// Whether two names are equal without regard to the case of ASCII letters, as the server compares names.
bool SameName(std::string_view a, std::string_view b);

// An identifier sent bare (the database of a USE): only letters, digits and "_" are accepted; anything else raises.
std::string SqlIdentifier(std::string_view name);

// Any value as an SQL literal: text through SqlQuote, numbers in plain decimal notation, Boolean as 1 or 0, dates as
// an ODBC timestamp escape, Null (and Empty) as NULL.
std::string SqlLiteral(const vb::Variant& value);

// A column name for generated statements: bare when it is a plain identifier, otherwise in brackets.
std::string SqlColumnName(std::string_view name);

// The statement with each "?" marker outside string literals replaced by the literal of its parameter, in order:
// how a parameterised statement reads in a transcript.
std::string RenderWithParameters(std::string_view sql, const std::vector<Parameter>& parameters);

// Decimal text ("-12.3456", "7") as a Currency; nothing when it is not a number or does not fit. Digits past the
// fourth decimal round half to even.
std::optional<vb::Currency> ParseCurrency(std::string_view text);
// A double in its shortest form that reads back to the same value.
std::string DoubleText(double value);

// True for a bare catalogue name such as "STATION..LaboratoryExams": letters, digits, "_", ".", "#",
// brackets, nothing else.
bool IsBareObjectName(std::string_view sql);

// The table of a single-table SELECT ("Select * from STATION..tbSCNChargeSlip where ..."), or nothing when the
// statement reads more than one table or is not a SELECT.
std::optional<std::string> SingleTableOf(std::string_view sql);

} // namespace db
