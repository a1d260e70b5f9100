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
