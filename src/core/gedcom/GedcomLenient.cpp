// Lenient date values. The value is cut into words, each word folded (case,
// accents, a final dot or comma) and looked up in one table of the words
// genealogists write; a small grammar then takes at most two dates, and the
// standard value is written from what it found. A value that reads to other
// days than the standard one is refused, so a suggestion never moves a date.
#include "GedcomLenient.h"

#include "calendar/YearStyle.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kMaxValue = 256;
constexpr std::size_t kMaxWords = 16;

enum class EKind { Qualifier, And, To, Month, Epoch };
enum class EQual { None, Abt, Cal, Est, Int, Bef, Aft, Bet, From, To };

struct CWordRow {
    std::string_view words; // folded, one space between words
    EKind eKind;
    int nCode; // EQual or month number
};

// clang-format off
constexpr CWordRow kWords[] = {
    // qualifiers
    {"ABT", EKind::Qualifier, int(EQual::Abt)}, {"ABOUT", EKind::Qualifier, int(EQual::Abt)},
    {"APPROX", EKind::Qualifier, int(EQual::Abt)}, {"APPX", EKind::Qualifier, int(EQual::Abt)}, {"APPROXIMATELY", EKind::Qualifier, int(EQual::Abt)},
    {"CIRCA", EKind::Qualifier, int(EQual::Abt)}, {"C", EKind::Qualifier, int(EQual::Abt)},
    {"CA", EKind::Qualifier, int(EQual::Abt)}, {"CCA", EKind::Qualifier, int(EQual::Abt)},
    {"VERS", EKind::Qualifier, int(EQual::Abt)}, {"ENVIRON", EKind::Qualifier, int(EQual::Abt)},
    {"UM", EKind::Qualifier, int(EQual::Abt)}, {"ETWA", EKind::Qualifier, int(EQual::Abt)},
    {"EST", EKind::Qualifier, int(EQual::Est)}, {"ESTIMATED", EKind::Qualifier, int(EQual::Est)},
    {"CAL", EKind::Qualifier, int(EQual::Cal)}, {"CALC", EKind::Qualifier, int(EQual::Cal)},
    {"CALCULATED", EKind::Qualifier, int(EQual::Cal)},
    {"INT", EKind::Qualifier, int(EQual::Int)},
    {"BEF", EKind::Qualifier, int(EQual::Bef)}, {"BEFORE", EKind::Qualifier, int(EQual::Bef)},
    {"AVANT", EKind::Qualifier, int(EQual::Bef)}, {"VOR", EKind::Qualifier, int(EQual::Bef)},
    {"AFT", EKind::Qualifier, int(EQual::Aft)}, {"AFTER", EKind::Qualifier, int(EQual::Aft)},
    {"APRES", EKind::Qualifier, int(EQual::Aft)}, {"NACH", EKind::Qualifier, int(EQual::Aft)},
    {"BET", EKind::Qualifier, int(EQual::Bet)}, {"BTW", EKind::Qualifier, int(EQual::Bet)}, {"BETWEEN", EKind::Qualifier, int(EQual::Bet)},
    {"ENTRE", EKind::Qualifier, int(EQual::Bet)}, {"ZWISCHEN", EKind::Qualifier, int(EQual::Bet)},
    {"FROM", EKind::Qualifier, int(EQual::From)}, {"DE", EKind::Qualifier, int(EQual::From)},
    {"DU", EKind::Qualifier, int(EQual::From)}, {"VON", EKind::Qualifier, int(EQual::From)},
    {"TO", EKind::Qualifier, int(EQual::To)}, {"BIS", EKind::Qualifier, int(EQual::To)},
    // the second date of a range or a period
    {"AND", EKind::And, 0}, {"ET", EKind::And, 0}, {"UND", EKind::And, 0}, {"&", EKind::And, 0},
    {"-", EKind::And, 0}, {"Y", EKind::And, 0}, {"E", EKind::And, 0}, {"EN", EKind::And, 0},
    {"TO", EKind::To, 0}, {"-", EKind::To, 0}, {"A", EKind::To, 0}, {"AU", EKind::To, 0},
    {"BIS", EKind::To, 0},
    // months, one row a spelling: the codes, and the names and usual
    // shortenings of English, French, German, Dutch, Spanish, Italian and
    // Portuguese (accents folded: "F\xC9VR." is FEVR, "M\xC4R" MAR)
    {"JAN", EKind::Month, 1}, {"JANUARY", EKind::Month, 1}, {"JANVIER", EKind::Month, 1},
    {"JANV", EKind::Month, 1}, {"JANUAR", EKind::Month, 1}, {"JANNER", EKind::Month, 1},
    {"JAENNER", EKind::Month, 1}, {"JANUARI", EKind::Month, 1}, {"ENERO", EKind::Month, 1},
    {"ENE", EKind::Month, 1}, {"GENNAIO", EKind::Month, 1}, {"GEN", EKind::Month, 1},
    {"JANEIRO", EKind::Month, 1},
    {"FEB", EKind::Month, 2}, {"FEBRUARY", EKind::Month, 2}, {"FEVRIER", EKind::Month, 2},
    {"FEV", EKind::Month, 2}, {"FEVR", EKind::Month, 2}, {"FEBRUAR", EKind::Month, 2},
    {"FEBER", EKind::Month, 2}, {"FEBRUARI", EKind::Month, 2}, {"FEBRERO", EKind::Month, 2},
    {"FEBBRAIO", EKind::Month, 2}, {"FEVEREIRO", EKind::Month, 2},
    {"MAR", EKind::Month, 3}, {"MARCH", EKind::Month, 3}, {"MARS", EKind::Month, 3},
    {"MARZ", EKind::Month, 3}, {"MAERZ", EKind::Month, 3}, {"MRZ", EKind::Month, 3},
    {"MAART", EKind::Month, 3}, {"MRT", EKind::Month, 3}, {"MARZO", EKind::Month, 3},
    {"MARCO", EKind::Month, 3},
    {"APR", EKind::Month, 4}, {"APRIL", EKind::Month, 4}, {"AVRIL", EKind::Month, 4},
    {"AVR", EKind::Month, 4}, {"ABRIL", EKind::Month, 4}, {"ABR", EKind::Month, 4},
    {"APRILE", EKind::Month, 4},
    {"MAY", EKind::Month, 5}, {"MAI", EKind::Month, 5}, {"MEI", EKind::Month, 5},
    {"MAYO", EKind::Month, 5}, {"MAGGIO", EKind::Month, 5}, {"MAG", EKind::Month, 5},
    {"MAIO", EKind::Month, 5},
    {"JUN", EKind::Month, 6}, {"JUNE", EKind::Month, 6}, {"JUIN", EKind::Month, 6},
    {"JUNI", EKind::Month, 6}, {"JUNIO", EKind::Month, 6}, {"GIUGNO", EKind::Month, 6},
    {"GIU", EKind::Month, 6}, {"JUNHO", EKind::Month, 6},
    {"JUL", EKind::Month, 7}, {"JULY", EKind::Month, 7}, {"JUILLET", EKind::Month, 7},
    {"JUIL", EKind::Month, 7}, {"JULI", EKind::Month, 7}, {"JULIO", EKind::Month, 7},
    {"LUGLIO", EKind::Month, 7}, {"LUG", EKind::Month, 7}, {"JULHO", EKind::Month, 7},
    {"AUG", EKind::Month, 8}, {"AUGUST", EKind::Month, 8}, {"AOUT", EKind::Month, 8},
    {"AUGUSTUS", EKind::Month, 8}, {"AGOSTO", EKind::Month, 8}, {"AGO", EKind::Month, 8},
    {"SEP", EKind::Month, 9}, {"SEPT", EKind::Month, 9}, {"SEPTEMBER", EKind::Month, 9},
    {"SEPTEMBRE", EKind::Month, 9}, {"SEPTIEMBRE", EKind::Month, 9}, {"SETIEMBRE", EKind::Month, 9},
    {"SET", EKind::Month, 9}, {"SETTEMBRE", EKind::Month, 9}, {"SETEMBRO", EKind::Month, 9},
    {"OCT", EKind::Month, 10}, {"OCTOBER", EKind::Month, 10}, {"OCTOBRE", EKind::Month, 10},
    {"OKT", EKind::Month, 10}, {"OKTOBER", EKind::Month, 10}, {"OCTUBRE", EKind::Month, 10},
    {"OTTOBRE", EKind::Month, 10}, {"OTT", EKind::Month, 10}, {"OUTUBRO", EKind::Month, 10},
    {"OUT", EKind::Month, 10},
    {"NOV", EKind::Month, 11}, {"NOVEMBER", EKind::Month, 11}, {"NOVEMBRE", EKind::Month, 11},
    {"NOVIEMBRE", EKind::Month, 11}, {"NOVEMBRO", EKind::Month, 11},
    {"DEC", EKind::Month, 12}, {"DECEMBER", EKind::Month, 12}, {"DECEMBRE", EKind::Month, 12},
    {"DEZ", EKind::Month, 12}, {"DEZEMBER", EKind::Month, 12}, {"DICIEMBRE", EKind::Month, 12},
    {"DIC", EKind::Month, 12}, {"DICEMBRE", EKind::Month, 12}, {"DEZEMBRO", EKind::Month, 12},
    // the era: after it (said for nothing), before it
    {"AD", EKind::Epoch, 0}, {"A.D", EKind::Epoch, 0}, {"CE", EKind::Epoch, 0},
    {"BC", EKind::Epoch, 1}, {"B.C", EKind::Epoch, 1}, {"BCE", EKind::Epoch, 1},
    {"B.C.E", EKind::Epoch, 1}, {"AV J.-C", EKind::Epoch, 1},
    {"V CHR", EKind::Epoch, 1}, {"V.CHR", EKind::Epoch, 1},
};
// clang-format on

