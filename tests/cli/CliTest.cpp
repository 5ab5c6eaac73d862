// quindor-cli as a terminal user meets it: what each command line prints,
// its exit status, and one translated line of error for every refusal.
#include "Cli.h"
#include "CliCommands.h"
#include "CliText.h"

#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

struct CRun {
    int status;
    std::string out;
    std::string err;
};

CRun Cli(const Args& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Joined(const Args& args) {
    std::string line;
    for (const auto& arg : args)
        line += arg + " ";
    return line;
}

const char* const kShow = "gregorian\t14 October 1582\njulian\t04 October 1582\n"
                          "roman\t04 Nones October 1582\nrepublican\t\njewish\t18 Tishri 5343\n"
                          "muslim\t17 Ramadhan 990\nweekday\tThursday\nrepublican-day\t\n"
                          "civil\tjulian\n";
const char* const kFrenchShow = "gregorian\t14 octobre 1582\njulian\t04 octobre 1582\n"
                                "roman\t04 Nones octobre 1582\nrepublican\t\njewish\t18 Tichri "
                                "5343\nmuslim\t17 Ramadan 990\nweekday\tjeudi\nrepublican-day\t\n"
                                "civil\tjulian\n";

// The whole output of a command line that succeeds.
const struct {
    Args args;
    const char* out;
} kOutputs[] = {
    // clang-format off
    {{"table", "2451545", "2451546"}, "2451545\t1\t1\t2000\t19\t12\t1999\t14\t1\t1\t2000\t11\t4\t208\t23\t4\t5760\t24\t9\t1420\t6\t0\n"
                                      "2451546\t2\t1\t2000\t20\t12\t1999\t13\t1\t1\t2000\t12\t4\t208\t24\t4\t5760\t25\t9\t1420\t0\t1\n"},
    {{"table", "1", "1"}, "1\t25\t11\t-4714\t2\t1\t-4713\t4\t2\t1\t-4713\t0\t0\t0\t0\t0\t0\t0\t0\t0\t2\t0\n"}, // zeros before a calendar's first day
    {{"easter", "2000", "2000"}, "2000\t2451658\t2451665\n"},
    {{"show", "--jd", "2299160", "--saints", "none"}, kShow},
    // --lang before the command or anywhere among its arguments; the last one wins.
    {{"--lang", "fr", "show", "--jd", "2299160", "--saints", "none"}, kFrenchShow},
    {{"show", "--jd", "2299160", "--saints", "none", "--lang", "fr"}, kFrenchShow},
    {{"--lang", "fr", "--lang", "en", "show", "--jd", "2299160", "--saints", "none"}, kShow},
    {{"convert", "--from", "republican", "--jd", "11 Nivose 1208"}, "2816787\n"}, // the row ends with the range
    {{"--lang", "fr", "convert", "--from", "gregorian", "--to", "roman", "--day", "0", "--month", "2", "--separator", " ", "3 juin 1997"}, "12e jour avant les calendes de juin 1997\n"},
    {{"convert", "--lang", "fr", "--from", "republican", "--to", "gregorian", "--day", "0", "--month", "2", "--separator", " ", "18 brumaire an VIII"}, "9 novembre 1799\n"},
    // A paste reads French whatever the language; the copy stays English.
    {{"convert", "--from", "jewish", "--to", "gregorian", "14 Nissan 5784"}, "22/04/2024\n"},
    {{"convert", "--from", "gregorian", "--to", "gregorian", "--separator", "\u2019", "1/1/2000"}, "01\u201901\u20192000\n"}, // any Windows-1252 separator
    {{"convert", "--from", "roman", "--to", "roman", "--month", "2", "--separator", " ", "veille des ides de mars 1997"}, "2nd day of Ides March 1997\n"},
    {{"feasts", "2008", "--lang", "fr"}, "reckoning\tgregorian\nash-wednesday\t6 f\xC3\xA9vrier 2008\neaster\t23 mars 2008\nascension\t1er mai 2008\npentecost\t11 mai 2008\n"},
    {{"span", "2451545", "2451500"}, "days\t-45\nweeks\t-6\t-3\nymd\t0\t-1\t-15\n"},
    {{"born", "--from", "julian", "--age", "67y4m12d", "--died", "3 March 1702"}, "first\t2318168\nlast\t2318168\n"},
    {{"key", "Fran\xC3\xA7ois"}, "FRAN\xC3\x87OIS\nFRANSOA\nFRANSOA\n"},
    {{"score", "Francois", "Fran\xC3\xA7ois"}, "13\n"},
    // Year-start styles: an Easter-style date held twice gives both days, or the one picked.
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--jd", "30 January 1648"}, "2323385\n"},
    {{"convert", "--from", "julian", "--year-start", "easter", "--jd", "10 April 1564"}, "2292409\n2292774\n"},
    {{"convert", "--from", "julian", "--year-start", "easter", "--jd", "--before-easter", "10 April 1564"}, "2292774\n"},
    {{"convert", "--from", "julian", "--year-start", "easter", "--to", "julian", "10 April 1564"}, "10/04/1564\n10/04/1564/65\n"},
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--to", "julian", "--dual-year", "0", "30 January 1648"}, "30/01/1648/49\n"},
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--to", "julian", "--dual-year", "2", "--year", "0", "30 January 1648"}, "30/01/48\n"},
    {{"convert", "--from", "julian", "--jd", "30/1/1648-9"}, "2323385\n"}, // without a style: the later year
    {{"convert", "--from", "gedcom", "--jd", "cal hebrew 14 nsn 5784"}, "2460423\n"},
    {{"convert", "--from", "gedcom", "--jd", "@#DJULIAN@ 21 JAN 1718/19"}, "2348943\n"},
    {{"convert", "--from", "gregorian", "--to", "muslim", "--gedcom", "5", "7/12/2026"}, "INT 7 DEC 2026 (27 Jumad Al-Thani 1448)\n"},
    {{"convert", "--from", "gregorian", "--to", "jewish", "--gedcom", "7", "14/3/2006"}, "HEBREW 14 ADS 5766\n"},
    {{"convert", "--from", "gedcom", "--to", "republican", "--gedcom", "7", "6 DEC 1793"}, "FRENCH_R 16 FRIM 2\n"},
    // clang-format on
};

TEST(Cli, WholeOutputs) {
    for (const auto& c : kOutputs) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, 0) << Joined(c.args) << run.err;
        EXPECT_EQ(run.out, c.out) << Joined(c.args);
    }
}

