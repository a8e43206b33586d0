#include <gtest/gtest.h>

#include "support.h"

int bruteForce(std::string text, std::string pattern, int start);

TEST(NaiveRtl, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(bruteForce); }

TEST(NaiveRtl, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(bruteForce);
}
