// Helpers shared by the tests: capturing what a matcher prints and reading it
// back as events, recording (or failing) each write of a stream, checking a
// matcher against std::search on every short input of any bytes, and border
// cases for both MaxOverlaps.
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

// Keeps the text of each flush as one write, as a program's standard output
// makes one write() per flush. It can fail one flush, counted from 1 (empty
// flushes too): that flush sets errno to the given value, keeps nothing and
// reports failure.
class WriteRecorder : public std::streambuf {
public:
    explicit WriteRecorder(int failingFlush = 0, int error = 0)
        : failingFlush_(failingFlush)
        , error_(error)
    {
    }
    std::vector<std::string> writes;
    std::string unflushed;

protected:
    int overflow(int c) override
    {
        if (c != traits_type::eof())
            unflushed += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize count) override
    {
        unflushed.append(s, static_cast<size_t>(count));
        return count;
    }
    int sync() override;

private:
    int flushes_ = 0;
    int failingFlush_;
    int error_;
};

// Runs a program's main with standard output recorded, and expects status 0
// and every write to carry exactly one whole line, with nothing left unflushed.
void expectEachWriteIsOneWholeLine(int (*program)());

// Texts and patterns are strings of any bytes: the exhaustive comparisons use
// NUL and a byte of 0x80 or more, and patterns one character more ('a').
extern const std::string TEXT_ALPHABET;
extern const std::string PATTERN_ALPHABET;

// Every string over the alphabet with a length from minLength to maxLength.
std::vector<std::string> stringsOver(
    const std::string& alphabet, size_t minLength, size_t maxLength);

// Drives the matcher as the occurrence driver does, on every text of length
// 0 to 8 over TEXT_ALPHABET and every pattern of length 1 to 4 over
// PATTERN_ALPHABET, with its output discarded, and expects exactly the
// occurrences std::search finds.
// `prepare`, when given, is called with the pattern's length before each
// text is searched.
void expectFindsWhatSearchFinds(Matcher matcher, void (*prepare)(int patternLength) = nullptr);

// Expects the matcher to return -1 at once, printing nothing, for an empty
// pattern and for a pattern longer than the text.
void expectEmptyAndOverlongPatternsPrintNothing(Matcher matcher);

// Strings with the lengths of their longest borders, for both MaxOverlaps.
struct BorderCase {
    std::string S;
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
