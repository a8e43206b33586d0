#include <gtest/gtest.h>

#include "kmp.h"
#include "support.h"

TEST(PrefixOverlap, MaxOverlapIsTheLongestBorder)
{
    const struct {
        const char* S;
        int border;
    } cases[] = {
        {"abaca", 1},
        {"abac", 0},
        {"aba", 1},
        {"a", 0},
        {"", 0},
        {"abab", 2},
        {"aaaa", 3},
        {"abacab", 2},
        {"abcabca", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MaxOverlap(c.S), c.border) << c.S;
}

TEST(PrefixOverlap, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(KMP); }

TEST(PrefixOverlap, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(KMP);
}
