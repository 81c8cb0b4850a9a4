#include "shell/UserRights.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string RightsOfE100 = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'E100'";

TEST(HasUserRight, ReadsWholeElementsAfterEachBar) {
    const struct {
        const char* name;
        vb::Variant stored; // Empty: the employee has no row
        const char* right;
        bool granted;
    } cases[] = {
        {"listed", "|1|2|29", "29", true},
        {"first of the list", "|1|2|29", "1", true},
        {"not listed", "|1|2|29", "3", false},
        {"bar at the end", "|1|2|29|", "2", true},
        {"blanks around the numbers", "| 1 |  2| 29 ", "29", true},
        {"blanks around the asked right", "|1|2|29", " 2 ", true},
        {"what stands before the first bar is never read", "1|2", "1", false},
        {"after the first element", "1|2", "2", true},
        {"part of an element is not the element", "|12", "2", false},
        {"part of the asked right is not the element", "|2", "12", false},
        {"a lone bar", "|", "1", false},
        {"one character", "1", "1", false},
        {"empty text", "", "1", false},
        {"Null", vb::Variant::Null(), "1", false},
        {"no row", vb::Variant(), "1", false},
        {"letters compare exactly", "|a", "A", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        std::vector<Row> rows;
        if (!c.stored.IsEmpty())
            rows.push_back({"E100", c.stored});
        test.server.On(RightsOfE100).Returns({"EmployeeID", "EmployeeRights"}, rows);
        EXPECT_EQ(ward::HasUserRight(test.app, c.right, "E100"), c.granted);
        EXPECT_TRUE(test.server.SentExactly({RightsOfE100}));
    }
}

TEST(HasUserRight, ABlankEmployeeIsTheLoggedInUser) {
    TestApp test;
    fixture::DeclareStationAndEmployees(test.server);
    for (const char* employee : {"", "   "}) {
        const std::size_t mark = test.server.Mark();
        EXPECT_TRUE(ward::HasUserRight(test.app, "22", employee));
        EXPECT_FALSE(ward::HasUserRight(test.app, "29", employee));
        const std::string query = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";
        EXPECT_TRUE(test.server.SentExactly({query, query}, mark));
    }
}

TEST(HasUserRight, TrimsTheEmployeeAndQuotesIt) {
    TestApp test;
    const std::string query = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'O''HARA'";
    test.server.On(query).Returns({"EmployeeID", "EmployeeRights"}, {{"O'HARA", "|29"}});
    EXPECT_TRUE(ward::HasUserRight(test.app, "29", " O'HARA "));
    EXPECT_TRUE(test.server.SentExactly({query}));
}

TEST(HasUserRight, AServerErrorReachesTheCaller) {
    TestApp test;
    test.server.On(RightsOfE100).Fails("Invalid object name 'STATION..tbNurseUserRights'.", 208);
    EXPECT_THROW(ward::HasUserRight(test.app, "1", "E100"), std::exception);
}

} // namespace
