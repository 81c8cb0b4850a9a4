#pragma once

#include "testkit/FixtureWard.h"

#include <vector>

namespace testkit::ward_fixture {

// Loads the ward parameters from the fixture's rows of STATION..tbNurseSetup followed by extra rows (Field, value),
// so a test sets the parameters its rule reads. The query is sent before the test's own statements.
void LoadParametersWith(TestApp& test, const std::vector<Row>& extra);

} // namespace testkit::ward_fixture
