#include "testkit/FixtureWardParameters.h"

namespace testkit::ward_fixture {

void LoadParametersWith(TestApp& test, const std::vector<Row>& extra) {
    std::vector<Row> rows = NurseSetupRows();
    rows.insert(rows.end(), extra.begin(), extra.end());
    test.server.On(NurseSetupQuery).Returns({"Field", "value"}, rows);
    test.app.Parameters().LoadParameters(test.app);
}

} // namespace testkit::ward_fixture
