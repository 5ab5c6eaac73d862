// span, add, born from the command line: their lines, and a clear refusal
// for anything they cannot take.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

TEST(CliSpan, CountsInTheCalendarAsked) {
    // From 1 January 1700 Julian to 17 September 1753, a year after England's reform.
    const struct {
        std::vector<std::string> args;
        const char* ymd;
    } cases[] = {
        {{"span", "2341983", "2361590"}, "53\t8\t6"},
        {{"span", "--calendar", "julian", "2341983", "2361590"}, "53\t8\t5"},
        {{"span", "--calendar", "civil", "--reform", "2361222", "2341983", "2361590"}, "53\t8\t16"},
        {{"span", "--calendar", "roman", "2341983", "2361590"}, "53\t8\t5"},
        {{"span", "2361590", "2341983"}, "-53\t-8\t-6"},
        {{"span", "--from", "gregorian", "31 January 2001", "28 February 2001"}, "0\t1\t0"},
        {{"span", "--calendar", "jewish", "--from", "jewish", "1 Tishri 5784", "1 Tishri 5785"},
         "1\t0\t0"},
    };
    for (const auto& c : cases) {
        const CRun run = Cli(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Line(run.out, "ymd"), c.ymd) << c.args.back();
    }
    const CRun run = Cli({"span", "2451545", "2451500"});
    EXPECT_EQ(run.out, "days\t-45\nweeks\t-6\t-3\nymd\t0\t-1\t-15\n");
}

TEST(CliSpan, AddsAndFindsBirths) {
    CRun run = Cli({"add", "--from", "julian", "3 March 1702", "-67y4m12d"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "2318168");
    EXPECT_EQ(Line(run.out, "julian"), "19 October 1634");
    run = Cli({"add", "--from", "gregorian", "31 January 2000", "1m"});
    EXPECT_EQ(Line(run.out, "gregorian"), "29 February 2000");
    run = Cli({"--lang", "fr", "add", "--from", "gregorian", "1 janvier 2000", "3s"});
    EXPECT_EQ(Line(run.out, "gregorian"), "22 janvier 2000");

    run = Cli({"born", "--died", "3 March 1702", "--from", "julian", "--age", "67y"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "first\t2317939\nlast\t2318303\n");
    run = Cli({"born", "--from", "julian", "--age", "67y4m12d", "--died", "3 March 1702"});
    EXPECT_EQ(run.out, "first\t2318168\nlast\t2318168\n");
    // An infant near the first supported day: the births are cut, and said to be.
    run = Cli({"born", "--died", "10", "--from", "gregorian", "--age", "1m"});
    EXPECT_EQ(run.status, 1);
    run = Cli({"born", "--died", "5 December -4714", "--from", "gregorian", "--age", "0y"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Line(run.out, "first"), "1");
    EXPECT_NE(run.err.find("first supported day"), std::string::npos);
}

TEST(CliSpan, RefusesWhatItCannotTake) {
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"span"}, 2},
        {{"span", "1"}, 2},
        {{"span", "1", "2", "3"}, 2},
        {{"span", "0", "2"}, 2},
        {{"span", "1", "2816788"}, 2},
        {{"span", "--calendar", "aztec", "1", "2"}, 2},
        {{"span", "--calendar"}, 2},
        {{"span", "--reform", "12", "1", "2"}, 2},
        {{"span", "--calendar", "jewish", "1", "2"}, 1},
        {{"span", "--from", "gregorian", "30 February 2001", "1 March 2001"}, 1},
        {{"span", "--bogus", "1", "2"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000"}, 2},
        {{"add", "1 January 2000", "1d"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000", "1q"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000", "1y1y"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000", "99999999d"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000", "+"}, 2},
        {{"add", "--from", "gregorian", "1 January 2000", "1001y"}, 1},
        {{"add", "--from", "gregorian", "no date", "1d"}, 1},
        {{"born", "--died", "3 March 1702", "--from", "julian"}, 2},
        {{"born", "--died", "3 March 1702", "--from", "julian", "--age", "-1y"}, 2},
        {{"born", "--died", "3 March 1702", "--from", "julian", "--age"}, 2},
        {{"born", "--died", "3 March 1702", "--from", "julian", "--age", "1y", "extra"}, 2},
        {{"born", "--died", "3 March 1702", "--from", "julian", "--age", "0m40d"}, 1},
    };
    for (const auto& c : cases) {
        const CRun run = Cli(c.args);
        std::string line;
        for (const auto& arg : c.args)
            line += arg + " ";
        EXPECT_EQ(run.status, c.status) << line << run.err;
        EXPECT_TRUE(run.out.empty()) << line;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << line << run.err;
    }
}

} // namespace
