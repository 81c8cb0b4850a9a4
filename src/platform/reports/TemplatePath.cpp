#include "TemplatePath.h"

#include "platform/vb/Utf8.h"

#include <string>
#include <system_error>
#include <vector>

namespace reports {

namespace {

std::vector<std::string> PartsOf(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

// The entry of folder named `name`: exactly, or else the first in name order that differs only in case.
std::optional<std::filesystem::path> EntryOf(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    if (name == "." || name == "..")
        return folder / name;
    if (std::filesystem::exists(folder / name, error))
        return folder / name;
    const std::string wanted = vb::AsciiLower(name);
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (vb::AsciiLower(entry) == wanted && (!found || entry < found->filename().string()))
            found = it->path();
    }
    return found;
}

} // namespace

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::filesystem::path> ResolveTemplatePath(std::string_view path) {
    const std::vector<std::string> parts = PartsOf(path);
    if (parts.empty())
        return std::nullopt;
    const bool absolute = path.front() == '/' || path.front() == '\\';
    std::filesystem::path current = absolute ? std::filesystem::path("/") : std::filesystem::path(".");
    for (const std::string& part : parts) {
        std::optional<std::filesystem::path> next = EntryOf(current, part);
        if (!next)
            return std::nullopt;
        current = *next;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(current, error))
        return std::nullopt;
    return absolute ? current : current.lexically_normal();
}

} // namespace reports
