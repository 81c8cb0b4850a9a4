#pragma once

#include "platform/forms/Constants.h"

#include <string>
#include <vector>

namespace forms {

// A picture drawn over another one; its pixels of the mask colour let the picture below show through.
struct PictureOverlay {
    std::string Path;
    Color MaskColor = 0;
    friend bool operator==(const PictureOverlay&, const PictureOverlay&) = default;
};

// A picture loaded from a file, with the pictures laid over it in drawing order; an empty path is no picture.
struct Picture {
    std::string Path;
    std::vector<PictureOverlay> Overlays = {};
    bool IsEmpty() const { return Path.empty(); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Loads a picture; a missing file raises "File not found", an empty path gives no picture. The path may be written
// the way the program builds it, with "\" between folders.
Picture LoadPicture(const std::string& path = "");

// A path the program built with "\" between folders, as this system's files are named.
std::string LocalPath(const std::string& path);

} // namespace forms
