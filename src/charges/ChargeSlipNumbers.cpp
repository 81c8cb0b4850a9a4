#include "charges/ChargeSlipNumbers.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

constexpr int kCounterRetries = 5;

bool FifteenCharacterForm(App& app, ChargeSlipSeries series) {
    return series == ChargeSlipSeries::ChargeWindow && !app.Parameters().NewCSlipFormat().empty() &&
           app.Parameters().FifteenCSlipFormat();
}

bool IsOutPatient(const std::string& IdNum) { return vb::Right(vb::Trim(IdNum), 1) == "B"; }

} // namespace

void StoreCounter(db::Connection& connection, const std::string& select, const std::string& table,
                  const std::string& field, const std::function<vb::Variant(const vb::Variant&)>& next) {
    for (int attempt = 0;; ++attempt) {
        db::Recordset rs = connection.Open(select, db::CursorType::Dynamic, db::LockType::Optimistic);
        if (rs.Eof())
            throw vb::VbError(vb::vbErrInvalidProcedureCall, "The charge slip counter " + table + " has no row.");
        rs.SetField(field, next(rs.Fields(field)));
        try {
            rs.Update();
        } catch (const db::DbError& error) {
            if (error.Number() != db::dbErrRowNotFoundForUpdate)
                throw;
            if (attempt == kCounterRetries)
                throw db::DbError(db::dbErrRowNotFoundForUpdate,
                                  "Another station is taking charge slip numbers. Nothing was saved; please save "
                                  "again.");
            continue;
        }
        rs.Close();
        return;
    }
}

std::string AdvanceCounter(db::Connection& connection, const std::string& table, const std::string& field) {
    std::string taken;
    StoreCounter(connection, "Select * from " + table, table, field, [&taken](const vb::Variant& value) {
        taken = vb::Trim(vb::CStr(value));
        return vb::Variant(vb::CDbl(value) + 1);
    });
    return taken;
}

std::string ChargeSlipCounterField(App& app, ChargeSlipSeries series, const std::string& IdNum) {
    if (!FifteenCharacterForm(app, series))
        return "ChargeSlip";
    return IsOutPatient(IdNum) ? "OChargeSlip" : "IChargeSlip";
}

std::string ChargeSlipNumber(App& app, ChargeSlipSeries series, const std::string& IdNum, const std::string& value) {
    const clsParameters& parameters = app.Parameters();
    if (parameters.NewCSlipFormat().empty())
        return "C" + value + "B";
    if (!FifteenCharacterForm(app, series))
        return "C" + vb::Format(value, parameters.NewCSlipFormat()) + "B";
    return (IsOutPatient(IdNum) ? "SI1" : "SI2") + vb::Format(value, parameters.BirCSlipFormat());
}

std::string TakeChargeSlipNumber(App& app, ChargeSlipSeries series, const std::string& IdNum, std::string& held) {
    if (app.ChargeSlipAllocated && !vb::Trim(held).empty())
        return held;
    const std::string field = ChargeSlipCounterField(app, series, IdNum);
    for (;;) {
        held =
            ChargeSlipNumber(app, series, IdNum, AdvanceCounter(app.Connection(), "STATION..tbSCNChargeSlip", field));
        if (!ChargeSlipExists(app, held))
            break;
    }
    app.Connection().Execute(series == ChargeSlipSeries::ChargeWindow ? "Delete  STATION..tbSCNChargePrint"
                                                                      : "Delete STATION..tbSCNChargePrint");
    app.ChargeSlipAllocated = true;
    return held;
}

} // namespace ward
