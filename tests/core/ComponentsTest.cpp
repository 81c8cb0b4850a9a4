#include "components/ComponentFactory.h"
#include "platform/vb/VbError.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vb::VbError& error) {
        return error.Number();
    }
    return 0;
}

TEST(ComponentFactory, AnUnknownOrMismatchedIdentifierRaisesCannotCreate) {
    components::ComponentFactory factory;
    RegisterFakeComponents(factory);

    EXPECT_EQ(ErrorNumberOf([&] { factory.CreateObject("Ulvexa.clsPatientSearchX"); }), 429);
    EXPECT_EQ(ErrorNumberOf([&] { factory.Create<components::DrugComponent>("Kappoch.KeyPress"); }), 429);
    factory.Register("Broken.clsNothing", [] { return std::unique_ptr<components::Component>(); });
    EXPECT_EQ(ErrorNumberOf([&] { factory.CreateObject("Broken.clsNothing"); }), 429);
}

TEST(ComponentFactory, TwoCreationsGiveTwoInstances) {
    components::ComponentFactory factory;
    RegisterFakeComponents(factory);
    auto first = factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
    auto second = factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
    EXPECT_NE(first.get(), second.get());
}

// Every identifier the start-up creates gives its component, which answers as its fake is told.
struct CreationCase {
    const char* name;
    const char* progId;
    std::function<void(const components::ComponentFactory&)> use;
};

void PrintTo(const CreationCase& c, std::ostream* os) { *os << c.progId; }

class Creation : public ::testing::TestWithParam<CreationCase> {};

TEST_P(Creation, CreatesAndAnswers) {
    components::ComponentFactory factory;
    RegisterFakeComponents(factory);
    GetParam().use(factory);
}

template <class T> std::unique_ptr<T> Make(const components::ComponentFactory& factory, const char* progId) {
    auto object = factory.Create<T>(progId);
    EXPECT_NE(object, nullptr);
    return object;
}

