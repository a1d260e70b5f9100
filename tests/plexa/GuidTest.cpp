#include "plexa/jx_GUID.h"

#include <gtest/gtest.h>

#include <string>

TEST(JxGuid, ParsesMixedCaseTextAndWritesItBack)
{
    jx_GUID guid{};
    ASSERT_TRUE(guid.FromStr("{23FCA3DE-B483-441C-0CB1-CB5729EAEADD}"));
    EXPECT_EQ(guid.data1, 0x23FCA3DEu);
    EXPECT_EQ(guid.data2, 0xB483);
    EXPECT_EQ(guid.data3, 0x441C);
    EXPECT_EQ(guid.data4[0], 0x0C);
    EXPECT_EQ(guid.data4[1], 0xB1);
    EXPECT_EQ(guid.data4[7], 0xDD);
    jx_GUID lower{};
    ASSERT_TRUE(lower.FromStr("{4E1C471E-F17C-4cce-B59E-1EF52AC9AD64}"));
    char text[39];
    lower.ToStr(text);
    EXPECT_EQ(std::string(text), "{4E1C471E-F17C-4CCE-B59E-1EF52AC9AD64}");
}

TEST(JxGuid, MalformedTextGivesTheZeroGuid)
{
    for (const char* bad : {"", "23FCA3DE-B483-441C-0CB1-CB5729EAEADD", "{23FCA3DE-B483-441C-0CB1-CB5729EAEAD}",
                            "{23FCA3DE-B483-441C-0CB1-CB5729EAEADDX}", "{23FCA3DE+B483-441C-0CB1-CB5729EAEADD}",
                            "{23FCA3DG-B483-441C-0CB1-CB5729EAEADD}"}) {
        jx_GUID guid{};
        guid.data1 = 1;
        EXPECT_FALSE(guid.FromStr(bad)) << bad;
        EXPECT_EQ(guid, jx_GUID{}) << bad;
    }
    jx_GUID guid{};
    EXPECT_FALSE(guid.FromStr(nullptr));
}
