#include <gtest/gtest.h>

#include "support.h"

int goodSuffixShift(std::string pattern, int j);
int bm(std::string text, std::string pattern, int start);

TEST(GoodSuffix, ShiftAndReport)
{
    const struct {
        const char* pattern;
        int j;
        int shift;
        const char* report;
    } cases[] = {
        // The demonstration's first mismatch: no copy of "bab", prefix "ab".
        {"abcbab", 2, 4,
            "Pattern = abcbab\nGood suffix = bab\n1: cba ?== bab\n1: bcb ?== bab\n"
            "1: abc ?== bab\n2: ab ?== ab\n"},
        // Its second and third: a copy of "ab" at the pattern's start.
        {"abcbab", 3, 4,
            "Pattern = abcbab\nGood suffix = ab\n1: ba ?== ab\n1: cb ?== ab\n"
            "1: bc ?== ab\n1: ab ?== ab\n"},
        // Phase 2 finds the longest prefix shorter than the good suffix.
        {"abcab", 1, 3,
            "Pattern = abcab\nGood suffix = cab\n1: bca ?== cab\n1: abc ?== cab\n2: ab ?== ab\n"},
        // Neither phase finds anything: the shift is the pattern's length.
        {"abc", 0, 3, "Pattern = abc\nGood suffix = bc\n1: ab ?== bc\n2: a ?== c\n"},
    };
    for (const auto& c : cases) {
        CapturedOutput out;
        EXPECT_EQ(goodSuffixShift(c.pattern, c.j), c.shift) << c.pattern << " " << c.j;
        EXPECT_EQ(out.str(), c.report) << c.pattern << " " << c.j;
    }
}

TEST(GoodSuffix, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(bm); }

TEST(GoodSuffix, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(bm);
}
