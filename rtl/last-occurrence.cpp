// last-occurrence: compares right to left as naive-rtl does, but after a
// mismatch shifts the pattern so that its last occurrence of the mismatched
// text character comes under that character (the bad-character rule), and
// always by at least one position.

#include <string>

#include "harness.h"

constexpr char TEXT[] = "abbadbaabacba";
constexpr char PATTERN[] = "babacba";

// The largest index i with pattern[i] == c, or -1 when c does not occur. The
// whole pattern is searched every time; there is no precomputed table.
int findLastPos(std::string pattern, char c)
{
    for (int i = static_cast<int>(pattern.length()) - 1; i >= 0; i--)
        if (pattern[i] == c)
            return i;
    return -1;
}

int bruteForce(std::string text, std::string pattern, int start)
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
            // Bring the pattern's last occurrence of the mismatched text
            // character under it. A character the pattern lacks gives
            // d = j + 1, moving the pattern wholly past it. A last occurrence
            // right of j gives d < 0, and the pattern moves by one instead.
            int d = j - findLastPos(pattern, text[s + j]);
            j = m - 1;
            if (d <= 0)
                s += 1;
            else
                s += d;
        }
    }
    return -1;
}

int main()
{
    std::string text = TEXT;
    std::string pattern = PATTERN;
    reportOccurrences(text, pattern, bruteForce);
    return outputStatus("last-occurrence");
}
