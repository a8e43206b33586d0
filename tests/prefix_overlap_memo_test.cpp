#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "kmp.h"
#include "support.h"

extern std::vector<int> KMPFailureF;
void prepareFailureTable(int m);
int demoMain(); // the program's main, renamed in the test build

// While set, the next allocation fails (tests/failing_new.cpp).
extern bool failNextAllocation;

namespace {

const char TEXT[] = "abacaabaccabacabaabb";
const char PATTERN[] = "abacab";

std::string demoOutput()
{
    CapturedOutput out;
    reportOccurrences(TEXT, PATTERN, KMP);
    return out.str();
}

} // namespace

TEST(PrefixOverlapMemo, MaxOverlapIsTheLongestBorderFromScanOrTable)
{
    for (const BorderCase& c : BORDER_CASES) {
        int L = static_cast<int>(c.S.size());
        prepareFailureTable(L + 1);
        EXPECT_EQ(MaxOverlap(c.S), c.border) << testing::PrintToString(c.S) << ", scanned";
        EXPECT_EQ(KMPFailureF[L], c.border > 0 ? c.border : -1) << testing::PrintToString(c.S);
        // No border is as long as S, so only the table can give this answer.
        KMPFailureF[L] = L;
        EXPECT_EQ(MaxOverlap(c.S), L) << testing::PrintToString(c.S) << ", from the table";
    }
}

TEST(PrefixOverlapMemo, LengthOutsideTheTableIsComputedWithoutIt)
{
    prepareFailureTable(3);
    // A stale value just past the table's end, where a read of entry 3 would find it.
    KMPFailureF.push_back(7);
    KMPFailureF.pop_back();
    EXPECT_EQ(MaxOverlap("aba"), 1);
    EXPECT_EQ(MaxOverlap("abab"), 2);
    EXPECT_EQ(MaxOverlap("abcabca"), 4);
    EXPECT_EQ(KMPFailureF, std::vector<int>(3, -1));
}

TEST(PrefixOverlapMemo, ProgramMakesTheTableAndRemembersTheBordersOfLengthsThreeAndFive)
{
    KMPFailureF.clear(); // as at start-up: only main makes the table
    CapturedOutput out;
    ASSERT_EQ(demoMain(), 0);
    EXPECT_EQ(KMPFailureF, (std::vector<int>{-1, -1, -1, 1, -1, 1}));
}

TEST(PrefixOverlapMemo, WithoutATableTheOutputIsTheSame)
{
    prepareFailureTable(6);
    std::string withTable = demoOutput();
    failNextAllocation = true;
    prepareFailureTable(6);
    ASSERT_FALSE(failNextAllocation); // the table's allocation was the one refused
    EXPECT_TRUE(KMPFailureF.empty());
    EXPECT_EQ(demoOutput(), withTable);
    EXPECT_NE(withTable, "");
}

TEST(PrefixOverlapMemo, FindsWhatStdSearchFinds)
{
    expectFindsWhatSearchFinds(KMP, prepareFailureTable);
}

TEST(PrefixOverlapMemo, EmptyOrOverlongPatternPrintsNothing)
{
    expectEmptyAndOverlongPatternsPrintNothing(KMP);
}

TEST(PrefixOverlapMemo, EachWriteIsOneWholeLine) { expectEachWriteIsOneWholeLine(demoMain); }
