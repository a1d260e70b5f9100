#include "dialog/ColorValueTexts.h"

#include <gtest/gtest.h>

namespace {

const ContrastWords kWords{u"Contrast %s:1", u"AA Large", u"AA", u"AAA"};

std::u16string Line(std::uint32_t a, std::uint32_t b) { return ContrastLine(CRGBA(a), CRGBA(b), kWords); }

} // namespace

// Values worked out by hand from the WCAG 2.x formulas.
TEST(ContrastLine, GivesTheRatioRoundedDownAndTheBestVerdictItEarns)
{
    EXPECT_EQ(Line(0xFFFFFF, 0x000000), u"Contrast 21.00:1, AAA");
    EXPECT_EQ(Line(0x000000, 0xFFFFFF), u"Contrast 21.00:1, AAA") << "either way round";
    EXPECT_EQ(Line(0x777777, 0xFFFFFF), u"Contrast 4.47:1, AA Large") << "4.478: not AA";
    EXPECT_EQ(Line(0x767676, 0xFFFFFF), u"Contrast 4.54:1, AA");
    EXPECT_EQ(Line(0x595959, 0xFFFFFF), u"Contrast 7.00:1, AAA");
    EXPECT_EQ(Line(0x5A5A5A, 0xFFFFFF), u"Contrast 6.89:1, AA");
    EXPECT_EQ(Line(0x949494, 0xFFFFFF), u"Contrast 3.03:1, AA Large");
    EXPECT_EQ(Line(0x959595, 0xFFFFFF), u"Contrast 2.99:1");
    EXPECT_EQ(Line(0x123456, 0x123456), u"Contrast 1.00:1");
    // Alpha plays no part; the channels are weighed green most, blue least.
    EXPECT_EQ(Line(0x80FFFFFF, 0x000000), u"Contrast 21.00:1, AAA");
    EXPECT_EQ(Line(0x0000FF, 0x000000), u"Contrast 5.25:1, AA") << "pure red";
    EXPECT_EQ(Line(0xFF0000, 0x000000), u"Contrast 2.44:1") << "pure blue";
}

TEST(LinearChannel, InvertsTheSrgbTransferFunction)
{
    EXPECT_DOUBLE_EQ(LinearChannel(0), 0.0);
    EXPECT_DOUBLE_EQ(LinearChannel(255), 1.0);
    // 10/255 lies on the straight part, 11/255 on the curve.
    EXPECT_DOUBLE_EQ(LinearChannel(10), 10 / 255.0 / 12.92);
    EXPECT_NEAR(LinearChannel(11), 0.0033465, 1e-7);
    EXPECT_NEAR(LinearChannel(128), 0.2158605, 1e-7);
}

TEST(CopyText, WritesEachFormatWithAndWithoutAlpha)
{
    const CRGBA color = CRGBA::FromBytes(224, 160, 64);
    const CRGBA translucent(0x80000000 | color.value);
    EXPECT_EQ(CopyText(CopyFormat::Hex, color, false), u"#E0A040");
    EXPECT_EQ(CopyText(CopyFormat::Hex, translucent, true), u"#E0A04080");
    EXPECT_EQ(CopyText(CopyFormat::Css, translucent, false), u"rgb(224 160 64)");
    EXPECT_EQ(CopyText(CopyFormat::Css, translucent, true), u"rgb(224 160 64 / 0.50)");
    EXPECT_EQ(CopyText(CopyFormat::FloatSrgb, color, false), u"0.878, 0.627, 0.251");
    EXPECT_EQ(CopyText(CopyFormat::FloatSrgb, translucent, true), u"0.878, 0.627, 0.251, 0.502");
    EXPECT_EQ(CopyText(CopyFormat::LinearFloat, color, false), u"0.745, 0.352, 0.051");
    EXPECT_EQ(CopyText(CopyFormat::LinearFloat, translucent, true), u"0.745, 0.352, 0.051, 0.502");
    EXPECT_EQ(CopyText(CopyFormat::Css, CRGBA(0xFFFFFFFF), true), u"rgb(255 255 255 / 1.00)");
    EXPECT_EQ(CopyText(CopyFormat::Hex, CRGBA(0), true), u"#00000000");
}
