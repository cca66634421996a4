// The test guard itself: a test that never ends is ended by the guard, which
// says which test it was and the step it was at. CTest runs this program with
// a short run limit and passes it when the guard's report is in its output.
#include "driver.h"

#include <gtest/gtest.h>

TEST(GuardTest, HangsOnPurpose) {
    driver::NoteStep("sleeping on purpose");
    Sleep(INFINITE);
}
