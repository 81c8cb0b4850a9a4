#pragma once

#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "platform/reports/TemplateReportEngine.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The program's application on the sample ward, for the tests of this folder.
namespace samplewardtest {

template <class Interface> void Create(ward::App& app, std::unique_ptr<Interface>& slot, const std::string& progId) {
    slot = app.Factory.Create<Interface>(progId);
}

// The text of a shipped template laid out on the sample ward with these values; more gives the report what else it
// takes (its sub-reports' values).
inline std::string LaidOutOnSampleWard(sampleward::SampleServer& ward, const std::string& file,
                                       const std::vector<vb::Variant>& values,
                                       const std::function<void(reports::Report&)>& more = {}) {
    reports::TemplateReportEngine engine(ward);
    auto report = engine.OpenReport(testkit::RecordingReportEngine::ShippedTemplates().string() + "\\" + file);
    report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
    reports::SetParameterValues(*report, values);
    if (more)
        more(*report);
    return engine.LayOutReport(*report).PlainText();
}

// A fresh application on the sample ward, as the program has it once the sample nurse has signed in and chosen the
// in-patient from the list: the stand-ins and our own components created, the settings read, the admission current.
struct SampleWardApp {
    testkit::ScriptedHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};

    SampleWardApp() {
        components::RegisterOwnComponents(app.Factory,
                                          {app.Forms, [this]() -> db::Connection& { return app.Connection(); }});
        app.Factory.Register("Zentari_User.clsCurrentuser", [this] { return SignedInNurse(); });
        CreateComponents();
        app.StationID = sampleward::StationID;
        app.StationName = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";
        ward::RefreshServerDate(app);
        ward::LoadHospitalSettings(app);
        ChooseInPatient();
    }

    std::unique_ptr<components::Component> SignedInNurse() {
        auto nurse = std::make_unique<testkit::FakeLogin>(server.get());
        const sampleward::SampleEmployee& employee = *sampleward::FindEmployee(sampleward::SampleNurseID);
        nurse->employeeCode = employee.code;
        nurse->employeeName = employee.lastname + ", " + employee.firstName + " " + employee.middleName;
        nurse->serverName = "SAMPLE WARD";
        return nurse;
    }

    void CreateComponents() {
        Create(app, app.CurrentUser, "Zentari_User.clsCurrentuser");
        Create(app, app.DrugListObject, "Yarrowin.clsListDrugs");
        Create(app, app.PatientSearch, "Ulvexa.clsPatientSearch");
        Create(app, app.DrugObject, "Tembloc.clsDrug");
        Create(app, app.DrugListObject2, "Yarrowin.clsListDrugs");
        Create(app, app.LabResultViewerObject, "Ostenay.Labresultviewer");
        Create(app, app.KeyFilter, "Kappoch.KeyPress");
        Create(app, app.CodeSearch, "Bramwit.clsCodeSearch");
        Create(app, app.KeyFilter1, "Kappoch.KeyPress");
        Create(app, app.ICDSearch, "Gorvath.ICDCodeSearch");
        Create(app, app.RequestObject, "Virselto.clsRequest");
        Create(app, app.ResultsObject, "Virselto.clsResults");
        Create(app, app.ChargeSlipObject, "Mibrault.clsChargeSlip");
        Create(app, app.IssuedMedsObject, "Tondrel.clsIssuedMedicines");
        Create(app, app.ConfinementResultsObject, "Virselto.clsConfinementResults");
        Create(app, app.ConfinementObject, "Virselto.clsConfinement");
        Create(app, app.PatientObject, "Quosset.Patient");
    }

    void ChooseInPatient() {
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
        ASSERT_TRUE(app.PatientSearch->ValidateAdmission(app.CurIdNum));
        ASSERT_TRUE(app.PatientSearch->ValidatePatient(app.CurHospNum));
        const components::PatientData& patient = app.PatientSearch->PatientMaster();
        app.CurPatientName = patient.Lastname + " ," + patient.FirstName + " " + patient.MiddleName;
        app.CurAccountNum = app.CurHospNum;
        app.CurGuarantor = "PERSONAL";
        app.CurRoomID = app.PatientSearch->Admission().Room.RoomID;
        app.CurRoomClassID = app.PatientSearch->Admission().Room.RoomClassID;
        app.PatientTypeIO = "I";
    }
};

} // namespace samplewardtest
