#include <gtest/gtest.h>

#include "support.h"

int bruteForce(std::string text, std::string pattern, int start);
int demoMain(); // the program's main, renamed in the test build

TEST(NaiveRtl, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(bruteForce); }

TEST(NaiveRtl, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(bruteForce);
}

TEST(NaiveRtl, EachWriteIsOneWholeLine) { expectEachWriteIsOneWholeLine(demoMain); }
