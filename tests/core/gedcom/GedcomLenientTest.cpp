#include "gedcom/GedcomLenient.h"

#include "church/ClauseLexicon.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr EGedcomVersion V5 = EGedcomVersion::V551;
constexpr EGedcomVersion V7 = EGedcomVersion::V70;

// Lenient value, the version of the file, the standard value (nullptr: none).
const std::tuple<const char*, EGedcomVersion, const char*> kCases[] = {
    // English qualifiers and month names
    {"Abt. 17 JUL 2016", V5, "ABT 17 JUL 2016"},
    {"ABT. 1 JUL 932", V5, "ABT 1 JUL 932"},
    {"circa 21 Dec 1884", V5, "ABT 21 DEC 1884"},
    {"ca. 8 Mar 1505", V5, "ABT 8 MAR 1505"},
    {"c. 1850", V7, "ABT 1850"},
    {"Approx. 1850", V5, "ABT 1850"},
    {"Est. 1850", V5, "EST 1850"},
    {"Calc. 1850", V5, "CAL 1850"},
    {"Bef. 21 Dec 1884", V5, "BEF 21 DEC 1884"},
    {"After Feb 1907", V5, "AFT FEB 1907"},
    {"Bet. 29 August 1640 AND 19 Feb 1992", V5, "BET 29 AUG 1640 AND 19 FEB 1992"},
    {"Between 1850 and 1860", V7, "BET 1850 AND 1860"},
    {"BTW 1850 AND 1860", V5, "BET 1850 AND 1860"},
    {"from 29 August 1640 to 19 Feb 1992", V5, "FROM 29 AUG 1640 TO 19 FEB 1992"},
    {"from 1640 - 1650", V5, "FROM 1640 TO 1650"},
    {"18 November 1992", V5, "18 NOV 1992"},
    {"DECEMBER 1901", V7, "DEC 1901"},
    {"Dec. 5, 1850", V5, "5 DEC 1850"},
    {"1st March 1850", V5, "1 MAR 1850"},
    // French
    {"vers 1850", V5, "ABT 1850"},
    {"environ 1850", V5, "ABT 1850"},
    {"avant 5 mars 1850", V5, "BEF 5 MAR 1850"},
    {"apr\350s ao\373t 1850", V5, "AFT AUG 1850"},
    {"entre 1850 et 1860", V5, "BET 1850 AND 1860"},
    {"de 1850 \340 1860", V5, "FROM 1850 TO 1860"},
    {"1er d\351cembre 1850", V5, "1 DEC 1850"},
    {"560 av. J.-C.", V5, "560 B.C."},
    // German
    {"um 1850", V5, "ABT 1850"},
    {"vor 3. M\344rz 1850", V5, "BEF 3 MAR 1850"},
    {"nach Oktober 1850", V5, "AFT OCT 1850"},
    {"zwischen 1850 und 1860", V5, "BET 1850 AND 1860"},
    {"von 1850 bis 1860", V5, "FROM 1850 TO 1860"},
    {"560 v. Chr.", V7, "560 BCE"},
    // spacing, case, epochs, escapes and the other version's syntax
    {"17  JUL   2016", V5, "17 JUL 2016"},
    {"abt 1 jan 2000", V5, "ABT 1 JAN 2000"},
    {"560 BC", V5, "560 B.C."},
    {"560 B.C.E.", V7, "560 BCE"},
    {"560 B.C.", V7, "560 BCE"},
    {"28 FEB 001B.C.", V5, "28 FEB 001 B.C."},
    {"1860 AD", V5, "1860"},
    {"@#DFRENCH R@ BET 1 AND 5", V5, "BET @#DFRENCH R@ 1 AND @#DFRENCH R@ 5"},
    {"@#DHEBREW@ BET 5776 AND 5777", V5, "BET @#DHEBREW@ 5776 AND @#DHEBREW@ 5777"},
    {"@#DJULIAN@ BEF 25 DEC 1700", V5, "BEF @#DJULIAN@ 25 DEC 1700"},
    {"@#DJULIAN@ 25 DEC 1700", V7, "JULIAN 25 DEC 1700"},
    {"JULIAN 25 DEC 1700", V5, "@#DJULIAN@ 25 DEC 1700"},
    {"@#DJULIAN@ 11 FEB 1731/32", V7, "JULIAN 11 FEB 1732"},
    {"@#DFRENCH R@ 1 vend 1", V7, "FRENCH_R 1 VEND 1"},
    {"INT 1700", V5, "1700"},
    {"2 TVT 5758", V5, "@#DHEBREW@ 2 TVT 5758"},
    {"TSH 5610", V5, "@#DHEBREW@ TSH 5610"},
    {"vend 0006", V7, "FRENCH_R VEND 0006"},
    {"11 NIVO 0006", V7, "FRENCH_R 11 NIVO 0006"},
    // digits alone, where they can mean one day only
    {"23.10.1948", V7, "23 OCT 1948"},
    {"FROM 14.02.1950 TO 30.06.1955", V7, "FROM 14 FEB 1950 TO 30 JUN 1955"},
    {"FROM 10.1999 TO 3.2004", V7, "FROM OCT 1999 TO MAR 2004"},
    {"25/12/1919", V5, "25 DEC 1919"},
    {"12/25/1919", V5, "25 DEC 1919"},
    {"07.07.1850", V5, "7 JUL 1850"},
    {"1971-03-22", V5, "22 MAR 1971"},
    {"Abt. 1971/3/22", V5, "ABT 22 MAR 1971"},
    // the dual year one program writes with a hyphen
    {"14 Feb 1623-1624", V5, "14 FEB 1623/24"},
    {"Aft 2 Mar 1688-1689", V5, "AFT 2 MAR 1688/89"},
    {"Jan 1700-1701", V5, "JAN 1700/01"},
    // month names of other languages, with or without their dot
    {"14 Mrt 1850", V5, "14 MAR 1850"},
    {"3 mei 1850", V5, "3 MAY 1850"},
    {"1 M\344r. 1850", V5, "1 MAR 1850"},
    {"2 F\351vr. 1850", V5, "2 FEB 1850"},
    {"5 Ago 1850", V5, "5 AUG 1850"},
    {"6 dic. 1850", V5, "6 DEC 1850"},
    {"7 outubro 1850", V5, "7 OCT 1850"},
    {"8 giugno 1850", V7, "8 JUN 1850"},
    // ranges and dates written loosely
    {"BET. 1790 - 1802", V5, "BET 1790 AND 1802"},
    {"BET MAR AND SEP 1911", V5, "BET MAR 1911 AND SEP 1911"},
    {"FROM 3 MAR TO 5 MAR 1911", V5, "FROM 3 MAR 1911 TO 5 MAR 1911"},
    {"1890 MARCH 3RD", V5, "3 MAR 1890"},
    // already standard
    {"ABT 17 JUL 2016", V5, nullptr},
    {"BET @#DHEBREW@ 5776 AND @#DHEBREW@ 5777", V5, nullptr},
    {"INT 1700 (about then)", V5, nullptr},
    {"560 BCE", V7, nullptr},
    {"11 FEB 1731/32", V5, nullptr},
    // several meanings, or no date at all
    {"1076 or 1088", V5, nullptr},
    {"941 (or 926)", V5, nullptr},
    {"30 Apr 782 - 783", V5, nullptr},
    {"03/04/1850", V5, nullptr},
    {"03.04.1850", V7, nullptr},
    {"13.13.1850", V5, nullptr},
    {"0.5.1850", V5, nullptr},
    {"23.10.48", V5, nullptr},
    {"1.2.3", V5, nullptr},
    {"1850-1851", V5, nullptr},            // a range or a dual year
    {"2 Apr 1688-1689", V5, nullptr},      // after Lady Day: no dual year
    {"14 Feb 1623-1625", V5, nullptr},     // years that do not follow
    {"BET SEP AND MAR 1911", V5, nullptr}, // may start in 1910
    {"BET 1688-1689 AND 1690", V5, nullptr},
    {"20 MAR", V5, nullptr},
    {"11 FEB 1731/32", V7, nullptr},
    {"Abt. 31 Feb 1900", V5, nullptr},
    {"@#DROMAN@ 1850", V5, nullptr},
    {"MAR TSH 5610", V5, nullptr},         // two months, one year
    {"jan vend 1850", V5, nullptr},
    {"10 FEB 1650/51 BC", V5, nullptr},    // no dual year before Christ
    {"Machine operator, Ford Motor Co.", V5, nullptr},
    {"99999999999999", V5, nullptr},
};

