// The page's entry into a demonstration program, compiled into the program's
// WebAssembly module beside its own source: it runs the program's own matcher
// through the occurrence driver on a learner's text and pattern, exactly as
// the program's main does with its constants, and lets the page ask the
// program's own shift helpers what they answer. DEMO_MATCHER names the
// matcher; DEMO_LAST_POS marks the program with findLastPos, DEMO_OVERLAP the
// one whose MaxOverlap keeps no state, and DEMO_MEMO_TABLE the program that
// remembers borders in KMPFailureF.

#include <string>

#include "harness.h"

int DEMO_MATCHER(std::string text, std::string pattern, int start);

#ifdef DEMO_LAST_POS
int findLastPos(std::string pattern, char c);

// The program's findLastPos, for a pattern and a character code.
extern "C" int findLastPos(const char* pattern, int c)
{
    return findLastPos(std::string(pattern), static_cast<char>(c));
}
#endif

#ifdef DEMO_OVERLAP
int MaxOverlap(std::string S);

// The program's MaxOverlap: the length of the longest border of S.
extern "C" int MaxOverlap(const char* S) { return MaxOverlap(std::string(S)); }
#endif

#ifdef DEMO_MEMO_TABLE
#include <vector>

extern std::vector<int> KMPFailureF;
void prepareFailureTable(int m);

// The overlap table as it stands: its number of entries, and where they are
// in the module's memory, each a border length or -1 where none is stored.
// The page reads it while the program prints, to see it grow step by step.
extern "C" int failureTableSize() { return static_cast<int>(KMPFailureF.size()); }

extern "C" const int* failureTable() { return KMPFailureF.data(); }
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
