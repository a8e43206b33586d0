// The prefix-overlap matcher shared by prefix-overlap and prefix-overlap-memo.
#pragma once

#include <string>

// The length of the longest border of S: the largest p with 0 < p < |S| such
// that the first p characters of S equal its last p characters, or 0 when
// there is none. Each program supplies its own.
int MaxOverlap(std::string S);

// Compares the pattern with the text from the pattern's first character; after
// a mismatch it shifts by the matched prefix's length less that prefix's
// longest border, and compares again from the first character.
int KMP(std::string text, std::string pattern, int start);
