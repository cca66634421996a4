#include "text_file.h"

#include "wait.h"

#include <fstream>

namespace driver {

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> WaitForLines(const std::string& path, size_t count, DWORD timeoutMs) {
    std::vector<std::string> lines;
    WaitUntil([&] { return (lines = ReadLines(path)).size() >= count; }, timeoutMs,
              std::to_string(count) + " lines in " + path);
    return lines;
}

std::string TempFilePath(const std::string& stem) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64()) + ".log";
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace driver
