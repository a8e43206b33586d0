// prefix-overlap: compares left to right; after a mismatch it shifts by the
// matched prefix's length less its longest border, which it recomputes every
// time it is asked.

#include <string>

#include "harness.h"
#include "kmp.h"

constexpr char TEXT[] = "abacaabaccabacabaabb";
constexpr char PATTERN[] = "abacab";

int MaxOverlap(std::string S)
{
    int L = static_cast<int>(S.length());
    // The longest candidate first, so the first border found is the longest.
    for (int p = L - 1; p >= 1; p--)
        if (S.substr(0, p) == S.substr(L - p))
            return p;
    return 0;
}

int main()
{
    std::string text = TEXT;
    std::string pattern = PATTERN;
    reportOccurrences(text, pattern, KMP);
    return outputStatus("prefix-overlap");
}