// The month words were written apart from the clause reader's: where both
// know a word, they give it one month; and every word reads as its month.
TEST(GedcomLenient, MonthWordsAgreeWithTheClauseReader) {
    int compared = 0;
    for (const CGedcomMonthWord& row : GedcomMonthWords()) {
        std::string lower(row.strWord);
        for (char& c : lower)
            c = static_cast<char>(c - 'A' + 'a');
        if (const std::int32_t month = MonthOfClauseWord(lower); month != 0) {
            EXPECT_EQ(month, row.nMonth) << row.strWord;
            ++compared;
        }
        EXPECT_EQ(StandardGedcomValue("3 " + std::string(row.strWord) + ". 1850", V5).value_or(""),
                  "3 " + std::string(kGedcomGregorianMonths[row.nMonth - 1]) + " 1850")
            << row.strWord;
    }
    EXPECT_GT(compared, 60);
}

// Every month word opens as its month's names do, in one language or
// another, and as no other's (the longest opening decides: JUIN, JUIL).
TEST(GedcomLenient, EveryMonthWordOpensAsItsNames) {
    const std::pair<int, std::string_view> openings[] = {
        {1, "JAN"},  {1, "JAE"},  {1, "ENE"},  {1, "GEN"},  {2, "FEB"},  {2, "FEV"},
        {3, "MAR"},  {3, "MAE"},  {3, "MAA"},  {3, "MRZ"},  {3, "MRT"},  {4, "APR"},
        {4, "AVR"},  {4, "ABR"},  {5, "MAY"},  {5, "MAI"},  {5, "MEI"},  {5, "MAG"},
        {6, "JUN"},  {6, "JUIN"}, {6, "GIU"},  {7, "JUL"},  {7, "JUIL"}, {7, "LUG"},
        {8, "AUG"},  {8, "AOU"},  {8, "AGO"},  {9, "SEP"},  {9, "SET"},  {10, "OCT"},
        {10, "OKT"}, {10, "OTT"}, {10, "OUT"}, {11, "NOV"}, {12, "DEC"}, {12, "DEZ"},
        {12, "DIC"}};
    for (const CGedcomMonthWord& row : GedcomMonthWords()) {
        int month = 0;
        std::size_t longest = 0;
        for (const auto& [m, opening] : openings) {
            if (row.strWord.starts_with(opening) && opening.size() > longest) {
                longest = opening.size();
                month = m;
            }
        }
        EXPECT_EQ(month, row.nMonth) << row.strWord;
    }
}

