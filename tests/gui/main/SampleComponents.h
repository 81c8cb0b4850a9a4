#pragma once

#include "components/DrugComponent.h"
#include "components/NurseActivityComponents.h"
#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"

namespace guitest {

// The sample ward as the main window connects it: the sample nurse signed in, our own components registered and the
// outside objects the chart and its work windows read created, the station set and the server's date read.
inline void ConnectSampleWard(ward::App& app, sampleward::SampleServer& server) {
    auto nurse = std::make_unique<testkit::FakeLogin>(&server);
    nurse->employeeCode = sampleward::SampleNurseID;
    app.CurrentUser = std::move(nurse);
    components::RegisterOwnComponents(app.Factory, {app.Forms, [&app]() -> db::Connection& { return app.Connection(); }});
    app.PatientSearch = app.Factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
    app.CodeSearch = app.Factory.Create<components::CodeSearchComponent>("Bramwit.clsCodeSearch");
    app.KeyFilter = app.Factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
    app.RequestObject = app.Factory.Create<components::RequestListComponent>("Virselto.clsRequest");
    app.DrugObject = app.Factory.Create<components::DrugComponent>("Tembloc.clsDrug");
    app.DrugListObject2 = app.Factory.Create<components::DrugListComponent>("Yarrowin.clsListDrugs");
    app.StationID = sampleward::StationID;
    app.StationName = sampleward::StationName;
    ward::RefreshServerDate(app);
}

} // namespace guitest
