#include "testkit/RecordingAnnouncer.h"

namespace testkit {

namespace {

class RecordingCharacter : public agent::Character {
public:
    RecordingCharacter(std::string id, std::vector<std::string>& calls) : id(std::move(id)), calls(calls) {}

    void Show() override { Record("Show"); }
    void Hide() override { Record("Hide"); }
    void Stop() override { Record("Stop"); }
    void MoveTo(int x, int y) override { Record("MoveTo " + std::to_string(x) + " " + std::to_string(y)); }
    void Play(const std::string& animation) override { Record("Play " + animation); }
    void Speak(const std::string& text) override { Record("Speak " + text); }
    void SetLanguageID(int value) override { Record("LanguageID " + std::to_string(value)); }
    void SetBalloonStyle(int value) override { Record("BalloonStyle " + std::to_string(value)); }
    void SetBalloonVisible(bool value) override { Record(value ? "BalloonVisible True" : "BalloonVisible False"); }

private:
    void Record(const std::string& call) { calls.push_back(id + ": " + call); }

    std::string id;
    std::vector<std::string>& calls;
};

} // namespace

void RecordingAnnouncer::Load(const std::string& characterID, const std::string& file) {
    calls.push_back("Load " + characterID + " " + file);
    Announcer::Load(characterID, file);
}

void RecordingAnnouncer::Unload(const std::string& characterID) {
    calls.push_back("Unload " + characterID);
    Announcer::Unload(characterID);
}

void RecordingAnnouncer::DoubleClick(const std::string& characterID) {
    if (DblClick)
        DblClick(characterID);
}

std::unique_ptr<agent::Character> RecordingAnnouncer::MakeCharacter(const std::string& characterID,
                                                                    const std::string& file) {
    if (fileMissing)
        agent::RaiseCharacterFileNotFound(file);
    return std::make_unique<RecordingCharacter>(characterID, calls);
}

} // namespace testkit
