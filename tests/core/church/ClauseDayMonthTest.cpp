#include "church/ClauseDayMonth.h"

#include "church/ClauseLexicon.h"
#include "church/ClauseYears.h"
#include "exchange/CopyFormat.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// What the finder reads, years claimed first as the clause reader does:
// "7/7 0-2", "vii Ides 7 0-2", "31/4 past 1-3"; joined by " / ".
std::string Found(const std::string& text) {
    const std::vector<CClauseWord> words = ClauseWords(text);
    std::vector<bool> claimed(words.size(), false);
    for (const CClauseYear& year : FindClauseYears(words, 0)) {
        for (std::size_t i = year.nFirst; i <= year.nLast; ++i)
            claimed[i] = true;
    }
    std::string found;
    for (const CClauseDayMonth& d : FindClauseDayMonths(words, claimed)) {
        if (!found.empty())
            found += " / ";
        if (d.eMark == EClauseMark::None)
            found += std::to_string(d.nDay) + '/' + std::to_string(d.nMonth);
        else
            found += std::to_string(d.nCount) + ' ' +
                     LoadResString(IDS_ROMAN_KIND_FIRST + static_cast<int>(d.eMark) - 1,
                                   ETextLanguage::English) +
                     ' ' + std::to_string(d.nMonth);
        if (d.eProblem != EDayMonthProblem::None)
            found += " past";
        found += ' ' + std::to_string(d.nFirst) + '-' + std::to_string(d.nLast);
    }
    return found;
}

struct CCase {
    const char* pszText; // Windows-1252
    const char* pszFound;
};

template <std::size_t N> void CheckAll(const CCase (&cases)[N]) {
    for (const CCase& c : cases)
        EXPECT_EQ(Found(c.pszText), c.pszFound) << c.pszText;
}

TEST(ClauseDayMonth, German) {
    const CCase cases[] = {
        // digits; "den" is the article, never St Denis
        {"den 7. Juli 1590", "7/7 0-2"},
        {"Geben zu Prag den 7ten Julii 1590", "7/7 3-5"},
        {"Montag 7. Juli", "7/7 1-2"},
        {"den 14. M\xE4rz", "14/3 0-2"},
        {"im Mertzen den 3.", ""},
        // ordinals, old spellings, compounds
        {"den siebenden tag des monats Julii", "7/7 0-5"},
        {"den zehenden monats tag januarii", "10/1 0-4"},
        {"am ersten tag des mayen", "1/5 0-4"},
        {"am vierzehenden tag Hornungs", "14/2 0-3"},
        {"den ain und zwainzigisten tag Brachmonats", "21/6 0-5"},
        {"den einundzwanzigsten Augstmonat", "21/8 0-2"},
        {"den zwenund zwainzigisten monatstag february", "22/2 0-4"},
        {"den drey zechenden novembris", "13/11 0-3"},
        {"den sybenundzwainzigisten Januarii", ""},
        {"den sybn und zwainzigisten Januarii", ""},
        {"den ein und dreissigsten tag Christmonats", "31/12 0-5"},
        // the teens: a unit, "zehen" in any spelling, an ordinal ending
        {"den dreizehnten mai", "13/5 0-2"},
        {"den fierzehenden mai", "14/5 0-2"},
        {"den funffzechenten mai", "15/5 0-2"},
        {"den sechzehnten mai", "16/5 0-2"},
        {"den sibenzehende mai", "17/5 0-2"},
        {"den achtzehenten mai", "18/5 0-2"},
        {"den neunzechenden mai", "19/5 0-2"},
        {"den vierzehner mai", ""},
        {"den zehenzehnten mai", ""},
        // a weekday's number, a count of days, no month: no date
        {"am dritten sontag im Mai", ""},
        {"am dritten tag nach Pfingsten 1590", ""},
        {"den 31. April", "31/4 past 0-2"},
    };
    CheckAll(cases);
}

TEST(ClauseDayMonth, DutchAndItalian) {
    const CCase cases[] = {
        {"den 14 Maart 1605", "14/3 0-2"},
        {"op den 3en Mei", "3/5 0-3"},
        {"den een en twintigsten Oktober", "21/10 0-4"},
        {"Di Leida il 14 di Marzo 1605", "14/3 2-5"},
        {"a di 3 maggio", "3/5 0-3"},
        {"il primo di maggio", "1/5 0-3"},
        {"li ventuno luglio", "21/7 0-2"},
        {"Dall'Haya a' x decembre", "10/12 2-4"},
        {"il due giugno", "2/6 0-2"},
    };
    CheckAll(cases);
}

