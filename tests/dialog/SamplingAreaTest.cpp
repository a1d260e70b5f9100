#include "dialog/SamplingArea.h"

#include <gtest/gtest.h>

TEST(SamplingArea, CtrlWidensThePickToThreeAndCtrlShiftToFive)
{
    EXPECT_EQ(SampleSpan(false, false), 1);
    EXPECT_EQ(SampleSpan(false, true), 1) << "Shift alone is for nudging by ten";
    EXPECT_EQ(SampleSpan(true, false), 3);
    EXPECT_EQ(SampleSpan(true, true), 5);
}

TEST(SamplingArea, TheMeanRoundsEachChannelToTheNearestByte)
{
    const CRGBA white = CRGBA::FromBytes(255, 255, 255);
    const CRGBA black = CRGBA::FromBytes(0, 0, 0);
    // A checkerboard around a white pixel: 5 of 9 white is 141.67, 13 of 25 is 132.6.
    std::vector<CRGBA> nine(9, black);
    for (int i = 0; i < 9; i += 2)
        nine[static_cast<std::size_t>(i)] = white;
    EXPECT_EQ(MeanColor(nine), CRGBA::FromBytes(142, 142, 142));
    std::vector<CRGBA> twentyFive(25, black);
    for (int i = 0; i < 25; i += 2)
        twentyFive[static_cast<std::size_t>(i)] = white;
    EXPECT_EQ(MeanColor(twentyFive), CRGBA::FromBytes(133, 133, 133));
    // Channels apart, and exactly half way rounds up.
    EXPECT_EQ(MeanColor({CRGBA::FromBytes(1, 10, 200), CRGBA::FromBytes(2, 20, 100)}), CRGBA::FromBytes(2, 15, 150));
    EXPECT_EQ(MeanColor({}), CRGBA(0xFFFFFFFF));
}

TEST(SamplingArea, APickTakesTheMiddleOfWhatWasReadAndOnlyPixelsOnTheScreen)
{
    // Five by five pixels read with their top left at (-2, 10): the first
    // two columns are off a screen that starts at x = 0.
    std::vector<CRGBA> square;
    for (int i = 0; i < 25; ++i)
        square.push_back(CRGBA::FromBytes(static_cast<std::uint8_t>(10 * i), 0, 0));
    const ScreenBox where{-2, 10, 5, 5};
    const ScreenBox screen{0, 0, 1920, 1200};
    EXPECT_EQ(SampledColor(square, where, 1, screen), CRGBA::FromBytes(120, 0, 0)) << "the middle pixel, 12";
    // Three by three: columns 1..3 of rows 1..3, of which column 1 is off the screen: 7 8 12 13 17 18.
    EXPECT_EQ(SampledColor(square, where, 3, screen), CRGBA::FromBytes(125, 0, 0));
    // Five by five: columns 2..4 of every row.
    EXPECT_EQ(SampledColor(square, where, 5, screen), CRGBA::FromBytes(130, 0, 0));
    EXPECT_EQ(SampledColor(square, {-10, 10, 5, 5}, 5, screen), CRGBA(0xFFFFFFFF)) << "no screen there: white";
    EXPECT_EQ(SampledColor({}, where, 1, screen), CRGBA(0xFFFFFFFF));
    const std::vector<CRGBA> one{CRGBA(0x123456)};
    EXPECT_EQ(SampledColor(one, {1919, 1199, 1, 1}, 1, screen), CRGBA(0x123456)) << "the screen's last pixel";
    EXPECT_EQ(SampledColor(one, {1920, 1199, 1, 1}, 1, screen), CRGBA(0xFFFFFFFF));
}
