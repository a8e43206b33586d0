// Runs the built programs as processes: their whole output, their exit
// status, and what they do when standard output cannot be written.

#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support.h"

namespace {

const char* const PROGRAMS[]
    = {"naive-rtl", "last-occurrence", "good-suffix", "prefix-overlap", "prefix-overlap-memo"};

struct Outcome {
    int status;
    std::string output;
};

// Runs a shell command and returns its exit status and standard output.
Outcome runShell(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, ""};
    std::string output;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, count);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// A test name may not hold '-'.
std::string testName(std::string program)
{
    std::replace(program.begin(), program.end(), '-', '_');
    return program;
}

// A program's path as one shell word: the build folder may hold spaces,
// quotes or other characters the shell reads.
std::string programPath(const std::string& program)
{
    std::string quoted = "'";
    for (char c : PROGRAM_DIR "/" + program)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string expectedOutput(const std::string& program)
{
    std::ifstream file(EXPECTED_DIR "/" + program + ".txt", std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// What is known of each program's run before it is run: its constants, how
// many blocks and other lines (reports) it prints, where it finds the
// pattern, how its output begins, and its first and last events.
struct Facts {
    const char* program;
    const char* text;
    const char* pattern;
    int blocks;
    int reportLines;
    std::vector<std::string> occurrences;
    std::string firstLines;
    std::vector<std::string> firstEvents;
    std::vector<std::string> lastEvents;
};

// One line per group of events, as the runs go.
// clang-format off
const Facts FACTS[] = {
    {"naive-rtl", "CGTGCCTACTTACTTACTTACTTACGCGAA", "CTTACTTAC", 57, 0, {"@8", "@12", "@16"},
     "T: CGTGCCTACTTACTTACTTACTTACGCGAA\nP: CTTACTTAC\n           ^\n\n",
     {"0,8", "0,7", "0,6", "0,5", "1,8"},
     {"@16", "17,8", "18,8", "18,7", "19,8", "20,8", "21,8"}},
    {"last-occurrence", "abbadbaabacba", "babacba", 11, 0, {},
     "T: abbadbaabacba\nP: babacba\n         ^\n\n",
     {"0,6", "0,5", "0,4", "5,6", "6,6", "6,5", "6,4", "6,3", "6,2", "6,1", "6,0"},
     {}},
    {"good-suffix", "xxxbabxabaabxabaab", "abcbab", 14, 18, {},
     "T: xxxbabxabaabxabaab\nP: abcbab\n        ^\n\n",
     {"0,5", "0,4", "0,3", "0,2",
      "Pattern = abcbab", "Good suffix = bab",
      "1: cba ?== bab", "1: bcb ?== bab", "1: abc ?== bab", "2: ab ?== ab",
      "4,5", "5,5", "6,5", "6,4", "6,3",
      "Pattern = abcbab", "Good suffix = ab",
      "1: ba ?== ab", "1: cb ?== ab", "1: bc ?== ab", "1: ab ?== ab",
      "10,5", "11,5", "12,5", "12,4", "12,3",
      "Pattern = abcbab", "Good suffix = ab",
      "1: ba ?== ab", "1: cb ?== ab", "1: bc ?== ab", "1: ab ?== ab"},
     {}},
    {"prefix-overlap", "abacaabaccabacabaabb", "abacab", 28, 0, {"@10"},
     "T: abacaabaccabacabaabb\nP: abacab\n   ^\n\n",
     {"0,0", "0,1", "0,2", "0,3", "0,4", "0,5", "4,0", "4,1", "5,0", "5,1", "5,2", "5,3", "5,4",
      "9,0", "10,0", "10,1", "10,2", "10,3", "10,4", "10,5", "@10", "11,0", "12,0", "12,1",
      "13,0", "14,0", "14,1", "14,2", "14,3"},
     {}},
};
// clang-format on

void PrintTo(const Facts& facts, std::ostream* os) { *os << facts.program; }

class ExpectedFile : public testing::TestWithParam<Facts> { };

TEST_P(ExpectedFile, AgreesWithWhatIsKnownOfTheRun)
{
    const Facts& facts = GetParam();
    std::string output = expectedOutput(facts.program);
    EXPECT_EQ(output.substr(0, facts.firstLines.size()), facts.firstLines);

    std::vector<std::string> all = events(output, facts.text, facts.pattern);
    int blocks = 0;
    int reportLines = 0;
    std::vector<std::string> occurrences;
    for (const std::string& e : all) {
        if (e[0] == '@')
            occurrences.push_back(e);
        else if (e.find(',') != std::string::npos)
            blocks++;
        else
            reportLines++;
    }
    EXPECT_EQ(blocks, facts.blocks);
    EXPECT_EQ(reportLines, facts.reportLines);
    EXPECT_EQ(occurrences, facts.occurrences);
    ASSERT_GE(all.size(), facts.firstEvents.size());
    ASSERT_GE(all.size(), facts.lastEvents.size());
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + facts.firstEvents.size()),
        facts.firstEvents);
    EXPECT_EQ(
        std::vector<std::string>(all.end() - facts.lastEvents.size(), all.end()), facts.lastEvents);
}

INSTANTIATE_TEST_SUITE_P(Programs, ExpectedFile, testing::ValuesIn(FACTS),
    [](const auto& info) { return testName(info.param.program); });

TEST(ExpectedFile, IsTheSameWithBordersRememberedOrNot)
{
    EXPECT_EQ(expectedOutput("prefix-overlap-memo"), expectedOutput("prefix-overlap"));
}

class Program : public testing::TestWithParam<const char*> { };

TEST_P(Program, PrintsExactlyTheExpectedOutputWhateverItsArguments)
{
    std::string expected = expectedOutput(GetParam());
    ASSERT_FALSE(expected.empty());
    for (const char* arguments : {"", " a b", " --help -x 7"}) {
        Outcome run = runShell(programPath(GetParam()) + arguments + " 2>&1");
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.output, expected) << arguments;
    }
}

