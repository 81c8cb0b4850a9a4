#pragma once

#include "platform/agent/Character.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace agent {

// A call on a character that is not loaded, or a second load under one ID.
class AgentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a character's file lies, the program's "\" paths read as folders; a file that is not there raises
// "File not found" (error 53) naming it.
std::string FindCharacterFile(const std::string& file);
[[noreturn]] void RaiseCharacterFileNotFound(const std::string& file);

// The characters the program has loaded, by ID; IDs match whatever their letter case ("genie" loaded is "Genie"
// unloaded). A character file that cannot be found raises from Load and leaves nothing loaded: the caller shows
// the error and goes on without the character.
class Announcer {
public:
    Announcer() = default;
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    virtual ~Announcer();

    virtual void Load(const std::string& characterID, const std::string& file);
    virtual void Unload(const std::string& characterID);
    // The loaded character; an ID not loaded raises AgentError.
    virtual Character& Characters(const std::string& id);
    bool IsLoaded(const std::string& id) const;
    // The ID as it was loaded, or "" when none such is loaded.
    std::string LoadedID(const std::string& id) const;

    // The user double-clicked the character; the argument is its ID as loaded.
    std::function<void(const std::string& CharacterID)> DblClick;

protected:
    // Builds the character once Load has checked the ID; raises when the file cannot be used.
    virtual std::unique_ptr<Character> MakeCharacter(const std::string& characterID, const std::string& file) = 0;
    // Raises DblClick, when a handler is set, for the character loaded under that ID.
    void RaiseDblClick(const std::string& characterID);

private:
    using Entry = std::pair<std::string, std::unique_ptr<Character>>;
    std::vector<Entry>::iterator Find(const std::string& id);
    std::vector<Entry>::const_iterator Find(const std::string& id) const;

    std::vector<Entry> characters;
};

} // namespace agent