struct CCalendarName {
    std::string_view escape; // 5.5.1
    std::string_view word;   // 7.0
    EGedcomCalendar eCalendar;
};
constexpr CCalendarName kCalendars[] = {
    {"@#DGREGORIAN@", "GREGORIAN", EGedcomCalendar::Gregorian},
    {"@#DJULIAN@", "JULIAN", EGedcomCalendar::Julian},
    {"@#DHEBREW@", "HEBREW", EGedcomCalendar::Hebrew},
    {"@#DFRENCH R@", "FRENCH_R", EGedcomCalendar::French},
};

struct CWord {
    std::string_view raw;
    std::string key; // folded, without a final dot or comma
    bool bComma = false;
};

struct CWords {
    std::array<CWord, kMaxWords> items{};
    std::size_t count = 0;
};

constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits)
        return false;
    for (const char c : s) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

// Words at spaces; an escape runs to its closing "@" and a phrase to the
// last ")". False when there are too many or one is left open.
bool SplitWords(std::string_view text, CWords& words) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        if (text[i] == '(' || text[i] == '@') {
            const std::size_t close = text[i] == '(' ? text.rfind(')') : text.find('@', i + 1);
            if (close == std::string_view::npos || close < i)
                return false;
            end = close + 1;
        } else {
            while (end < text.size() && !IsSpace(text[end]) && text[end] != '(')
                ++end;
        }
        if (words.count == kMaxWords)
            return false;
        CWord& word = words.items[words.count++];
        word.raw = text.substr(i, end - i);
        std::string key;
        if (text[i] == '@') {
            for (const char c : FoldToAsciiUpper(word.raw)) {
                if (c != ' ' || key.empty() || key.back() != ' ')
                    key += c;
            }
        } else {
            key = FoldToAsciiUpper(word.raw);
            if (text[i] != '(' && key.size() > 1 && key.back() == ',') {
                key.pop_back();
                word.bComma = true;
            }
            if (text[i] != '(' && key.size() > 1 && key.back() == '.')
                key.pop_back();
        }
        word.key = std::move(key);
        i = end;
    }
    return true;
}

