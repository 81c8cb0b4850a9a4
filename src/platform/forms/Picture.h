#pragma once

#include <string>

namespace forms {

// A picture loaded from a file; an empty path is no picture.
struct Picture {
    std::string Path;
    bool IsEmpty() const { return Path.empty(); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Loads a picture; a missing file raises "File not found", an empty path gives no picture. The path may be written
// the way the program builds it, with "\" between folders.
Picture LoadPicture(const std::string& path = "");

// A path the program built with "\" between folders, as this system's files are named.
std::string LocalPath(const std::string& path);

} // namespace forms