const struct {
    Args args;
    const char* lines;
} kLines[] = {
    // clang-format off
    {{"show", "--jd", "2299161"}, "civil\tjulian"}, // the civil calendar follows the reform day
    {{"show", "--jd", "2299161", "--reform", "2299161"}, "civil\tgregorian"},
    {{"feasts", "2000", "--julian"}, "easter\t17 April 2000"},
    {{"feastdate", "Tuesday after Laetare 1523"}, "2277409\njulian\t17 March 1523\ncivil\tjulian\nreading\tTuesday after Laetare 1523: Laetare is 15 March 1523 by the Julian computus, so 17 March 1523"},
    {{"feastdate", "Easter 1500", "--gregorian"}, "gregorian\t01 April 1500"},
    {{"feastdate", "--reform", "2361222", "Michaelmas 1752"}, "gregorian\t29 September 1752\ncivil\tgregorian"},
    // A whole clause with its year apart, a check, and a clause that means two days.
    {{"feastdate", "--year", "1553", "freitags nach Martini"}, "2288612\njulian\t17 November 1553"},
    {{"feastdate", "Michaelmas 1348, indiction XV"}, "check\tindiction 15 is that of 1347 in the Roman style, not of 1348"},
    {{"feastdate", "Crucis 1400"}, "2232531\n\n2232665"},
    // the saints search's weakest likeness that still names one saint: said, not refused
    {{"feastdate", "le jour de saint Mahir 1500"}, "certainty\tdoubtful: 'mahir' read as Marie"},
    {{"feastdate", "--year-start", "easter", "Donn\u00e9 \u00e0 Paris, le lundi apr\u00e8s les Brandons, l'an du Seigneur 1316"}, "julian\t21 February 1317"},
    {{"--lang", "fr", "feastdate", "veille de l\u2019Assomption 1450"}, "julian\t14 ao\xC3\xBBt 1450\nreading\tveille de l\u2019Assomption 1450 : l'Assomption tombe le 15 ao\xC3\xBBt 1450 dans le calendrier julien, donc le 14 ao\xC3\xBBt 1450"},
    {{"feasts", "1523", "--all"}, "Circumcisio Domini (Circumcision)\t01 January 1523\nLaetare (Fourth Sunday in Lent)\t15 March 1523\nCorpus Christi\t04 June 1523\nDominica quarta Adventus (Fourth Sunday of Advent)\t20 December 1523"},
    // Spans from 1 January 1700 Julian to 17 September 1753, a year after England's reform.
    {{"span", "2341983", "2361590"}, "ymd\t53\t8\t6"},
    {{"span", "--calendar", "civil", "--reform", "2361222", "2341983", "2361590"}, "ymd\t53\t8\t16"},
    {{"span", "--calendar", "jewish", "--from", "jewish", "1 Tishri 5784", "1 Tishri 5785"}, "ymd\t1\t0\t0"},
    {{"add", "--from", "julian", "3 March 1702", "-67y4m12d"}, "2318168\njulian\t19 October 1634"},
    {{"add", "--from", "gregorian", "31 January 2000", "1m"}, "gregorian\t29 February 2000"},
    {{"--lang", "fr", "add", "--from", "gregorian", "1 janvier 2000", "3s"}, "gregorian\t22 janvier 2000"},
    {{"show", "--year-start", "annunciation", "--jd", "2323385"}, "julian\t30 January 1648/49\ngregorian\t09 February 1648/49\njewish\t27 Shevat 5409"},
    {{"show", "--year-start", "pisan", "--jd", "2323500"}, "julian\t25 May 1649/50"},
    {{"show", "--year-start", "nativity", "--jd", "2323715"}, "julian\t26 December 1649/50"},
    {{"convert", "--from", "julian", "--year-start", "easter", "10 April 1564"}, "julian\t10 April 1564\njulian\t10 April 1564/65"},
    {{"show", "--from", "julian", "30 January 1648", "--year-start", "annunciation"}, "julian\t30 January 1648/49"},
    {{"show", "--before-easter", "--from", "julian", "10 April 1564", "--year-start", "easter"}, "julian\t10 April 1564/65"},
    // After --style-until the year counts from 1 January again.
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--style-until", "2360976", "--jd", "30 January 1760"}, "2363927"},
    {{"born", "--died", "5 December -4714", "--from", "gregorian", "--age", "0y"}, "first\t1"}, // cut, and said to be
    {{"elements", "--jd", "2208935"}, "golden-number\t6\nindiction-roman\t3\nindiction-greek\t4\nregnal-england\tEdward III 9"},
    {{"elements", "--lang", "fr", "--from", "julian", "26 septembre 1335"}, "regnal-england\t\303\211douard III 9"},
    {{"elements", "--reform", "2361222", "--jd", "2341983"}, "day-of-year\t1"}, // 1 January 1700 in England, 12 January elsewhere
    // clang-format on
};

