#pragma once

#include "components/ChargeSlipListComponent.h"
#include "components/CodeSearchComponent.h"
#include "components/ComponentFactory.h"
#include "components/DrugComponent.h"
#include "components/DrugListComponent.h"
#include "components/ICDSearchComponent.h"
#include "components/IssuedItemsComponent.h"
#include "components/KeyFilterComponent.h"
#include "components/LabResultViewerComponent.h"
#include "components/LoginComponent.h"
#include "components/NurseActivityComponents.h"
#include "components/PatientInfoComponent.h"
#include "components/PatientSearchComponent.h"
#include "core/ModuleState.h"
#include "core/clsParameters.h"
#include "platform/db/Recordset.h"
#include "platform/forms/FormsContext.h"

#include <memory>

namespace reports {
class ReportEngine;
class Report;
} // namespace reports
namespace agent {
class Announcer;
} // namespace agent

namespace ward {

class clsLaboratoryTabularFormat;

// Everything one run of the program owns: the host and the loaded windows, the log-in component with the one
// connection, the outside components, the report engine and announcer, the shared module state and the ward
// parameters. Every window receives it when built; nothing else is global.
class App : public ModuleState, public HospitalSettings {
public:
    explicit App(forms::Host& host);
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();

    forms::FormRegistry<App> Forms;
    forms::Host& GetHost() const { return Forms.GetHost(); }

    // Makes the outside components from their program identifiers.
    components::ComponentFactory Factory;

    // The log-in component; its SQLConnection is the connection every statement goes through.
    std::unique_ptr<components::LoginComponent> CurrentUser;
    db::Connection& Connection() const;

    std::unique_ptr<components::PatientSearchComponent> PatientSearch;
    std::unique_ptr<components::CodeSearchComponent> CodeSearch;
    std::unique_ptr<components::KeyFilterComponent> KeyFilter;
    std::unique_ptr<components::KeyFilterComponent> KeyFilter1;
    std::unique_ptr<components::DrugComponent> DrugObject;
    std::unique_ptr<components::DrugListComponent> DrugListObject;
    std::unique_ptr<components::DrugListComponent> DrugListObject2;
    std::unique_ptr<components::ICDSearchComponent> ICDSearch;
    std::unique_ptr<components::LabResultViewerComponent> LabResultViewerObject;
    std::unique_ptr<components::RequestListComponent> RequestObject;
    std::unique_ptr<components::ResultsComponent> ResultsObject;
    std::unique_ptr<components::ConfinementComponent> ConfinementObject;
    std::unique_ptr<components::ConfinementResultsComponent> ConfinementResultsObject;
    std::unique_ptr<components::ChargeSlipListComponent> ChargeSlipObject;
    std::unique_ptr<components::IssuedItemsComponent> IssuedMedsObject;
    std::unique_ptr<components::PatientInfoComponent> PatientObject;
    // The class library's one CF4 instance, held only while the ward shows CF4.
    std::shared_ptr<components::CF4Component> CF4Object;

    std::shared_ptr<reports::ReportEngine> ReportEngine;
    std::shared_ptr<agent::Announcer> Announcer;

    // Auto objects: made on first use while empty, and again on the first use after they were released.
    clsParameters& Parameters();
    db::Recordset& ExamRecordset();
    void ReleaseExamRecordset() { examRecordset.reset(); }
    std::shared_ptr<clsLaboratoryTabularFormat> LabTabular;
    std::shared_ptr<reports::Report> CurrentReport;

private:
    std::unique_ptr<clsParameters> parameters;
    std::unique_ptr<db::Recordset> examRecordset;
};

// The values the start-up gives before any window runs.
void ApplyStartupValues(App& app);

} // namespace ward