// The rows of each kind by their first letter, in the table's order: a
// lookup passes over a few rows, not the whole table.
constexpr std::size_t kKinds = 5;
using CRowIndex = std::array<std::array<std::vector<const CWordRow*>, 256>, kKinds>;

const CRowIndex& RowIndex() {
    static const CRowIndex index = [] {
        CRowIndex rows;
        for (const CWordRow& row : kWords)
            rows[static_cast<std::size_t>(row.eKind)][static_cast<unsigned char>(row.words[0])]
                .push_back(&row);
        return rows;
    }();
    return index;
}

// The table row of that kind written at words[pos..]; its length in words, or 0.
std::size_t MatchRow(const CWords& words, std::size_t pos, EKind kind, int& code) {
    if (pos >= words.count)
        return 0;
    const std::string_view first = words.items[pos].key;
    if (first.empty())
        return 0;
    for (const CWordRow* candidate :
         RowIndex()[static_cast<std::size_t>(kind)][static_cast<unsigned char>(first[0])]) {
        const CWordRow& row = *candidate;
        if (!row.words.starts_with(first) ||
            (row.words.size() > first.size() && row.words[first.size()] != ' '))
            continue;
        std::string_view rest = row.words;
        std::size_t k = pos;
        while (!rest.empty() && k < words.count) {
            const std::size_t space = rest.find(' ');
            const std::string_view part = rest.substr(0, space);
            if (words.items[k].key != part)
                break;
            ++k;
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        }
        if (rest.empty() && k > pos) {
            code = row.nCode;
            return k - pos;
        }
    }
    return 0;
}

const CCalendarName* CalendarAt(const CWords& words, std::size_t pos) {
    if (pos >= words.count)
        return nullptr;
    for (const CCalendarName& c : kCalendars) {
        if (words.items[pos].key == c.escape || words.items[pos].key == c.word)
            return &c;
    }
    return nullptr;
}

struct CDate {
    const CCalendarName* pCalendar = nullptr;
    std::string day;   // digits, or empty
    std::string month; // the standard code, or empty
    std::string year;  // as written, a dual year with its slash
    bool bDual = false;
    bool bEpoch = false;
};

// Day digits with an ordinal ending ("1st", "1er") or a dot ("3.").
bool ReadDay(const std::string& key, std::string& day) {
    std::size_t n = 0;
    while (n < key.size() && n < 3 && IsDigit(key[n]))
        ++n;
    if (n == 0 || n > 2)
        return false;
    const std::string_view rest = std::string_view(key).substr(n);
    if (!rest.empty() && rest != "ST" && rest != "ND" && rest != "RD" && rest != "TH" &&
        rest != "ER")
        return false;
    day = key.substr(0, n);
    return true;
}

bool ReadMonth(const CWords& words, std::size_t pos, EGedcomCalendar calendar, std::string& month) {
    if (pos >= words.count)
        return false;
    if (calendar == EGedcomCalendar::Hebrew || calendar == EGedcomCalendar::French) {
        // Their codes only: no one writes these months' names out.
        const auto& codes =
            calendar == EGedcomCalendar::Hebrew ? kGedcomHebrewMonths : kGedcomFrenchMonths;
        for (const char* code : codes) {
            if (words.items[pos].key == code) {
                month = code;
                return true;
            }
        }
        return false;
    }
    int code = 0;
    if (MatchRow(words, pos, EKind::Month, code) != 1)
        return false;
    month = kGedcomGregorianMonths[code - 1];
    return true;
}

