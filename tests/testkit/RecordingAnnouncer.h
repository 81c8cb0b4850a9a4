#pragma once

#include "platform/agent/Announcer.h"

#include <string>
#include <vector>

namespace testkit {

// An announcer that shows nothing and records every call in order, one line each, characters by the ID they were
// loaded under:
//   "Load genie .\genie.acs"  "Unload Genie"
//   "genie: Show"  "genie: Hide"  "genie: Stop"  "genie: MoveTo 650 450"  "genie: Play announce"
//   "genie: Speak There are ..."  "genie: LanguageID 1033"  "genie: BalloonStyle 1"  "genie: BalloonVisible False"
// IDs match without regard to case, and an ID not loaded raises, as on the desktop.
class RecordingAnnouncer : public agent::Announcer {
public:
    void Load(const std::string& characterID, const std::string& file) override;
    void Unload(const std::string& characterID) override;

    const std::vector<std::string>& Calls() const { return calls; }
    void ClearCalls() { calls.clear(); }

    // The next loads find no character file: Load raises "File not found" as the desktop's does.
    void SetFileMissing(bool value) { fileMissing = value; }
    // The user double-clicks the character: DblClick hears exactly this ID.
    void DoubleClick(const std::string& characterID);

protected:
    std::unique_ptr<agent::Character> MakeCharacter(const std::string& characterID, const std::string& file) override;

private:
    std::vector<std::string> calls;
    bool fileMissing = false;
};

} // namespace testkit
