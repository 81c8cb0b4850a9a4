#include "components/CodeSearch.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "platform/db/DbError.h"
#include "platform/forms/FormsContext.h"
#include "platform/vb/Conversions.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using components::frmPickList;
using vb::Variant;

const std::string kDoctorName = "ISNULL(LastName,'') + ', ' + ISNULL(FirstName,'')";
const std::vector<std::string> kDoctorColumns = {"DoctorID", "LastName", "FirstName", "MiddleName", "Resident"};

std::string DoctorsStartingWith(const std::string& quotedPattern) {
    return "SELECT DoctorID,LastName,FirstName,MiddleName,Resident FROM BUILD_FILE..tbCoDoctor WHERE (DoctorID LIKE " +
           quotedPattern + " OR " + kDoctorName + " LIKE " + quotedPattern + ") ORDER BY " + kDoctorName;
}

std::string Amount(const std::string& department, char letter, const std::string& code) {
    return "STATION..Nurse_GetExamAmount '" + department + "','" + std::string(1, letter) + "','" + code + "'";
}

testkit::Row Doctor(const char* code, const char* last, const char* first, Variant resident = Variant::Null()) {
    return {Variant(code), Variant(last), Variant(first), Variant("M."), resident};
}

class CodeSearchTest : public ::testing::Test {
protected:
    CodeSearchTest() {
        components::RegisterOwnComponents(factory, {context, [this]() -> db::Connection& { return server; }});
        search = factory.Create<components::CodeSearchComponent>("Bramwit.clsCodeSearch");
    }
    // Each rate letter priced at 100 times its place, except those left without a row.
    void AnswerRates(const std::string& department, const std::string& code, const std::string& without = "") {
        for (char letter = 'A'; letter <= 'H'; ++letter) {
            if (without.find(letter) != std::string::npos)
                server.On(Amount(department, letter, code)).Returns({"Amount"}, {});
            else
                server.On(Amount(department, letter, code))
                    .Returns({"Amount"}, {{Variant(100.0 * (letter - 'A' + 1))}});
        }
    }
    void AnswerDoctors(const std::string& pattern, std::vector<testkit::Row> rows) {
        server.On(DoctorsStartingWith(pattern)).Returns(kDoctorColumns, std::move(rows));
    }

    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    testkit::ScriptedServer server;
    components::ComponentFactory factory;
    std::unique_ptr<components::CodeSearchComponent> search;
};

TEST_F(CodeSearchTest, ATextNamingOneRecordTakesItWithoutAList) {
    struct Case {
        const char* name;
        std::string text;
        std::string pattern;
        std::vector<testkit::Row> rows;
        const char* code;
    };
    const Case cases[] = {
        {"exact code among codes starting with it",
         " d01 ",
         "'d01%'",
         {Doctor("D01", "ABAD", "ANA"), Doctor("D011", "BAUTISTA", "BEN")},
         "D01"},
        {"the one name starting with it", "CRU", "'CRU%'", {Doctor("D07", "CRUZ", "CARL", Variant(true))}, "D07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerDoctors(c.pattern, c.rows);
        ASSERT_TRUE(search->SearchListing(c.text, 1));
        EXPECT_EQ(search->DoctorRecord().ResultCode, c.code);
    }
    EXPECT_EQ(search->DoctorRecord().Lastname, "CRUZ");
    EXPECT_EQ(search->DoctorRecord().FirstName, "CARL");
    EXPECT_EQ(search->DoctorRecord().MiddleName, "M.");
    EXPECT_TRUE(search->DoctorRecord().resident);
    EXPECT_TRUE(host.ModalShows().empty());
}

TEST_F(CodeSearchTest, SeveralMatchesOpenTheListAndOnlyAChoiceChangesTheRecord) {
    AnswerDoctors("'A%'", {Doctor("D01", "ABAD", "ANA"), Doctor("D02", "ABELLA", "BEN", Variant(false))});
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.Caption(), "Doctors");
        EXPECT_EQ(list.txtSearch.Text(), "A");
        ASSERT_EQ(list.lvwList.ListItemCount(), 2);
        EXPECT_EQ(list.lvwList.ListItems(2).SubItems(1), "ABELLA, BEN");
        testkit::DoubleClickListItem(list.lvwList, 2);
    });
    ASSERT_TRUE(search->SearchListing("A", 1));
    EXPECT_EQ(search->DoctorRecord().ResultCode, "D02");
    EXPECT_FALSE(search->DoctorRecord().resident);

    host.OnModal<frmPickList>([](frmPickList& list) { testkit::PressKey(list.txtSearch, forms::vbKeyEscape); });
    EXPECT_FALSE(search->SearchListing("A", 1));
    EXPECT_EQ(search->DoctorRecord().ResultCode, "D02");
}

