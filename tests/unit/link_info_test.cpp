#include "DormexUtil.h"
#include "shell_items.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

}  // namespace

// A link gives its target and arguments; anything unreadable, and arguments
// longer than their buffer, give empty strings rather than a part.
TEST(LinkInfo, ReadsTargetAndArgumentsOfALinkAndNothingOfAnythingElse) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    const std::string link = TempPath("ravlen-notepad.lnk"), notALink = TempPath("ravlen-not-a-link.lnk"),
                      longArguments = TempPath("ravlen-long-arguments.lnk");
    ASSERT_TRUE(driver::MakeShellLink(link, "C:\\windows\\notepad.exe", "/p \"my file.txt\""));
    std::ofstream(notALink) << "plain text, not a shell link";
    ASSERT_TRUE(driver::MakeShellLink(longArguments, "C:\\windows\\notepad.exe", std::string(300, 'a').c_str()));
    const struct {
        const char* path;
        BOOL read;
        const char* target;
        const char* arguments;
    } rows[] = {
        {link.c_str(), TRUE, "C:\\windows\\notepad.exe", "/p \"my file.txt\""},
        {notALink.c_str(), FALSE, "", ""},
        {longArguments.c_str(), FALSE, "", ""},
        {"C:\\ravlen-missing.lnk", FALSE, "", ""},
        {nullptr, FALSE, "", ""},
    };
    for (const auto& row : rows) {
        char target[MAX_PATH], arguments[MAX_PATH];
        std::memset(target, 'T', sizeof target);
        std::memset(arguments, 'A', sizeof arguments);
        EXPECT_EQ(GetLinkInfoEx(nullptr, row.path, target, arguments, 0), row.read) << (row.path ? row.path : "null");
        EXPECT_STREQ(target, row.target);
        EXPECT_STREQ(arguments, row.arguments);
    }
    for (const std::string& path : {link, notALink, longArguments}) DeleteFileA(path.c_str());
    CoUninitialize();
}
