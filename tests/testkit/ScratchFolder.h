#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace testkit {

// A folder of the running test's own, removed when the test ends: tests run side by side in separate processes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& purpose) {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "ward-" + purpose + "-" + std::to_string(::getpid());
        if (test != nullptr)
            name += std::string("-") + test->name();
        path = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    // A file's path as the program builds it: the folder, a backslash, the name.
    std::string ProgramPath(const std::string& name) const { return path.string() + "\\" + name; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(path / name) << text; }

private:
    std::filesystem::path path;
};

} // namespace testkit
