// Helpers shared by the tests: capturing what a matcher prints and reading it
// back as events, checking a matcher against std::search on every short
// input, and border cases for both MaxOverlaps.
#pragma once

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"

// Sends std::cout into a string for as long as it lives.
class CapturedOutput {
public:
    CapturedOutput()
        : saved_(std::cout.rdbuf(buffer_.rdbuf()))
    {
    }
    ~CapturedOutput() { std::cout.rdbuf(saved_); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
    std::string str() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* saved_;
};

// Drives the matcher as the occurrence driver does, on every text of length
// 0 to 8 over {a,b} and every pattern of length 1 to 4 over {a,b,c}, with its
// output discarded, and expects exactly the occurrences std::search finds.
// `prepare`, when given, is called with the pattern's length before each
// text is searched.
void expectFindsWhatSearchFinds(Matcher matcher, void (*prepare)(int patternLength) = nullptr);

// Expects the matcher to return -1 at once, printing nothing, for an empty
// pattern and for a pattern longer than the text.
void expectEmptyAndOverlongPatternsPrintNothing(Matcher matcher);

// Strings with the lengths of their longest borders, for both MaxOverlaps.
struct BorderCase {
    const char* S;
    int border;
};
extern const std::vector<BorderCase> BORDER_CASES;

// The events of a program's output, one string each: "s,j" for an alignment
// block (checked to be well formed), "@k" for an occurrence line, and any
// other line as it stands.
std::vector<std::string> events(
    const std::string& output, const std::string& text, const std::string& pattern);

// The events of reportOccurrences with this matcher, joined by spaces.
std::string trace(Matcher matcher, const std::string& text, const std::string& pattern);
