#include <gtest/gtest.h>

#include "kmp.h"
#include "support.h"

TEST(PrefixOverlap, MaxOverlapIsTheLongestBorder)
{
    for (const BorderCase& c : BORDER_CASES)
        EXPECT_EQ(MaxOverlap(c.S), c.border) << c.S;
}

TEST(PrefixOverlap, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(KMP); }

TEST(PrefixOverlap, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(KMP);
}
