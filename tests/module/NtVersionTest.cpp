#include "module/NtVersion.h"

#include <gtest/gtest.h>

TEST(NtVersionLevel, FollowsPlatformMajorAndMinorVersion)
{
    struct Case {
        unsigned platform, major, minor;
        int level;
    };
    const Case cases[] = {
        {1, 4, 10, 0}, // Windows 98
        {0, 5, 1, 0},  // Win32s
        {2, 4, 0, 1},  // NT 4.0
        {2, 3, 51, 1}, // NT 3.51
        {2, 5, 0, 2},  // 2000
        {2, 5, 1, 3},  // XP
        {2, 5, 2, 3},  // Server 2003
        {2, 6, 0, 2},  // Vista: only the minor version counts above 5.0
        {2, 6, 1, 3},  // 7
        {2, 10, 0, 2}, // 10
    };
    for (const Case& c : cases)
        EXPECT_EQ(NtVersionLevelOf(c.platform, c.major, c.minor), c.level)
            << c.platform << " " << c.major << "." << c.minor;
}
