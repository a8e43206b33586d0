// good-suffix: compares right to left as naive-rtl does; after a mismatch
// that follows at least one matched character, it shifts by the good-suffix
// rule, computed on the spot and reported line by line. A mismatch on the
// pattern's last character shifts by one.

#include <iostream>
#include <string>

#include "harness.h"

constexpr char TEXT[] = "xxxbabxabaabxabaab";
constexpr char PATTERN[] = "abcbab";

// The shift after a mismatch at pattern index j < m - 1, where the good
// suffix pattern[j + 1 .. m - 1] has matched the text. Prints how it is found.
int goodSuffixShift(std::string pattern, int j)
{
    int m = static_cast<int>(pattern.length());
    std::string goodSuffix = pattern.substr(j + 1);
    int g = static_cast<int>(goodSuffix.length());
    std::cout << "Pattern = " << pattern;
    endLine();
    std::cout << "Good suffix = " << goodSuffix;
    endLine();

    // Phase 1: the rightmost other copy of the good suffix, starting at k <= j.
    // Shifting by m - k - g brings it under the text the good suffix matched.
    for (int k = j; k >= 0; k--) {
        std::string candidate = pattern.substr(k, g);
        std::cout << "1: " << candidate << " ?== " << goodSuffix;
        endLine();
        if (candidate == goodSuffix)
            return m - k - g;
    }

    // Phase 2: the longest pattern prefix, shorter than the good suffix, that
    // is also a suffix of the pattern (and so of the good suffix). Shifting by
    // m - k brings that prefix under the end of the matched text.
    for (int k = g - 1; k >= 1; k--) {
        std::string prefix = pattern.substr(0, k);
        std::string suffix = pattern.substr(m - k);
        std::cout << "2: " << prefix << " ?== " << suffix;
        endLine();
        if (prefix == suffix)
            return m - k;
    }

    // No part of the pattern can lie over the matched text: move past it.
    return m;
}

int bm(std::string text, std::string pattern, int start)
{
    if (pattern.empty()) // no character to compare, so nothing to find
        return -1;
    int n = static_cast<int>(text.length());
    int m = static_cast<int>(pattern.length());
    int j = m - 1;
    int s = start;
    while (m + s - 1 < n) { // the pattern still fits in the text at shift s
        printAlignment(text, pattern, s, j);
        if (pattern[j] == text[s + j]) {
            if (j == 0)
                return s;
            j--;
        } else {
            // With nothing matched there is no good suffix: move by one.
            int shift = 1;
            if (j < m - 1)
                shift = goodSuffixShift(pattern, j);
            s += shift;
            j = m - 1;
        }
    }
    return -1;
}

int main()
{
    std::string text = TEXT;
    std::string pattern = PATTERN;
    reportOccurrences(text, pattern, bm);
    return outputStatus("good-suffix");
}
