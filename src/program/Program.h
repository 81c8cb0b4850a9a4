#pragma once

#include <string>
#include <vector>

namespace ward {
class App;
class mdiOrMenu;
} // namespace ward

namespace program {

// How the program runs: on the hospital's server, or on the sample ward, whose data lives in the program and where
// nothing is saved. Only the flag starts the sample ward, so a workstation whose connection went missing never shows
// sample patients as its own.
struct Options {
    bool SampleWard = false;
};

// Reads the program's arguments; an unknown one raises with the text to show.
Options ReadArguments(const std::vector<std::string>& arguments);

// Registers the outside components the mode uses on the application's factory.
void RegisterComponents(ward::App& app, const Options& options);

// What the desktop adds to the main window's title, so that nobody takes the sample ward for the hospital's.
std::string TitleMark(const Options& options);

// Shows the main window, whose loading is the start-up, and runs until it unloads.
void Run(ward::App& app);

} // namespace program
