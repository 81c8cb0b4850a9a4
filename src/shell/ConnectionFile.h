#pragma once

#include "shell/Connector.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ward {

// $XDG_CONFIG_HOME/ward-client/connection, or ~/.config/ward-client/connection when XDG_CONFIG_HOME is unset or not
// an absolute path.
std::filesystem::path DefaultConnectionFilePath();

// The workstation's connection as its file holds it, or, when it cannot be used, why (for the nurse to read).
struct ConnectionFileContents {
    std::optional<ConnectionSettings> Settings;
    std::string Problem;
};

// Reads the key=value lines server, port, database, login and password. A file that the group or others may read
// or write is refused before anything is read from it, since it holds the SQL password.
ConnectionFileContents ReadConnectionFile(const std::filesystem::path& file);

// A port as typed: digits only, from 1 to 65535.
std::optional<int> ParsePort(const std::string& text);

// Writes the file with mode 0600 (its folder, when made here, 0700), replacing the old one whole, so a failure leaves
// the old file as it was. Raises std::runtime_error with the reason when the file cannot be written.
void WriteConnectionFile(const std::filesystem::path& file, const ConnectionSettings& settings);

} // namespace ward
