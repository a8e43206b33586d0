// Occurrences as a matcher finds them and as std::search finds them, for the
// tests and the fuzz target alike.
#pragma once

#include <streambuf>
#include <string>
#include <vector>

#include "harness.h"

// Accepts and drops everything written to it.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Every position at which std::search finds the pattern in the text.
std::vector<int> searchPositions(const std::string& text, const std::string& pattern);

// The occurrences the matcher reports, driven as the occurrence driver drives
// it: first from shift 0, then from one past each occurrence found.
std::vector<int> driverPositions(
    Matcher matcher, const std::string& text, const std::string& pattern);
