#pragma once

#include <string>

namespace ward {

class App;
class frmSearcher;

// Finds a hospital by the beginning of its name: one match is taken at once, none is refused with a message, and
// several are listed in the look-up dialog for the nurse to pick from. A caller keeps one for the life of its window.
class clsSearcher {
public:
    explicit clsSearcher(App& app) : app(app) {}

    // True when a hospital was chosen; Description then holds its name. An error is shown and gives False.
    bool SearchHospital(const std::string& Key);
    // The name of the hospital chosen last; a search that chooses none leaves it as it was.
    const std::string& Description() const { return description; }
    // The chosen hospital's ID.
    const std::string& Code() const { return code; }

private:
    bool ChooseHospital(const std::string& Key);

    App& app;
    std::string code;
    std::string description;
};

// Words the look-up dialog as the hospital search shows it, starting from the text given.
void SetHospitalLookup(frmSearcher& dialog, const std::string& Key);

} // namespace ward
