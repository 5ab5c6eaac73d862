// feastdate and feasts --all.
#include "CliRun.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(CliFeastDate, PrintsTheDayTheDayInEveryCalendarAndTheReading) {
    const CRun run = Cli({"feastdate", "Tuesday after Laetare 1523"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstLine(run.out), "2277409");
    EXPECT_EQ(Line(run.out, "julian"), "17 March 1523");
    EXPECT_EQ(Line(run.out, "civil"), "julian");
    EXPECT_EQ(Line(run.out, "reading"),
              "Tuesday after Laetare 1523: Laetare is 15 March 1523 by the Julian computus, "
              "so 17 March 1523");
    // The options may stand on either side of the text.
    const CRun gregorian = Cli({"feastdate", "Easter 1500", "--gregorian"});
    EXPECT_EQ(Line(gregorian.out, "gregorian"), "01 April 1500");
    const CRun england = Cli({"feastdate", "--reform", "2361222", "Michaelmas 1752"});
    EXPECT_EQ(Line(england.out, "gregorian"), "29 September 1752");
    EXPECT_EQ(Line(england.out, "civil"), "gregorian");
    const CRun french = Cli({"--lang", "fr", "feastdate", "veille de la Saint-Michel 1450"});
    EXPECT_EQ(Line(french.out, "julian"), "28 septembre 1450");
    EXPECT_NE(Line(french.out, "reading").find("calendrier julien"), std::string::npos)
        << french.out;
    SetTextLanguage(ETextLanguage::English);
}

TEST(CliFeastDate, RefusalsAreOneLineAndSayWhat) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"feastdate", "Tuesday after Zzqxw 1523"}, 1, "zzqxw"},
        {{"feastdate", "Laetare"}, 1, "year"},
        {{"feastdate", "frobnicate the 1523"}, 1, "frobnicate"},
        {{"feastdate", "--reform", "2361222", "Nativity of Mary 1752"}, 1, "skipped"},
        {{"feastdate"}, 2, "TEXT"},
        {{"feastdate", "Easter", "1500"}, 2, "one TEXT"},
        {{"feastdate", "--julian", "--gregorian", "Easter 1500"}, 2, ""},
        {{"feastdate", "--reform", "12", "Easter 1500"}, 2, "12"},
        {{"feastdate", "--reform"}, 2, ""},
        {{"feastdate", "--bogus", "Easter 1500"}, 2, "--bogus"},
    };
    for (const auto& c : cases) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back();
        EXPECT_TRUE(run.out.empty()) << c.args.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST(CliFeasts, AllListsTheChurchYearInDateOrder) {
    const CRun run = Cli({"feasts", "1523", "--all"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstLine(run.out), "Circumcisio Domini (Circumcision)\t01 January 1523");
    EXPECT_NE(run.out.find("\nLaetare (Fourth Sunday in Lent)\t15 March 1523\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nCorpus Christi\t04 June 1523\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nDominica quarta Adventus (Fourth Sunday of Advent)\t20 December 1523\n"),
              std::string::npos);
    // The four feasts of the short listing agree with the long one.
    const CRun gregorian = Cli({"feasts", "2024", "--all"});
    EXPECT_NE(gregorian.out.find("Pascha (Easter Sunday)\t31 March 2024"), std::string::npos);
    EXPECT_EQ(Line(Cli({"feasts", "2024"}).out, "easter"), "31 March 2024");
    const CRun french = Cli({"--lang", "fr", "feasts", "2024", "--all", "--julian"});
    EXPECT_NE(french.out.find("Pascha (P\xC3\xA2ques)\t22 avril 2024"), std::string::npos)
        << french.out;
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(Cli({"feasts", "3000", "--all"}).status, 1);
    EXPECT_EQ(Cli({"feasts", "--all"}).status, 2);
}

} // namespace
