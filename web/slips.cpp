// The slips: each program's shift rule, or the table it consults, with one
// plausible mistake, as a learner who makes that mistake would work it out.
// Compiled into the page's module of the program whose rule it changes, beside
// the program's own source, so that each slip calls the program's own
// helpers. The page grades an answer by the program; when a wrong answer
// equals what a slip gives, the page names that slip. Each slip's id is the
// one the page shows it under. A shift slip gives the amount the pattern
// moves after a mismatch at pattern index j on the text character c; a table
// slip gives the entry for c or for the length L.

#include <algorithm>
#include <string>
#include <vector>

#ifdef DEMO_LAST_POS
int findLastPos(std::string pattern, char c);
#endif
#if defined(DEMO_OVERLAP) || defined(DEMO_MEMO_TABLE)
int MaxOverlap(std::string S);
#endif
#ifdef DEMO_MEMO_TABLE
extern std::vector<int> KMPFailureF;
void prepareFailureTable(int m);
#endif

namespace {

#ifdef DEMO_LAST_POS
// The rule: d = j - findLastPos(c), and by one when d is 0 or less.

// no-guard: moves by d even when the last c lies right of j and d is 0 or
// less.
int noGuard(std::string pattern, int j, char c) { return j - findLastPos(pattern, c); }

// left-of-j: looks for c only left of j; the rule searches the whole pattern.
int leftOfJ(std::string pattern, int j, char c)
{
    int i = j - 1;
    while (i >= 0 && pattern[i] != c)
        i--;
    return j - i;
}

// from-the-end: counts from the pattern's end, not from the mismatch.
int fromTheEnd(std::string pattern, char c)
{
    int d = static_cast<int>(pattern.length()) - 1 - findLastPos(pattern, c);
    return d <= 0 ? 1 : d;
}

// first-occurrence: the first index of c in the pattern, not the last.
int firstOccurrence(std::string pattern, char c)
{
    for (int i = 0; i < static_cast<int>(pattern.length()); i++)
        if (pattern[i] == c)
            return i;
    return -1;
}

// distance-from-end: how far the last c stands from the pattern's end, and
// the pattern's length when c is absent, as a precomputed bad-character
// shift table holds; the rule's table holds the index itself.
int distanceFromEnd(std::string pattern, char c)
{
    return static_cast<int>(pattern.length()) - 1 - findLastPos(pattern, c);
}
#endif

#ifdef DEMO_GOOD_SUFFIX
// The rule, as goodSuffixShift works it out after a mismatch at j < m - 1,
// without its report: phase 1, the rightmost other copy of the good suffix,
// at k from j down to 0, moving by j + 1 - k; phase 2, the longest pattern
// prefix shorter than the good suffix that ends the pattern, moving by m - k;
// else m.

// Whether the pattern's characters from k are a copy of the good suffix.
bool copyAt(const std::string& pattern, int j, int k)
{
    return pattern.substr(k, pattern.length() - j - 1) == pattern.substr(j + 1);
}

// Phase 2's shift, or m when it finds no prefix.
int prefixPhase(const std::string& pattern, int j)
{
    int m = static_cast<int>(pattern.length());
    for (int k = m - j - 2; k >= 1; k--)
        if (pattern.substr(0, k) == pattern.substr(m - k))
            return m - k;
    return m;
}

// no-prefix-phase: forgets phase 2; with no copy the shift is m.
int noPrefixPhase(std::string pattern, int j)
{
    for (int k = j; k >= 0; k--)
        if (copyAt(pattern, j, k))
            return j + 1 - k;
    return static_cast<int>(pattern.length());
}

// strong-rule: skips a copy whose character in front equals pattern[j], as
// the textbook's strong rule does; this program does not check it.
int strongRule(std::string pattern, int j)
{
    for (int k = j; k >= 0; k--)
        if (copyAt(pattern, j, k) && !(k > 0 && pattern[k - 1] == pattern[j]))
            return j + 1 - k;
    return prefixPhase(pattern, j);
}

// leftmost-copy: takes the leftmost copy, trying k from 0 up.
int leftmostCopy(std::string pattern, int j)
{
    for (int k = 0; k <= j; k++)
        if (copyAt(pattern, j, k))
            return j + 1 - k;
    return prefixPhase(pattern, j);
}

// bad-character: applies the last-occurrence rule instead, bringing the
// pattern's last c under the text's c, and by one when that is 0 or less.
int badCharacter(std::string pattern, int j, char c)
{
    int i = static_cast<int>(pattern.length()) - 1;
    while (i >= 0 && pattern[i] != c)
        i--;
    return j - i <= 0 ? 1 : j - i;
}
#endif

#if defined(DEMO_OVERLAP) || defined(DEMO_MEMO_TABLE)
// The rule: after a mismatch at j >= 1, j less the longest border of the
// first j characters, MaxOverlap's answer.

// shortest-border: MaxOverlap trying the shortest candidate first, so that
// it gives the shortest border of 1 or more, where the rule wants the
// longest.
int shortestBorder(std::string S)
{
    int L = static_cast<int>(S.length());
    for (int p = 1; p < L; p++)
        if (S.substr(0, p) == S.substr(L - p))
            return p;
    return 0;
}

// by-the-border: moves by the border, not by j less it.
int byTheBorder(std::string pattern, int j) { return MaxOverlap(pattern.substr(0, j)); }

// past-the-prefix: moves by j, as if the prefix had no border.
int pastThePrefix(int j) { return j; }

// wrong-prefix: takes the border of the first j + 1 characters, the
// mismatched pattern character included.
int wrongPrefix(std::string pattern, int j) { return j - MaxOverlap(pattern.substr(0, j + 1)); }
#endif

#ifdef DEMO_OVERLAP
// prefix-elsewhere: the longest proper prefix that occurs again anywhere in S,
// not only at its end.
int prefixElsewhere(std::string S)
{
    int L = static_cast<int>(S.length());
    for (int p = L - 1; p >= 1; p--)
        for (int at = 1; at + p <= L; at++)
            if (S.substr(0, p) == S.substr(at, p))
                return p;
    return 0;
}
#endif

#ifdef DEMO_MEMO_TABLE
// The table as the run's calls of MaxOverlap leave it, for the prefixes of the
// lengths asked, in order. The program stores only borders of 1 or more.

// zero-remembered, zero-stored: a scan that finds no border stores 0, as if
// it were a border, so that a length once scanned is never scanned again.
std::vector<int> zeroRemembered(std::string pattern, std::vector<int> asked)
{
    prepareFailureTable(static_cast<int>(pattern.length()));
    for (int L : asked)
        if (L < static_cast<int>(KMPFailureF.size()))
            KMPFailureF[L] = MaxOverlap(pattern.substr(0, L));
    return KMPFailureF;
}

// filled-in-advance, unasked-filled: every entry filled before the search, as
// a precomputed failure table is; the program fills an entry only when the
// run first asks for its length.
std::vector<int> filledInAdvance(std::string pattern)
{
    int m = static_cast<int>(pattern.length());
    prepareFailureTable(m);
    for (int L = 0; L < m; L++)
        MaxOverlap(pattern.substr(0, L));
    return KMPFailureF;
}
#endif

// What a slip gives, by its id: `shift`, the amount the pattern moves after a
// mismatch at j on the text character c; `entry`, the table's entry for the
// character c or for the index or length L, where the memo's is the entry as
// the run's calls of MaxOverlap for the lengths `asked` leave it. `none` for
// a slip the program does not have.
constexpr int none = -1000;

int shift(const std::string& id, const std::string& pattern, int j, char c)
{
#ifdef DEMO_LAST_POS
    if (id == "no-guard")
        return noGuard(pattern, j, c);
    if (id == "left-of-j")
        return leftOfJ(pattern, j, c);
    if (id == "from-the-end")
        return fromTheEnd(pattern, c);
#endif
#ifdef DEMO_GOOD_SUFFIX
    if (id == "no-prefix-phase")
        return noPrefixPhase(pattern, j);
    if (id == "strong-rule")
        return strongRule(pattern, j);
    if (id == "leftmost-copy")
        return leftmostCopy(pattern, j);
    if (id == "bad-character")
        return badCharacter(pattern, j, c);
#endif
#if defined(DEMO_OVERLAP) || defined(DEMO_MEMO_TABLE)
    if (id == "by-the-border")
        return byTheBorder(pattern, j);
    if (id == "past-the-prefix")
        return pastThePrefix(j);
    if (id == "shortest-border")
        return j - shortestBorder(pattern.substr(0, j));
    if (id == "wrong-prefix")
        return wrongPrefix(pattern, j);
#endif
    static_cast<void>(pattern);
    static_cast<void>(j);
    static_cast<void>(c);
    return none;
}

int entry(const std::string& id, const std::string& pattern, int L, char c, std::vector<int> asked)
{
    static_cast<void>(asked);
#ifdef DEMO_LAST_POS
    if (id == "first-occurrence")
        return firstOccurrence(pattern, c);
    if (id == "distance-from-end")
        return distanceFromEnd(pattern, c);
#endif
#ifdef DEMO_GOOD_SUFFIX
    if (id != "bad-character") // the table holds the shift at each j
        return shift(id, pattern, L, c);
#endif
#ifdef DEMO_OVERLAP
    if (id == "shortest-border")
        return shortestBorder(pattern.substr(0, L));
    if (id == "prefix-elsewhere")
        return prefixElsewhere(pattern.substr(0, L));
#endif
#ifdef DEMO_MEMO_TABLE
    std::vector<int> table; // empty when none could be made
    if (id == "zero-remembered" || id == "zero-stored")
        table = zeroRemembered(pattern, asked);
    else if (id == "filled-in-advance" || id == "unasked-filled")
        table = filledInAdvance(pattern);
    if (L < static_cast<int>(table.size()))
        return table[L];
#endif
    static_cast<void>(L);
    static_cast<void>(c);
    return none;
}

// Every slip reads a pattern index or a prefix length below m (but
// last-occurrence's table, kept by character), and a memo slip's lengths
// asked too; anything else is no question, and gives none.
bool inPattern(const std::string& pattern, int index)
{
    return index >= 0 && index < static_cast<int>(pattern.length());
}

} // namespace

// The page's entries to the slips, with a character's code for c. The memo's
// MaxOverlap writes the run's table: the slips leave it as they found it.
extern "C" int shiftSlip(const char* id, const char* pattern, int j, int c)
{
    if (!inPattern(pattern, j))
        return none;
#ifdef DEMO_MEMO_TABLE
    const std::vector<int> kept = KMPFailureF;
#endif
    int gives = shift(id, pattern, j, static_cast<char>(c));
#ifdef DEMO_MEMO_TABLE
    KMPFailureF = kept;
#endif
    return gives;
}

extern "C" int entrySlip(
    const char* id, const char* pattern, int L, int c, const unsigned char* asked, int count)
{
    const std::vector<int> lengths(asked, asked + count);
#ifdef DEMO_LAST_POS
    L = 0;
#endif
    if (!inPattern(pattern, L) || !std::all_of(lengths.begin(), lengths.end(), [&](int at) {
            return inPattern(pattern, at);
        }))
        return none;
#ifdef DEMO_MEMO_TABLE
    const std::vector<int> kept = KMPFailureF;
#endif
    int gives = entry(id, pattern, L, static_cast<char>(c), lengths);
#ifdef DEMO_MEMO_TABLE
    KMPFailureF = kept;
#endif
    return gives;
}