TEST(ClauseDayMonth, French) {
    const CCase cases[] = {
        {"le 15 novembre 1590", "15/11 0-2"},
        {"ce 3 d'aoust", "3/8 0-3"},
        {"le 1er juing", "1/6 0-2"},
        // "mars" after a day is March, not St Aymar
        {"le 3e jour de mars", "3/3 0-4"},
        {"le quatriesme jour d'avril", "4/4 0-4"},
        {"le premier jour de may", "1/5 0-4"},
        {"le vingt et ung de juing", "21/6 0-5"},
        {"le dix sept mars", "17/3 0-3"},
        {"le trente et unieme jour de decembre", "31/12 0-6"},
        {"le 3 sept", "3/9 0-2"},
        {"ce xxviiie Juin", "28/6 0-2"},
        // a numeral with an ending takes two letters at least, and an ending of ordinals
        {"ce ie Juin", ""},
        {"ce xxviiz Juin", ""},
        // an article is no day
        {"un jour de mars", ""},
        {"le 31 avril", "31/4 past 0-2"},
    };
    CheckAll(cases);
}

TEST(ClauseDayMonth, English) {
    const CCase cases[] = {
        {"the 20th of May 1590", "20/5 0-3"},
        {"Given at Westminster the 3d of March", "3/3 3-6"},
        {"May 20 1590", "20/5 0-1"},
        {"on May the 20th, in the year of our Lord 1590", "20/5 0-3"},
        {"20 May", "20/5 0-1"},
        {"the seventh day of July 1590", "7/7 0-4"},
        {"the twentieth day of May", "20/5 0-4"},
        {"the one and twentieth day of May", "21/5 0-6"},
        {"the thirty-first of December", "31/12 0-4"},
        // "may" the verb; the third Sunday is no day of the month
        {"that they may 3 times pay", ""},
        {"the third Sunday in May", ""},
    };
    CheckAll(cases);
}

TEST(ClauseDayMonth, Latin) {
    const CCase cases[] = {
        {"die 15 mensis novembris", "15/11 0-3"},
        {"7 Julii 1590", "7/7 0-1"},
        {"die septima mensis julii", "7/7 0-3"},
        {"die xv februarii", "15/2 0-2"},
        {"xv die mensis maii", "15/5 0-3"},
        {"die vicesima prima mensis maii", "21/5 0-4"},
        {"die tertia decima mensis junii", "13/6 0-4"},
        {"die octava mensis septembris", "8/9 0-3"},
        {"die vero vicesimatertia mensis junii", "23/6 0-4"},
        {"mensis junij die vigesimo octavo", "28/6 0-4"},
        {"Sleydinghe XVa Novembris", "15/11 1-2"},
        // a numeral or digits stand alone, never the tens of a compound
        {"die xx tertia mensis maii", "3/5 2-4"},
        {"die 20 tertia mensis maii", "3/5 2-4"},
        {"die 3zz mensis maii", ""}, // digits with no ending of an ordinal
        {"die xxxii mensis maii", ""},
        {"die 32 mensis maii", ""},
        {"die xxxi mensis maii", "31/5 0-3"},
        {"die 3 7bris", "3/9 0-2"},
        // St Augustine is no August
        {"in die sancti Augustini 1490", ""},
        // a feria's number is a weekday
        {"feria tertia mensis maii", ""},
        {"dominica 3a mensis maii", ""},
    };
    CheckAll(cases);
}

