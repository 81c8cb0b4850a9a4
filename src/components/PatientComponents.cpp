#include "components/PatientComponents.h"

#include "components/PatientInfo.h"
#include "components/PatientSearch.h"
#include "components/frmPickList.h"

namespace components {

namespace {

RoomChooser RoomListOf(const ComponentServices& services) {
    forms::FormsContext* forms = &services.Forms;
    ConnectionSource connection = services.Connection;
    return [forms, connection](const std::string& text) -> std::optional<std::string> {
        std::optional<PickedRow> chosen = ShowPickList(*forms, "Rooms", text, [connection](const std::string& typed) {
            std::vector<PickedRow> rows;
            for (const records::RoomListEntry& room : records::ReadRoomList(connection(), typed))
                rows.push_back({room.RoomID, room.Station});
            return rows;
        });
        if (!chosen)
            return std::nullopt;
        return chosen->Code;
    };
}

} // namespace

void RegisterPatientComponents(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Ulvexa.clsPatientSearch",
                     [services] { return std::make_unique<PatientSearch>(services.Connection, RoomListOf(services)); });
    factory.Register("Quosset.Patient", [services] { return std::make_unique<PatientInfo>(services.Connection); });
}

} // namespace components
