// libFuzzer target: feeds an arbitrary text and pattern to each of the five
// matchers, with their output discarded, and checks the occurrences each one
// reports against std::search. The programs share names (main, bruteForce,
// KMP, MaxOverlap), so the build gives each program's copies names of their
// own, the ones declared here.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "occurrences.h"

int naiveRtl(std::string text, std::string pattern, int start);
int lastOccurrence(std::string text, std::string pattern, int start);
int bm(std::string text, std::string pattern, int start);
int prefixOverlap(std::string text, std::string pattern, int start);
int prefixOverlapMemo(std::string text, std::string pattern, int start);
void prepareFailureTable(int m);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte gives the pattern's length; the pattern follows, then the text.
    size_t patternLength = std::min<size_t>(data[0] % 16, size - 1);
    std::string pattern(data + 1, data + 1 + patternLength);
    std::string text(data + 1 + patternLength, data + size);

    // An empty pattern is never found.
    std::vector<int> expected;
    if (!pattern.empty())
        expected = searchPositions(text, pattern);

    NullBuffer discard;
    std::streambuf* saved = std::cout.rdbuf(&discard);
    prepareFailureTable(static_cast<int>(pattern.size()));
    for (Matcher matcher : {naiveRtl, lastOccurrence, bm, prefixOverlap, prefixOverlapMemo})
        if (driverPositions(matcher, text, pattern) != expected)
            std::abort();
    std::cout.rdbuf(saved);
    return 0;
}
