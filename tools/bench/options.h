// The runner's command line.
#pragma once

#include <optional>
#include <string>

struct BenchOptions {
    int runs = 10;
    std::string floor;      // the bare program every figure is compared with
    std::string sameTemplates;  // the program's own page templates with no program code
    std::string program;    // the program measured against it
    std::string savePass;   // the Save pass timer; by default beside this runner
};

// Parses the command line; prints the usage and returns nothing when it is wrong.
std::optional<BenchOptions> ParseOptions(int argc, char** argv);
// The folder this runner was started from, with a trailing backslash.
std::string OwnFolder();
bool FileExists(const std::string& path);
// The file name of a path, without its folders.
std::string FileName(const std::string& path);