bool ReadYear(std::string key, CDate& date) {
    // "001B.C.": the era glued to the year
    if (const std::size_t b = key.find('B'); b != std::string::npos && b > 0) {
        const std::string_view era = std::string_view(key).substr(b);
        if (era != "B.C" && era != "BC" && era != "BCE" && era != "B.C.E")
            return false;
        date.bEpoch = true;
        key.resize(b);
    }
    const std::size_t slash = key.find('/');
    if (slash == std::string::npos) {
        if (!AllDigits(key, 9))
            return false;
    } else if (!AllDigits(std::string_view(key).substr(0, slash), 9) ||
               !AllDigits(std::string_view(key).substr(slash + 1), 4)) {
        return false;
    }
    date.year = key;
    date.bDual = slash != std::string::npos;
    return true;
}

// A date written in digits alone, where it can mean one day only:
// "1971-03-22" (the year first), "23.10.1948" or "25/12/1919" (the day over
// 12 or equal to the month), "10.1999" (a month and its year). "03.04.1850"
// could be either way round: no date.
bool ReadNumericDate(std::string_view key, CDate& date) {
    std::string_view parts[3];
    std::size_t count = 0;
    char separator = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = key.find_first_of(".-/", start);
        if (count == 3)
            return false;
        parts[count++] = key.substr(start, end == std::string_view::npos ? end : end - start);
        if (end == std::string_view::npos)
            break;
        if (separator != 0 && key[end] != separator)
            return false;
        separator = key[end];
        start = end + 1;
    }
    if (count < 2)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!AllDigits(parts[i], 4))
            return false;
    }
    const auto number = [](std::string_view digits) {
        return std::atoi(std::string(digits).c_str());
    };
    const auto month = [&](int m) {
        if (m < 1 || m > 12)
            return false;
        date.month = kGedcomGregorianMonths[m - 1];
        return true;
    };
    std::string_view day, year;
    if (count == 2) { // month and year
        if (parts[0].size() > 2 || parts[1].size() < 3 || !month(number(parts[0])))
            return false;
        year = parts[1];
    } else if (parts[0].size() == 4 && parts[1].size() <= 2 && parts[2].size() <= 2) {
        if (!month(number(parts[1])))
            return false;
        day = parts[2];
        year = parts[0];
    } else if (parts[0].size() <= 2 && parts[1].size() <= 2 && parts[2].size() >= 3) {
        const int a = number(parts[0]), b = number(parts[1]);
        const bool dayFirst = a > 12 || a == b;
        if (!(dayFirst || b > 12) || (a > 12 && b > 12) || !month(dayFirst ? b : a))
            return false;
        day = dayFirst ? parts[0] : parts[1];
        year = parts[2];
    } else {
        return false;
    }
    if (!day.empty()) {
        if (number(day) < 1 || number(day) > 31)
            return false;
        date.day = std::to_string(number(day));
    }
    date.year = std::string(year);
    return true;
}

// "1623-1624" after a day of 1 January to 24 March, or a month of January
// or February: the dual year one program writes for the others' 1623/24.
bool HyphenDualYear(const std::string& key, CDate& date) {
    const std::size_t dash = key.find('-');
    if (dash == std::string::npos || dash != 4 || key.size() != 9 ||
        !AllDigits(std::string_view(key).substr(0, 4), 4) ||
        !AllDigits(std::string_view(key).substr(5), 4))
        return false;
    const int first = std::atoi(key.substr(0, 4).c_str());
    const int second = std::atoi(key.substr(5).c_str());
    const bool early =
        date.month == "JAN" || date.month == "FEB" ||
        (date.month == "MAR" && !date.day.empty() && std::atoi(date.day.c_str()) <= 24);
    if (second != first + 1 || !early)
        return false;
    date.year = key.substr(0, 4) + '/' + key.substr(7);
    date.bDual = true;
    return true;
}

// One date at words[pos..]: [calendar] [[day] month] year [epoch], month
// "day," year, year month [day] ("1890 MARCH 3RD"), or the digits alone
// ("23.10.1948"). A year may be left out (noYear) where the date that
// follows gives it: "BET MAR AND SEP 1911". pos moves past it.
bool ReadDate(const CWords& words, std::size_t& pos, const CCalendarName* outer, CDate& date,
              bool noYear = false) {
    date.pCalendar = CalendarAt(words, pos);
    if (date.pCalendar)
        ++pos;
    else
        date.pCalendar = outer;
    if (pos >= words.count)
        return false;
    int code = 0;
    const bool civil = !date.pCalendar || date.pCalendar->eCalendar == EGedcomCalendar::Gregorian ||
                       date.pCalendar->eCalendar == EGedcomCalendar::Julian;
    if (civil && ReadNumericDate(words.items[pos].key, date)) {
        ++pos;
        return true;
    }
    // "1890 MARCH 3RD": the year first, the month named.
    if (civil && pos + 1 < words.count && AllDigits(words.items[pos].key, 4) &&
        words.items[pos].key.size() >= 3 &&
        ReadMonth(words, pos + 1, EGedcomCalendar::Gregorian, date.month)) {
        date.year = words.items[pos].key;
        pos += 2;
        if (pos < words.count && ReadDay(words.items[pos].key, date.day))
            ++pos;
        return true;
    }
    auto readMonth = [&](EGedcomCalendar calendar) {
        std::string day;
        if (ReadDay(words.items[pos].key, day) && ReadMonth(words, pos + 1, calendar, date.month)) {
            date.day = day;
            pos += 2;
            return true;
        }
        if (!ReadMonth(words, pos, calendar, date.month))
            return false;
        ++pos;
        if (pos + 1 < words.count && words.items[pos].bComma &&
            ReadDay(words.items[pos].key, date.day))
            ++pos;
        return true;
    };
    if (date.pCalendar) {
        readMonth(date.pCalendar->eCalendar);
    } else if (!readMonth(EGedcomCalendar::Gregorian)) {
        // A Hebrew or Republican month code names its calendar, escape or not.
        for (const CCalendarName* calendar : {&kCalendars[2], &kCalendars[3]}) {
            if (readMonth(calendar->eCalendar)) {
                date.pCalendar = calendar;
                break;
            }
        }
    }
    if (noYear && !date.month.empty() &&
        (pos >= words.count || MatchRow(words, pos, EKind::And, code) ||
         MatchRow(words, pos, EKind::To, code)))
        return true;
    if (pos >= words.count ||
        (!ReadYear(words.items[pos].key, date) && !HyphenDualYear(words.items[pos].key, date)))
        return false;
    ++pos;
    if (const std::size_t n = MatchRow(words, pos, EKind::Epoch, code); n != 0 && !date.bEpoch) {
        date.bEpoch = code == 1;
        pos += n;
    }
    return true;
}

