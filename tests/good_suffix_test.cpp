#include <gtest/gtest.h>

#include "support.h"

int goodSuffixShift(std::string pattern, int j);
int bm(std::string text, std::string pattern, int start);
int demoMain(); // the program's main, renamed in the test build

TEST(GoodSuffix, ShiftAndReport)
{
    using namespace std::string_literals;
    const struct {
        std::string pattern;
        int j;
        int shift;
        std::string report;
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
        // Any byte, NUL and 0xE9 too, is a character like any other: pieces
        // that differ only after a NUL differ, and print whole.
        {"\0\xE9\0\0b"s, 1, 5,
            "Pattern = \0\xE9\0\0b\nGood suffix = \0\0b\n1: \xE9\0\0 ?== \0\0b\n"
            "1: \0\xE9\0 ?== \0\0b\n2: \0\xE9 ?== \0b\n2: \0 ?== b\n"s},
    };
    for (const auto& c : cases) {
        CapturedOutput out;
        std::string name = testing::PrintToString(c.pattern) + " " + std::to_string(c.j);
        EXPECT_EQ(goodSuffixShift(c.pattern, c.j), c.shift) << name;
        EXPECT_EQ(out.str(), c.report) << name;
    }
}

TEST(GoodSuffix, ReportsAfterOneMatchedCharacterAndPrintsAnyByteWhole)
{
    using namespace std::string_literals;
    // A mismatch after exactly one matched character has a good suffix. NUL
    // and a byte of 0x80 or more print like any other character, in the
    // blocks, the report and the occurrence line.
    EXPECT_EQ(trace(bm, "\0\0\xE9\0"s, "\xE9\0"s),
        "0,1 0,0 Pattern = \xE9\0 Good suffix = \0 1: \xE9 ?== \0 2,1 2,0 @2"s);
}

TEST(GoodSuffix, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(bm); }

TEST(GoodSuffix, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(bm);
}

TEST(GoodSuffix, EachWriteIsOneWholeLine) { expectEachWriteIsOneWholeLine(demoMain); }