TEST(Cli, OutputLines) {
    for (const auto& c : kLines) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, 0) << Joined(c.args) << run.err;
        std::istringstream lines(c.lines);
        for (std::string line; std::getline(lines, line);)
            EXPECT_NE(("\n" + run.out).find("\n" + line + "\n"), std::string::npos)
                << Joined(c.args) << "lacks " << line << " in\n"
                << run.out;
    }
}

// Refused: nothing on standard output, one line of error, in French after --lang fr.
const struct {
    Args args;
    int status;
    const char* says;
} kRefusals[] = {
    // clang-format off
    {{}, 2, "missing command"}, {{"nonsense"}, 2, "unknown command 'nonsense'"},
    {{"table"}, 2, "two day numbers"}, 
    {{"table", "1", "5", "9"}, 2, "two day numbers"},
    {{"table", "0", "5"}, 2, "'0' is not a day number from 1 to 2816787"},
    {{"table", "1", "2816788"}, 2, "'2816788'"}, 
    {{"table", "99999999999999999999", "1"}, 2, "'99999999999999999999'"},
    {{"table", "5", "1"}, 2, "FIRST must not be greater than LAST"},
    {{"easter", "0", "5"}, 2, "'0' is not a year"},
    {{"show", "--jd"}, 2, "--jd needs a day number"},
    {{"show", "--jd", "0"}, 2, "'0' is not a day number"},
    {{"show", "--saints", "often"}, 2, "'often' is not a saints mode"},
    {{"show", "--reform", "2299160"}, 2, "'2299160' is not a reform day"},
    {{"show", "--bogus"}, 2, "'--bogus'"},
    {{"convert", "--from", "aztec", "1/1/2000"}, 2, "'aztec' is not a calendar"},
    {{"convert", "--from", "gregorian", "--month", "3", "1/1/2000"}, 2, "--month"},
    {{"convert", "--from", "gregorian", "--jd", "29/2/1900"}, 1, "Gregorian"},
    {{"convert", "--from", "gregorian", "--to", "republican", "1/1/1700"}, 1, "Republican"},
    {{"convert", "--from", "republican", "--jd", "12 Nivose 1208"}, 1, ""},
    {{"feasts", "3000"}, 1, "year 3000 is outside 1 to 2999"},
     {{"feasts", "--all"}, 2, "missing year"},
     {{"key"}, 2, "usage: key NAME"},
    {{"key", "\xC5\x81ukasz"}, 1, "Windows-1252"}, // refused, not mangled
    {{"score", "a"}, 2, "usage: score"}, {{"search", "--bogus", "x"}, 2, "'--bogus' for search"},
    {{"search", "a", "b"}, 2, "usage: search"},
    {{"feastdate", "Tuesday after Zzqxw 1523"}, 1, "Zzqxw"},
    {{"feastdate", "--reform", "2361222", "Nativity of Mary 1752"}, 1, "skipped"},
    {{"feastdate", "--year", "1500", "freitags nach Xyzzy"}, 1, "named \"Xyzzy\""},
    {{"feastdate", "freitags nach Martini"}, 1, "--year"},
    {{"feastdate", "--year", "3000", "Martini"}, 2, "--year needs a year"},
    {{"feastdate"}, 2, "needs the TEXT"}, {{"feastdate", "Easter", "1500"}, 2, "one TEXT"},
    {{"feastdate", "--julian", "--gregorian", "Easter 1500"}, 2, "only one of --julian and --gregorian"},
    {{"feastdate", "--reform", "12", "Easter 1500"}, 2, "'12' is not a reform day"},
    {{"feastdate", "--reform"}, 2, "--reform needs a day number"},
    {{"feastdate", "--list"}, 2, "--list needs a FILE"},
    {{"feastdate", "--list", "a.csv", "Easter 1500"}, 2, "either --list FILE or one TEXT"},
    {{"feastdate", "--column", "2", "Easter 1500"}, 2, "--column goes only with --list"},
    {{"feastdate", "--list", "a.csv", "--year-column"}, 2, "--year-column needs a column"},
    {{"feastdate", "--list", "a.csv", "--output", "a.csv"}, 2, "never writes over the list it reads (a.csv)"},
    {{"feastdate", "--list", "/nonexistent/a.csv"}, 1, "cannot open /nonexistent/a.csv"},
     {{"span"}, 2, "span needs two days"},
    
    {{"span", "1", "2", "3"}, 2, "span needs two days"}, {{"span", "0", "2"}, 2, "'0'"},
    
    {{"span", "--calendar", "aztec", "1", "2"}, 2, "'aztec' is not a calendar to count in"},
    {{"span", "--calendar"}, 2, ""},
    {{"span", "--reform", "12", "1", "2"}, 2, "'12' is not a reform day"},
    {{"span", "--calendar", "jewish", "1", "2"}, 1, "no date in that calendar"},
    {{"span", "--from", "gregorian", "30 February 2001", "1 March 2001"}, 1, ""},
    
    {{"add", "--from", "gregorian", "1 January 2000"}, 2, "add needs --from CAL"},
    
    {{"add", "--from", "gregorian", "1 January 2000", "1q"}, 2, "\"1q\" is not a span"},
    {{"add", "--from", "gregorian", "1 January 2000", "1y1y"}, 2, "\"1y1y\" is not a span"},
    {{"add", "--from", "gregorian", "1 January 2000", "99999999d"}, 2, "\"99999999d\" is not a span"},
    {{"add", "--from", "gregorian", "1 January 2000", "+"}, 2, "\"+\" is not a span"},
    
    {{"add", "--from", "gregorian", "1 January 2000", "1001y"}, 1, "the result lies outside"},
    {{"add", "--from", "gregorian", "no date", "1d"}, 1, ""},
    {{"born", "--died", "3 March 1702", "--from", "julian"}, 2, "born needs --died"},
    {{"born", "--died", "3 March 1702", "--from", "julian", "--age", "-1y"}, 2, "\"-1y\" is not an age"},
    
    {{"born", "--died", "3 March 1702", "--from", "julian", "--age", "0m40d"}, 1, "no day of birth gives that age"},
    {{"show", "--year-start"}, 2, "--year-start needs a style"},
    {{"show", "--year-start", "lady-day"}, 2, "'lady-day' is not a year-start style"},
    
    {{"show", "--style-until", "0"}, 2, "'0'"},
    {{"convert", "--from", "julian", "--year-start", "Easter", "1 May 1564"}, 2, "'Easter'"},
    {{"convert", "--from", "julian", "--year-start", "easter", "--jd", "15 April 1500"}, 1, "does not occur"},
    {{"convert", "--from", "julian", "--year-start", "easter", "--jd", "--before-easter", "--after-easter", "10 April 1564"}, 2, "only one of --before-easter and --after-easter"},
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--style-until", "2360976", "10 February 1751"}, 1, "does not occur"},
    {{"convert", "--from", "julian", "--year-start", "annunciation", "--to", "julian", "--dual-year", "3", "30 May 1648"}, 2, "--dual-year"},
    {{"convert", "--from", "julian", "--jd", "30 May 1648/49"}, 1, ""},
    {{"convert", "--from", "gedcom", "--jd", "ABT 1850"}, 1, "a year or a month alone names no day"},
    {{"convert", "--from", "gedcom", "--jd", "BET 1850 AND 1860"}, 1, "a range or a period"},
    {{"convert", "--from", "gedcom", "--jd", "1 FEB 1649/9"}, 1, "a dual year out of its place"},
    {{"convert", "--from", "gregorian", "--to", "republican", "--gedcom", "5", "1/1/1700"}, 1, ""},
    {{"show", "--from", "julian", "10 April 1564", "--year-start", "easter"}, 1, "--before-easter"}, // never one of two silently
    
    {{"convert", "--from", "gregorian", "--gedcom", "5", "1/1/2000"}, 2, "--gedcom needs --to CAL"},
    {{"convert", "--from", "gregorian", "--to", "julian", "--gedcom", "6", "1/1/2000"}, 2, "--gedcom"},
    {{"gedcom"}, 2, ""}, {{"gedcom", "a", "b"}, 2, ""}, {{"gedcom", "--bogus"}, 2, ""},
    {{"gedcom", "--fix"}, 2, "gedcom --fix needs OUT and FILE"}, {{"gedcom", "--force", "a.ged"}, 2, "--fix"},
    {{"gedcom", "--fix", "-", "a.ged"}, 2, "--fix"},
    {{"gedcom", "--fix", "a.ged", "a.ged"}, 1, "--fix never writes over the file it reads (a.ged)"},
    {{"gedcom", "/nonexistent/tree.ged"}, 1, "cannot open /nonexistent/tree.ged"},
    {{"--lang"}, 2, "--lang needs en or fr"},
    {{"--lang", "de", "show"}, 2, "'de' is not a language (en, fr)"},
    {{"elements", "--jd", "2208935", "--from", "julian", "1 May 1500"}, 2, "one of --jd and --from"},
    {{"elements", "--from", "julian", "10 April 1564", "--year-start", "easter"}, 1, "--before-easter"},
    {{"elements", "--saints", "none"}, 2, "'--saints' for elements"},

    // clang-format on
};

