// show and convert with a year-start style.
#include "CliRun.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(CliYearStyle, ShowAndConvertTheEnglishRecords) {
    const CRun show = Cli({"show", "--year-start", "annunciation", "--jd", "2323385"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(Line(show.out, "julian"), "30 January 1648/49");
    EXPECT_EQ(Line(show.out, "gregorian"), "09 February 1648/49");
    EXPECT_EQ(Line(show.out, "jewish"), "27 Shevat 5409");
    const CRun french =
        Cli({"--lang", "fr", "show", "--year-start", "annunciation", "--jd", "2323385"});
    EXPECT_EQ(Line(french.out, "julian"), "30 janvier 1648/49");

    const CRun convert = Cli({"convert", "--from", "julian", "--year-start", "annunciation",
                              "--jd", "30 January 1648"});
    EXPECT_EQ(convert.out, "2323385\n");
    // After the change day the year is counted from 1 January.
    const CRun after = Cli({"convert", "--from", "julian", "--year-start", "annunciation",
                            "--style-until", "2360976", "--jd", "30 January 1760"});
    const CRun plain = Cli({"convert", "--from", "julian", "--jd", "30 January 1760"});
    EXPECT_EQ(after.out, plain.out);
    const CRun missing = Cli({"convert", "--from", "julian", "--year-start", "annunciation",
                              "--style-until", "2360976", "10 February 1751"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("does not occur"), std::string::npos);
    SetTextLanguage(ETextLanguage::English);
}

TEST(CliYearStyle, EasterDatesHeldTwiceArePrintedAndPicked) {
    const std::vector<std::string> base = {"convert", "--from", "julian", "--year-start",
                                           "easter", "--jd"};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        return Cli(args);
    };
    EXPECT_EQ(with({"10 April 1564"}).out, "2292409\n2292774\n");
    EXPECT_EQ(with({"--after-easter", "10 April 1564"}).out, "2292409\n");
    EXPECT_EQ(with({"--before-easter", "10 April 1564"}).out, "2292774\n");
    EXPECT_EQ(with({"--before-easter", "1 May 1564"}).out, with({"1 May 1564"}).out);
    EXPECT_EQ(with({"15 April 1500"}).status, 1);
    EXPECT_EQ(with({"--before-easter", "--after-easter", "10 April 1564"}).status, 2);
    // Without --jd each day's rows, the later shown with its dual year.
    const CRun rows = Cli({"convert", "--from", "julian", "--year-start", "easter",
                           "10 April 1564"});
    EXPECT_NE(rows.out.find("julian\t10 April 1564\n"), std::string::npos);
    EXPECT_NE(rows.out.find("julian\t10 April 1564/65\n"), std::string::npos);
}

TEST(CliYearStyle, ShowFromAndConvertToFollowTheStyle) {
    // show --from reads the text in the style given after it, and never
    // picks one of two days silently.
    const CRun england =
        Cli({"show", "--from", "julian", "30 January 1648", "--year-start", "annunciation"});
    EXPECT_EQ(Line(england.out, "julian"), "30 January 1648/49");
    const CRun twice = Cli({"show", "--from", "julian", "10 April 1564", "--year-start", "easter"});
    EXPECT_EQ(twice.status, 1);
    EXPECT_NE(twice.err.find("--before-easter"), std::string::npos);
    const CRun later = Cli({"show", "--before-easter", "--from", "julian", "10 April 1564",
                            "--year-start", "easter"});
    EXPECT_EQ(Line(later.out, "julian"), "10 April 1564/65");
    // --to writes the dual year by --dual-year: as shown, modern, style.
    const std::vector<std::string> to = {"convert", "--from", "julian", "--year-start",
                                         "annunciation", "--to", "julian", "--dual-year"};
    auto copied = [&](const char* choice, std::vector<std::string> more) {
        std::vector<std::string> args = to;
        args.push_back(choice);
        args.insert(args.end(), more.begin(), more.end());
        return Cli(args).out;
    };
    EXPECT_EQ(copied("0", {"30 January 1648"}), "30/01/1648/49\n");
    EXPECT_EQ(copied("1", {"30 January 1648"}), "30/01/1649\n");
    EXPECT_EQ(copied("2", {"--year", "0", "30 January 1648"}), "30/01/48\n");
    EXPECT_EQ(copied("0", {"30 May 1648"}), "30/05/1648\n");
    EXPECT_EQ(copied("3", {"30 May 1648"}), "");
    // Two days, two lines.
    EXPECT_EQ(Cli({"convert", "--from", "julian", "--year-start", "easter", "--to", "julian",
                   "10 April 1564"})
                  .out,
              "10/04/1564\n10/04/1564/65\n");
    // With no style a dual year means its later year where it can hold.
    EXPECT_EQ(Cli({"convert", "--from", "julian", "--jd", "30/1/1648-9"}).out, "2323385\n");
    EXPECT_EQ(Cli({"convert", "--from", "julian", "--jd", "30 May 1648/49"}).status, 1);
}

TEST(CliYearStyle, BadOptionsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"show", "--year-start"},
             {"show", "--year-start", "lady-day"},
             {"show", "--style-until"},
             {"show", "--style-until", "0"},
             {"convert", "--from", "julian", "--year-start", "Easter", "1 May 1564"},
             {"convert", "--from", "julian", "--style-until", "x", "1 May 1564"}}) {
        const CRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(CliYearStyle, WhatShowPrintsConvertReadsBack) {
    // Every style, days spread over the range: the Julian row show prints,
    // given to convert, means that day (among two in the Easter style).
    for (const char* style : {"january", "annunciation", "pisan", "nativity", "venetian",
                              "easter"}) {
        // Four-digit years: a paste reads "55" as 1955.
        for (int jd = 1757600; jd <= 2816787; jd += 9973) {
            const std::string day = std::to_string(jd);
            const CRun show = Cli({"show", "--year-start", style, "--jd", day});
            const std::string julian = Line(show.out, "julian");
            ASSERT_FALSE(julian.empty()) << style << " " << day;
            const CRun convert =
                Cli({"convert", "--from", "julian", "--year-start", style, "--jd", julian});
            ASSERT_EQ(convert.status, 0) << style << " " << julian << ": " << convert.err;
            EXPECT_NE(("\n" + convert.out).find("\n" + day + "\n"), std::string::npos)
                << style << " " << julian << " gave " << convert.out;
        }
    }
}

} // namespace
