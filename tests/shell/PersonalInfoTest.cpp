#include "shell/frmInfo.h"
#include "shell/frmSearch.h"
#include "testkit/FixturePatientList.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace testkit;
using ward::frmInfo;
using ward::frmSearch;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string OtherHospNum = "100880";
const std::string OtherIdNum = "2026001300";
const Row OtherListRow = fixture::PatientListRow(OtherHospNum, OtherIdNum, "REYES, ANA LUZ");

std::string MaintainedRoomQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_Check_Maintained_Room '" + idNum + "'";
}

// The list on these rows with the in-patient's row clicked, which makes its admission the patient search's.
frmSearch& ChooseInPatient(TestApp& test, const std::vector<Row>& rows) {
    fixture::AddPeople(test);
    test.server.On(MaintainedRoomQuery(fixture::InPatientIdNum)).Returns({"IDNum"}, {});
    frmSearch& list = fixture::OpenPatientList(test, rows);
    for (int row = 1; row < list.mshflexList.Rows(); ++row)
        if (list.mshflexList.TextMatrix(row, 2) == fixture::InPatientIdNum)
            ClickCell(list.mshflexList, row, 1);
    EXPECT_EQ(test.patientSearch.admission.IdNumber, fixture::InPatientIdNum);
    return list;
}

// A new search by last name that lists these rows.
void SearchAgain(TestApp& test, frmSearch& list, const std::vector<Row>& rows) {
    test.server.On(fixture::PatientListQuery('C', "RE")).Returns(fixture::PatientListColumns(), rows);
    Type(list.txtSearch(0), "RE");
    PressKey(list.txtSearch(0), forms::vbKeyReturn);
    ASSERT_EQ(test.app.SearchRow, 1);
}

struct Shown {
    std::string patient, hospitalNumber, admissionNumber, admissionDate, room;
};

Shown ShowInfo(TestApp& test) {
    Shown shown;
    test.host.OnModal<frmInfo>([&shown](frmInfo& info) {
        shown = {info.lblPatient.Caption(), info.lblInfo(0).Caption(), info.lblInfo(1).Caption(),
                 info.lblInfo(2).Caption(), info.lblInfo(3).Caption()};
        EXPECT_TRUE(CloseWindow(info));
    });
    test.app.Forms.Instance<frmInfo>().ShowModal();
    return shown;
}

void ExpectShown(const Shown& shown, const Shown& expected) {
    EXPECT_EQ(shown.patient, expected.patient);
    EXPECT_EQ(shown.hospitalNumber, expected.hospitalNumber);
    EXPECT_EQ(shown.admissionNumber, expected.admissionNumber);
    EXPECT_EQ(shown.admissionDate, expected.admissionDate);
    EXPECT_EQ(shown.room, expected.room);
}

const Shown InPatientAsListed = {"DELA CRUZ, JUAN PEREZ", fixture::InPatientHospNum, fixture::InPatientIdNum,
                                 "12/08/2026 09:30:00 AM", "SIC-03"};
// The admission as the patient search holds it, its name put together as the current patient's is.
const Shown InPatientAsHeld = {"DELA CRUZ ,JUAN PEREZ", fixture::InPatientHospNum, fixture::InPatientIdNum,
                               "12/07/2026 09:30:00 AM", "SIC-03"};

struct InfoCase {
    const char* name;
    // What the nurse does in the list after choosing the in-patient, before opening the window.
    std::function<void(TestApp&, frmSearch&)> arrange;
    Shown expected;
};

void PrintTo(const InfoCase& c, std::ostream* os) { *os << c.name; }

class PersonalInfo : public testing::TestWithParam<InfoCase> {};

// The room always comes from the admission the patient search holds; the rest follows that admission, so the
// window never shows one patient with another's room.
TEST_P(PersonalInfo, ShowsThePatientOfTheAdmissionWhoseRoomItShows) {
    TestApp test;
    frmSearch& list = ChooseInPatient(test, {fixture::InPatientListRow(), OtherListRow});
    GetParam().arrange(test, list);
    ExpectShown(ShowInfo(test), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    frmInfo, PersonalInfo,
    testing::Values(InfoCase{"TheRowChosenInTheList", [](TestApp&, frmSearch&) {}, InPatientAsListed},
                    InfoCase{"AfterAKeyboardMoveToAnotherRow",
                             [](TestApp& test, frmSearch& list) {
                                 PressKey(list.mshflexList, forms::vbKeyDown);
                                 ASSERT_EQ(test.app.SearchRow, 2);
                             },
                             InPatientAsListed},
                    InfoCase{"AfterANewSearchThatListsItFurtherDown",
                             [](TestApp& test, frmSearch& list) {
                                 SearchAgain(test, list, {OtherListRow, fixture::InPatientListRow()});
                             },
                             InPatientAsListed},
                    InfoCase{"AfterANewSearchThatDoesNotListIt",
                             [](TestApp& test, frmSearch& list) { SearchAgain(test, list, {OtherListRow}); },
                             InPatientAsHeld},
                    InfoCase{"WithTheListClosed", [](TestApp&, frmSearch& list) { list.Unload(); }, InPatientAsHeld}),
    [](const testing::TestParamInfo<InfoCase>& info) { return info.param.name; });

TEST(frmInfo, AnEmptyAdmissionDateShowsNoDate) {
    TestApp test;
    Row undated = fixture::InPatientListRow();
    undated[3] = "";
    ChooseInPatient(test, {OtherListRow, undated});
    ExpectShown(ShowInfo(test),
                {"DELA CRUZ, JUAN PEREZ", fixture::InPatientHospNum, fixture::InPatientIdNum, "", "SIC-03"});
}

TEST(frmInfo, ThePictureIsTiledOverTheWholeWindowAtEachPaint) {
    TestApp test;
    const char* source = std::getenv("WARD_SOURCE_DIR");
    test.host.SetAppPath(std::string(source ? source : ".") + "/resources");
    fixture::AddPeople(test);
    frmInfo& info = test.app.Forms.Get<frmInfo>();
    const forms::Picture& tile = info.Image1.Picture();
    EXPECT_TRUE(std::filesystem::is_regular_file(tile.Path)) << tile.Path;
    info.Refresh();
    info.Refresh();
    const int across = info.Width() / info.Image1.Width() + 1;
    const int down = info.Height() / info.Image1.Height() + 1;
    const std::vector<forms::PaintedPicture>& painted = info.PaintedPictures();
    ASSERT_EQ(painted.size(), static_cast<std::size_t>(across * down));
    for (const forms::PaintedPicture& drawn : painted) {
        EXPECT_EQ(drawn.Picture, tile);
        EXPECT_EQ(drawn.X % info.Image1.Width(), 0);
        EXPECT_EQ(drawn.Y % info.Image1.Height(), 0);
    }
    EXPECT_EQ(painted.front().X, 0);
    EXPECT_EQ(painted.front().Y, 0);
    EXPECT_GE(painted.back().X + info.Image1.Width(), info.Width());
    EXPECT_GE(painted.back().Y + info.Image1.Height(), info.Height());
}

} // namespace