TEST(Cli, Refusals) {
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(Joined(c.args));
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(run.err.rfind("quindor-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        Args french = {"--lang", "fr"};
        french.insert(french.end(), c.args.begin(), c.args.end());
        const CRun fr = Cli(french);
        EXPECT_EQ(fr.status, c.status);
        EXPECT_TRUE(fr.out.empty());
        EXPECT_EQ(fr.err.find('\n'), fr.err.size() - 1) << fr.err;
        EXPECT_NE(fr.err, run.err);
    }
}

TEST(Cli, LanguageAndOperands) {
    EXPECT_EQ(Cli({"--lang", "fr", "show", "--lang", "de"}).err,
              "quindor-cli: \xC2\xAB de \xC2\xBB n'est pas une langue (en, fr)\n");
    // After "--" the text is an operand, even "--lang".
    const CRun operand = Cli({"--lang", "fr", "convert", "--from", "gregorian", "--", "--lang"});
    EXPECT_EQ(operand.status, 1);
    EXPECT_NE(operand.err.find("\xC2\xAB --lang \xC2\xBB"), std::string::npos) << operand.err;
    // The language holds for one run only.
    EXPECT_EQ(TextLanguage(), ETextLanguage::English);
    EXPECT_NE(Cli({"show", "--jd", "2299160"}).out.find("weekday\tThursday"), std::string::npos);
    const CRun cut =
        Cli({"born", "--died", "5 December -4714", "--from", "gregorian", "--age", "0y"});
    EXPECT_NE(cut.err.find("first supported day"), std::string::npos) << cut.err;
}

// Standard output on a full disk: every write fails.
class CFullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Cli, OutputThatCannotBeWrittenIsAFailure) {
    for (const Args& args : {Args{"table", "1", "3"}, Args{"show", "--jd", "2451545"},
                             Args{"--help"}, Args{"--version"}, Args{"table", "0", "5"}}) {
        CFullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        const bool refused =
            args.size() > 1 && args[1] == "0"; // a refusal keeps its own status and message
        EXPECT_EQ(RunCli(args, out, err), refused ? 2 : 1) << args[0];
        EXPECT_EQ(err.str() == "quindor-cli: cannot write the output\n", !refused) << err.str();
    }
}