TEST_P(Program, ReportsAnOutputItCannotWrite)
{
    const struct {
        const char* redirect;
        int status;
        std::string diagnostic;
    } cases[] = {
        {">/dev/full", 1,
            std::string(GetParam()) + ": cannot write standard output: No space left on device\n"},
        {">&-", 1,
            std::string(GetParam()) + ": cannot write standard output: Bad file descriptor\n"},
        {">/dev/null", 0, ""},
    };
    for (const auto& c : cases) {
        // Standard error goes to the pipe, standard output where the case sends it.
        Outcome run = runShell(programPath(GetParam()) + " 2>&1 " + c.redirect);
        EXPECT_EQ(run.status, c.status) << c.redirect;
        EXPECT_EQ(run.output, c.diagnostic) << c.redirect;
    }
}

// Writes three lines over a WriteRecorder that fails the given flush (the
// fourth is outputStatus's final one), setting errno to an unrelated value
// after each line as any later library call may; then writes each write of
// the diagnostic in brackets and exits with outputStatus's status.
[[noreturn]] void writeThreeLinesAndExit(int failingFlush, int error)
{
    WriteRecorder out(failingFlush, error);
    WriteRecorder err;
    std::cout.rdbuf(&out);
    std::streambuf* standardError = std::cerr.rdbuf(&err);
    for (int line = 0; line < 3; line++) {
        std::cout << "line";
        endLine();
        errno = EDOM;
    }
    int status = outputStatus("demo");
    std::cerr.rdbuf(standardError);
    for (const std::string& write : err.writes)
        std::cerr << '[' << write << ']';
    std::exit(status);
}

// The harness remembers a failure for the rest of the process, so each case
// runs in a child process of its own.
TEST(OutputStatusDeathTest, ReportsTheFirstFailureWithItsReasonInOneWrite)
{
    const struct {
        int failingFlush;
        int error;
        const char* reason;
    } cases[] = {
        {0, 0, nullptr}, // every line written
        {2, ENOSPC, "No space left on device"}, // not the errno of a later line
        {3, EBADF, "Bad file descriptor"}, // the last line alone
        {1, 0, "write failed"}, // no errno to tell the reason
        {4, 0, "write failed"}, // the final flush alone
    };
    for (const auto& c : cases) {
        std::string diagnostic = c.reason == nullptr
            ? ""
            : std::string("[demo: cannot write standard output: ") + c.reason + "\n]";
        EXPECT_EXIT(writeThreeLinesAndExit(c.failingFlush, c.error),
            testing::ExitedWithCode(c.reason == nullptr ? 0 : 1), testing::Eq(diagnostic))
            << "failing flush " << c.failingFlush;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Program, testing::ValuesIn(PROGRAMS),
    [](const auto& info) { return testName(info.param); });

} // namespace
