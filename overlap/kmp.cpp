#include "kmp.h"

#include "harness.h"

int KMP(std::string text, std::string pattern, int start)
{
    if (pattern.empty()) // no character to compare, so nothing to find
        return -1;
    int n = static_cast<int>(text.length());
    int m = static_cast<int>(pattern.length());
    int j = 0; // the number of characters matched at shift s
    int s = start;
    while (m - 1 + s < n) { // the pattern still fits in the text at shift s
        printAlignment(text, pattern, s, j);
        if (pattern[j] == text[s + j]) {
            j++;
            if (j == m)
                return s;
        } else {
            // Slide the matched prefix so that its longest border comes under
            // the text where the prefix's end matched. Only the empty prefix
            // equals its own border; it moves by one.
            std::string prefix = pattern.substr(0, j);
            int length = static_cast<int>(prefix.length());
            int shift;
            if (length == MaxOverlap(prefix))
                shift = 1;
            else
                shift = length - MaxOverlap(prefix);
            s += shift;
            // The border's characters, known to match, are compared again.
            j = 0;
        }
    }
    return -1;
}
