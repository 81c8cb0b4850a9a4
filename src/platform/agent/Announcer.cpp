#include "platform/agent/Announcer.h"

#include "platform/forms/Picture.h"
#include "platform/vb/VbError.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace agent {

namespace {

bool SameID(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

[[noreturn]] void RaiseNotLoaded(const std::string& id) {
    throw AgentError("The character \"" + id + "\" is not loaded.");
}

} // namespace

std::string FindCharacterFile(const std::string& file) {
    std::string local = forms::LocalPath(file);
    std::error_code error;
    if (local.empty() || !std::filesystem::is_regular_file(local, error))
        RaiseCharacterFileNotFound(file);
    return local;
}

void RaiseCharacterFileNotFound(const std::string& file) { throw vb::VbError(53, "File not found: " + file); }

Announcer::~Announcer() = default;

void Announcer::Load(const std::string& characterID, const std::string& file) {
    if (Find(characterID) != characters.end())
        throw AgentError("The character \"" + characterID + "\" is already loaded.");
    std::unique_ptr<Character> character = MakeCharacter(characterID, file);
    characters.emplace_back(characterID, std::move(character));
}

void Announcer::Unload(const std::string& characterID) {
    auto found = Find(characterID);
    if (found == characters.end())
        RaiseNotLoaded(characterID);
    // The character goes after it has left the list, so it cannot be reached while it is being torn down.
    std::unique_ptr<Character> leaving = std::move(found->second);
    characters.erase(found);
}

Character& Announcer::Characters(const std::string& id) {
    auto found = Find(id);
    if (found == characters.end())
        RaiseNotLoaded(id);
    return *found->second;
}

bool Announcer::IsLoaded(const std::string& id) const { return Find(id) != characters.end(); }

std::string Announcer::LoadedID(const std::string& id) const {
    auto found = Find(id);
    return found == characters.end() ? std::string() : found->first;
}

void Announcer::RaiseDblClick(const std::string& characterID) {
    std::string loaded = LoadedID(characterID);
    if (!loaded.empty() && DblClick)
        DblClick(loaded);
}

std::vector<Announcer::Entry>::iterator Announcer::Find(const std::string& id) {
    return std::find_if(characters.begin(), characters.end(), [&id](const Entry& e) { return SameID(e.first, id); });
}

std::vector<Announcer::Entry>::const_iterator Announcer::Find(const std::string& id) const {
    return std::find_if(characters.begin(), characters.end(), [&id](const Entry& e) { return SameID(e.first, id); });
}

} // namespace agent
