#pragma once

#include "charges/frmCharge.h"
#include "testkit/FixtureCharge.h"
#include "testkit/UserActions.h"

#include <string>
#include <vector>

namespace charges_test {

using testkit::Row;
namespace fixture = testkit::ward_fixture;

inline const std::vector<std::string> SettingsQueries = {fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                                         fixture::NurseSetupQuery};

inline std::vector<Row> WardParameters(std::vector<Row> extra) {
    std::vector<Row> rows = fixture::NurseSetupRows();
    rows.insert(rows.end(), extra.begin(), extra.end());
    return rows;
}

// The check that a charge-slip number is not used yet, as the ward sends it while it takes "C" numbers.
inline std::string SlipUsed(const std::string& slip) {
    const std::string q = "'" + slip + "'";
    return "Select Refnum From BILLING..tbBillDailyBill Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = " + q +
           " Union All  Select Refnum From INVENTORY..tbInvStockcard Where Refnum = " + q;
}

// The same check while the ward takes fifteen-character numbers: the cash assessments are searched too.
inline std::string SlipUsedFifteen(const std::string& slip) {
    const std::string q = "'" + slip + "'";
    return "Select Refnum From BILLING..tbBillDailyBill Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbCashAssessment Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = " + q +
           " Union All  Select Refnum From INVENTORY..tbInvStockcard Where Refnum = " + q;
}

// A procedure called with that many quoted values, whatever they are.
inline std::string Quoted(const std::string& procedure, int values) {
    std::string pattern = procedure + " ";
    for (int i = 0; i < values; ++i)
        pattern += std::string(i ? "," : "") + "'{?}'";
    return pattern;
}

// The window as the chart opens it, on the fixture's in-patient.
struct ChargeWindow {
    explicit ChargeWindow(fixture::ChargeWindowSetUp setUp = {}) : charge(fixture::OpenChargeWindow(test, setUp)) {}

    // Fills a row as the item entry would leave it: department, item, description, quantity, unit price, amount.
    void Fill(int row, std::vector<std::string> cells) {
        while (grid().Rows() <= row)
            grid().AddItem("");
        for (std::size_t i = 0; i < cells.size(); ++i)
            grid().SetTextMatrix(row, static_cast<int>(i) + 1, cells[i]);
    }
    forms::MSHFlexGrid& grid() { return charge.mshflexEntry; }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> texts;
        for (int row = 1; row < grid().Rows(); ++row)
            texts.push_back(grid().TextMatrix(row, col));
        return texts;
    }

    // Puts the editor on the cell, as the nurse's click does, types the text over it and presses Enter.
    void Enter(int row, int col, const std::string& text) {
        testkit::ClickCell(grid(), row, col);
        charge.txtEntry.SetText(text);
        testkit::PressKey(charge.txtEntry, forms::vbKeyReturn);
    }
    // The cells of a row from column 1 to 18.
    std::vector<std::string> Cells(int row) {
        std::vector<std::string> texts;
        for (int col = 1; col <= 18; ++col)
            texts.push_back(grid().TextMatrix(row, col));
        return texts;
    }
    std::vector<std::string> SentSince(std::size_t mark) { return test.server.Statements(mark); }

    testkit::TestApp test;
    ward::frmCharge& charge;
};

} // namespace charges_test
