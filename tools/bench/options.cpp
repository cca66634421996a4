#include "options.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void PrintUsage() {
    std::fputs("usage: RavlenBench.exe [--runs N] --floor FLOOR.exe [--same-templates FLOOR2.exe]\n"
               "                       [--program PROGRAM.exe] [--save-pass TIMER.exe]\n"
               "Starts each program N times (after one start not counted) and prints the median time to its\n"
               "first painted page, its working set then, and PROGRAM's ratios to FLOOR and FLOOR2; then runs\n"
               "TIMER.\n",
               stderr);
}

}  // namespace

std::optional<BenchOptions> ParseOptions(int argc, char** argv) {
    BenchOptions options;
    options.savePass = OwnFolder() + "save_pass_bench.exe";
    for (int i = 1; i < argc; ++i) {
        const char* name = argv[i];
        if (i + 1 >= argc) {
            PrintUsage();
            return std::nullopt;
        }
        const char* value = argv[++i];
        if (std::strcmp(name, "--runs") == 0) {
            options.runs = std::atoi(value);
        } else if (std::strcmp(name, "--floor") == 0) {
            options.floor = value;
        } else if (std::strcmp(name, "--same-templates") == 0) {
            options.sameTemplates = value;
        } else if (std::strcmp(name, "--program") == 0) {
            options.program = value;
        } else if (std::strcmp(name, "--save-pass") == 0) {
            options.savePass = value;
        } else {
            PrintUsage();
            return std::nullopt;
        }
    }
    if (options.floor.empty() || options.runs < 1) {
        PrintUsage();
        return std::nullopt;
    }
    return options;
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".\\") : folder.substr(0, slash + 1);
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
