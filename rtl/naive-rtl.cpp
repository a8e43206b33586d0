// naive-rtl: at each shift, compare the pattern with the text from the
// pattern's last character towards its first; on any mismatch, move the
// pattern one position to the right and start again at its last character.

#include <string>

#include "harness.h"

constexpr char TEXT[] = "CGTGCCTACTTACTTACTTACTTACGCGAA";
constexpr char PATTERN[] = "CTTACTTAC";

int bruteForce(std::string text, std::string pattern, int start)
{
    if (pattern.empty()) // no character to compare, so nothing to find
        return -1;
    int n = static_cast<int>(text.length());
    int last = static_cast<int>(pattern.length()) - 1;
    int j = last;
    int s = start;
    while (last + s < n) { // the pattern still fits in the text at shift s
        printAlignment(text, pattern, s, j);
        if (pattern[j] == text[s + j]) {
            if (j == 0)
                return s;
            j--;
        } else {
            // Nothing learnt at this shift is used at the next one.
            j = last;
            s++;
        }
    }
    return -1;
}

int main()
{
    std::string text = TEXT;
    std::string pattern = PATTERN;
    reportOccurrences(text, pattern, bruteForce);
    return outputStatus("naive-rtl");
}
