#include "testkit/TestApp.h"

namespace testkit {

namespace {

// Puts a new fake into the application's module variable and hands back the fake.
template <class Fake, class Interface> Fake& Install(std::unique_ptr<Interface>& slot) {
    auto fake = std::make_unique<Fake>();
    Fake& result = *fake;
    slot = std::move(fake);
    return result;
}

RecordingReportEngine& InstallReportEngine(ward::App& app) {
    auto engine = std::make_shared<RecordingReportEngine>(RecordingReportEngine::ShippedTemplates());
    app.ReportEngine = engine;
    return *engine;
}

RecordingAnnouncer& InstallAnnouncer(ward::App& app) {
    auto announcer = std::make_shared<RecordingAnnouncer>();
    app.Announcer = announcer;
    return *announcer;
}

// Hands over the fake in the slot as a new component; the start-up puts it back into the slot.
template <class Interface>
std::function<std::unique_ptr<components::Component>()> HandOver(std::unique_ptr<Interface>& slot) {
    return [&slot]() -> std::unique_ptr<components::Component> { return std::move(slot); };
}

} // namespace

TestApp::TestApp()
    : app(host), currentUser(Install<FakeLogin>(app.CurrentUser)),
      patientSearch(Install<FakePatientSearch>(app.PatientSearch)), codeSearch(Install<FakeCodeSearch>(app.CodeSearch)),
      keyFilter(Install<FakeKeyFilter>(app.KeyFilter)), keyFilter1(Install<FakeKeyFilter>(app.KeyFilter1)),
      drugObject(Install<FakeDrug>(app.DrugObject)), drugListObject(Install<FakeDrugList>(app.DrugListObject)),
      drugListObject2(Install<FakeDrugList>(app.DrugListObject2)), icdSearch(Install<FakeICDSearch>(app.ICDSearch)),
      labResultViewer(Install<FakeLabResultViewer>(app.LabResultViewerObject)),
      requestObject(Install<FakeRequestList>(app.RequestObject)),
      resultsObject(Install<FakeResults>(app.ResultsObject)),
      confinementObject(Install<FakeConfinement>(app.ConfinementObject)),
      confinementResultsObject(Install<FakeConfinementResults>(app.ConfinementResultsObject)),
      chargeSlipObject(Install<FakeChargeSlipList>(app.ChargeSlipObject)),
      issuedMedsObject(Install<FakeIssuedItems>(app.IssuedMedsObject)),
      patientObject(Install<FakePatientInfo>(app.PatientObject)), reportEngine(InstallReportEngine(app)),
      announcer(InstallAnnouncer(app)) {
    currentUser.connection = &server;
    drugObject.drug.connection = &server;
    ward::ApplyStartupValues(app);
}

void TestApp::LetStartUpCreateTheFakes() {
    components::ComponentFactory& factory = app.Factory;
    factory.Register("Zentari_User.clsCurrentuser", HandOver(app.CurrentUser));
    factory.Register("Ulvexa.clsPatientSearch", HandOver(app.PatientSearch));
    factory.Register("Bramwit.clsCodeSearch", HandOver(app.CodeSearch));
    factory.Register("Tembloc.clsDrug", HandOver(app.DrugObject));
    factory.Register("Selkarn.clsListGeneric", HandOver(app.DrugListObject));
    factory.Register("Ostenay.Labresultviewer", HandOver(app.LabResultViewerObject));
    factory.Register("Gorvath.ICDCodeSearch", HandOver(app.ICDSearch));
    factory.Register("Virselto.clsRequest", HandOver(app.RequestObject));
    factory.Register("Virselto.clsResults", HandOver(app.ResultsObject));
    factory.Register("Virselto.clsConfinement", HandOver(app.ConfinementObject));
    factory.Register("Virselto.clsConfinementResults", HandOver(app.ConfinementResultsObject));
    factory.Register("Mibrault.clsChargeSlip", HandOver(app.ChargeSlipObject));
    factory.Register("Tondrel.clsIssuedMedicines", HandOver(app.IssuedMedsObject));
    factory.Register("Quosset.Patient", HandOver(app.PatientObject));
    // Two instances each: the first asked for goes into the first variable.
    factory.Register("Kappoch.KeyPress", [this, count = 0]() mutable -> std::unique_ptr<components::Component> {
        return std::move(count++ == 0 ? app.KeyFilter : app.KeyFilter1);
    });
    factory.Register("Yarrowin.clsListDrugs", [this, count = 0]() mutable -> std::unique_ptr<components::Component> {
        // By generic, the generic list takes the first variable and this one only the second.
        return std::move(count++ == 0 && !app.ByGeneric ? app.DrugListObject : app.DrugListObject2);
    });
}

} // namespace testkit
