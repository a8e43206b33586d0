#include "harness.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

// Whether a line could not be written, and the errno of the first that could
// not (0 when that failure set none: its reason is then unknown, and an errno
// left by anything later is not it).
bool writeFailed = false;
int writeError = 0;

void printSpaces(int count)
{
    for (int i = 0; i < count; i++)
        std::cout << ' ';
}

} // namespace

void endLine()
{
    std::cout << '\n' << std::flush;
    if (!std::cout && !writeFailed) {
        writeFailed = true;
        writeError = errno;
    }
}

void printAlignment(const std::string& text, const std::string& pattern, int s, int j)
{
    // Both labels and the caret's lead are three columns wide, so text index
    // i, pattern index j at shift s, and the caret all line up by column.
    std::cout << "T: " << text;
    endLine();
    std::cout << "P: ";
    printSpaces(s);
    std::cout << pattern;
    endLine();
    std::cout << "   ";
    printSpaces(s + j);
    std::cout << '^';
    endLine();
    endLine();
}

void reportOccurrences(const std::string& text, const std::string& pattern, Matcher matcher)
{
    int last = -1;
    while ((last = matcher(text, pattern, last + 1)) != -1) {
        std::cout << pattern << " found at position " << last;
        endLine();
    }
}

int outputStatus(const char* program)
{
    if (std::cout.flush())
        return 0;
    const char* reason = writeError != 0 ? std::strerror(writeError) : "write failed";
    // One string, so the diagnostic reaches standard error in one write.
    std::cerr << std::string(program) + ": cannot write standard output: " + reason + "\n";
    return 1;
}