TEST(ClauseDayMonth, RomanStyle) {
    const CCase cases[] = {
        {"vii idus julii 1490", "7 Ides 7 0-2"},
        {"pridie kalendas maii", "2 Kalends 5 0-2"},
        {"pridie kal. maii", "2 Kalends 5 0-2"},
        {"iii nonas martii", "3 Nones 3 0-2"},
        {"a.d. vi kal. apr.", "6 Kalends 4 0-4"},
        {"ante diem sextum kalendas apriles", "6 Kalends 4 0-4"},
        {"die Kalendarum Augusti", "1 Kalends 8 0-2"},
        {"kalendis maii", "1 Kalends 5 0-1"},
        {"in kalendis januarii", "1 Kalends 1 0-2"},
        {"nonis martii", "1 Nones 3 0-1"},
        {"idibus martii", "1 Ides 3 0-1"},
        {"Datum Romae XV. kalendas novembris", "15 Kalends 11 2-4"},
        {"xiiii kl. junii", "14 Kalends 6 0-2"},
        {"VI{o} nonas maii", "6 Nones 5 0-2"},
        {"v kal. jan.", "5 Kalends 1 0-2"},
        {"tertio decimo kalendas januarii", "13 Kalends 1 0-3"},
        {"the Ides of March", "1 Ides 3 0-3"},
        {"3rd day of Nones June 1997", "3 Nones 6 0-4"},
        {"veille des nones de juin", "2 Nones 6 0-4"},
        // up to three words between the count and its mark
        {"3e jour avant les nones de juin", "3 Nones 6 0-6"},
        {"3e jour avant les des nones de juin", "1 Nones 6 5-7"},
        {"feria tertia ante kal. maii", "1 Kalends 5 3-4"},
        // counts past the month before
        {"xx idus martii", "20 Ides 3 past 0-2"},
        {"v nonas aprilis", "5 Nones 4 past 0-2"},
        {"xviii kal. martii", "18 Kalends 3 past 0-2"},
        // a lone "non" or "id" without its dot is a word
        {"non maii", ""},
    };
    CheckAll(cases);
}

std::string RomanDay(std::int32_t count, EClauseMark mark, std::int32_t month, std::int32_t year,
                     CalendarRow calendar = CalendarRow::Julian) {
    CClauseDayMonth date;
    date.nCount = count;
    date.eMark = mark;
    date.nMonth = month;
    const CRomanClauseDay day = RomanClauseDay(date, year, calendar);
    std::string text = std::to_string(day.nDay) + '/' + std::to_string(day.nMonth);
    if (day.nYearOffset != 0)
        text.append(" ").append(std::to_string(day.nYearOffset));
    if (day.nPlainDay != 0)
        text.append(" or ").append(std::to_string(day.nPlainDay));
    return text;
}

TEST(ClauseDayMonth, RomanDays) {
    using M = EClauseMark;
    EXPECT_EQ(RomanDay(7, M::Ides, 7, 1490), "9/7");
    EXPECT_EQ(RomanDay(3, M::Nones, 3, 1490), "5/3");
    EXPECT_EQ(RomanDay(4, M::Nones, 1, 1490), "2/1");
    EXPECT_EQ(RomanDay(5, M::Nones, 1, 1490), "0/0");
    EXPECT_EQ(RomanDay(9, M::Ides, 1, 1490), "0/0");
    EXPECT_EQ(RomanDay(1, M::Kalends, 1, 1490), "1/1");
    // kal. ian. counts back into the December before
    EXPECT_EQ(RomanDay(2, M::Kalends, 1, 1490), "31/12 -1");
    EXPECT_EQ(RomanDay(19, M::Kalends, 1, 1490), "14/12 -1");
    EXPECT_EQ(RomanDay(20, M::Kalends, 1, 1490), "0/0");
    EXPECT_EQ(RomanDay(6, M::Kalends, 4, 1490), "27/3");
    // the leap year doubles a.d. VI kal. Mar.; this program's count doubles nothing
    EXPECT_EQ(RomanDay(6, M::Kalends, 3, 1491), "24/2");
    EXPECT_EQ(RomanDay(16, M::Kalends, 3, 1491), "14/2");
    EXPECT_EQ(RomanDay(17, M::Kalends, 3, 1491), "0/0");
    EXPECT_EQ(RomanDay(5, M::Kalends, 3, 1492), "26/2");
    EXPECT_EQ(RomanDay(2, M::Kalends, 3, 1492), "29/2");
    EXPECT_EQ(RomanDay(6, M::Kalends, 3, 1492), "24/2 or 25");
    EXPECT_EQ(RomanDay(7, M::Kalends, 3, 1492), "23/2 or 24");
    EXPECT_EQ(RomanDay(16, M::Kalends, 3, 1492), "14/2 or 15");
    EXPECT_EQ(RomanDay(17, M::Kalends, 3, 1492), "14/2");
    EXPECT_EQ(RomanDay(18, M::Kalends, 3, 1492), "0/0");
    EXPECT_EQ(RomanDay(5, M::Kalends, 3, -1), "26/2"); // 1 BC was a leap year
    EXPECT_EQ(RomanDay(5, M::Kalends, 3, 1700), "26/2");
    EXPECT_EQ(RomanDay(5, M::Kalends, 3, 1700, CalendarRow::Gregorian), "25/2");
    EXPECT_EQ(RomanDay(5, M::Kalends, 3, 2000, CalendarRow::Gregorian), "26/2");
}

