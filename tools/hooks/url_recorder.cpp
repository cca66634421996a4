// Stands in for a browser: registered as the handler of a URL scheme in the
// test prefix, it appends the address it is given to the file named by
// RAVLEN_URL_LOG and ends.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char path[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("RAVLEN_URL_LOG", path, MAX_PATH)) return 1;
    std::string address = commandLine;
    // The handler's command quotes the address.
    if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
        address = address.substr(1, address.size() - 2);
    }
    std::ofstream(path, std::ios::app) << address << "\n";
    return 0;
}
