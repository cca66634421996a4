#include "DormexUtil.h"

#include <gtest/gtest.h>

// The wizard imports the library by these plain names; a decorated or missing
// export would stop it from loading.
TEST(Exports, AllElevenFunctionsByUndecoratedName) {
    HMODULE library = LoadLibraryA("DormexUtil.dll");
    ASSERT_NE(library, nullptr);
    for (const char* name : {"Reg_InitProfile", "Reg_GetProfileNumber", "Reg_GetProfileString", "Reg_GetProfileBinary",
                             "Reg_SetProfileNumber", "Reg_SetProfileString", "Reg_SetProfileBinary",
                             "Reg_DelProfileKey", "Reg_GetValueString", "LaunchProgram", "GetLinkInfoEx"}) {
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    }
    FreeLibrary(library);
}

TEST(Launch, AProgramThatIsNowhereIsNotStarted) {
    EXPECT_FALSE(LaunchProgram("RavlenNoSuchProgram.EXE", nullptr, nullptr, 0));
    EXPECT_FALSE(LaunchProgram("", nullptr, nullptr, 0));
}
