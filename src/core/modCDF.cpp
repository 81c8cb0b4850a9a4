#include "core/modCDF.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/frmCdfViewing.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <map>

namespace ward {

namespace {

using B = CdfBucket;

bool IsOneOf(const std::string& text, std::initializer_list<const char*> values) {
    for (const char* value : values) {
        if (text == value)
            return true;
    }
    return false;
}

// Codes that name their bucket directly.
const std::map<std::string, CdfBucket>& DirectCodes() {
    static const std::map<std::string, CdfBucket> codes = {
        {"X1", B::X1}, {"RA", B::X1}, {"X4", B::X4}, {"OR", B::X4}, {"OS", B::X4}, {"RM", B::X4}, {"X5", B::X5},
        {"X6", B::X6}, {"X7", B::X7}, {"DI", B::X7}, {"KS", B::X7}, {"X8", B::X8}, {"XR", B::X8}, {"US", B::X8},
        {"CT", B::X8}, {"X9", B::X9}, {"NU", B::X9}, {"Y1", B::Y1}, {"LB", B::Y1}, {"Y2", B::Y2}, {"PT", B::Y2},
        {"Y3", B::Y3}, {"NE", B::Y3}, {"Y4", B::Y4}, {"EL", B::Y4}, {"HS", B::Y4}, {"Y5", B::Y5}, {"PA", B::Y5},
        {"Y6", B::Y6}, {"PN", B::Y6}, {"MD", B::MD}, {"Z1", B::Z1}, {"Z2", B::Z2}, {"Z3", B::Z3}, {"Z4", B::Z4},
        {"Z5", B::Z5}, {"PY", B::Z5}, {"Z6", B::Z6}, {"CD", B::Z6}, {"Z7", B::Z7}, {"PP", B::Z7}, {"Z8", B::Z8},
        {"QF", B::Z8}, {"CP", B::CP},
    };
    return codes;
}

CdfBucket PharmacyGroupBucket(const std::string& location) {
    if (location == "114")
        return B::Remainder;
    if (IsOneOf(location, {"93", "109", "110"}))
        return B::X8;
    if (location == "113")
        return B::Y5;
    if (location == "103")
        return B::X4;
    return B::X2;
}

CdfBucket SupplyGroupBucket(const BillLine& line) {
    if (line.HemoRequest)
        return B::X7;
    const std::string& location = line.LocationID;
    if (location == "22")
        return B::Remainder;
    if (location == "100")
        return B::X4;
    if (IsOneOf(location, {"30", "26", "43"}))
        return B::X8;
    if (location == "41")
        return B::X7;
    if (location == "31")
        return B::Y5;
    if (location == "36")
        return B::X4;
    return B::X3;
}

std::optional<CdfBucket> SeniorDiscountBucket(const std::string& itemId) {
    if (itemId == "SS1")
        return B::Z1;
    if (itemId == "SS2")
        return B::Z2;
    if (itemId == "SS3")
        return B::Z3;
    if (itemId == "SS4")
        return B::Z4;
    return std::nullopt;
}

CdfBucket OtherCodeBucket(const BillLine& line) {
    if (std::optional<CdfBucket> discount = SeniorDiscountBucket(line.ItemID))
        return *discount;
    if (line.DrCr == "P")
        return B::MD;
    if (line.LGRP == "D")
        return B::Z6;
    return B::Remainder;
}

// A missing amount adds nothing.
double AmountOf(const vb::Variant& value) { return value.IsNull() ? 0.0 : vb::CDbl(value); }

BillLine ReadBillLine(const db::Recordset& rs) {
    BillLine line;
    line.RevenueID = UpperTrim(vb::ConcatText(rs.Fields("RevenueID")));
    line.LocationID = UpperTrim(vb::ConcatText(rs.Fields("LocationID")));
    line.HemoRequest = vb::IsTrue(vb::Equal(rs.Fields("hemorequest"), std::int32_t{1}));
    line.ItemID = UpperTrim(vb::ConcatText(rs.Fields("ItemID")));
    line.DrCr = UpperTrim(vb::ConcatText(rs.Fields("DrCr")));
    line.LGRP = UpperTrim(vb::ConcatText(rs.Fields("LGRP")));
    return line;
}

struct BillTotals {
    double charges = 0;
    double deductions = 0;
    double cp = 0;
};

BillTotals TotalTheBill(App& app, const std::string& IdNum) {
    const std::string sql =
        vb::Right(vb::Trim(IdNum), 1) != "B"
            ? "BILLING..sp_billing_search_for_patient_transactions_Kidney " + db::SqlQuote(IdNum) + ", ''"
            : "BILLING..sp_billing_search_for_patient_transactions_Kidney_Consolidated '', " + db::SqlQuote(IdNum);
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open(sql, app.Connection(), db::CursorType::Dynamic, db::LockType::Optimistic);
    std::array<double, CdfBucketCount> buckets{};
    for (; !rs.Eof(); rs.MoveNext()) {
        if (std::optional<CdfBucket> bucket = BucketOf(ReadBillLine(rs)))
            buckets[static_cast<int>(*bucket)] += AmountOf(rs.Fields("Amount"));
    }
    rs.Close();
    BillTotals totals;
    for (int i = 0; i < CdfBucketCount; ++i)
        (IsDeduction(static_cast<CdfBucket>(i)) ? totals.deductions : totals.charges) += buckets[i];
    totals.cp = buckets[static_cast<int>(CdfBucket::CP)];
    return totals;
}

struct CdfTotal {
    bool hasRecord = false;
    double amount = 0;
};

CdfTotal ReadCdfTotal(App& app, const std::string& HospNum) {
    CdfTotal total;
    db::Recordset rs = app.Connection().Open("Select Amount from BILLING..tbParsCDFTransaction where hospnum = " +
                                                 db::SqlQuote(HospNum),
                                             db::CursorType::Dynamic, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        total.hasRecord = true;
        if (rs.RecordCount() == 1) {
            total.amount = AmountOf(rs.Fields("Amount"));
        } else {
            db::Recordset sum = app.Connection().Open(
                "Select sum(amount) as amount from Billing..tbParsCDFTransaction where hospnum = " +
                    db::SqlQuote(HospNum),
                db::CursorType::Dynamic, db::LockType::ReadOnly);
            total.amount = sum.Eof() ? 0.0 : AmountOf(sum.Fields("amount"));
            sum.Close();
        }
    }
    rs.Close();
    return total;
}

// The CP lines already count as used CDF; the procedure's amount is added with their sign.
double ReadPaidCdf(App& app, const std::string& HospNum, double cpBucket) {
    double paid = cpBucket;
    db::Recordset rs = app.Connection().Open("BILLING..sp_Pars_Get_UtilizedCDF " + db::SqlQuote(HospNum),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const double used = rs.Eof() ? 0.0 : AmountOf(rs.Fields("Amount"));
    rs.Close();
    if (used > 0)
        paid = paid >= 0 ? paid + used : paid - used;
    return paid;
}

} // namespace

std::string UpperTrim(const std::string& Text) { return vb::UCase(vb::Trim(Text)); }

std::optional<CdfBucket> BucketOf(const BillLine& line) {
    const std::string& code = line.RevenueID;
    if (IsOneOf(code, {"X2", "PH", "PC"}))
        return PharmacyGroupBucket(line.LocationID);
    if (IsOneOf(code, {"X3", "CS", "CC", "NS"}))
        return SupplyGroupBucket(line);
    if (code == "SS")
        return SeniorDiscountBucket(line.ItemID);
    auto direct = DirectCodes().find(code);
    if (direct != DirectCodes().end())
        return direct->second;
    return OtherCodeBucket(line);
}

bool CheckCDFCoverage(App& app, const std::string& IdNum, const std::string& HospNum) {
    try {
        const BillTotals bill = TotalTheBill(app, IdNum);
        const double hospBill = bill.charges - std::fabs(bill.deductions);
        const CdfTotal cdf = ReadCdfTotal(app, HospNum);
        const double paidCdf = ReadPaidCdf(app, HospNum, bill.cp);
        const double balance = cdf.amount - paidCdf;

        frmCdfViewing& window = app.Forms.Instance<frmCdfViewing>();
        window.SetHospBill(hospBill);
        window.SetTotalCDF(cdf.amount);
        window.SetPaidCDF(paidCdf);
        window.SetCDFBalance(balance);
        window.SetNetHospBill(hospBill - cdf.amount - paidCdf);
        return cdf.hasRecord && balance != 0;
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return false;
    }
}

} // namespace ward