// A value is read leniently up to 256 bytes, blanks and all.
TEST(GedcomLenient, LongValues) {
    EXPECT_EQ(StandardGedcomValue("Abt." + std::string(248, ' ') + "1850", V5).value_or(""),
              "ABT 1850");
    EXPECT_FALSE(StandardGedcomValue("Abt." + std::string(249, ' ') + "1850", V5));
}

TEST(GedcomLenient, StandardValues) {
    for (const auto& [value, version, expected] : kCases) {
        const auto standard = StandardGedcomValue(value, version);
        EXPECT_EQ(standard.value_or("(none)"), expected ? expected : "(none)") << value;
    }
}

// Every suggestion reads, names the days the value already reads to when it
// reads at all, and is itself standard.
TEST(GedcomLenient, SuggestionsReadBackToTheSameDays) {
    for (const auto& [value, version, expected] : kCases) {
        const auto standard = StandardGedcomValue(value, version);
        if (!standard)
            continue;
        const CGedcomDateValue read = ReadGedcomDate(*standard);
        EXPECT_EQ(read.nFindings & (kGedcomUnreadable | kGedcomNoSuchDay), 0u) << value;
        const CGedcomDateValue asWritten = ReadGedcomDate(value);
        if (!(asWritten.nFindings & kGedcomUnreadable)) {
            EXPECT_EQ(read.nFirst, asWritten.nFirst) << value;
            EXPECT_EQ(read.nLast, asWritten.nLast) << value;
        }
        EXPECT_FALSE(StandardGedcomValue(*standard, version)) << *standard;
    }
}

TEST(GedcomLenient, OldStyleDualYears) {
    EXPECT_TRUE(IsOldStyleDualYear("11 FEB 1731/32"));
    EXPECT_TRUE(IsOldStyleDualYear("BET 1700 AND 1 FEB 1731/32"));
    EXPECT_FALSE(IsOldStyleDualYear("@#DJULIAN@ 11 FEB 1731/32"));
    EXPECT_FALSE(IsOldStyleDualYear("11 FEB 1732"));
    EXPECT_FALSE(IsOldStyleDualYear("1951/1952")); // long after the last of them
}

