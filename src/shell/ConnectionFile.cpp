#include "shell/ConnectionFile.h"

#include "platform/vb/Strings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace ward {

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return ".";
}

std::string Quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

// Closes the descriptor on every path out.
struct FileDescriptor {
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() {
        if (fd >= 0)
            close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int fd;
};

bool ReadAll(int fd, std::string& text) {
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count < 0 && errno != EINTR)
            return false;
        if (count > 0)
            text.append(buffer, static_cast<std::size_t>(count));
    }
}

ConnectionFileContents Refused(std::string problem) { return {std::nullopt, std::move(problem)}; }

// The password is taken as written, blanks included; the other values are trimmed.
ConnectionFileContents Parse(const std::filesystem::path& file, const std::string& text) {
    ConnectionSettings settings;
    const std::vector<std::string> lines = vb::Split(text, "\n");
    for (std::size_t number = 1; number <= lines.size(); ++number) {
        std::string line = lines[number - 1];
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (vb::Trim(line).empty() || vb::Trim(line)[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return Refused("Line " + std::to_string(number) + " of the connection file " + Quoted(file) +
                           " is not of the form key=value.");
        const std::string key = vb::LCase(vb::Trim(line.substr(0, equals)));
        const std::string value = line.substr(equals + 1);
        if (key == "server") {
            settings.Server = vb::Trim(value);
        } else if (key == "port") {
            const std::optional<int> port = ParsePort(vb::Trim(value));
            if (!port)
                return Refused("The port in the connection file " + Quoted(file) + " is not a number from 1 to 65535.");
            settings.Port = *port;
        } else if (key == "database") {
            settings.Database = vb::Trim(value);
        } else if (key == "login") {
            settings.Login = vb::Trim(value);
        } else if (key == "password") {
            settings.Password = value;
        } else {
            return Refused("Line " + std::to_string(number) + " of the connection file " + Quoted(file) +
                           " has the unknown key \"" + key + "\".");
        }
    }
    for (const auto& [value, name] : {std::pair{&settings.Server, "server"}, std::pair{&settings.Database, "database"},
                                      std::pair{&settings.Login, "login"}}) {
        if (value->empty())
            return Refused("The connection file " + Quoted(file) + " gives no " + name + ".");
    }
    return {settings, {}};
}

std::string SystemError(const std::string& what, const std::filesystem::path& path) {
    return what + " " + Quoted(path) + ": " + std::strerror(errno);
}

void MakePrivateFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    if (std::filesystem::is_directory(folder, ignored))
        return;
    if (folder.has_parent_path())
        std::filesystem::create_directories(folder.parent_path());
    if (mkdir(folder.c_str(), 0700) == 0)
        chmod(folder.c_str(), 0700); // whatever the umask took away
    else if (errno != EEXIST)
        throw std::runtime_error(SystemError("Cannot make the folder", folder));
}

void WriteAll(int fd, const std::string& text, const std::filesystem::path& temporary) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = write(fd, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            throw std::runtime_error(SystemError("Cannot write", temporary));
        written += static_cast<std::size_t>(count);
    }
    if (fsync(fd) != 0)
        throw std::runtime_error(SystemError("Cannot write", temporary));
}

std::string FileText(const ConnectionSettings& settings) {
    const std::pair<const char*, std::string> values[] = {{"server", settings.Server},
                                                          {"port", std::to_string(settings.Port)},
                                                          {"database", settings.Database},
                                                          {"login", settings.Login},
                                                          {"password", settings.Password}};
    std::string text;
    for (const auto& [key, value] : values) {
        if (value.find_first_of("\r\n") != std::string::npos)
            throw std::runtime_error(std::string("The ") + key + " cannot hold a line break.");
        text += std::string(key) + "=" + value + "\n";
    }
    return text;
}

} // namespace

std::optional<int> ParsePort(const std::string& text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int port = std::stoi(text);
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

std::filesystem::path DefaultConnectionFilePath() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        config = xdg;
    else
        config = HomeFolder() / ".config";
    return config / "ward-client" / "connection";
}

ConnectionFileContents ReadConnectionFile(const std::filesystem::path& file) {
    FileDescriptor descriptor(open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (descriptor.fd < 0) {
        if (errno == ENOENT)
            return Refused("No connection is set up on this workstation: enter it with Connection...");
        return Refused(SystemError("Cannot open the connection file", file));
    }
    struct stat status {};
    if (fstat(descriptor.fd, &status) != 0)
        return Refused(SystemError("Cannot open the connection file", file));
    if (!S_ISREG(status.st_mode))
        return Refused("The connection file " + Quoted(file) + " is not a plain file.");
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return Refused("The connection file " + Quoted(file) +
                       " is open to other users, so it was not read. Make it private (chmod 600) or enter the "
                       "connection again with Connection...");
    std::string text;
    if (!ReadAll(descriptor.fd, text))
        return Refused(SystemError("Cannot read the connection file", file));
    return Parse(file, text);
}

void WriteConnectionFile(const std::filesystem::path& file, const ConnectionSettings& settings) {
    const std::string text = FileText(settings);
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    MakePrivateFolder(folder);
    std::string pattern = (folder / ".connection.XXXXXX").string();
    FileDescriptor descriptor(mkstemp(pattern.data()));
    const std::filesystem::path temporary = pattern;
    if (descriptor.fd < 0)
        throw std::runtime_error(SystemError("Cannot write in the folder", folder));
    try {
        if (fchmod(descriptor.fd, 0600) != 0)
            throw std::runtime_error(SystemError("Cannot protect", temporary));
        WriteAll(descriptor.fd, text, temporary);
        if (rename(temporary.c_str(), file.c_str()) != 0)
            throw std::runtime_error(SystemError("Cannot replace", file));
    } catch (...) {
        unlink(temporary.c_str());
        throw;
    }
}

} // namespace ward