INSTANTIATE_TEST_SUITE_P(
    ProgIds, Creation,
    ::testing::Values(
        CreationCase{"Login", "Zentari_User.clsCurrentuser",
                     [](const components::ComponentFactory& f) {
                         auto user = Make<components::LoginComponent>(f, "Zentari_User.clsCurrentuser");
                         auto& fake = dynamic_cast<FakeLogin&>(*user);
                         fake.passwordAccepted = false;
                         EXPECT_FALSE(user->checkusersettings());
                         // The class library hands out one CF4 instance.
                         EXPECT_EQ(user->ZENTARIClasses().clsCF4(), user->ZENTARIClasses().clsCF4());
                         user->ZENTARIClasses().clsCF4()->SetIdNum("2026001234");
                         EXPECT_TRUE(user->ZENTARIClasses().clsCF4()->ValidateRequirements());
                         EXPECT_EQ(fake.classes.cf4->Calls.back(), "ValidateRequirements(2026001234)");
                     }},
        CreationCase{"PatientSearch", "Ulvexa.clsPatientSearch",
                     [](const components::ComponentFactory& f) {
                         auto search = Make<components::PatientSearchComponent>(f, "Ulvexa.clsPatientSearch");
                         EXPECT_FALSE(search->ValidateAdmission("2026001234"));
                     }},
        CreationCase{
            "CodeSearch", "Bramwit.clsCodeSearch",
            [](const components::ComponentFactory& f) {
                auto search = Make<components::CodeSearchComponent>(f, "Bramwit.clsCodeSearch");
                auto& fake = dynamic_cast<FakeCodeSearch&>(*search);
                fake.answers[{1, "LIM"}] = [](FakeCodeSearch& s) { s.doctor = {"D0101", "LIM", "RAMON", "", false}; };
                EXPECT_TRUE(search->SearchListing("LIM", 1));
                EXPECT_EQ(search->DoctorRecord().ResultCode, "D0101");
                EXPECT_FALSE(search->SearchListing("LIM", 6));
            }},
        CreationCase{"KeyFilter", "Kappoch.KeyPress",
                     [](const components::ComponentFactory& f) {
                         auto filter = Make<components::KeyFilterComponent>(f, "Kappoch.KeyPress");
                         EXPECT_EQ(filter->AllUppers('a'), 'A');
                         EXPECT_EQ(filter->AllUppers('1'), '1');
                         EXPECT_EQ(filter->AllUppers(0), 0);
                         EXPECT_TRUE(filter->IsNumber('7'));
                         EXPECT_FALSE(filter->IsNumber('x'));
                     }},
        CreationCase{"Drug", "Tembloc.clsDrug",
                     [](const components::ComponentFactory& f) {
                         auto drug = Make<components::DrugComponent>(f, "Tembloc.clsDrug");
                         auto& fake = dynamic_cast<FakeDrug&>(*drug);
                         fake.drug.items["PCM500"] = FakeItem{false,
                                                              "PCM500",
                                                              "PARACETAMOL",
                                                              "500MG TAB",
                                                              "",
                                                              {},
                                                              {vb::Variant("2.50"), vb::Variant("3.00"), 40}};
                         EXPECT_TRUE(drug->Drug().SearchDrug("PCM500", std::string("20")));
                         EXPECT_EQ(drug->Drug().Invent().StockOnHand, 40);
                         std::string first = drug->Drug().ChargeSlip().CurrentCreditMemo();
                         drug->Drug().ChargeSlip().UpdateCreditMemo();
                         EXPECT_NE(drug->Drug().ChargeSlip().CurrentCreditMemo(), first);
                     }},
        CreationCase{"DrugList", "Yarrowin.clsListDrugs",
                     [](const components::ComponentFactory& f) {
                         auto list = Make<components::DrugListComponent>(f, "Yarrowin.clsListDrugs");
                         dynamic_cast<FakeDrugList&>(*list).choices = {"GAUZE4"};
                         EXPECT_EQ(list->ShowList("GAU", false, std::string("21")), "GAUZE4");
                         EXPECT_EQ(list->ShowList("GAU", false, std::string("21")), "");
                     }},
        CreationCase{"GenericList", "Selkarn.clsListGeneric",
                     [](const components::ComponentFactory& f) {
                         auto list = Make<components::DrugListComponent>(f, "Selkarn.clsListGeneric");
                         EXPECT_TRUE(list->InitConnection("Scripted"));
                     }},
        CreationCase{"Viewer", "Ostenay.Labresultviewer",
                     [](const components::ComponentFactory& f) {
                         auto viewer = Make<components::LabResultViewerComponent>(f, "Ostenay.Labresultviewer");
                         viewer->SetStationID("ER");
                         viewer->Show_Results();
                         viewer->SetRequestNum("R-77");
                         viewer->Show_Results();
                         auto& fake = dynamic_cast<FakeLabResultViewer&>(*viewer);
                         EXPECT_EQ(fake.shows.back().at("StationID"), "ER"); // kept from the earlier caller
                     }},
        CreationCase{"ICDSearch", "Gorvath.ICDCodeSearch",
                     [](const components::ComponentFactory& f) {
                         auto icd = Make<components::ICDSearchComponent>(f, "Gorvath.ICDCodeSearch");
                         icd->ValidateICDCode();
                     }},
        CreationCase{"Requests", "Virselto.clsRequest",
                     [](const components::ComponentFactory& f) {
                         auto requests = Make<components::RequestListComponent>(f, "Virselto.clsRequest");
                         dynamic_cast<FakeRequestList&>(*requests).results[{"2026001234", "2"}] =
                             MakeTable({"ITEM DESCRIPTION", "Key"}, {{"CBC", "L-1"}});
                         db::Recordset rs = requests->GetRequests("Scripted", "2026001234", "2");
                         ASSERT_FALSE(rs.Eof());
                         EXPECT_EQ(rs.Fields("Key"), vb::Variant("L-1"));
                         EXPECT_TRUE(requests->GetRequests("Scripted", "2026001234", "1").Eof());
                     }},
        CreationCase{"Results", "Virselto.clsResults",
                     [](const components::ComponentFactory& f) {
                         auto results = Make<components::ResultsComponent>(f, "Virselto.clsResults");
                         EXPECT_TRUE(results->GetResults("Scripted", "2026001234", "4").Eof());
                         results->Class_Terminate();
                         EXPECT_EQ(dynamic_cast<FakeResults&>(*results).terminated, 1);
                     }},
        CreationCase{"Confinement", "Virselto.clsConfinement",
                     [](const components::ComponentFactory& f) {
                         auto confinement = Make<components::ConfinementComponent>(f, "Virselto.clsConfinement");
                         EXPECT_TRUE(confinement->GetConfinementPeriod("Scripted", "100234", vb::Variant()).Eof());
                     }},
        CreationCase{"ConfinementResults", "Virselto.clsConfinementResults",
                     [](const components::ComponentFactory& f) {
                         auto results =
                             Make<components::ConfinementResultsComponent>(f, "Virselto.clsConfinementResults");
                         EXPECT_TRUE(results->GetConfinementResults("Scripted", "2026000001", "1").Eof());
                     }},
        CreationCase{"ChargeSlips", "Mibrault.clsChargeSlip",
                     [](const components::ComponentFactory& f) {
                         auto slips = Make<components::ChargeSlipListComponent>(f, "Mibrault.clsChargeSlip");
                         dynamic_cast<FakeChargeSlipList&>(*slips).acceptConnection = false;
                         EXPECT_FALSE(slips->InitConnection("Scripted"));
                     }},
        CreationCase{"IssuedItems", "Tondrel.clsIssuedMedicines",
                     [](const components::ComponentFactory& f) {
                         auto issued = Make<components::IssuedItemsComponent>(f, "Tondrel.clsIssuedMedicines");
                         auto& fake = dynamic_cast<FakeIssuedItems&>(*issued);
                         fake.choices = {"PCM500"};
                         fake.chargeSlip = "CS-0042";
                         fake.issuedQuantity = 6;
                         EXPECT_EQ(issued->ListIssuedbyDrugs("2026001234", "List of Issued Medicines"), "PCM500");
                         EXPECT_EQ(issued->ChargeSlip(), "CS-0042");
                         EXPECT_EQ(issued->IssuedQuantity(), 6);
                     }},
        CreationCase{"PatientInfo", "Quosset.Patient",
                     [](const components::ComponentFactory& f) {
                         auto info = Make<components::PatientInfoComponent>(f, "Quosset.Patient");
                         EXPECT_FALSE(info->LoadInfo("2026001234"));
                     }}),
    [](const ::testing::TestParamInfo<CreationCase>& info) { return std::string(info.param.name); });