TEST_F(CodeSearchTest, TheNurseNarrowsTheListByEditingTheText) {
    AnswerDoctors("'A%'", {Doctor("D01", "ABAD", "ANA"), Doctor("D02", "ABELLA", "BEN")});
    AnswerDoctors("'AB%'", {Doctor("D01", "ABAD", "ANA"), Doctor("D02", "ABELLA", "BEN")});
    AnswerDoctors("'ABE%'", {Doctor("D02", "ABELLA", "BEN")});
    host.OnModal<frmPickList>([](frmPickList& list) {
        testkit::Type(list.txtSearch, "BE");
        ASSERT_EQ(list.lvwList.ListItemCount(), 1);
        testkit::PressKey(list.lvwList, forms::vbKeyReturn);
    });
    ASSERT_TRUE(search->SearchListing("A", 1));
    EXPECT_EQ(search->DoctorRecord().ResultCode, "D02");
}

TEST_F(CodeSearchTest, AnEmptyTextListsTheWholeCatalogue) {
    server.On("SELECT StationID,Station FROM Build_file..tbCoStation ORDER BY Station")
        .Returns({"StationID", "Station"}, {{Variant("SIC"), Variant("SURGICAL ICU")}});
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.lvwList.ListItemCount(), 1);
        testkit::PressKey(list.txtSearch, forms::vbKeyReturn);
    });
    ASSERT_TRUE(search->SearchListing("", 10));
    EXPECT_EQ(search->StationRecord().ResultCode, "SIC");
    EXPECT_EQ(search->StationRecord().Station, "SURGICAL ICU");
}

TEST_F(CodeSearchTest, NothingFoundStillOpensTheListAndClosingItIsFalse) {
    AnswerDoctors("'ZZ%'", {});
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.lvwList.ListItemCount(), 0);
        EXPECT_TRUE(testkit::CloseWindow(list));
    });
    EXPECT_FALSE(search->SearchListing("ZZ", 1));
}

TEST_F(CodeSearchTest, QuotesAndWildcardsInTheTextMatchLiterally) {
    AnswerDoctors("'O''B[%][_][[]%'", {Doctor("D09", "O'BRIEN", "PAT")});
    ASSERT_TRUE(search->SearchListing("O'B%_[", 1));
    EXPECT_EQ(search->DoctorRecord().Lastname, "O'BRIEN");
}

TEST_F(CodeSearchTest, AnExaminationIsPricedPerRateLetterAndALetterWithoutARowStaysNull) {
    server
        .On("SELECT Code,Description,sectioncode FROM STATION..LaboratoryExams WHERE Status = 'A' AND (Code LIKE "
            "'CBC%' "
            "OR Description LIKE 'CBC%') ORDER BY Description")
        .Returns({"Code", "Description", "sectioncode"},
                 {{Variant("CBC"), Variant("COMPLETE BLOOD COUNT"), Variant("HEM")}});
    AnswerRates("LB", "CBC", "FGH");
    ASSERT_TRUE(search->SearchListing("CBC", 18));
    const components::LabExamRecordInfo& exam = search->LabExamRecord();
    EXPECT_EQ(exam.LabExam, "COMPLETE BLOOD COUNT");
    EXPECT_EQ(exam.LabSectionID, "HEM");
    EXPECT_EQ(vb::CDbl(exam.RateA), 100.0);
    EXPECT_EQ(vb::CDbl(exam.RateE), 500.0);
    EXPECT_TRUE(exam.RateF.IsNull());
    EXPECT_TRUE(exam.RateH.IsNull());
}

TEST_F(CodeSearchTest, OtherRevenueListsAndPricesTheSectionSet) {
    search->SetOtherSectionID("OR");
    server
        .On("SELECT OtherRevenueID,OtherRevenue,RevenueID FROM BUILD_FILE..tbCoOtherRevenue WHERE RevenueID = 'OR' AND "
            "(OtherRevenueID LIKE 'SUT%' OR OtherRevenue LIKE 'SUT%') ORDER BY OtherRevenue")
        .Returns({"OtherRevenueID", "OtherRevenue", "RevenueID"},
                 {{Variant("0412"), Variant("SUTURING"), Variant("OR")}});
    AnswerRates("OR", "0412");
    ASSERT_TRUE(search->SearchListing(" SUT", 21));
    EXPECT_EQ(search->OtherRevenueRecord().ResultCode, "0412");
    EXPECT_EQ(search->OtherRevenueRecord().OtherRevenue, "SUTURING");
    EXPECT_EQ(vb::CDbl(search->OtherRevenueRecord().RateH), 800.0);
}

TEST_F(CodeSearchTest, AServerErrorReachesTheCallerAndKeepsTheRecord) {
    AnswerDoctors("'D01%'", {Doctor("D01", "ABAD", "ANA")});
    ASSERT_TRUE(search->SearchListing("D01", 1));
    server.On(DoctorsStartingWith("'D02%'")).Fails("Timeout expired", -2147217871);
    try {
        search->SearchListing("D02", 1);
        FAIL() << "no error";
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.Number(), -2147217871);
        EXPECT_STREQ(error.what(), "Timeout expired");
    }
    EXPECT_EQ(search->DoctorRecord().ResultCode, "D01");
}

TEST_F(CodeSearchTest, AnUnknownKindRaisesNamingIt) {
    try {
        search->SearchListing("X", 99);
        FAIL() << "no error";
    } catch (const vb::VbError& error) {
        EXPECT_NE(std::string(error.what()).find("99"), std::string::npos);
    }
    EXPECT_TRUE(server.Sent().empty());
}

} // namespace
