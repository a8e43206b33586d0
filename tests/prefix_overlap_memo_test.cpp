#include <cstdlib>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "kmp.h"
#include "support.h"

extern std::vector<int> KMPFailureF;
void prepareFailureTable(int m);

// Allocation failure on demand: while set, the next allocation fails.
static bool failNextAllocation = false;

void* operator new(std::size_t size)
{
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
        int L = static_cast<int>(std::string(c.S).size());
        prepareFailureTable(L + 1);
        EXPECT_EQ(MaxOverlap(c.S), c.border) << c.S << ", scanned";
        EXPECT_EQ(KMPFailureF[L], c.border > 0 ? c.border : -1) << c.S;
        EXPECT_EQ(MaxOverlap(c.S), c.border) << c.S << ", again";
    }
}

TEST(PrefixOverlapMemo, LengthOutsideTheTableIsComputedWithoutIt)
{
    prepareFailureTable(3);
    EXPECT_EQ(MaxOverlap("abab"), 2);
    EXPECT_EQ(MaxOverlap("abcabca"), 4);
    EXPECT_EQ(KMPFailureF, std::vector<int>(3, -1));
}

TEST(PrefixOverlapMemo, DemoSearchRemembersTheBordersOfLengthsThreeAndFive)
{
    prepareFailureTable(6);
    demoOutput();
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
