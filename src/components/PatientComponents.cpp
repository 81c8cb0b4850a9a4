#include "components/PatientComponents.h"

#include "components/PatientInfo.h"
#include "components/PatientSearch.h"

namespace components {

namespace {

RoomChooser RoomListOf(const ComponentServices& services) {
    (void)services;
    return [](const std::string&) -> std::optional<std::string> { return std::nullopt; };
}

} // namespace

void RegisterPatientComponents(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Ulvexa.clsPatientSearch",
                     [services] { return std::make_unique<PatientSearch>(services.Connection, RoomListOf(services)); });
    factory.Register("Quosset.Patient", [services] { return std::make_unique<PatientInfo>(services.Connection); });
}

} // namespace components