// Every day of a leap and a common year, as this program copies it in
// English and in French, reads back to that day.
TEST(ClauseDayMonth, ReadsBackTheProgramsRomanDates) {
    const ETextLanguage language = TextLanguage();
    for (const ETextLanguage writing : {ETextLanguage::English, ETextLanguage::French}) {
        SetTextLanguage(writing);
        CJulianDay day;
        day.SetJulian({1, 1, 2000});
        CJulianDay end;
        end.SetJulian({31, 12, 2001});
        for (; day <= end; day += 1) {
            const CRomanDate roman = day.GetRoman();
            const auto text = FormatRowDate(CalendarRow::Roman,
                                            {roman.nCount, roman.nKind, roman.nMonth, roman.nYear},
                                            {0, 2, 1, " "});
            ASSERT_TRUE(text);
            const auto words = ClauseWords(*text);
            std::vector<bool> claimed(words.size(), false);
            claimed.back() = true; // the year
            const auto found = FindClauseDayMonths(words, claimed);
            ASSERT_EQ(found.size(), 1u) << *text;
            EXPECT_EQ(found[0].nLast - found[0].nFirst + 2, words.size()) << *text;
            const CRomanClauseDay read = RomanClauseDay(found[0], roman.nYear, CalendarRow::Julian);
            const CJulianDate julian = day.GetJulian();
            EXPECT_EQ(read.nMonth, julian.nMonth) << *text;
            EXPECT_EQ(roman.nYear + read.nYearOffset, julian.nYear) << *text;
            // Only the leap year's a.d. VI to XVI kal. Mar. read two ways.
            const bool twoWays = julian.nYear == 2000 && julian.nMonth == 2 && julian.nDay >= 15 &&
                                 julian.nDay <= 25;
            EXPECT_EQ(twoWays ? read.nPlainDay : read.nDay, julian.nDay) << *text;
            EXPECT_EQ(twoWays ? read.nDay + 1 : read.nPlainDay, twoWays ? julian.nDay : 0);
        }
    }
    SetTextLanguage(language);
}

// The value a word's opening letters give, the longest opening deciding
// ("juil" is July, "jui" June): what a scribe's word is known by.
std::int32_t ByOpening(std::string_view word,
                       std::initializer_list<std::pair<std::int32_t, std::string_view>> openings) {
    std::size_t longest = 0;
    std::int32_t value = -1;
    for (const auto& [v, opening] : openings) {
        if (word.substr(0, opening.size()) == opening && opening.size() > longest) {
            longest = opening.size();
            value = v;
        }
    }
    return value;
}

