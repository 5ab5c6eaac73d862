// quindor-cli as a terminal user meets it: outputs of each command and the
// exit status of every kind of bad input.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

namespace {

TEST(Cli, TableLinesCarryEveryCalendar) {
    const CRun run = Cli({"table", "2451545", "2451546"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2451545\t1\t1\t2000\t19\t12\t1999\t14\t1\t1\t2000\t11\t4\t208\t23\t4\t5760"
                       "\t24\t9\t1420\t6\t0\n"
                       "2451546\t2\t1\t2000\t20\t12\t1999\t13\t1\t1\t2000\t12\t4\t208\t24\t4\t5760"
                       "\t25\t9\t1420\t0\t1\n");
    // Before a calendar's first day its columns are zeros.
    const CRun first = Cli({"table", "1", "1"});
    EXPECT_EQ(first.out, "1\t25\t11\t-4714\t2\t1\t-4713\t4\t2\t1\t-4713\t0\t0\t0\t0\t0\t0\t0\t0\t0"
                         "\t2\t0\n");
}

TEST(Cli, EasterBothComputus) {
    const CRun run = Cli({"easter", "2000", "2000"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2000\t2451658\t2451665\n");
}

TEST(Cli, ShowComposesThePanel) {
    const CRun run = Cli({"show", "--jd", "2299160", "--saints", "none"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "gregorian\t14 October 1582\n"
                       "julian\t04 October 1582\n"
                       "roman\t04 Nones October 1582\n"
                       "republican\t\n"
                       "jewish\t18 Tishri 5343\n"
                       "muslim\t17 Ramadhan 990\n"
                       "weekday\tThursday\n"
                       "republican-day\t\n"
                       "civil\tjulian\n");
    // The civil calendar follows the reform day given.
    EXPECT_NE(Cli({"show", "--jd", "2299161"}).out.find("civil\tjulian"), std::string::npos);
    EXPECT_NE(Cli({"show", "--jd", "2299161", "--reform", "2299161"}).out.find("civil\tgregorian"),
              std::string::npos);
}

TEST(Cli, ConvertReadsAsAPaste) {
    EXPECT_EQ(Cli({"convert", "--from", "gregorian", "--jd", "1/1/2000"}).out, "2451545\n");
    EXPECT_EQ(Cli({"convert", "--from", "jewish", "--jd", "14 Nisan 5784"}).out, "2460423\n");
    // The Republican row's range ends with the supported range.
    EXPECT_EQ(Cli({"convert", "--from", "republican", "--jd", "11 Nivose 1208"}).out, "2816787\n");
    EXPECT_EQ(Cli({"convert", "--from", "republican", "--jd", "12 Nivose 1208"}).status, 1);
    const CRun refused = Cli({"convert", "--from", "gregorian", "--jd", "29/2/1900"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Gregorian"), std::string::npos);
}

TEST(Cli, FeastsOfAYear) {
    const CRun run = Cli({"feasts", "2000"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("easter\t23 April 2000"), std::string::npos);
    EXPECT_NE(Cli({"feasts", "2000", "--julian"}).out.find("easter\t17 April 2000"),
              std::string::npos);
    EXPECT_EQ(Cli({"feasts", "3000"}).status, 1);
}

TEST(Cli, SaintsNamesKeysAndSearch) {
    EXPECT_EQ(Cli({"key", "François"}).out, "FRANÇOIS\nFRANSOA\nFRANSOA\n");
    EXPECT_EQ(Cli({"score", "Francois", "François"}).out, "13\n");
    const CRun search = Cli({"search", "--scores", "Filippe"});
    ASSERT_EQ(search.status, 0);
    if (search.out.empty())
        GTEST_SKIP() << "the list files are not beside the tests";
    EXPECT_EQ(search.out.rfind("12\tPhilippe : ", 0), 0u) << search.out;
    // Text Windows-1252 cannot hold is refused, not mangled.
    EXPECT_EQ(Cli({"key", "Łukasz"}).status, 1);
}

TEST(Cli, EveryBadArgumentIsOneLineAndAStatus) {
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, 2},
        {{"nonsense"}, 2},
        {{"table"}, 2},
        {{"table", "1"}, 2},
        {{"table", "0", "5"}, 2},
        {{"table", "1", "2816788"}, 2},
        {{"table", "5", "1"}, 2},
        {{"table", "x", "5"}, 2},
        {{"table", "1", "5", "9"}, 2},
        {{"table", "99999999999999999999", "1"}, 2},
        {{"easter", "0", "5"}, 2},
        {{"show", "--jd"}, 2},
        {{"show", "--jd", "0"}, 2},
        {{"show", "--saints", "often"}, 2},
        {{"show", "--reform", "2299160"}, 2},
        {{"show", "--bogus"}, 2},
        {{"convert", "--from", "aztec", "1/1/2000"}, 2},
        {{"convert", "--from", "gregorian", "--month", "3", "1/1/2000"}, 2},
        {{"convert", "--from", "gregorian", "--jd", "29/2/1900"}, 1},
        {{"convert", "--from", "gregorian", "--to", "republican", "1/1/1700"}, 1},
        {{"feasts", "3000"}, 1},
        {{"feasts", "--bogus"}, 2},
        {{"key"}, 2},
        {{"search", "--bogus", "x"}, 2},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << joined;
        EXPECT_TRUE(run.out.empty()) << joined;
        ASSERT_FALSE(run.err.empty()) << joined;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << joined;
        EXPECT_EQ(run.err.rfind("quindor-cli: ", 0), 0u) << joined;
        // The same refusal in French: one line too, and translated.
        std::vector<std::string> french = {"--lang", "fr"};
        french.insert(french.end(), c.args.begin(), c.args.end());
        const CRun fr = Cli(french);
        EXPECT_EQ(fr.status, c.status) << joined;
        EXPECT_TRUE(fr.out.empty()) << joined;
        EXPECT_EQ(fr.err.find('\n'), fr.err.size() - 1) << joined;
        EXPECT_EQ(fr.err.rfind("quindor-cli: ", 0), 0u) << joined;
        EXPECT_NE(fr.err, run.err) << joined;
    }
    EXPECT_EQ(Cli({"--help"}).status, 0);
}

// Standard output on a full disk: every write fails.
class CFullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Cli, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"table", "1", "3"},
                                                 {"show", "--jd", "2451545"},
                                                 {"--help"},
                                                 {"--version"}}) {
        CFullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err), 1) << args[0];
        EXPECT_EQ(err.str(), "quindor-cli: cannot write the output\n") << args[0];
    }
    // A refusal keeps its own status and message.
    CFullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"table", "0", "5"}, out, err), 2);
    EXPECT_EQ(err.str().find("cannot write"), std::string::npos);
}

} // namespace