// A file's value, its version: the status, the first day, the suggestion.
const std::tuple<const char*, EGedcomVersion, const char*, std::int32_t, const char*> kChecks[] = {
    {"Abt. 17 JUL 2016", V5, "nonstandard", 2457587, "ABT 17 JUL 2016"},
    {"apr\xC3\xA8s 1850", V5, "nonstandard", 2397124, "AFT 1850"}, // UTF-8
    {"apr\xE8s 1850", V5, "nonstandard", 2397124, "AFT 1850"},     // Windows-1252
    {"11 FEB 1731/32", V5, "old-style", 2353712, "@#DJULIAN@ 11 FEB 1731/32"},
    {"1731/32", V5, "old-style", 2353389, "@#DJULIAN@ 1731/32"},
    {"1 FEB 1751/52", V5, "old-style", 2361007, "@#DJULIAN@ 1 FEB 1751/52"}, // the last
    {"11 FEB 1731/32", V7, "old-style", 2353712, "JULIAN 11 FEB 1732"},
    {"Abt. 11 Feb 1731/32", V5, "nonstandard,old-style", 2353712, "ABT @#DJULIAN@ 11 FEB 1731/32"},
    {"@#DJULIAN@ 11 FEB 1731/32", V5, "ok", 2353712, ""},
    {"1951/52", V5, "dual-year-misplaced", 2433648, ""}, // 1951 or 1952: both whole years
    {"14 Feb 1623-1624", V5, "nonstandard,old-style", 2314268, "@#DJULIAN@ 14 FEB 1623/24"},
    {"1 April 1860/61", V5, "dual-year-misplaced", 2400411, ""}, // and no suggestion
    {"int 1850 (X y)", V5, "ok", 2396759, ""},                   // INT as every keyword
    {"INT 20 may 1845 (x)", V5, "ok", 2395072, ""},
    {"abt 1 jan 1850", V7, "nonstandard", 2396759, "ABT 1 JAN 1850"}, // 7.0 is case-sensitive
    {"ABT  1850", V7, "nonstandard", 2396759, "ABT 1850"},
    {"1343/48", V5, "dual-year-misplaced,gregorian-before-1582", 2211664, ""},
    {"INT 1700", V5, "nonstandard", 2341973, "1700"},
    {"JULIAN 1700", V5, "nonstandard", 2341983, "@#DJULIAN@ 1700"},
    {"@#DJULIAN@ 1700", V7, "nonstandard", 2341983, "JULIAN 1700"},
    {"abt  1 jan 1850", V5, "ok", 2396759, ""}, // case and spaces alone are no fault
    // An escape wants its blank, with or without a dual year after it.
    {"@#DJULIAN@2 FEB 1700", V5, "nonstandard", 2342015, "@#DJULIAN@ 2 FEB 1700"},
    {"@#DJULIAN@2 FEB 1700/01", V5, "nonstandard", 2342381, "@#DJULIAN@ 2 FEB 1700/01"},
    {"@#DHEBREW@1 TSH 5780", V5, "nonstandard", 2458757, "@#DHEBREW@ 1 TSH 5780"},
    {"@#DJULIAN@  2  feb 1700", V5, "ok", 2342015, ""},
    {"_UNKNOWN 87", V7, "extension", 0, ""},
    {"_UNKNOWN 13 _MONTH 17", V7, "extension", 0, ""},
    {"@#DROMAN@ 1850", V5, "extension", 0, ""},
    {"1500", V5, "gregorian-before-1582", 2268924, ""},
    {"1076 or 1088", V5, "unreadable", 0, ""},
    {"_UNKNOWN or so", V7, "unreadable", 0, ""},
};

TEST(GedcomLenient, FileValuesChecked) {
    for (const auto& [value, version, status, first, suggestion] : kChecks) {
        const CGedcomCheck check = CheckGedcomValue(value, version);
        EXPECT_EQ(GedcomStatusText(check.value.nFindings), status) << value;
        EXPECT_EQ(check.value.nFirst, first) << value;
        EXPECT_EQ(check.strSuggestion, suggestion) << value;
        // A suggestion is standard: it checks clean, with the same days.
        if (*suggestion != '\0') {
            const CGedcomCheck again = CheckGedcomValue(check.strSuggestion, version);
            EXPECT_EQ(again.value.nFindings & ~kGedcomNotProblems, 0u) << value;
            EXPECT_EQ(std::pair(again.value.nFirst, again.value.nLast),
                      std::pair(check.value.nFirst, check.value.nLast))
                << value;
        }
    }
}

} // namespace
