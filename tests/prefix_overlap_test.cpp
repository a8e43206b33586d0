#include <gtest/gtest.h>

#include "kmp.h"
#include "support.h"

int demoMain(); // the program's main, renamed in the test build

TEST(PrefixOverlap, MaxOverlapIsTheLongestBorder)
{
    for (const BorderCase& c : BORDER_CASES)
        EXPECT_EQ(MaxOverlap(c.S), c.border) << testing::PrintToString(c.S);
}

TEST(PrefixOverlap, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(KMP); }

TEST(PrefixOverlap, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(KMP);
}

TEST(PrefixOverlap, EachWriteIsOneWholeLine) { expectEachWriteIsOneWholeLine(demoMain); }