std::set<std::string> Matches(const std::string& text, const char* pattern) {
    const std::regex re(pattern);
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1]);
    return found;
}

TEST(Cli, HelpNamesTheSameCommandsAndOptionsInBothLanguages) {
    const CRun english = Cli({"--help"});
    const CRun french = Cli({"--lang", "fr", "--help"});
    ASSERT_EQ(french.status, 0);
    EXPECT_NE(french.out.find("Commandes :"), std::string::npos);
    const char* const command = "\n  ([a-z]+) ";
    const char* const option = "(--[a-z-]*)";
    EXPECT_EQ(Matches(french.out, command), Matches(english.out, command));
    EXPECT_EQ(Matches(french.out, option), Matches(english.out, option));
    EXPECT_EQ(Matches(english.out, command).size(), 15u);
    // Each command's own --help: its usage, a success, in either language.
    for (const std::string& name : Matches(english.out, command)) {
        for (const Args& args : {Args{name, "--help"}, Args{"--lang", "fr", name, "-h"}}) {
            const CRun help = Cli(args);
            EXPECT_EQ(help.status, 0) << Joined(args) << help.err;
            EXPECT_EQ(help.out.rfind("quindor-cli " + name + " ", 0), 0u) << help.out;
        }
    }
    EXPECT_EQ(Cli({"show", "--from", "julian", "--help"}).status, 1); // the TEXT, read
}

