// quindor-cli --lang fr: the same commands, French dates, names and
// messages; the keys stay, and English stays the default.
#include "CliRun.h"
#include "CliText.h"

#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(CliFrench, ShowConvertAndFeastsWriteFrench) {
    const std::string show = "gregorian\t14 octobre 1582\n"
                             "julian\t04 octobre 1582\n"
                             "roman\t04 Nones octobre 1582\n"
                             "republican\t\n"
                             "jewish\t18 Tichri 5343\n"
                             "muslim\t17 Ramadan 990\n"
                             "weekday\tjeudi\n"
                             "republican-day\t\n"
                             "civil\tjulian\n";
    // Before the command or anywhere among its arguments.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--lang", "fr", "show", "--jd", "2299160", "--saints", "none"},
          {"show", "--jd", "2299160", "--lang", "fr", "--saints", "none"},
          {"show", "--jd", "2299160", "--saints", "none", "--lang", "fr"},
          {"--lang", "en", "show", "--lang", "fr", "--jd", "2299160", "--saints", "none"}}) {
        const CRun run = Cli(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_EQ(run.out, show) << args[0];
    }
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"--lang", "fr", "convert", "--from", "gregorian", "--to", "roman", "--day", "0",
          "--month", "2", "--separator", " ", "3 juin 1997"},
         "12e jour avant les calendes de juin 1997\n"},
        {{"--lang", "fr", "convert", "--from", "gregorian", "--to", "jewish", "--day", "0",
          "--month", "2", "--separator", " ", "7/3/2023"},
         "14 Adar 5783\n"},
        {{"convert", "--lang", "fr", "--from", "republican", "--to", "gregorian", "--day", "0",
          "--month", "2", "--separator", " ", "18 brumaire an VIII"},
         "9 novembre 1799\n"},
        // Paste reads French whatever the language; the English copy stays.
        {{"convert", "--from", "jewish", "--to", "gregorian", "14 Nissan 5784"}, "22/04/2024\n"},
        {{"convert", "--from", "roman", "--to", "roman", "--month", "2", "--separator", " ",
          "veille des ides de mars 1997"},
         "2nd day of Ides March 1997\n"},
        {{"feasts", "2008", "--lang", "fr"},
         "reckoning\tgregorian\nash-wednesday\t6 f\xC3\xA9vrier 2008\neaster\t23 mars 2008\n"
         "ascension\t1er mai 2008\npentecost\t11 mai 2008\n"},
        {{"--lang", "fr", "convert", "--from", "gregorian", "--", "--lang"}, ""},
    };
    for (const auto& c : cases) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.out, c.out) << c.args.back();
    }
    // After "--" the text is an operand, even "--lang".
    EXPECT_NE(Cli({"--lang", "fr", "convert", "--from", "gregorian", "--", "--lang"})
                  .err.find("« --lang »"),
              std::string::npos);
    // The language holds for one run: the next one is English again.
    EXPECT_EQ(TextLanguage(), ETextLanguage::English);
    EXPECT_NE(Cli({"show", "--jd", "2299160"}).out.find("weekday\tThursday"), std::string::npos);
}

TEST(CliFrench, ABadLanguageIsAUsageError) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--lang"},
          {"--lang", "de", "show"},
          {"show", "--lang"},
          {"show", "--lang", "FR"},
          {"--lang", "fr", "table", "1", "2", "--lang", "english"}}) {
        const CRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_EQ(run.err.rfind("quindor-cli: ", 0), 0u) << args.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << args.back();
    }
    EXPECT_EQ(Cli({"--lang", "de"}).err, "quindor-cli: 'de' is not a language (en, fr)\n");
    EXPECT_EQ(Cli({"--lang", "fr", "show", "--lang", "de"}).err,
              "quindor-cli: « de » n'est pas une langue (en, fr)\n");
    EXPECT_EQ(Cli({"--lang", "fr"}).err, "quindor-cli: commande manquante (voir --help)\n");
}

std::set<std::string> HelpWords(const std::string& help, bool commands) {
    std::set<std::string> words;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        if (commands && line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ')
            words.insert(line.substr(2, line.find(' ', 2) - 2));
        for (std::size_t at = line.find("--"); !commands && at != std::string::npos;
             at = line.find("--", at + 2)) {
            std::size_t end = at + 2;
            while (end < line.size() &&
                   (std::islower(static_cast<unsigned char>(line[end])) || line[end] == '-'))
                ++end;
            words.insert(line.substr(at, end - at));
        }
    }
    return words;
}

TEST(CliFrench, HelpNamesTheSameCommandsAndOptions) {
    const CRun english = Cli({"--help"});
    const CRun french = Cli({"--lang", "fr", "--help"});
    ASSERT_EQ(french.status, 0);
    EXPECT_EQ(Cli({"--help", "--lang", "fr"}).out, french.out);
    EXPECT_NE(french.out, english.out);
    EXPECT_EQ(HelpWords(french.out, true), HelpWords(english.out, true));
    EXPECT_EQ(HelpWords(french.out, false), HelpWords(english.out, false));
    EXPECT_EQ(HelpWords(english.out, true).size(), 13u);
    EXPECT_TRUE(HelpWords(english.out, false).count("--lang"));
    EXPECT_NE(french.out.find("Commandes :"), std::string::npos);
}

// Each message in both languages, with the same arguments in each.
TEST(CliFrench, EveryMessageHasItsFrenchText) {
    for (int i = 0; i < MSG_COUNT; ++i) {
        const auto id = static_cast<ECliText>(i);
        const std::string_view english = cli_detail::EnglishTemplate(id);
        const std::string_view french = cli_detail::FrenchTemplate(id);
        EXPECT_FALSE(english.empty()) << i;
        EXPECT_NE(english, french) << i;
        for (const char* mark : {"%1", "%2", "%3"})
            EXPECT_EQ(english.find(mark) == std::string_view::npos,
                      french.find(mark) == std::string_view::npos)
                << i << " " << mark;
        // French quotes an argument « so », never 'so'.
        EXPECT_EQ(french.find("'%"), std::string_view::npos) << i;
    }
    EXPECT_EQ(CliText(MSG_COUNT), "");
    EXPECT_EQ(CliRowName(6), "");
    SetTextLanguage(ETextLanguage::French);
    const std::string row = CliRowName(0);
    const std::string text = CliText(MSG_FORM_TAKES, {"--day", "0 ou 1", "x%1"});
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(row, "gr\xC3\xA9gorienne");
    // An argument is put in as it is, even one that looks like a mark.
    EXPECT_EQ(text, "--day prend 0 ou 1, pas « x%1 »");
}

} // namespace
