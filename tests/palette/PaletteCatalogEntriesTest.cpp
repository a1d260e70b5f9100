#include "palette/PaletteCatalogEntries.h"

#include <gtest/gtest.h>

#include <string>

TEST(DefaultPaletteContainer, KeepsFileNameAndResourceReferencePerEntry)
{
    CDefaultPaletteContainer container;
    EXPECT_EQ(container.Count(), 0);
    EXPECT_EQ(std::u16string(container.FileName(0)), u"");
    EXPECT_EQ(container.Add(u"Default palette.gpl", u"PALETTE|SIMPLE_PALETTE"), 0);
    EXPECT_EQ(container.Add(u"", u"PALETTE|PALETTE_HUE"), 1);
    EXPECT_EQ(container.Add(u"My palettes\\warm.aco", u""), 2);
    EXPECT_EQ(std::u16string(container.FileName(0)), u"Default palette.gpl");
    EXPECT_EQ(std::u16string(container.ResourceReference(0)), u"PALETTE|SIMPLE_PALETTE");
    EXPECT_EQ(std::u16string(container.FileName(1)), u"");
    EXPECT_EQ(std::u16string(container.ResourceReference(1)), u"PALETTE|PALETTE_HUE");
    EXPECT_EQ(std::u16string(container.ResourceReference(2)), u"");
    EXPECT_EQ(std::u16string(container.ResourceReference(3)), u"");
    container.Clear();
    EXPECT_EQ(container.Count(), 0);
}