struct CLenient {
    EQual eQual = EQual::None;
    CDate first, second;
    bool bSecond = false;
    std::string_view phrase;
};

bool ReadLenient(std::string_view value, CLenient& lenient) {
    if (value.size() > kMaxValue)
        return false;
    CWords words;
    if (!SplitWords(value, words) || words.count == 0)
        return false;
    std::size_t pos = 0;
    // A calendar written before the qualifier holds for every date.
    const CCalendarName* outer = nullptr;
    int code = 0;
    if (CalendarAt(words, 0) && MatchRow(words, 1, EKind::Qualifier, code) != 0) {
        outer = CalendarAt(words, 0);
        pos = 1;
    }
    if (const std::size_t n = MatchRow(words, pos, EKind::Qualifier, code); n != 0) {
        lenient.eQual = static_cast<EQual>(code);
        pos += n;
    }
    const bool two = lenient.eQual == EQual::Bet || lenient.eQual == EQual::From;
    if (!ReadDate(words, pos, outer, lenient.first, two))
        return false;
    const EKind joiner = lenient.eQual == EQual::Bet ? EKind::And : EKind::To;
    if (two) {
        if (const std::size_t n = MatchRow(words, pos, joiner, code); n != 0) {
            pos += n;
            if (!ReadDate(words, pos, outer, lenient.second))
                return false;
            lenient.bSecond = true;
            // "BET MAR AND SEP 1911": both months of that year.
            if (lenient.first.year.empty()) {
                if (lenient.second.bDual || lenient.second.bEpoch || lenient.second.month.empty())
                    return false;
                // "BET SEP AND MAR 1911" may start in 1910: no sure reading.
                const auto order = [](const CDate& date) {
                    const auto* const month = std::find_if(
                        std::begin(kGedcomGregorianMonths), std::end(kGedcomGregorianMonths),
                        [&](const char* code) { return date.month == code; });
                    return (month - std::begin(kGedcomGregorianMonths)) * 32 +
                           (date.day.empty() ? 0 : std::atoi(date.day.c_str()));
                };
                if (order(lenient.first) > order(lenient.second))
                    return false;
                lenient.first.year = lenient.second.year;
            }
        } else if (lenient.eQual == EQual::Bet) {
            return false;
        }
    }
    if (lenient.first.year.empty())
        return false;
    if (lenient.eQual == EQual::Int && pos < words.count && words.items[pos].raw[0] == '(')
        lenient.phrase = words.items[pos++].raw;
    return pos == words.count;
}

bool WriteDate(const CDate& date, EGedcomVersion version, std::string& text) {
    const bool v70 = version == EGedcomVersion::V70;
    if (date.bDual && date.bEpoch)
        return false;
    std::string year = date.year;
    if (date.bDual && v70) {
        // 7.0 has no dual year: only a Julian one has a sure later year.
        if (!date.pCalendar || date.pCalendar->eCalendar != EGedcomCalendar::Julian)
            return false;
        const std::size_t slash = year.find('/');
        std::int32_t first = 0;
        for (std::size_t i = 0; i < slash; ++i) // nine digits at most: no overflow
            first = first * 10 + (year[i] - '0');
        const auto later = LaterOfDualYear(first, std::string_view(year).substr(slash + 1));
        if (!later)
            return false;
        year = std::to_string(*later);
    }
    if (date.pCalendar) {
        text += v70 ? date.pCalendar->word : date.pCalendar->escape;
        text += ' ';
    }
    if (!date.day.empty())
        text += date.day + ' ';
    if (!date.month.empty())
        text += date.month + ' ';
    text += year;
    if (date.bEpoch)
        text += v70 ? " BCE" : " B.C.";
    return true;
}

constexpr const char* kQualWords[] = {"",    "ABT", "CAL", "EST",  "INT",
                                      "BEF", "AFT", "BET", "FROM", "TO"};

