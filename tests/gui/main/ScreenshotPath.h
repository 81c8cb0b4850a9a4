#pragma once

#include <string>

namespace guitest {

// Where a test saves the picture of that name: the folder the build gives in WARD_SCREENSHOT_DIR (made when missing),
// or the temporary folder.
std::string ScreenshotPath(const std::string& name);

} // namespace guitest
