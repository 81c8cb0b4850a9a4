#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

#include <algorithm>

namespace sampleward {

namespace {

struct Hospital {
    std::string id;
    std::string name;
};

// Two hospitals begin with "SAN", one with "MAKATI".
const std::vector<Hospital>& Hospitals() {
    static const std::vector<Hospital> hospitals = {{"H0004", "SAN LAZARO HOSPITAL"},
                                                    {"H0001", "PHILIPPINE HEART CENTER"},
                                                    {"H0003", "SAN JUAN DE DIOS HOSPITAL"},
                                                    {"H0002", "MAKATI MEDICAL CENTER"},
                                                    {"H0005", "ZENTARI CITY GENERAL HOSPITAL"}};
    return hospitals;
}

// The hospitals whose name begins with the text, letter case ignored as the server's collation does, by name.
std::vector<Hospital> Beginning(const std::string& text) {
    std::vector<Hospital> found;
    for (const Hospital& hospital : Hospitals())
        if (vb::UCase(hospital.name).starts_with(vb::UCase(text)))
            found.push_back(hospital);
    std::sort(found.begin(), found.end(), [](const Hospital& a, const Hospital& b) { return a.name < b.name; });
    return found;
}

Answer HospitalRows(const std::vector<std::string>& columns, const std::vector<Hospital>& hospitals, bool idFirst) {
    std::vector<Row> rows;
    for (const Hospital& hospital : hospitals)
        rows.push_back(idFirst ? Row{hospital.id, hospital.name} : Row{hospital.name, hospital.id});
    Answer answer;
    answer.Returns(columns, std::move(rows));
    return answer;
}

} // namespace

void DeclareHospitals(SampleServer& server) {
    server.OnRule("SELECT HospitalID,HospitalName FROM BUILD_FILE..tbcoHospital where HospitalName like  '{?}' + '%'",
                  [](const std::vector<std::string>& values) {
                      return HospitalRows({"HospitalID", "HospitalName"}, Beginning(values[0]), true);
                  });
    server.OnRule("SELECT HospitalName,HospitalID FROM BUILD_FILE..tbcoHospital WHERE HospitalName like '{?}' + '%' "
                  "ORDER BY HospitalName",
                  [](const std::vector<std::string>& values) {
                      return HospitalRows({"HospitalName", "HospitalID"}, Beginning(values[0]), false);
                  });
}

} // namespace sampleward