std::optional<std::string> WriteLenient(const CLenient& lenient, EGedcomVersion version) {
    std::string text;
    EQual qual = lenient.eQual;
    if (qual == EQual::Int && lenient.phrase.empty())
        qual = EQual::None; // nothing interpreted: the date alone
    if (qual == EQual::Int && version == EGedcomVersion::V70)
        return std::nullopt; // 7.0 keeps the phrase elsewhere
    if (qual != EQual::None) {
        text += kQualWords[static_cast<int>(qual)];
        text += ' ';
    }
    if (!WriteDate(lenient.first, version, text))
        return std::nullopt;
    if (lenient.bSecond) {
        text += qual == EQual::Bet ? " AND " : " TO ";
        if (!WriteDate(lenient.second, version, text))
            return std::nullopt;
    }
    if (!lenient.phrase.empty()) {
        text += ' ';
        text += lenient.phrase;
    }
    return text;
}

constexpr unsigned kNoDays = kGedcomUnreadable | kGedcomNoSuchDay | kGedcomOutsideRange;

// Before the reform day: the date's first day, read as a Gregorian one.
bool BeforeReform(const CDate& date, EGedcomVersion version, std::int32_t reformDay) {
    std::string text;
    if (!WriteDate(date, version, text))
        return false;
    const CGedcomDateValue value = ReadGedcomDate(text);
    return value.nFirst != 0 && value.nFirst < reformDay;
}