// Each message in both languages, with the same arguments in each.
TEST(Cli, EveryMessageHasItsFrenchText) {
    for (int i = 0; i < MSG_COUNT; ++i) {
        const auto id = static_cast<ECliText>(i);
        const std::string_view english = cli_detail::EnglishTemplate(id);
        const std::string_view french = cli_detail::FrenchTemplate(id);
        EXPECT_FALSE(english.empty()) << i;
        EXPECT_NE(english, french) << i;
        for (const char* mark : {"%1", "%2", "%3"})
            EXPECT_EQ(english.find(mark) == english.npos, french.find(mark) == french.npos)
                << i << " " << mark;
        EXPECT_EQ(french.find("'%"), french.npos) << i; // French quotes « so », never 'so'
    }
    EXPECT_EQ(CliText(MSG_COUNT), "");
    EXPECT_EQ(CliRowName(static_cast<CalendarRow>(6)), "");
    SetTextLanguage(ETextLanguage::French);
    const std::string row = CliRowName(CalendarRow::Gregorian);
    const std::string text = CliText(MSG_FORM_TAKES, {"--day", "0 ou 1", "x%1"});
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(row, "gr\xC3\xA9gorienne");
    EXPECT_EQ(text,
              "--day prend 0 ou 1, pas \xC2\xAB x%1 \xC2\xBB"); // an argument goes in as it is
}

TEST(Cli, GedcomFileLinesAndSummary) {
    std::istringstream in(
        "0 HEAD\r\n1 CHAR ANSEL\r\n0 @I1@ INDI\r\n1 BIRT\r\n2 DATE 30 FEB 1700\r\n"
        "2 DATE BET 1700\r\n3 CONC  AND 1710\r\n2 DATE (in\tthe\r\n3 CONT spring)\r\n"
        "2 DATE FROM 1700\r\n2 DATE Abt. 17 JUL 2016\r\n2 DATE 11 FEB 1731/32\r\n"
        "2 DATE 1500\r\n2 DATE _UNKNOWN 87\r\n");
    std::ostringstream out, err;
    ASSERT_EQ(CmdGedcomFile(in, "standard input", out, err), 0);
    EXPECT_EQ(out.str(),
              "5\t\t\tno-such-day\t30 FEB 1700\t\n"
              "6\t2341973\t2345989\tok\tBET 1700 AND 1710\t\n"
              "8\t\t\tphrase\t(in the spring)\t\n"
              "10\t2341973\t\tok\tFROM 1700\t\n"
              "11\t2457587\t2457587\tnonstandard\tAbt. 17 JUL 2016\tABT 17 JUL 2016\n"
              "12\t2353712\t2353712\told-style\t11 FEB 1731/32\t@#DJULIAN@ 11 FEB 1731/32\n"
              "13\t2268924\t2269288\tgregorian-before-1582\t1500\t\n"
              "14\t\t\textension\t_UNKNOWN 87\t\n");
    EXPECT_EQ(err.str(), "quindor-cli: 8 DATE lines: 2 ok, 4 with findings, 2 right but worth "
                         "knowing (Gregorian before 1582, extension); ANSEL file, its dates read "
                         "as ASCII\n");
    const std::string csv = ::testing::TempDir() + "gedcom-cli-test.csv";
    std::ofstream(csv, std::ios::binary) << "name,born\nAda,1815\n";
    const CRun notGedcom = Cli({"gedcom", csv});
    std::remove(csv.c_str());
    EXPECT_EQ(notGedcom.status, 1);
    EXPECT_EQ(notGedcom.err,
              "quindor-cli: " + csv + " is not a GEDCOM file: line 1 is not 0 HEAD\n");
}

