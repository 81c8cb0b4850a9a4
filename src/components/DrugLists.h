#pragma once

#include "components/DrugListComponent.h"
#include "components/OwnComponents.h"

namespace components {

// Yarrowin.clsListDrugs: the items stocked at a location whose code or name starts with the text. Which location is
// the caller's (given, else the pharmacy); DrugsOrCSR is kept but decides nothing.
class DrugList : public DrugListComponent {
public:
    explicit DrugList(ComponentServices services) : services(std::move(services)) {}
    bool InitConnection(const std::string&) override { return true; }
    void SetDrugsOrCSR(bool value) override { drugsOrCSR = value; }
    bool DrugsOrCSR() const { return drugsOrCSR; }
    using DrugListComponent::ShowList;
    std::string ShowList(const std::string& text, bool option, const std::optional<std::string>& location) override;

private:
    ComponentServices services;
    bool drugsOrCSR = true;
};

// Selkarn.clsListGeneric: the generics whose code or name starts with the text.
class GenericList : public DrugListComponent {
public:
    explicit GenericList(ComponentServices services) : services(std::move(services)) {}
    bool InitConnection(const std::string&) override { return true; }
    void SetDrugsOrCSR(bool) override {}
    using DrugListComponent::ShowList;
    std::string ShowList(const std::string& text, bool option, const std::optional<std::string>& location) override;

private:
    ComponentServices services;
};

void RegisterDrugLists(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
