#include "support.h"

#include "occurrences.h"

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

const std::string TEXT_ALPHABET("\0\xE9", 2);
const std::string PATTERN_ALPHABET = TEXT_ALPHABET + 'a';

std::vector<std::string> stringsOver(
    const std::string& alphabet, size_t minLength, size_t maxLength)
{
    std::vector<std::string> all{""};
    for (size_t i = 0; i < all.size(); i++)
        if (all[i].size() < maxLength)
            for (char c : alphabet)
                // cppcheck-suppress useStlAlgorithm ; the list grows as it is walked
                all.push_back(all[i] + c);
    all.erase(std::remove_if(all.begin(), all.end(),
                  [&](const std::string& s) { return s.size() < minLength; }),
        all.end());
    return all;
}

const std::vector<BorderCase> BORDER_CASES = {
    {"abaca", 1}, {"abac", 0}, {"aba", 1}, {"a", 0}, {"", 0}, {"abab", 2}, {"aaaa", 3},
    {"abacab", 2}, {"abcabca", 4},
    {std::string("\0a\0b", 4), 0}, // NUL is a character, not the string's end
};

void expectFindsWhatSearchFinds(Matcher matcher, void (*prepare)(int patternLength))
{
    NullBuffer discard;
    std::streambuf* saved = std::cout.rdbuf(&discard);
    int failures = 0;
    for (const std::string& pattern : stringsOver(PATTERN_ALPHABET, 1, 4))
        for (const std::string& text : stringsOver(TEXT_ALPHABET, 0, 8)) {
            if (prepare != nullptr)
                prepare(static_cast<int>(pattern.size()));
            std::vector<int> found = driverPositions(matcher, text, pattern);
            if (found != searchPositions(text, pattern) && ++failures <= 5)
                ADD_FAILURE() << "text " << testing::PrintToString(text) << ", pattern "
                              << testing::PrintToString(pattern);
        }
    std::cout.rdbuf(saved);
    EXPECT_EQ(failures, 0);
}

int WriteRecorder::sync()
{
    if (++flushes_ == failingFlush_) {
        unflushed.clear();
        errno = error_;
        return -1;
    }
    if (!unflushed.empty())
        writes.push_back(unflushed);
    unflushed.clear();
    return 0;
}

void expectEachWriteIsOneWholeLine(int (*program)())
{
    WriteRecorder out;
    std::streambuf* saved = std::cout.rdbuf(&out);
    int status = program();
    std::cout.rdbuf(saved);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(out.writes.empty());
    auto notOneLine = std::find_if(out.writes.begin(), out.writes.end(),
        [](const std::string& write) { return write.find('\n') != write.size() - 1; });
    if (notOneLine != out.writes.end())
        ADD_FAILURE() << "a write that is not one whole line: "
                      << testing::PrintToString(*notOneLine);
    EXPECT_EQ(out.unflushed, "");
}

void expectEmptyAndOverlongPatternsPrintNothing(Matcher matcher)
{
    const struct {
        const char* text;
        const char* pattern;
    } cases[] = {{"abc", ""}, {"", ""}, {"", "a"}, {"ab", "abc"}, {"abab", "ababa"}};
    for (const auto& c : cases) {
        CapturedOutput out;
        EXPECT_EQ(matcher(c.text, c.pattern, 0), -1) << c.text << " / " << c.pattern;
        EXPECT_EQ(out.str(), "") << c.text << " / " << c.pattern;
    }
}

std::vector<std::string> events(
    const std::string& output, const std::string& text, const std::string& pattern)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const std::string found = pattern + " found at position ";
    std::vector<std::string> result;
    for (size_t i = 0; i < lines.size(); i++) {
        if (lines[i].rfind("T: ", 0) == 0 && i + 3 < lines.size()) {
            size_t s = lines[i + 1].find(pattern) - 3;
            size_t caret = lines[i + 2].size() - 4;
            EXPECT_EQ(lines[i], "T: " + text);
            EXPECT_EQ(lines[i + 1], "P: " + std::string(s, ' ') + pattern);
            EXPECT_EQ(lines[i + 2], "   " + std::string(caret, ' ') + "^");
            EXPECT_EQ(lines[i + 3], "");
            result.push_back(std::to_string(s) + "," + std::to_string(caret - s));
            i += 3;
        } else if (lines[i].rfind(found, 0) == 0) {
            result.push_back("@" + lines[i].substr(found.size()));
        } else {
            result.push_back(lines[i]);
        }
    }
    return result;
}

std::string trace(Matcher matcher, const std::string& text, const std::string& pattern)
{
    CapturedOutput out;
    reportOccurrences(text, pattern, matcher);
    std::string joined;
    for (const std::string& event : events(out.str(), text, pattern))
        joined += (joined.empty() ? "" : " ") + event;
    return joined;
}
