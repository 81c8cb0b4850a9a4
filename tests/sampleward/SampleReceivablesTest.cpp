#include "SampleWardApp.h"
#include "charges/frmRecievable.h"
#include "charges/frmSearchRecievable.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;

// The receivable update on the sample ward: each patient type's search lists its patients, coloured, and a pick
// loads the patient into the window's header.
TEST(SampleReceivables, BothPatientTypesListAndLoadTheirPatients) {
    const struct {
        int type;
        std::string idNum;
        std::string room;
    } cases[] = {{0, sampleward::InPatientIdNum, ""}, {1, sampleward::OutPatientIdNum, "ER/OPD"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.idNum);
        SampleWardApp ward;
        ward::frmRecievable& window = ward.app.Forms.Get<ward::frmRecievable>();
        window.Show();
        EXPECT_GT(window.lvwDepartments.ListItemCount(), 0);
        ward.host.OnModal<ward::frmSearchRecievable>([&](ward::frmSearchRecievable& search) {
            testkit::Click(search.optPatientType(c.type));
            testkit::PressKey(search.txtSearch(0), forms::vbKeyReturn);
            ASSERT_GE(search.mshflexList.Rows(), 2);
            int row = 1;
            while (row < search.mshflexList.Rows() - 1 && search.mshflexList.TextMatrix(row, 2) != c.idNum)
                ++row;
            ASSERT_EQ(search.mshflexList.TextMatrix(row, 2), c.idNum);
            testkit::DoubleClickCell(search.mshflexList, row, 2);
        });
        testkit::Click(window.Command1(3));
        EXPECT_EQ(window.txtId.Text(), c.idNum);
        if (!c.room.empty()) {
            EXPECT_EQ(window.txtRoom.Text(), c.room);
        }
        EXPECT_TRUE(window.Command1(0).Enabled());
    }
}

} // namespace
