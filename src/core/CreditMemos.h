#pragma once

#include <cstdint>
#include <string>

namespace ward {

class App;

// The print lines of returned medicines and supplies, kept by the inventory database per user, admission and
// credit-memo number. Errors reach the caller; nothing is shown here.

// Clears the print lines of one user (ID), admission (IdNum) and credit-memo number (RefNum).
void EraseCreditMemo(App& app, const std::string& ID, const std::string& IdNum, const std::string& RefNum);

// Whether a stock card already carries the credit-memo number (blanks around it are ignored).
bool CreditMemoExists(App& app, const std::string& CreditMemoNum);

// Adds one print line; the description is cut to its first 90 characters. A text longer than its parameter's
// size is refused before anything is sent.
void AppendCreditMemo(App& app, const std::string& UserID, const std::string& RefNum, const std::string& Description,
                      double Quantity, double Amount, const std::string& ChargeSlip, std::int16_t QtyIssued,
                      const std::string& IdNum);

} // namespace ward
