// Test main for the GUI tests: the toolkit on the offscreen platform with
// every platform service ready, as start-up leaves it.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitPlatformServices();
    InitJpegDecoder();
    const int result = RUN_ALL_TESTS();
    ReleasePlatform();
    return result;
}
