#include <gtest/gtest.h>

#include "support.h"

int findLastPos(std::string pattern, char c);
int bruteForce(std::string text, std::string pattern, int start);
int demoMain(); // the program's main, renamed in the test build

TEST(LastOccurrence, FindLastPosGivesTheLastIndexOrMinusOne)
{
    const struct {
        const char* pattern;
        char c;
        int expected;
    } cases[] = {
        {"babacba", 'a', 6},
        {"babacba", 'b', 5},
        {"babacba", 'c', 4},
        {"babacba", 'd', -1},
        {"a", 'a', 0},
        {"", 'a', -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findLastPos(c.pattern, c.c), c.expected) << c.pattern << " " << c.c;
    // Any byte, NUL and bytes of 0x80 or more too; 'b' occurs in no pattern.
    for (const std::string& pattern : stringsOver(PATTERN_ALPHABET, 0, 4))
        for (char c : PATTERN_ALPHABET + "b") {
            size_t last = pattern.rfind(c);
            int expected = last == std::string::npos ? -1 : static_cast<int>(last);
            EXPECT_EQ(findLastPos(pattern, c), expected)
                << testing::PrintToString(pattern) << " " << testing::PrintToString(c);
        }
}

TEST(LastOccurrence, FindsWhatStdSearchFinds) { expectFindsWhatSearchFinds(bruteForce); }

TEST(LastOccurrence, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(bruteForce);
}

TEST(LastOccurrence, ShiftsByTheBadCharacterRule)
{
    const struct {
        const char* text;
        const char* pattern;
        const char* trace;
    } cases[] = {
        // "b" last occurs right of the mismatch: d = -1, so the shift is 1.
        {"abbab", "bab", "0,2 0,1 1,2 2,2 2,1 2,0 @2"},
        // "c" is absent: d = j + 1 moves the pattern past it.
        {"abcab", "ab", "0,1 0,0 @0 1,1 3,1 3,0 @3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trace(bruteForce, c.text, c.pattern), c.trace) << c.text << " / " << c.pattern;
}

TEST(LastOccurrence, EachWriteIsOneWholeLine) { expectEachWriteIsOneWholeLine(demoMain); }
