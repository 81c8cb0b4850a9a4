#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace reports {

// The file a report path names. The path may separate its folders with "\" (as the program writes
// "<program folder>\Reports\<file>") or "/", and each part is matched without regard to the case of ASCII letters
// when no entry has exactly that name. Nothing when no such file exists.
std::optional<std::filesystem::path> ResolveTemplatePath(std::string_view path);

// The file name at the end of such a path.
std::string FileNameOf(std::string_view path);

} // namespace reports
