#pragma once

#include "chart/frmFinal.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmRequest.h"
#include "testkit/FixtureRequestEntry.h"
#include "testkit/UserActions.h"

#include <functional>
#include <string>
#include <vector>

// The request dialog opened on the in-patient's chart for one department, shown without waiting so that a test
// works it step by step as the nurse would.
struct RequestDialog {
    testkit::TestApp test;
    ward::frmFinal& chart;
    ward::frmRequest* dialog = nullptr;

    explicit RequestDialog(const std::string& dept, const testkit::ward_fixture::SettingChanges& hospitalChanges = {},
                           bool underBypass = false)
        : chart(testkit::ward_fixture::OpenRequestEntryChart(test, hospitalChanges)) {
        test.app.CashBasisStatBypass = underBypass;
        Open(dept);
    }
    void Open(const std::string& dept) {
        dialog = &test.app.Forms.Get<ward::frmRequest>();
        dialog->SetCaption(dept + " Request Entry");
        dialog->txtDept.SetText(dept);
        dialog->SetDepartment(dept);
        dialog->Show();
    }
    ward::frmRequest& d() { return *dialog; }
    forms::MSHFlexGrid& grid() { return dialog->mshflexEntry; }

    // Types into the editor and presses Enter; a look-up that reaches the remarks dialog runs work there, picks the
    // first specimen of a list and presses its Enter.
    void Enter(const std::string& text, std::function<void(ward::frmRemarks&)> work = {}) {
        test.host.OnModal<ward::frmRemarks>([work](ward::frmRemarks& remarks) {
            if (work)
                work(remarks);
            if (remarks.IsLoaded() && remarks.Picture1.Visible())
                testkit::ClickCell(remarks.mshflexSpecimen, 1, 2);
            if (remarks.IsLoaded())
                testkit::Click(remarks.Command1);
        });
        TypeAndEnter(text);
    }
    // Enter where no remarks dialog follows (a refusal, a column without a look-up).
    void TypeAndEnter(const std::string& text) {
        if (!text.empty())
            testkit::Type(dialog->txtEntry, text);
        testkit::PressKey(dialog->txtEntry, forms::vbKeyReturn);
    }
    void Key(int keyCode) { testkit::PressKey(dialog->txtEntry, keyCode); }

    std::pair<int, int> Cell() { return {grid().Row(), grid().Col()}; }
    std::vector<std::string> Row(int row, int lastCol = 13) {
        std::vector<std::string> cells;
        for (int col = 1; col <= lastCol; ++col)
            cells.push_back(grid().TextMatrix(row, col));
        return cells;
    }
    // The code of each data row.
    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (int row = 1; row < grid().Rows(); ++row)
            codes.push_back(grid().TextMatrix(row, 1));
        return codes;
    }
    std::vector<std::string> ProfileMembers(forms::MSHFlexGrid& profiles) {
        std::vector<std::string> members;
        for (int row = 1; row < profiles.Rows(); ++row)
            members.push_back(profiles.TextMatrix(row, 1) + " of " + profiles.TextMatrix(row, 3));
        return members;
    }
    std::vector<std::string> DialogProfiles() { return ProfileMembers(dialog->mshflexProfileList); }
    std::vector<std::string> CartCodes() {
        std::vector<std::string> codes;
        for (int row = 1; row < chart.mshflexOrders.Rows(); ++row)
            codes.push_back(chart.mshflexOrders.TextMatrix(row, 1) + " " + chart.mshflexOrders.TextMatrix(row, 2));
        return codes;
    }
};

// A cart row as a quick list or this dialog writes it: department and code.
inline void WriteCartRow(forms::MSHFlexGrid& orders, const std::string& dept, const std::string& code) {
    int row = 1;
    if (!orders.TextMatrix(1, 1).empty()) {
        orders.SetRows(orders.Rows() + 1);
        row = orders.Rows() - 1;
    }
    orders.SetTextMatrix(row, 1, dept);
    orders.SetTextMatrix(row, 2, code);
}