TEST(Cli, GedcomFixWritesACopyAndListsItsChanges) {
    const std::string dir = ::testing::TempDir();
    const std::string file = dir + "fix-in.ged", copy = dir + "fix-out.ged";
    std::ofstream(file, std::ios::binary) << "0 HEAD\r\n1 DATE Abt. 1850\r\n1 DATE 1500\r\n";
    std::ofstream(copy, std::ios::binary) << "mine";
    const CRun refused = Cli({"gedcom", "--fix", copy, file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "quindor-cli: " + copy + " exists: give --force to replace it\n");
    const CRun fixed = Cli({"gedcom", "--fix", copy, "--force", "--julian-before-1582", file});
    EXPECT_EQ(fixed.status, 0);
    EXPECT_EQ(fixed.out, "2\tAbt. 1850\tABT 1850\n3\t1500\t@#DJULIAN@ 1500\n");
    EXPECT_EQ(fixed.err, "quindor-cli: " + copy + " written: 2 values replaced\n");
    std::ifstream in(copy, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "0 HEAD\r\n1 DATE ABT 1850\r\n1 DATE @#DJULIAN@ 1500\r\n");
    std::remove(file.c_str());
    std::remove(copy.c_str());
}

// A list dated into a new file: every column kept, the columns added, the
// summary; a fault keeps the rows before it; the input is never written.
TEST(Cli, FeastDateListWritesTheDatedList) {
    const std::string dir = ::testing::TempDir();
    const std::string list = dir + "list-in.csv", dated = dir + "list-out.csv";
    const std::string input = "\xEF\xBB\xBFid;clause;year\r\n"
                              "1;freitags nach Martini;1553\r\n"
                              "2;\"Margarethe; 1450\";\r\n"
                              "3;\"\";1553\r\n"
                              "4;freitags nach Martini;1553;x\r\n";
    std::ofstream(list, std::ios::binary) << input;
    std::remove(dated.c_str());
    const Args args = {"feastdate",     "--list", list,       "--column", "CLAUSE",
                       "--year-column", "3",      "--output", dated};
    CRun run = Cli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "quindor-cli: 4 rows: 1 sure, 0 doubtful, 1 several days, 2 refused\n");
    std::ifstream in(dated, std::ios::binary);
    const std::string out(std::istreambuf_iterator<char>(in), {});
    const std::string head =
        "id;clause;year;day;date;calendar;weekday;certainty;reading;checks;other days\r\n"
        "1;freitags nach Martini;1553;2288612;1553-11-17;julian;Friday;sure;";
    EXPECT_EQ(out.substr(0, head.size()), head);
    EXPECT_NE(out.find("\r\n2;\"Margarethe; 1450\";;2250864;1450-07-13;julian;Monday;several;"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\r\n3;;1553;;;;;refused;the row holds no clause;;\r\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("\r\n4;freitags nach Martini;1553;x;;;;;refused;the row has 4 fields, the "
                       "header 3;;\r\n"),
              std::string::npos)
        << out;
    // The output is never replaced, and the input stays as it was.
    run = Cli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("exists"), std::string::npos);
    std::remove(dated.c_str());

    // Cut short inside a quoted field: the rows before are written, then the fault.
    std::ofstream(list, std::ios::binary) << "clause\tyear\nMartini\t1553\n\"Martini";
    run = Cli(
        {"--lang", "fr", "feastdate", "--list", list, "--year-column", "year", "--output", dated});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "quindor-cli: 1 ligne : 1 s\xC3\xBBres, 0 douteuses, 0 \xC3\xA0 plusieurs jours, "
              "0 refus\xC3\xA9"
              "es\nquindor-cli: " +
                  list +
                  " : le fichier finit dans le champ entre guillemets de la ligne 3 (tronqué ?) ; "
                  "les lignes d'avant sont gardées\n");
    std::ifstream cut(dated, std::ios::binary);
    const std::string kept(std::istreambuf_iterator<char>(cut), {});
    EXPECT_EQ(kept.rfind("clause\tyear\tday\tdate\tcalendar\tweekday\tcertainty\treading\tchecks\to"
                         "ther days\nMartini\t1553\t2288606\t",
                         0),
              0u)
        << kept;
    EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 2);
    run = Cli({"feastdate", "--list", list, "--column", "date"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "quindor-cli: " + list +
                           " has no column \"date\" (its columns: \"clause\", \"year\")\n");
    std::remove(list.c_str());
    std::remove(dated.c_str());
}

// Big enough for many batches between the reading and the checking thread:
// every line comes once, in order, and the copy matches a line-by-line one.
TEST(Cli, GedcomBatchesKeepTheFileOrder) {
    std::string file = "0 HEAD\n";
    std::string expected = "0 HEAD\n";
    constexpr int kDates = 12000;
    const std::string note = "1 NOTE " + std::string(1000, 'n') + "\n"; // over 1 MiB in all
    for (int i = 0; i < kDates; ++i) {
        const std::string year = std::to_string(1600 + i % 400);
        file += i % 3 == 0 ? "1 DATE Abt. " + year + "\n" : "1 DATE " + year + "\n";
        expected += i % 3 == 0 ? "1 DATE ABT " + year + "\n" : "1 DATE " + year + "\n";
        if (i % 10 == 9) {
            file += note;
            expected += note;
        }
    }
    std::istringstream in(file);
    std::ostringstream out, err;
    ASSERT_EQ(CmdGedcomFile(in, "standard input", out, err), 0);
    std::istringstream rows(out.str());
    std::string row;
    int line = 1, dates = 0;
    while (std::getline(rows, row)) {
        line += dates++ % 10 == 0 && dates > 1 ? 2 : 1;
        ASSERT_EQ(row.substr(0, row.find('\t')), std::to_string(line));
    }
    EXPECT_EQ(dates, kDates);
    const std::string dir = ::testing::TempDir();
    const std::string source = dir + "batches-in.ged", copy = dir + "batches-out.ged";
    std::ofstream(source, std::ios::binary) << file;
    const CRun fixed = Cli({"gedcom", "--fix", copy, "--force", source});
    EXPECT_EQ(fixed.status, 0);
    std::ifstream written(copy, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), expected);
    std::remove(source.c_str());
    std::remove(copy.c_str());
}