// Every month word and every weekday stem opens as its own month's or day's
// names do, in one language or another, and as no other's.
TEST(ClauseDayMonth, EveryMonthAndWeekdayRowOpensAsItsNames) {
    for (const CClauseTableRow& row : ClauseMonthRows()) {
        EXPECT_EQ(
            ByOpening(row.strWord,
                      {{1, "gen"},   {1, "ian"},     {1, "jan"},   {1, "jen"},     {2, "feb"},
                       {2, "fev"},   {2, "feu"},     {2, "horn"},  {3, "lenz"},    {3, "maa"},
                       {3, "mae"},   {3, "mar"},     {3, "mer"},   {3, "mrt"},     {4, "ap"},
                       {4, "au"},    {4, "av"},      {4, "oster"}, {5, "mad"},     {5, "mag"},
                       {5, "mai"},   {5, "maj"},     {5, "may"},   {5, "mei"},     {5, "mey"},
                       {6, "brach"}, {6, "giu"},     {6, "iun"},   {6, "jui"},     {6, "jun"},
                       {6, "zug"},   {7, "heu"},     {7, "hew"},   {7, "iul"},     {7, "juil"},
                       {7, "jul"},   {7, "lug"},     {8, "ago"},   {8, "aou"},     {8, "aug"},
                       {9, "7b"},    {9, "herbst"},  {9, "sep"},   {9, "set"},     {10, "8b"},
                       {10, "oct"},  {10, "okt"},    {10, "ott"},  {10, "wein"},   {11, "9b"},
                       {11, "nov"},  {11, "winter"}, {12, "10b"},  {12, "christ"}, {12, "dec"},
                       {12, "dez"},  {12, "dic"},    {12, "xb"}}),
            row.nValue)
            << row.strWord;
    }
    for (const CClauseDayMonthRow& row : ClauseMarkRows()) {
        EXPECT_EQ(ByOpening(row.strWord, {{kRomanKalends, "k"},
                                          {kRomanKalends, "c"},
                                          {kRomanNones, "n"},
                                          {kRomanIdes, "i"}}),
                  row.nValue)
            << row.strWord;
    }
    for (const CClauseTableRow& row : ClauseWeekdayRows()) {
        EXPECT_EQ(ByOpening(row.strWord,
                            {{0, "son"},    {0, "sun"},   {6, "sonab"}, {6, "sonav"}, {6, "sunav"},
                             {6, "szonav"}, {1, "mon"},   {1, "man"},   {1, "men"},   {1, "maen"},
                             {1, "maan"},   {2, "din"},   {2, "die"},   {2, "er"},    {2, "ir"},
                             {2, "tis"},    {2, "after"}, {3, "mit"},   {3, "mid"},   {3, "med"},
                             {3, "mud"},    {3, "woe"},   {3, "gud"},   {3, "god"},   {3, "ons"},
                             {4, "don"},    {4, "dor"},   {4, "dun"},   {4, "fin"},   {4, "fint"},
                             {4, "pfin"},   {4, "tor"},   {5, "fre"},   {5, "fri"},   {5, "vri"},
                             {5, "fry"},    {6, "sam"},   {6, "lor"},   {6, "sat"}}),
                  row.nValue)
            << row.strWord;
    }
}

// The ordinals of the day table and the number words of the year reader
// were written apart: where both know a word, they give it one value
// ("anno millesimo quinto" is 1005 when "quinto" is the fifth).
TEST(ClauseDayMonth, OrdinalsAgreeWithTheYearsNumberWords) {
    int compared = 0;
    for (const CClauseTableRow& row : ClauseOrdinalRows()) {
        for (const std::string frame :
             {"anno domini millesimo ", "l'an mil ", "im tausend und ",
              "the year one thousand and ", "anno mille e ", "in het jaar duizend "}) {
            const std::string text = frame + std::string(row.strWord);
            const auto years = FindClauseYears(ClauseWords(text), 0);
            if (years.size() != 1 || years[0].bIncomplete || years[0].nYear <= 1000 ||
                years[0].nLast + 1 != ClauseWords(text).size())
                continue;
            EXPECT_EQ(years[0].nYear - 1000, row.nValue) << text;
            ++compared;
            break;
        }
    }
    EXPECT_GT(compared, 100);
    // ... and so do the day table's numbers: "l'an mil trois" is 1003.
    for (const CClauseDayMonthRow& row : ClauseDayNumberRows()) {
        for (const std::string frame : {"anno domini millesimo ", "l'an mil ",
                                        "the year one thousand and ", "anno mille e "}) {
            const std::string text = frame + std::string(row.strWord);
            const auto years = FindClauseYears(ClauseWords(text), 0);
            if (years.size() == 1 && !years[0].bIncomplete && years[0].nYear > 1000 &&
                years[0].nLast + 1 == ClauseWords(text).size()) {
                EXPECT_EQ(years[0].nYear - 1000, row.nValue) << text;
                break;
            }
        }
    }
}

