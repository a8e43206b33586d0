// prefix-overlap-memo: prefix-overlap with the border lengths it finds
// remembered in a table. Every string KMP hands to MaxOverlap is a prefix of
// the one pattern, so its length identifies it. The output is exactly that of
// prefix-overlap.

#include <new>
#include <string>
#include <vector>

#include "harness.h"
#include "kmp.h"

constexpr char TEXT[] = "abacaabaccabacabaabb";
constexpr char PATTERN[] = "abacab";

// Entry L holds the border length of the pattern's first L characters once it
// is known, and -1 while it is not. It lives until the process ends, across
// all the searches of a run. Empty when no table could be made.
std::vector<int> KMPFailureF;

// Makes a fresh table for a pattern of length m, every border unknown. If no
// table can be made it is left empty, and every border is computed without it.
void prepareFailureTable(int m)
{
    try {
        KMPFailureF = std::vector<int>(m, -1);
    } catch (const std::bad_alloc&) {
        KMPFailureF.clear();
    }
}

int MaxOverlap(std::string S)
{
    int L = static_cast<int>(S.length());
    // KMP asks only for prefixes shorter than the pattern; any other length,
    // or any length without a table, has no entry and is computed afresh.
    bool hasEntry = L < static_cast<int>(KMPFailureF.size());
    if (hasEntry && KMPFailureF[L] >= 0)
        return KMPFailureF[L]; // known: no substring is cut
    for (int p = L - 1; p >= 1; p--)
        if (S.substr(0, p) == S.substr(L - p)) {
            if (hasEntry)
                KMPFailureF[L] = p;
            return p;
        }
    // No border: only borders of length 1 or more are recorded, so this
    // length is scanned again at its next call.
    return 0;
}

int main()
{
    std::string text = TEXT;
    std::string pattern = PATTERN;
    prepareFailureTable(static_cast<int>(pattern.length()));
    reportOccurrences(text, pattern, KMP);
    return outputStatus("prefix-overlap-memo");
}
