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

class LinkInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        std::memset(target_, 'T', sizeof target_);
        std::memset(args_, 'A', sizeof args_);
    }
    void TearDown() override { CoUninitialize(); }
    char target_[MAX_PATH];
    char args_[MAX_PATH];
};

TEST_F(LinkInfoTest, ReadsTargetAndArgumentsOfALink) {
    const std::string link = TempPath("ravlen-notepad.lnk");
    ASSERT_TRUE(driver::MakeShellLink(link, "C:\\windows\\notepad.exe", "/p \"my file.txt\""));
    EXPECT_TRUE(GetLinkInfoEx(nullptr, link.c_str(), target_, args_, 0));
    EXPECT_STREQ(target_, "C:\\windows\\notepad.exe");
    EXPECT_STREQ(args_, "/p \"my file.txt\"");
    DeleteFileA(link.c_str());
}

TEST_F(LinkInfoTest, UnreadableLinksGiveEmptyStrings) {
    EXPECT_FALSE(GetLinkInfoEx(nullptr, TempPath("ravlen-missing.lnk").c_str(), target_, args_, 0));
    EXPECT_STREQ(target_, "");
    EXPECT_STREQ(args_, "");

    const std::string notALink = TempPath("ravlen-not-a-link.lnk");
    std::ofstream(notALink) << "plain text, not a shell link";
    std::memset(target_, 'T', sizeof target_);
    std::memset(args_, 'A', sizeof args_);
    EXPECT_FALSE(GetLinkInfoEx(nullptr, notALink.c_str(), target_, args_, 0));
    EXPECT_STREQ(target_, "");
    EXPECT_STREQ(args_, "");
    DeleteFileA(notALink.c_str());

    EXPECT_FALSE(GetLinkInfoEx(nullptr, nullptr, target_, args_, 0));
    EXPECT_STREQ(target_, "");

    // Arguments longer than their buffer are refused whole, not cut into
    // other arguments.
    const std::string longArguments = TempPath("ravlen-long-arguments.lnk");
    ASSERT_TRUE(driver::MakeShellLink(longArguments, "C:\\windows\\notepad.exe", std::string(300, 'a').c_str()));
    std::memset(target_, 'T', sizeof target_);
    EXPECT_FALSE(GetLinkInfoEx(nullptr, longArguments.c_str(), target_, args_, 0));
    EXPECT_STREQ(target_, "");
    EXPECT_STREQ(args_, "");
    DeleteFileA(longArguments.c_str());
}

}  // namespace
