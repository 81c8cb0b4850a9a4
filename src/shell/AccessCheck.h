#pragma once

#include <optional>
#include <string>

namespace db {
class Connection;
} // namespace db

namespace ward {

class App;

// The typed access code as the server compares it: trimmed, enciphered under the access-code key, trimmed again.
std::string EncipheredAccessCode(const std::string& typedCode);

// Runs the server's user-and-department check and gives the accepted user's name as "Lastname, FirstName
// MiddleName" (a Null part as ""), or nothing when no row comes back. A server error reaches the caller.
std::optional<std::string> AcceptedUserName(App& app, const std::string& sql);
// The same on a connection of its own, before anyone is signed in.
std::optional<std::string> AcceptedUserName(db::Connection& connection, const std::string& sql);

} // namespace ward