// Windows hand the pick lists and the drug look-up their cell editor, and the issued-items list the name label.
class frmEntry : public forms::Form {
public:
    explicit frmEntry(ward::App& app) : Form(app.Forms) {}
    forms::TextBox txtEntry{*this, "txtEntry"};
    forms::Label lblPatient{*this, "lblPatient"};
};

TEST(ControlArguments, TheComponentReadsTheControlsText) {
    TestApp test;
    frmEntry& form = test.app.Forms.Get<frmEntry>();
    form.txtEntry.SetText("PCM");
    form.lblPatient.SetCaption("DELA CRUZ, JUAN");

    test.app.DrugListObject2->ShowList(form.txtEntry, false, std::string("20"));
    test.app.DrugObject->Drug().SearchDrug(form.txtEntry, std::string("20"));
    test.app.IssuedMedsObject->ShowList("2026001234", "CS-0042", form.lblPatient);

    EXPECT_EQ(test.drugListObject2.Calls.back(), "ShowList(PCM,False,20)");
    EXPECT_EQ(test.drugObject.drug.Calls.back(), "SearchDrug(PCM,20)");
    EXPECT_EQ(test.issuedMedsObject.Calls.back(), "ShowList(2026001234,CS-0042,DELA CRUZ, JUAN)");
}

// The rate of a room-class letter; a letter outside A to H leaves the caller's price alone.
TEST(RateInfo, RateOfAClassLetter) {
    components::LabExamRecordInfo record;
    record.RateA = vb::Variant("350");
    record.RateE = vb::Variant("420");
    record.RateH = vb::Variant::Null();
    EXPECT_EQ(record.Rate("A"), vb::Variant("350"));
    EXPECT_EQ(record.Rate("E"), vb::Variant("420"));
    EXPECT_EQ(record.Rate("H"), vb::Variant::Null());
    EXPECT_FALSE(record.Rate("I").has_value());
    EXPECT_FALSE(record.Rate("").has_value());
    EXPECT_FALSE(record.Rate("AB").has_value());
}

// The fixture ward's patients, as the patient list and the chart meet them.
TEST(FixtureWard, OffersAnInPatientAndAnOutPatientVisit) {
    TestApp test;
    fixture::Install(test);

    ASSERT_TRUE(test.app.PatientSearch->ValidateAdmission(fixture::InPatientIdNum));
    components::AdmissionObject& admission = test.app.PatientSearch->Admission();
    EXPECT_EQ(admission.Room.RoomClassID, "C");
    EXPECT_EQ(admission.Room.Station.Code, "SIC");
    EXPECT_EQ(admission.OkeyPH, true);
    EXPECT_EQ(admission.Patient().Lastname, "DELA CRUZ");
    EXPECT_TRUE(test.app.PatientSearch->ValidatePatient(fixture::InPatientHospNum));

    components::OutPatientObject& visit = test.app.PatientSearch->PatientClass().clsOutPatient();
    ASSERT_TRUE(visit.OpenOutPatient(fixture::OutPatientIdNum, fixture::OutPatientHospNum));
    EXPECT_EQ(visit.IdNumber.back(), 'B');
    EXPECT_TRUE(visit.Patient().LoadPatient(fixture::OutPatientHospNum));
    EXPECT_EQ(visit.Patient().FirstName, "LUISA");

    EXPECT_TRUE(test.app.PatientObject->LoadInfo(fixture::InPatientIdNum));
    EXPECT_EQ(test.app.PatientObject->RoomNumber(), "SIC-03");
    EXPECT_EQ(test.app.CurrentUser->EmployeeCode(), fixture::NurseCode);
}

// A Null cash-basis flag stays distinct from False, so each caller applies its own rule.
TEST(FixtureWard, ACashBasisFlagKeepsNullApartFromFalse) {
    TestApp test;
    fixture::Install(test);
    test.patientSearch.admission.onRefresh = [](components::AdmissionData& a) {
        a.OkeyLab = std::nullopt;
        a.OkeyXray = false;
    };
    ASSERT_TRUE(test.app.PatientSearch->ValidateAdmission(fixture::InPatientIdNum));

    test.app.PatientSearch->Admission().Refresh();

    EXPECT_FALSE(test.app.PatientSearch->Admission().OkeyLab.has_value());
    EXPECT_EQ(test.app.PatientSearch->Admission().OkeyXray, false);
}

} // namespace
