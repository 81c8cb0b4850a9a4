#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A Reports folder of its own for one test, removed afterwards.
class TemplateFolder {
public:
    TemplateFolder() {
        std::random_device random;
        folder = std::filesystem::temp_directory_path() / ("ward-reports-" + std::to_string(random()));
        std::filesystem::create_directories(folder / "Reports");
    }
    ~TemplateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TemplateFolder(const TemplateFolder&) = delete;
    TemplateFolder& operator=(const TemplateFolder&) = delete;

    void Write(const std::string& fileName, const std::string& text) const {
        std::ofstream(folder / "Reports" / fileName, std::ios::binary) << text;
    }
    // The path as the program writes it: its folder, "\Reports\", the file name.
    std::string PathOf(const std::string& fileName) const { return folder.string() + "\\Reports\\" + fileName; }

private:
    std::filesystem::path folder;
};
