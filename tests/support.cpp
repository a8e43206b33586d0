#include "support.h"

#include "occurrences.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace {

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

} // namespace

const std::vector<BorderCase> BORDER_CASES = {
    {"abaca", 1},
    {"abac", 0},
    {"aba", 1},
    {"a", 0},
    {"", 0},
    {"abab", 2},
    {"aaaa", 3},
    {"abacab", 2},
    {"abcabca", 4},
};

void expectFindsWhatSearchFinds(Matcher matcher, void (*prepare)(int patternLength))
{
    NullBuffer discard;
    std::streambuf* saved = std::cout.rdbuf(&discard);
    int failures = 0;
    for (const std::string& pattern : stringsOver("abc", 1, 4))
        for (const std::string& text : stringsOver("ab", 0, 8)) {
            if (prepare != nullptr)
                prepare(static_cast<int>(pattern.size()));
            std::vector<int> found = driverPositions(matcher, text, pattern);
            if (found != searchPositions(text, pattern) && ++failures <= 5)
                ADD_FAILURE() << "text \"" << text << "\", pattern \"" << pattern << "\"";
        }
    std::cout.rdbuf(saved);
    EXPECT_EQ(failures, 0);
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