// Forms of one word give one number: rows whose words differ only in an
// ending of case or number ("prima", "primo", "primam"; "ander", "andern";
// "achte", "achten") agree, across the ordinals and the number words.
TEST(ClauseDayMonth, SpellingsOfOneWordAgree) {
    // The value, and for a number word whether it is a day alone (2 for an ordinal).
    std::vector<std::tuple<std::string, std::int32_t, int>> rows;
    for (const CClauseTableRow& row : ClauseOrdinalRows())
        rows.emplace_back(row.strWord, row.nValue, 2);
    for (const CClauseDayMonthRow& row : ClauseDayNumberRows())
        rows.emplace_back(row.strWord, row.nValue, row.bAlone ? 1 : 0);
    int pairs = 0;
    for (const auto& [a, va, alone_a] : rows) {
        for (const auto& [b, vb, alone_b] : rows) {
            for (std::size_t ka = 0; ka <= 2 && ka + 3 <= a.size(); ++ka) {
                for (std::size_t kb = 0; kb <= 2 && kb + 3 <= b.size(); ++kb) {
                    static const std::set<std::string> kEndings = {
                        "", "a", "o", "e", "m", "n", "s", "am", "um", "us", "ae", "en", "es", "em"};
                    if (a != b && a.substr(0, a.size() - ka) == b.substr(0, b.size() - kb) &&
                        kEndings.contains(a.substr(a.size() - ka)) &&
                        kEndings.contains(b.substr(b.size() - kb))) {
                        EXPECT_EQ(va, vb) << a << " " << b;
                        if (alone_a < 2 && alone_b < 2)
                            EXPECT_EQ(alone_a, alone_b) << a << " " << b;
                        ++pairs;
                    }
                }
            }
        }
    }
    EXPECT_GT(pairs, 100);
}

// The Roman marks cut short are these; every other row is written out.
TEST(ClauseDayMonth, MarksCutShort) {
    const std::set<std::string_view> cut = {"kal", "kl",   "kls", "kalend", "cal",
                                            "kln", "kaln", "non", "id"};
    for (const CClauseDayMonthRow& row : ClauseMarkRows())
        EXPECT_EQ(row.bAlone, !cut.contains(row.strWord)) << row.strWord;
}

// Only French and Italian write a cardinal alone for a day ("le trois
// mars", "il due maggio"); elsewhere it ends a compound, and "un", "uno"
// are articles.
TEST(ClauseDayMonth, CardinalsThatAreNoDayAlone) {
    const std::set<std::string_view> compound = {
        "un",    "ung",   "une",  "uno",    "ein",   "ain",  "eins",  "zwei",  "zwey",
        "zwai",  "zwo",   "drei", "drey",   "vier",  "funf", "funff", "sechs", "sieben",
        "siben", "suben", "acht", "neun",   "zwen",  "zway", "een",   "twee",  "drie",
        "vijf",  "vyf",   "zes",  "zeven",  "negen", "one",  "two",   "three", "four",
        "five",  "seven", "nine", "twenty", "thirty"};
    for (const CClauseDayMonthRow& row : ClauseDayNumberRows())
        EXPECT_EQ(row.bAlone, !compound.contains(row.strWord)) << row.strWord;
}

// A scribe's u for v before a vowel, and only there.
TEST(ClauseDayMonth, AScribesUForV) {
    for (const char* word : {"nouembris", "nouember", "nouembre", "nouemb"})
        EXPECT_EQ(MonthOfClauseWord(word), 11) << word;
    EXPECT_EQ(MonthOfClauseWord("nvvember"), 0);
    EXPECT_EQ(MonthOfClauseWord("novembris"), 11);
}

// Between a day and its month, these words mean "day"; the rest join.
TEST(ClauseDayMonth, JoiningWordsThatMeanDay) {
    const std::set<std::string_view> day = {
        "tag",   "tage", "tages",  "tags", "tagk",      "dag",        "dage",
        "dages", "dach", "dagh",   "die",  "diei",      "jour",       "jor",
        "day",   "daye", "giorno", "iour", "monatstag", "monnatstag", "monathstag"};
    for (const CClauseDayMonthRow& row : ClauseDayJoinerRows()) {
        EXPECT_EQ(row.bAlone, day.contains(row.strWord)) << row.strWord;
        EXPECT_EQ(row.nValue, 0) << row.strWord; // a joining word counts nothing
    }
}

