// The page's entry into a demonstration program, compiled into the program's
// WebAssembly module beside its own source: it runs the program's own matcher
// through the occurrence driver on a learner's text and pattern, exactly as
// the program's main does with its constants. DEMO_MATCHER names the matcher;
// DEMO_MEMO_TABLE marks the program that remembers borders in KMPFailureF.

#include <string>

#include "harness.h"

int DEMO_MATCHER(std::string text, std::string pattern, int start);

#ifdef DEMO_MEMO_TABLE
#include <vector>

extern std::vector<int> KMPFailureF;
void prepareFailureTable(int m);

// Entry L of the overlap table as the last run left it: a border length, or
// -1 where none was stored (and for any L outside the table).
extern "C" int failureEntry(int L)
{
    bool inTable = L >= 0 && L < static_cast<int>(KMPFailureF.size());
    return inTable ? KMPFailureF[L] : -1;
}
#endif

extern "C" void runOn(const char* textChars, const char* patternChars)
{
    std::string text = textChars;
    std::string pattern = patternChars;
#ifdef DEMO_MEMO_TABLE
    // A fresh table for every run, as main makes one for its constants.
    prepareFailureTable(static_cast<int>(pattern.length()));
#endif
    reportOccurrences(text, pattern, DEMO_MATCHER);
}
