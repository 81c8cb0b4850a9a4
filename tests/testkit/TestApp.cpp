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
      patientObject(Install<FakePatientInfo>(app.PatientObject)), reportEngine(InstallReportEngine(app)) {
    currentUser.connection = &server;
    ward::ApplyStartupValues(app);
}

} // namespace testkit