// year: the civil year of a reform, an anniversary across it, an iCalendar
// file that comes out the same twice, and each refusal in one line.
TEST(Cli, YearTablesAndCalendarFiles) {
    const struct {
        Args args;
        const char* found; // a piece of the output
        std::size_t lines; // CRLF lines
    } kYears[] = {
        // clang-format off
        {{"year", "1582", "--reform", "2299161", "--format", "csv"}, "\r\n2299160,04 October 1582,Thursday,04 Nones October 1582,,18 Tishri 5343,17 Ramadhan 990,,\r\n2299161,15 October 1582,Friday,", 356},
        {{"year", "1752", "--reform", "2361222", "--format", "csv", "--anniversary", "julian", "10 September 1700"}, ",21 September 1752,Thursday,04 Ides September 1752,,13 Tishri 5513,13 Zul-Qida 1165,,Matthaei (St Matthew),Anniversary of 10 September 1700 (Julian calendar)\r\n", 356},
        {{"year", "2025", "--calendar", "gregorian", "--format", "ics", "--stamp", "20250101T000000Z", "--anniversary", "jewish", "1 Tevet 5780"}, "DTSTART;VALUE=DATE:20251221\r\nDTEND;VALUE=DATE:20251222\r\nSUMMARY:Anniversary of 01 Tevet 5780 (Jewish calendar)\r\n", 24},
        {{"--lang", "fr", "year", "1523", "--calendar", "julian", "--format", "ics", "--feasts", "--stamp", "20250101T000000Z"}, "DTSTART;VALUE=DATE:15230415\r\nDTEND;VALUE=DATE:15230416\r\nSUMMARY:Pascha (P\xC3\xA2ques)\r\n", 0},
        // clang-format on
    };
    for (const auto& c : kYears) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, 0) << Joined(c.args) << run.err;
        EXPECT_NE(run.out.find(c.found), std::string::npos) << Joined(c.args);
        if (c.lines)
            EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
                      c.lines);
        EXPECT_EQ(Cli(c.args).out, run.out) << Joined(c.args); // reproducible
    }
    const struct {
        Args args;
        int status;
        const char* err;
    } kRefused[] = {
        // clang-format off
        {{"year", "0", "--format", "csv"}, 1, "the year 0 has no day from 4713 BC to AD 2999 in that calendar"},
        {{"year", "1", "--calendar", "julian", "--format", "ics"}, 1, "an iCalendar file holds no day before 1 January 1 (Gregorian): the year 1 begins earlier"},
        {{"year", "1582", "--format", "pdf"}, 2, "'pdf' is not a format (csv, ics)"},
        {{"year", "1582"}, 2, "year needs a YEAR and --format csv or ics (try --help)"},
        {{"year", "1582", "--calendar", "roman", "--format", "csv"}, 2, "'roman' is not a calendar for a year (civil, julian, gregorian)"},
        {{"year", "1582", "--format", "csv", "--anniversary", "roman", "1 May 1600"}, 2, "'roman' is not a calendar for an anniversary (gregorian, julian, jewish, muslim, republican)"},
        {{"year", "1582", "--format", "csv", "--anniversary", "jewish"}, 2, "--anniversary needs a calendar and the TEXT of a date"},
        {{"year", "1582", "--format", "csv", "--anniversary", "jewish", "31 Adar 5700"}, 1, "the Jewish row cannot read \"31 Adar 5700\""},
        {{"year", "1582", "--format", "ics", "--stamp", "2024"}, 2, "'2024' is not a UTC time like 20240101T120000Z"},
        {{"year", "1582", "--format", "ics", "--stamp", "20241399T256199Z"}, 2, "'20241399T256199Z' is not a UTC time like 20240101T120000Z"},
        {{"year", "1582", "--format", "csv", "--saints", "julian"}, 2, "'julian' is not a saints list (none, traditional, present)"},
        {{"--lang", "fr", "year", "1582", "--format", "csv", "--bogus"}, 2, "option inconnue \xC2\xAB --bogus \xC2\xBB pour year"},
        // clang-format on
    };
    for (const auto& c : kRefused) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << Joined(c.args);
        EXPECT_EQ(run.err, std::string("quindor-cli: ") + c.err + "\n") << Joined(c.args);
        EXPECT_EQ(run.out, "") << Joined(c.args);
    }
}
} // namespace
