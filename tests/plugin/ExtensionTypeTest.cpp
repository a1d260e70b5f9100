#include "ExtensionType.h"

#include <gtest/gtest.h>

TEST(ExtensionTypeName, MatchesColorPikerInAnyCase)
{
    EXPECT_TRUE(IsExtensionTypeName("ColorPiker"));
    EXPECT_TRUE(IsExtensionTypeName("colorpiker"));
    EXPECT_TRUE(IsExtensionTypeName("COLORPIKER"));
    EXPECT_FALSE(IsExtensionTypeName("ColorPicker"));
    EXPECT_FALSE(IsExtensionTypeName("ColorPike"));
    EXPECT_FALSE(IsExtensionTypeName("ColorPikers"));
    EXPECT_FALSE(IsExtensionTypeName(""));
    EXPECT_FALSE(IsExtensionTypeName(nullptr));
}
