#pragma once

#include "components/OwnComponents.h"

#include <string>

namespace components {

// Registers the request, result, confinement and confinement-result lists of the Virselto family.
void RegisterNurseActivity(ComponentFactory& factory, const ComponentServices& services);

// The statements the lists send, each value trimmed and quoted; a server that answers them declares them here.
namespace nurseactivity {
std::string Requests(const std::string& idNum, const std::string& kind);
std::string RadiologyResults(const std::string& idNum, const std::string& kind);
std::string LabResults(const std::string& idNum);
std::string LabRequests(const std::string& idNum);
std::string Confinements(const std::string& hospitalNumber, const vb::Variant& upTo);
std::string ConfinementResults(const std::string& idNum, const std::string& kind);
} // namespace nurseactivity

} // namespace components