TEST(ClauseDayMonth, EveryTableRowReadsBack) {
    for (const CClauseTableRow& row : ClauseMonthRows())
        EXPECT_EQ(Found("den 3. " + std::string(row.strWord)),
                  "3/" + std::to_string(row.nValue) + " 0-2")
            << row.strWord;
    // Month words come from the Latin names: one that opens as a Latin name does
    // ("sept", "aprile", "martij") is that month.
    const char* const latin[] = {"januarii",   "februarii", "martii",    "aprilis",
                                 "maii",       "junii",     "julii",     "augusti",
                                 "septembris", "octobris",  "novembris", "decembris"};
    for (const CClauseTableRow& row : ClauseMonthRows()) {
        for (int m = 0; m < 12; ++m) {
            if (row.strWord.substr(0, 3) == std::string_view(latin[m]).substr(0, 3))
                EXPECT_EQ(row.nValue, m + 1) << row.strWord;
        }
    }
    // An ordinal made from a cardinal has its value: "quatorz-ieme", "negen-de",
    // "sech-sten", "sedic-esimo".
    for (const CClauseTableRow& ordinal : ClauseOrdinalRows()) {
        for (const CClauseDayMonthRow& number : ClauseDayNumberRows()) {
            const std::string n(number.strWord);
            const std::string cut = n.substr(0, n.size() - 1);
            for (const std::string& made :
                 {n + "ieme", n + "iesme", n + "de", n + "den", n + "ste", n + "sten", n + "ten",
                  n + "te", cut + "ieme", cut + "iesme", cut + "esimo"}) {
                if (ordinal.strWord == made)
                    EXPECT_EQ(ordinal.nValue, number.nValue) << made;
            }
        }
    }
    for (const CClauseTableRow& row : ClauseOrdinalRows()) {
        EXPECT_EQ(ClassifyClauseWord(row.strWord, false).nValue, row.nValue) << row.strWord;
        EXPECT_EQ(Found(std::string(row.strWord) + " mensis julii"),
                  std::to_string(row.nValue) + "/7 0-2")
            << row.strWord;
    }
    for (const CClauseDayMonthRow& row : ClauseDayNumberRows()) {
        const std::string word(row.strWord);
        // A unit that is no day alone still ends a compound.
        const std::string text = row.bAlone        ? "le " + word + " de mars"
                                 : row.nValue < 10 ? "vingt et " + word + " de mars"
                                                   : word + " first of March";
        const std::int32_t day = row.bAlone        ? row.nValue
                                 : row.nValue < 10 ? 20 + row.nValue
                                                   : row.nValue + 1;
        EXPECT_EQ(Found(text),
                  std::to_string(day) + "/3 0-" + std::to_string(ClauseWords(text).size() - 1))
            << text;
        if (!row.bAlone)
            EXPECT_EQ(Found("le " + word + " de mars"), "") << word;
    }
    for (const CClauseDayMonthRow& row : ClauseMarkRows()) {
        const std::string mark =
            LoadResString(IDS_ROMAN_KIND_FIRST + row.nValue - 1, ETextLanguage::English);
        EXPECT_EQ(Found("iii " + std::string(row.strWord) + ". maii"), "3 " + mark + " 5 0-2");
        EXPECT_EQ(Found(std::string(row.strWord) + " maii"),
                  row.bAlone ? "1 " + mark + " 5 0-1" : "");
    }
    for (const CClauseDayMonthRow& row : ClauseDayJoinerRows())
        EXPECT_EQ(Found("3 " + std::string(row.strWord) + " maii"), "3/5 0-2") << row.strWord;
}

TEST(ClauseDayMonth, ClaimedWordsAreNeverUsed) {
    const auto words = ClauseWords("den 7. Juli");
    EXPECT_TRUE(FindClauseDayMonths(words, {false, true, false}).empty());
    EXPECT_TRUE(FindClauseDayMonths(words, {false, false, true}).empty());
    EXPECT_TRUE(FindClauseDayMonths(ClauseWords("vii idus julii"), {true, false, false}).empty());
    EXPECT_EQ(FindClauseDayMonths(words, {}).size(), 1u); // fewer flags than words
    // Nor are the words of a date found before: "15" is June's, not May's too.
    EXPECT_EQ(Found("May 15 June"), "15/6 1-2");
}

} // namespace
