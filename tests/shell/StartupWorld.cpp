#include "shell/StartupWorld.h"

#include "platform/vb/DateSerialNumber.h"
#include "shell/frmSplash.h"
#include "testkit/FixturePatientList.h"

namespace shelltest {

namespace fixture = testkit::ward_fixture;

namespace {

testkit::RecordingAnnouncer& InstallAnnouncer(ward::App& app) {
    auto announcer = std::make_shared<testkit::RecordingAnnouncer>();
    app.Announcer = announcer;
    return *announcer;
}

template <class Fake> void Refuse(Fake& fake, bool refuse) {
    if constexpr (requires { fake.acceptConnection; })
        fake.acceptConnection = !refuse;
}

} // namespace

StartupWorld::StartupWorld(vb::Variant serverNow)
    : app(host), announcer(InstallAnnouncer(app)), serverNow(std::move(serverNow)) {
    RegisterComponents();
}

StartupWorld::~StartupWorld() { host.VerifyAllUsed(); }

std::string StartupWorld::InstanceName(const std::string& progId) {
    int count = ++instances[progId];
    return count == 1 ? progId : progId + "#" + std::to_string(count);
}

template <class Fake> void StartupWorld::Register(const std::string& progId) {
    app.Factory.Register(progId, [this, progId]() -> std::unique_ptr<components::Component> {
        if (progId == failingCreation)
            throw std::runtime_error("Class not registered");
        std::string name = InstanceName(progId);
        auto fake = std::make_unique<Tracked<Fake>>(log, name);
        Refuse(*fake, refusingOffers.count(name) > 0);
        return fake;
    });
}

template <class Fake> void StartupWorld::RegisterActivity(const std::string& progId) {
    app.Factory.Register(progId, [this, progId]() -> std::unique_ptr<components::Component> {
        if (progId == failingCreation)
            throw std::runtime_error("Class not registered");
        return std::make_unique<TrackedActivity<Fake>>(log, InstanceName(progId));
    });
}

void StartupWorld::RegisterComponents() {
    using namespace testkit;
    app.Factory.Register("Zentari_User.clsCurrentuser", [this]() -> std::unique_ptr<components::Component> {
        if (failingCreation == "Zentari_User.clsCurrentuser")
            throw std::runtime_error("Class not registered");
        auto login = std::make_unique<Tracked<FakeLogin>>(log, "Zentari_User.clsCurrentuser");
        login->connection = &server;
        login->connected = loginSucceeds;
        return login;
    });
    Register<FakePatientSearch>("Ulvexa.clsPatientSearch");
    Register<FakeCodeSearch>("Bramwit.clsCodeSearch");
    Register<FakeKeyFilter>("Kappoch.KeyPress");
    Register<FakeDrug>("Tembloc.clsDrug");
    Register<FakeDrugList>("Yarrowin.clsListDrugs");
    Register<FakeDrugList>("Selkarn.clsListGeneric");
    Register<FakeLabResultViewer>("Ostenay.Labresultviewer");
    Register<FakeICDSearch>("Gorvath.ICDCodeSearch");
    RegisterActivity<FakeRequestList>("Virselto.clsRequest");
    RegisterActivity<FakeResults>("Virselto.clsResults");
    RegisterActivity<FakeConfinement>("Virselto.clsConfinement");
    RegisterActivity<FakeConfinementResults>("Virselto.clsConfinementResults");
    Register<FakeChargeSlipList>("Mibrault.clsChargeSlip");
    Register<FakeIssuedItems>("Tondrel.clsIssuedMedicines");
    Register<FakePatientInfo>("Quosset.Patient");
}

std::vector<std::string> StartupWorld::StartupStatements() {
    return {"Select StationID,Station From Build_file..tbCoStation Where StationID='SIC'", "select GETDATE() AS Tdate",
            fixture::HospitalInfoQuery, fixture::NursingSettingsQuery, fixture::NurseSetupQuery};
}

ward::mdiOrMenu& StartupWorld::Start() {
    if (stationRow)
        server.On(StartupStatements()[0]).Returns({"StationID", "Station"}, {{"SIC", fixture::StationName}});
    else
        server.On(StartupStatements()[0]).Returns({"StationID", "Station"}, {});
    server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{serverNow}});
    fixture::DeclareSettings(server, byGeneric, nurseSetup);
    for (const fixture::Employee& employee : fixture::Employees())
        server.On("SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + employee.code + "'")
            .Returns({"EmployeeID", "EmployeeRights"}, {{employee.code, employee.rights}});
    server.On("Select * from STATION..tbSCNChargeSlip").Returns({"ChargeSlip"}, {{"  0012345 "}});
    server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
    ward::mdiOrMenu& main = app.Forms.Instance<ward::mdiOrMenu>();
    host.Run([&main] { main.Load(); });
    return main;
}

ward::mdiOrMenu& StartupWorld::StartAndTick() {
    ward::mdiOrMenu& main = Start();
    host.OnModal<ward::frmSplash>([this](ward::frmSplash& splash) { host.FireTimer(splash.Timer1); });
    host.FireTimer(main.Timer1);
    return main;
}

std::vector<std::string> CreatedInOrder(const ComponentLog& log) {
    std::vector<std::string> created;
    for (const std::string& line : log)
        if (line.rfind("create ", 0) == 0)
            created.push_back(line.substr(7));
    return created;
}

} // namespace shelltest
