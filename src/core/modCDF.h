#pragma once

#include <optional>
#include <string>

namespace ward {

class App;

// The text in upper case without leading and trailing blanks.
std::string UpperTrim(const std::string& Text);

// Totals the admission's hospital bill, reads the patient's CDF total and the CDF already used, leaves the five
// figures on frmCdfViewing, and answers whether the caller's CDF button is to be enabled: the patient has a CDF
// record and a balance that is not zero. On an error the error message is shown once, the previous figures stay
// and the answer is False.
bool CheckCDFCoverage(App& app, const std::string& IdNum, const std::string& HospNum);

// The running sums a bill line can feed: 17 on the charge side, then 9 on the deduction side.
enum class CdfBucket {
    X1,
    X2,
    X3,
    X4,
    X5,
    X6,
    X7,
    X8,
    X9,
    Y1,
    Y2,
    Y3,
    Y4,
    Y5,
    Y6,
    MD,
    Remainder,
    Z1,
    Z2,
    Z3,
    Z4,
    Z5,
    Z6,
    Z7,
    Z8,
    CP,
};
inline constexpr int CdfBucketCount = 26;
inline bool IsDeduction(CdfBucket bucket) { return bucket >= CdfBucket::Z1; }

// One bill line's columns as the check compares them: texts upper-trimmed, the hemodialysis mark as a flag.
struct BillLine {
    std::string RevenueID;
    std::string LocationID;
    bool HemoRequest = false;
    std::string ItemID;
    std::string DrCr;
    std::string LGRP;
};

// The bucket the line's amount goes to; nothing for an "SS" line of an unknown item.
std::optional<CdfBucket> BucketOf(const BillLine& line);

} // namespace ward
