#include "MemorySettings.h"

#include <gtest/gtest.h>

#include "plexa/jx_GUID.h"

TEST(MemorySettings, ReadsTheDefaultUntilWritten)
{
    MemorySettings settings;
    EXPECT_EQ(settings.ReadInt("Global", "2d\\GridMode", 3), 3);
    EXPECT_TRUE(settings.WriteInt("Global", "2d\\GridMode", 1));
    EXPECT_EQ(settings.ReadInt("Global", "2d\\GridMode", 3), 1);
}

TEST(MemorySettings, IntegersAndFloatsRoundTrip)
{
    MemorySettings settings;
    settings.WriteInt("S", "negative", -2147483647 - 1);
    settings.WriteFloat("S", "scale", 0.1f);
    EXPECT_EQ(settings.ReadInt("S", "negative", 0), -2147483647 - 1);
    EXPECT_EQ(settings.ReadFloat("S", "scale", 0), 0.1f);
}

TEST(MemorySettings, AValueOfTheOtherTypeReadsAsTheDefault)
{
    MemorySettings settings;
    settings.WriteFloat("S", "x", 2.5f);
    EXPECT_EQ(settings.ReadInt("S", "x", 7), 7);
    settings.WriteInt("S", "x", 4);
    EXPECT_EQ(settings.ReadFloat("S", "x", 1.5f), 1.5f);
    EXPECT_EQ(settings.ReadInt("S", "x", 7), 4);
}

TEST(MemorySettings, SectionsAreSeparateAndNamesIgnoreCase)
{
    MemorySettings settings;
    settings.WriteInt("{A}", "mode", 1);
    settings.WriteInt("{B}", "mode", 2);
    EXPECT_EQ(settings.ReadInt("{a}", "MODE", 0), 1);
    EXPECT_EQ(settings.ReadInt("{B}", "Mode", 0), 2);
}

TEST(SettingsSectionName, GuidOrGlobal)
{
    jx_GUID section{};
    ASSERT_TRUE(section.FromStr("{4e1c471e-f17c-4cce-b59e-1ef52ac9ad64}"));
    EXPECT_EQ(SettingsSectionName(&section), "{4E1C471E-F17C-4CCE-B59E-1EF52AC9AD64}");
    EXPECT_EQ(SettingsSectionName(nullptr), "Global");
}

TEST(SplitSettingsKey, SplitsAtTheLastBackslash)
{
    const SettingsKey grouped = SplitSettingsKey("2d\\G1Color");
    EXPECT_EQ(grouped.group, "2d");
    EXPECT_EQ(grouped.name, "G1Color");
    const SettingsKey plain = SplitSettingsKey("SizeMode");
    EXPECT_EQ(plain.group, "");
    EXPECT_EQ(plain.name, "SizeMode");
    const SettingsKey deep = SplitSettingsKey("a\\b\\c");
    EXPECT_EQ(deep.group, "a\\b");
    EXPECT_EQ(deep.name, "c");
}
