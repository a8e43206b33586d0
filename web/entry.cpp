// The page's entry into a demonstration program, compiled into the program's
// WebAssembly module beside its own source: it runs the program's own matcher
// through the occurrence driver on a learner's text and pattern, exactly as
// the program's main does with its constants, and lets the page ask the
// program's own shift helpers what they answer. DEMO_MATCHER names the
// matcher; DEMO_LAST_POS marks the program with findLastPos, DEMO_GOOD_SUFFIX
// the one with goodSuffixShift, DEMO_OVERLAP the one whose MaxOverlap keeps no
// state, and DEMO_MEMO_TABLE the program that remembers borders in KMPFailureF.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "harness.h"

// Hands the page the lines in chars[0, length), each ending in a newline,
// decoded at once: as one string, without the last newline, as the page's
// print takes a line.
EM_JS(void, printLines, (const char* chars, int length),
    { out(new TextDecoder().decode(HEAPU8.subarray(chars, chars + length - 1))); });

#ifdef DEMO_MEMO_TABLE
extern std::vector<int> KMPFailureF;
#endif

namespace {

// The programs' standard output on the page. What they print through
// std::cout is kept, and handed to the page in whole lines when the page asks
// for it after a call; the runtime's own output would pass it on a byte at a
// time, and at every flush (the harness flushes every line), which costs more
// than the run itself. For prefix-overlap-memo it also keeps a copy of the
// overlap table as each block begins, which the page reads as it takes the
// block's lines.
class PageOutput : public std::streambuf {
public:
    PageOutput() { setp(buffer.data(), buffer.data() + buffer.size()); }

    // Hands over the whole lines kept; an unfinished one stays.
    void handOver()
    {
        const std::string_view kept(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t whole = kept.rfind('\n') + 1; // 0 when there is no newline
        if (whole > 0)
            printLines(kept.data(), static_cast<int>(whole));
        const std::string_view rest = kept.substr(whole);
        std::copy(rest.begin(), rest.end(), buffer.begin());
        setp(buffer.data(), buffer.data() + buffer.size());
        pbump(static_cast<int>(rest.size()));
#ifdef DEMO_MEMO_TABLE
        // The copies went with their lines; the next lines count from 0.
        tableCopies.clear();
        looked = 0;
        lines = 0;
#endif
    }

#ifdef DEMO_MEMO_TABLE
    // The copies of the table among the lines not handed over yet, one after
    // another: each the index of its block's T line among those lines, then
    // the table's entries (the table keeps its size for a whole run).
    const std::vector<int>& copiesOfTable() const { return tableCopies; }
#endif

protected:
    int_type overflow(int_type c) override
    {
        // Out of room: twice as much, keeping what was written.
        const auto used = static_cast<int>(pptr() - pbase());
        buffer.resize(2 * buffer.size());
        setp(buffer.data(), buffer.data() + buffer.size());
        pbump(used);
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        return sputc(traits_type::to_char_type(c));
    }

#ifdef DEMO_MEMO_TABLE
    // As a block's T line is flushed, before the block's comparison, the
    // table is copied: the table that block's step starts from. Each line is
    // looked at once, at the first flush after it is whole.
    int sync() override
    {
        const std::string_view kept(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        for (std::size_t end; (end = kept.find('\n', looked)) != kept.npos;
             looked = end + 1, lines++) {
            if (kept.compare(looked, 3, "T: ") == 0) {
                tableCopies.push_back(lines);
                tableCopies.insert(tableCopies.end(), KMPFailureF.begin(), KMPFailureF.end());
            }
        }
        return 0;
    }
#endif

private:
    std::string buffer = std::string(4096, '\0');
#ifdef DEMO_MEMO_TABLE
    std::vector<int> tableCopies;
    std::size_t looked = 0; // where the first line not looked at yet starts
    int lines = 0; // the lines looked at since the last handover
#endif
};

PageOutput pageOutput;

// From before main on, for main and every run alike.
struct OutputToPage {
    OutputToPage() { std::cout.rdbuf(&pageOutput); }
} outputToPage;

} // namespace

// What the last call printed and has not been handed over yet.
extern "C" void handOverOutput() { pageOutput.handOver(); }

int DEMO_MATCHER(std::string text, std::string pattern, int start);

#ifdef DEMO_LAST_POS
int findLastPos(std::string pattern, char c);

// The program's findLastPos, for a pattern and a character code.
extern "C" int findLastPos(const char* pattern, int c)
{
    return findLastPos(std::string(pattern), static_cast<char>(c));
}
#endif

#ifdef DEMO_GOOD_SUFFIX
int goodSuffixShift(std::string pattern, int j);

// The program's goodSuffixShift after a mismatch at pattern index j < m - 1;
// its report is kept with the output, for the page to take.
extern "C" int goodSuffixShift(const char* pattern, int j)
{
    return goodSuffixShift(std::string(pattern), j);
}
#endif

#ifdef DEMO_OVERLAP
int MaxOverlap(std::string S);

// The program's MaxOverlap: the length of the longest border of S.
extern "C" int MaxOverlap(const char* S) { return MaxOverlap(std::string(S)); }
#endif

#ifdef DEMO_MEMO_TABLE
void prepareFailureTable(int m);

// The overlap table as it stands: its number of entries, and where they are
// in the module's memory, each a border length or -1 where none is stored.
// The page reads it after a run, and its copies as each block began with the
// lines handed over, to see it grow step by step.
extern "C" int failureTableSize() { return static_cast<int>(KMPFailureF.size()); }

extern "C" const int* failureTable() { return KMPFailureF.data(); }

// The copies of the table taken as each block began, among the lines being
// handed over: where they are, and how many ints they take.
extern "C" const int* failureTableCopies() { return pageOutput.copiesOfTable().data(); }

extern "C" int failureTableCopiesSize()
{
    return static_cast<int>(pageOutput.copiesOfTable().size());
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