// "ABT 1850" for "abt  1850": what a case- and space-blind reader sees.
// A phrase is the user's own text: its case stays ("int 1850 (x)").
std::string Folded(std::string_view text) {
    std::string folded;
    bool phrase = false;
    for (const char c : text) {
        phrase = phrase || c == '(';
        if (phrase) {
            folded += c;
        } else if (IsSpace(c)) {
            if (!folded.empty() && folded.back() != ' ')
                folded += ' ';
        } else {
            folded += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    if (!folded.empty() && folded.back() == ' ')
        folded.pop_back();
    return folded;
}

// A value that reads once its extension tags ("_UNKNOWN 13 _MONTH 17") or
// the 5.5.1 escapes no day can be reckoned in stand for standard ones: a
// month after a day becomes JAN, a calendar or an era is left out.
bool NamesExtension(std::string_view value) {
    CWords words;
    if (!SplitWords(value, words))
        return false;
    std::string standard;
    bool extension = false;
    for (std::size_t i = 0; i < words.count; ++i) {
        const std::string& key = words.items[i].key;
        const bool tag =
            key.size() > 1 && key[0] == '_' &&
            key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") == std::string::npos;
        if (tag || key == "@#DROMAN@" || key == "@#DUNKNOWN@") {
            extension = true;
            if (tag && i > 0 && AllDigits(words.items[i - 1].key, 2))
                standard += " JAN";
            continue;
        }
        standard += ' ';
        standard += words.items[i].raw;
    }
    return extension && !(ReadGedcomDate(standard).nFindings & kGedcomUnreadable);
}

} // namespace

namespace {

// The standard value with what the reader makes of it, given what the
// reader makes of the value as it stands.
std::optional<std::string> Standard(std::string_view value, EGedcomVersion version,
                                    const CGedcomDateValue& asWritten, CGedcomDateValue& standard) {
    CLenient lenient;
    if (!ReadLenient(value, lenient))
        return std::nullopt;
    auto text = WriteLenient(lenient, version);
    if (!text || *text == value)
        return std::nullopt;

    // The suggestion must name days, and the very days the value already
    // reads to when the reader takes it as it stands.
    standard = ReadGedcomDate(*text);
    if (standard.nFindings & kNoDays)
        return std::nullopt;
    if (!(asWritten.nFindings & kGedcomUnreadable) &&
        (asWritten.nFirst != standard.nFirst || asWritten.nLast != standard.nLast ||
         asWritten.nFindings != standard.nFindings))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<std::string> StandardGedcomValue(std::string_view value, EGedcomVersion version) {
    CGedcomDateValue standard;
    return Standard(value, version, ReadGedcomDate(value), standard);
}

std::optional<std::string> JulianGedcomValue(std::string_view value, EGedcomVersion version,
                                             EJulianDates which, std::int32_t reformDay) {
    CLenient lenient;
    if (!ReadLenient(value, lenient))
        return std::nullopt;
    bool changed = false;
    auto make = [&](CDate& date) {
        const bool gregorian =
            !date.pCalendar || date.pCalendar->eCalendar == EGedcomCalendar::Gregorian;
        const bool take = which == EJulianDates::DualYears
                              ? date.bDual && gregorian
                              : !date.pCalendar && BeforeReform(date, version, reformDay);
        if (take) {
            date.pCalendar = &kCalendars[1];
            changed = true;
        }
    };
    make(lenient.first);
    if (lenient.bSecond)
        make(lenient.second);
    if (!changed)
        return std::nullopt;
    auto text = WriteLenient(lenient, version);
    if (!text || (ReadGedcomDate(*text).nFindings & kNoDays))
        return std::nullopt;
    return text;
}

bool IsOldStyleDualYear(std::string_view value) {
    // No dual year without a slash; only a folded letter could make one.
    if (std::all_of(value.begin(), value.end(),
                    [](char c) { return c != '/' && static_cast<unsigned char>(c) < 0x80; }))
        return false;
    CLenient lenient;
    if (!ReadLenient(value, lenient))
        return false;
    // Dual years were written while the year began on 25 March: in England
    // the last was 1751/52. Later ones mean something else ("1951/1952").
    auto oldStyle = [](const CDate& date) {
        const std::string_view first = std::string_view(date.year).substr(0, date.year.find('/'));
        return date.bDual && !date.bEpoch &&
               (first.size() < 4 ||
                (first.size() == 4 && first <= std::to_string(kLastDualYear))) &&
               (!date.pCalendar || date.pCalendar->eCalendar != EGedcomCalendar::Julian);
    };
    return oldStyle(lenient.first) || (lenient.bSecond && oldStyle(lenient.second));
}

namespace {

// A word of up to four letters in capitals, one byte each, as a number to
// switch on.
constexpr std::uint32_t Key(std::string_view word) {
    std::uint32_t key = 0;
    for (const char c : word)
        key = (key << 8) | static_cast<unsigned char>(c);
    return key;
}

// "[ABT|CAL|EST|BEF|AFT] [DD] [MON] YYYY", or BET ... AND ..., FROM ... [TO
// ...], TO ...: the plain Gregorian forms that make most of a file, in any
// case and spacing. Such a value reads as it is, so it has no repair; the
// test is a small part of a full reading, and runs on every DATE line.
class CPlainDate {
public:
    explicit CPlainDate(std::string_view text)
        : m_p(text.data()), m_end(text.data() + text.size()) {}

    bool Matches() {
        if (const int quick = Quick(); quick >= 0)
            return quick == 1;
        switch (PeekWord()) {
        case Key("BET"):
            TakeWord();
            return Date() && PeekWord() == Key("AND") && TakeWord() && Date() && AtEnd();
        case Key("FROM"):
            TakeWord();
            return Date() &&
                   (AtEnd() || (PeekWord() == Key("TO") && TakeWord() && Date() && AtEnd()));
        case Key("ABT"):
        case Key("CAL"):
        case Key("EST"):
        case Key("BEF"):
        case Key("AFT"):
        case Key("TO"):
            TakeWord();
            break;
        default:
            break;
        }
        return Date() && AtEnd();
    }

private:
    void Blanks() {
        while (m_p < m_end && *m_p == ' ')
            ++m_p;
    }
    bool AtEnd() {
        Blanks();
        return m_p == m_end;
    }
    static bool Letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
    static bool Digit(char c) { return c >= '0' && c <= '9'; }
    // The word here, whole and in capitals (0 if it is none of two to four
    // letters); it stays to be taken.
    std::uint32_t PeekWord() {
        Blanks();
        std::uint32_t key = 0;
        const char* q = m_p;
        for (; q < m_end && Letter(*q); ++q) {
            if (q - m_p == 4)
                return 0;
            key = (key << 8) | static_cast<unsigned char>(*q & ~0x20);
        }
        if (q - m_p < 2 || (q < m_end && *q != ' '))
            return 0;
        m_pWord = q;
        return key;
    }
    bool TakeWord() {
        m_p = m_pWord;
        return true;
    }
    // The forms that make nine values in ten, told by their length alone:
    // "1850", "12 JAN 1850", "2 JAN 1850", "JAN 1850" or "ABT 1850"; 1 or 0
    // for those, -1 for the rest.
    int Quick() const {
        const auto n = static_cast<std::size_t>(m_end - m_p);
        const char* p = m_p;
        auto digits = [p](std::size_t at, std::size_t count) {
            for (std::size_t i = at; i < at + count; ++i) {
                if (!Digit(p[i]))
                    return false;
            }
            return true;
        };
        auto word = [p](std::size_t at) {
            std::uint32_t key = 0;
            for (std::size_t i = at; i < at + 3; ++i) {
                if (!Letter(p[i]))
                    return std::uint32_t(0);
                key = (key << 8) | static_cast<unsigned char>(p[i] & ~0x20);
            }
            return key;
        };
        switch (n) {
        case 4:
            return digits(0, 4) ? 1 : -1;
        case 8:
            if (p[3] != ' ' || !digits(4, 4))
                return -1;
            return IsMonth(word(0)) || IsQualifier(word(0)) ? 1 : -1;
        case 10:
            return digits(0, 1) && p[1] == ' ' && p[5] == ' ' && digits(6, 4) && IsMonth(word(2))
                       ? 1
                       : -1;
        case 11:
            return digits(0, 2) && p[2] == ' ' && p[6] == ' ' && digits(7, 4) && IsMonth(word(3))
                       ? 1
                       : -1;
        default:
            return -1;
        }
    }
    static bool IsQualifier(std::uint32_t key) {
        return key == Key("ABT") || key == Key("CAL") || key == Key("EST") || key == Key("BEF") ||
               key == Key("AFT");
    }
    static bool IsMonth(std::uint32_t key) {
        switch (key) {
        case Key("JAN"):
        case Key("FEB"):
        case Key("MAR"):
        case Key("APR"):
        case Key("MAY"):
        case Key("JUN"):
        case Key("JUL"):
        case Key("AUG"):
        case Key("SEP"):
        case Key("OCT"):
        case Key("NOV"):
        case Key("DEC"):
            return true;
        default:
            return false;
        }
    }
    bool Month() { return IsMonth(PeekWord()) && TakeWord(); }
    // Up to most digits, whole.
    bool Digits(std::size_t most) {
        Blanks();
        const char* q = m_p;
        while (q < m_end && Digit(*q))
            ++q;
        const auto n = static_cast<std::size_t>(q - m_p);
        if (n == 0 || n > most || (q < m_end && *q != ' '))
            return false;
        m_p = q;
        return true;
    }
    // [DD] MON YYYY, MON YYYY or YYYY, the digits read once.
    bool Date() {
        Blanks();
        if (m_p == m_end || !Digit(*m_p))
            return Month() && Digits(4);
        const char* q = m_p;
        while (q < m_end && Digit(*q))
            ++q;
        if (q < m_end && *q != ' ')
            return false;
        const char* start = m_p;
        m_p = q;
        if (q - start <= 2 && Month() && Digits(4))
            return true;
        m_p = q;
        return q - start <= 4;
    }

    const char* m_p;
    const char* m_end;
    const char* m_pWord = nullptr;
};

} // namespace

bool IsPlainGedcomDate(std::string_view value) {
    return CPlainDate(value).Matches();
}

CGedcomCheck CheckGedcomValue(std::string_view value, EGedcomVersion version) {
    // Files are UTF-8 or, when they are not, most often Windows-1252.
    const bool ascii = std::all_of(value.begin(), value.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const auto cp1252 = ascii ? std::nullopt : Utf8ToCp1252(value);
    const std::string_view text = cp1252 ? std::string_view(*cp1252) : value;
    CGedcomCheck check;
    check.value = ReadGedcomDate(text);
    // 5.5.1 reads keywords in any case and any spacing; 7.0's grammar is
    // case-sensitive, so there only the standard text itself is standard.
    const bool v70 = version == EGedcomVersion::V70;
    if (!(check.value.nFindings & kGedcomUnreadable) && IsPlainGedcomDate(text) &&
        (!v70 || Folded(text) == text))
        return check;
    std::string standard(text);
    CGedcomDateValue read;
    if (auto suggestion = Standard(text, version, check.value, read);
        suggestion && ((check.value.nFindings & kGedcomUnreadable) ||
                       (v70 ? std::string(text) : Folded(text)) != *suggestion)) {
        check.value = read;
        check.value.nFindings |= kGedcomNonstandard;
        standard = std::move(*suggestion);
    }
    if (!(check.value.nFindings & (kNoDays | kGedcomDualYearMisplaced)) &&
        IsOldStyleDualYear(standard)) {
        if (auto julian = JulianGedcomValue(standard, version, EJulianDates::DualYears)) {
            const unsigned nonstandard = check.value.nFindings & kGedcomNonstandard;
            check.value = ReadGedcomDate(*julian);
            check.value.nFindings |= nonstandard | kGedcomOldStyle;
            standard = std::move(*julian);
        }
    }
    if ((check.value.nFindings & kGedcomUnreadable) && NamesExtension(text))
        check.value = CGedcomDateValue{EGedcomForm::Unreadable,
                                       EGedcomQualifier::None,
                                       EGedcomCalendar::None,
                                       false,
                                       0,
                                       0,
                                       kGedcomExtension,
                                       false};
    // A misplaced dual year has no standard form that keeps its meaning.
    if (check.value.nFindings & kGedcomDualYearMisplaced)
        check.value.nFindings &= ~kGedcomNonstandard;
    else if (check.value.nFindings & (kGedcomNonstandard | kGedcomOldStyle))
        check.strSuggestion = cp1252 ? Cp1252ToUtf8(standard) : standard;
    return check;
}

CGedcomDateValue GedcomValueMeaning(std::string_view value) {
    return CheckGedcomValue(value, EGedcomVersion::V551).value;
}

EGedcomNoDay GedcomNoDayOf(const CGedcomDateValue& value) {
    if (GedcomFullDay(value))
        return EGedcomNoDay::None;
    if (value.nFindings & kGedcomUnreadable)
        return EGedcomNoDay::Unreadable;
    if (value.nFindings & kGedcomNoSuchDay)
        return EGedcomNoDay::NoSuchDay;
    if (value.nFindings & kGedcomOutsideRange)
        return EGedcomNoDay::OutsideRange;
    if (value.nFindings & kGedcomDualYearMisplaced)
        return EGedcomNoDay::DualYearSpan;
    if (value.eForm == EGedcomForm::Range || value.eForm == EGedcomForm::Period)
        return EGedcomNoDay::Span;
    if (value.eForm == EGedcomForm::Phrase)
        return EGedcomNoDay::Unreadable;
    return EGedcomNoDay::YearOrMonth;
}

std::vector<CGedcomMonthWord> GedcomMonthWords() {
    std::vector<CGedcomMonthWord> months;
    for (const CWordRow& row : kWords) {
        if (row.eKind == EKind::Month)
            months.push_back({row.words, row.nCode});
    }
    return months;
}

bool GregorianBeforeReform(const CGedcomDateValue& value, std::int32_t reformDay) {
    const std::int32_t first = value.nFirst != 0 ? value.nFirst : value.nLast;
    return !value.bCalendarNamed && value.eCalendar == EGedcomCalendar::Gregorian && first != 0 &&
           first < reformDay;
}
