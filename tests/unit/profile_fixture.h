// A profile root of the test's own under HKEY_CURRENT_USER, removed afterwards.
#pragma once

#include "DormexUtil.h"
#include "registry_view.h"

#include <gtest/gtest.h>

#include <string>

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = "Software\\RavlenTests\\Profile" + std::to_string(GetCurrentProcessId());
        driver::DeleteKey(HKEY_CURRENT_USER, root_);
        ASSERT_TRUE(Reg_InitProfile(root_.c_str(), "tester"));
    }
    void TearDown() override { driver::DeleteKey(HKEY_CURRENT_USER, root_); }

    std::string Path(const std::string& subkey) const { return root_ + "\\" + subkey; }

    std::string root_;
};
