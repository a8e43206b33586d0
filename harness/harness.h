// The search harness shared by every demonstration program: the alignment
// trace that a matcher prints before each character comparison, and the
// occurrence driver that asks a matcher for one occurrence after another.
#pragma once

#include <string>

// A matcher takes a text, a pattern and a start shift, and returns the
// smallest shift s >= start at which the pattern occurs in the text, or -1.
using Matcher = int (*)(std::string text, std::string pattern, int start);

// Ends the current line of output: a newline, then a flush, so that every
// line reaches standard output in one write.
void endLine();

// Prints one alignment block: the text, the pattern shifted s places under
// it, and a caret under the pair about to be compared (pattern index j, text
// index s + j), followed by an empty line.
void printAlignment(const std::string& text, const std::string& pattern, int s, int j);

// Reports every occurrence of the pattern in the text, in increasing order:
// each search starts one shift past the previous occurrence, so overlapping
// occurrences are all found.
void reportOccurrences(const std::string& text, const std::string& pattern, Matcher matcher);

// The exit status of a program: 0 when everything it printed was written;
// otherwise 1, after one line on standard error that names the program and
// the failure.
int outputStatus(const char* program);
