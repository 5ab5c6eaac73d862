// GEDCOM date values. The reader splits the text into at most a handful of
// tokens, follows the grammar of both versions at once, and turns each date
// into the first and last day it can mean through the calendars' own
// conversions; its own arithmetic only tells a day that does not exist from
// one that lies outside the supported range.
#include "GedcomDate.h"

#include "calendar/DayMonth.h"
#include "calendar/YearStyle.h"
#include "text/StringTable.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::size_t kMaxTokens = 12;

enum class ETokenKind { Word, Escape, Phrase };

struct CToken {
    ETokenKind eKind = ETokenKind::Word;
    std::string_view text;
};

struct CTokens {
    std::array<CToken, kMaxTokens> items{};
    std::size_t count = 0;
    bool bOverflow = false;
};

constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
constexpr char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An escape as written may double its inner space ("@#DFRENCH  R@").
bool EscapeEquals(std::string_view escape, std::string_view name) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < escape.size(); ++i) {
        if (escape[i] == ' ' && i > 0 && escape[i - 1] == ' ')
            continue;
        if (j >= name.size() || Upper(escape[i]) != name[j])
            return false;
        ++j;
    }
    return j == name.size();
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    }
    return true;
}

// Words split at spaces; "@#D...@" is one token whatever it holds (the
// Republican escape has a space), and "(...)" runs to the last ")".
CTokens Tokenize(std::string_view text) {
    CTokens tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            ++i;
            continue;
        }
        CToken token;
        std::size_t end = i + 1;
        if (text[i] == '(') {
            const std::size_t close = text.rfind(')');
            if (close == std::string_view::npos || close < i) {
                tokens.bOverflow = true; // an unclosed phrase: unreadable
                return tokens;
            }
            token.eKind = ETokenKind::Phrase;
            end = close + 1;
        } else if (text[i] == '@') {
            const std::size_t close = text.find('@', i + 1);
            if (close == std::string_view::npos) {
                tokens.bOverflow = true;
                return tokens;
            }
            token.eKind = ETokenKind::Escape;
            end = close + 1;
        } else {
            while (end < text.size() && !IsSpace(text[end]) && text[end] != '(' && text[end] != '@')
                ++end;
        }
        token.text = text.substr(i, end - i);
        if (tokens.count == kMaxTokens) {
            tokens.bOverflow = true;
            return tokens;
        }
        tokens.items[tokens.count++] = token;
        i = end;
    }
    return tokens;
}

int MonthOfCode(EGedcomCalendar calendar, std::string_view word) {
    const char* const* codes = kGedcomGregorianMonths;
    int count = 12;
    if (calendar == EGedcomCalendar::French) {
        codes = kGedcomFrenchMonths;
        count = 13;
    } else if (calendar == EGedcomCalendar::Hebrew) {
        codes = kGedcomHebrewMonths;
        count = 13;
    }
    // Codes are three or four letters: most words are none, and a code is
    // compared without measuring it.
    if (word.size() < 3 || word.size() > 4)
        return 0;
    for (int m = 0; m < count; ++m) {
        const char* code = codes[m];
        std::size_t i = 0;
        while (i < word.size() && code[i] != '\0' && Upper(word[i]) == code[i])
            ++i;
        if (i == word.size() && code[i] == '\0')
            return m + 1;
    }
    return 0;
}

// Digits only, at most nine of them (larger years are far outside anyway).
bool ReadNumber(std::string_view text, std::int32_t& value) {
    if (text.empty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

struct CDatePart {
    EGedcomCalendar eCalendar = EGedcomCalendar::Gregorian;
    bool bCalendarWord = false; // written the 7.0 way
    bool bImplicit = true;      // no escape or word: Gregorian
    std::int32_t nDay = 0;      // 0: not written
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0; // the year read (a dual year's later year), negative B.C.
    bool bDual = false;
    bool bDualWrong = false;     // the second year is not the first plus one
    std::int32_t nFirstYear = 0; // a dual year's first year
};

// One date at tokens[pos..]; pos moves past it. False when it is not one.
bool ParseDate(const CTokens& tokens, std::size_t& pos, CDatePart& date) {
    auto at = [&](std::size_t k) -> const CToken* {
        return k < tokens.count ? &tokens.items[k] : nullptr;
    };
    const CToken* token = at(pos);
    if (!token)
        return false;
    if (token->eKind == ETokenKind::Escape) {
        const std::string_view t = token->text;
        if (EscapeEquals(t, "@#DGREGORIAN@"))
            date.eCalendar = EGedcomCalendar::Gregorian;
        else if (EscapeEquals(t, "@#DJULIAN@"))
            date.eCalendar = EGedcomCalendar::Julian;
        else if (EscapeEquals(t, "@#DHEBREW@"))
            date.eCalendar = EGedcomCalendar::Hebrew;
        else if (EscapeEquals(t, "@#DFRENCH R@"))
            date.eCalendar = EGedcomCalendar::French;
        else
            return false; // @#DROMAN@, @#DUNKNOWN@ and the like
        date.bImplicit = false;
        token = at(++pos);
    } else if (token->eKind == ETokenKind::Word) {
        static constexpr struct {
            const char* word;
            EGedcomCalendar calendar;
        } kWords[] = {{"GREGORIAN", EGedcomCalendar::Gregorian},
                      {"JULIAN", EGedcomCalendar::Julian},
                      {"HEBREW", EGedcomCalendar::Hebrew},
                      {"FRENCH_R", EGedcomCalendar::French}};
        for (const auto& w : kWords) {
            if (EqualsNoCase(token->text, w.word)) {
                date.eCalendar = w.calendar;
                date.bImplicit = false;
                date.bCalendarWord = true;
                token = at(++pos);
                break;
            }
        }
    }
    if (!token || token->eKind != ETokenKind::Word)
        return false;

    // [day] [month] year
    const CToken* next = at(pos + 1);
    if (next && next->eKind == ETokenKind::Word && token->text.size() <= 2 &&
        MonthOfCode(date.eCalendar, next->text) != 0) {
        if (!ReadNumber(token->text, date.nDay))
            return false;
        date.nMonth = MonthOfCode(date.eCalendar, next->text);
        if (date.nDay == 0)
            date.nDay = -1; // a day 0 was written: no such day
        pos += 2;
    } else if (const int month = MonthOfCode(date.eCalendar, token->text); month != 0) {
        date.nMonth = month;
        pos += 1;
    }
    token = at(pos);
    if (!token || token->eKind != ETokenKind::Word)
        return false;

    const std::string_view yearText = token->text;
    const std::size_t slash = yearText.find('/');
    std::int32_t first = 0;
    if (slash == std::string_view::npos) {
        if (!ReadNumber(yearText, first))
            return false;
        date.nYear = first;
    } else {
        // Dual years belong to 5.5.1's Gregorian and Julian dates.
        const std::string_view tail = yearText.substr(slash + 1);
        if (date.bCalendarWord || (date.eCalendar != EGedcomCalendar::Gregorian &&
                                   date.eCalendar != EGedcomCalendar::Julian))
            return false;
        if (!ReadNumber(yearText.substr(0, slash), first))
            return false;
        const auto later = LaterOfDualYear(first, tail);
        if (!later || *later > 999999999)
            return false;
        date.nYear = static_cast<std::int32_t>(*later);
        date.bDual = true;
        date.nFirstYear = first;
        date.bDualWrong = *later != static_cast<std::int64_t>(first) + 1;
    }
    ++pos;

    token = at(pos);
    if (token && token->eKind == ETokenKind::Word &&
        (EqualsNoCase(token->text, "B.C.") || EqualsNoCase(token->text, "BC") ||
         EqualsNoCase(token->text, "BCE"))) {
        if ((date.eCalendar != EGedcomCalendar::Gregorian &&
             date.eCalendar != EGedcomCalendar::Julian) ||
            date.bDual)
            return false;
        date.nYear = -date.nYear;
        ++pos;
    }
    return true;
}

// Proleptic leap years without a year 0 (1 B.C. is leap in both calendars).
bool IsLeapYear(EGedcomCalendar calendar, std::int64_t year) {
    const std::int64_t a = year < 0 ? year + 1 : year;
    auto divisible = [a](std::int64_t n) { return a % n == 0; };
    if (calendar == EGedcomCalendar::Julian)
        return divisible(4);
    return divisible(4) && (!divisible(100) || divisible(400));
}

std::int32_t DaysInCivilMonth(EGedcomCalendar calendar, std::int32_t month, std::int32_t year) {
    static constexpr std::int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(calendar, year))
        return 29;
    return kDays[month - 1];
}

bool IsJewishLeapYear(std::int32_t year) {
    return (7 * static_cast<std::int64_t>(year) + 1) % 19 < 7;
}

struct CSpan {
    std::int32_t nLo = 0;
    std::int32_t nHi = 0;
    unsigned nFindings = 0;
    bool bBefore1582 = false;
};

// A day by the calendar's own Set, or 0 when its IsValid refuses the fields.
std::int32_t CivilDay(EGedcomCalendar calendar, std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay jd;
    if (calendar == EGedcomCalendar::Julian) {
        if (!CJulianDay::IsValidJulian({d, m, y}))
            return 0;
        jd.SetJulian({d, m, y});
    } else {
        if (!CJulianDay::IsValidGregorian({d, m, y}))
            return 0;
        jd.SetGregorian({d, m, y});
    }
    return jd.GetDayNumber();
}

std::int32_t JewishDay(std::int32_t d, std::int32_t m, std::int32_t y) {
    if (!CJulianDay::IsValidJewish({d, m, y}))
        return 0;
    CJulianDay jd;
    jd.SetJewish({d, m, y});
    return jd.GetDayNumber();
}

std::int32_t RepublicanDay(std::int32_t d, std::int32_t m, std::int32_t y) {
    if (!CJulianDay::IsValidRepublican({d, m, y}))
        return 0;
    CJulianDay jd;
    jd.SetRepublican({d, m, y});
    return jd.GetDayNumber();
}

CSpan CivilSpan(const CDatePart& date) {
    CSpan span;
    const EGedcomCalendar cal = date.eCalendar;
    // A dual year belongs to 1 January .. 24 March, the days of the year
    // before Lady Day.
    // After 1751/52 no year began on Lady Day any more: "1840/41" is
    // "1840 or 1841", both whole years.
    const bool modern = date.bDual && !date.bDualWrong && date.nFirstYear >= kLastDualYear + 1;
    if (date.bDual &&
        (modern || date.bDualWrong || date.nMonth > 3 || (date.nMonth == 3 && date.nDay > 24)))
        span.nFindings |= kGedcomDualYearMisplaced;
    if (date.nYear == 0 || date.nDay < 0) {
        span.nFindings |= kGedcomNoSuchDay;
        return span;
    }
    std::int32_t loD = 1, loM = 1, loY = date.nYear, hiD = 31, hiM = 12, hiY = date.nYear;
    if (date.nMonth != 0) {
        loM = hiM = date.nMonth;
        hiD = DaysInCivilMonth(cal, date.nMonth, date.nYear);
        if (date.nDay != 0) {
            if (date.nDay > hiD) {
                span.nFindings |= kGedcomNoSuchDay;
                return span;
            }
            loD = hiD = date.nDay;
        }
    }
    if (modern) {
        loY = date.nFirstYear;
        loD = loM = 1;
        hiD = 31;
        hiM = 12;
    } else if (date.bDualWrong) {
        // Years that do not follow: anything from the first year's Lady Day
        // to the eve of the last one's.
        loY = date.nFirstYear;
        loD = 25;
        loM = 3;
        hiD = 24;
        hiM = 3;
    } else if (date.nMonth == 0 && date.bDual) {
        // A dual year alone runs from Lady Day to Lady Day.
        loY = date.nYear - 1 == 0 ? -1 : date.nYear - 1;
        loD = 25;
        loM = 3;
        hiD = 24;
        hiM = 3;
    }
    span.bBefore1582 = cal == EGedcomCalendar::Gregorian &&
                       (loY < 1582 || (loY == 1582 && (loM < 10 || (loM == 10 && loD < 15))));
    span.nLo = CivilDay(cal, loD, loM, loY);
    span.nHi = CivilDay(cal, hiD, hiM, hiY);
    if (span.nLo == 0 || span.nHi == 0)
        span.nFindings |= kGedcomOutsideRange;
    return span;
}

CSpan JewishSpan(const CDatePart& date) {
    CSpan span;
    const std::int32_t y = date.nYear;
    if (y == 0 || date.nDay < 0 || date.nDay > 30) {
        span.nFindings |= kGedcomNoSuchDay;
        return span;
    }
    // A common year's one Adar is our month 6, whichever code names it.
    const std::int32_t m = date.nMonth == 7 && !IsJewishLeapYear(y) ? 6 : date.nMonth;
    if (y > 6760) {
        span.nFindings |= kGedcomOutsideRange;
        return span;
    }
    if (m == 0) {
        span.nLo = JewishDay(1, 1, y);
        span.nHi = JewishDay(29, 13, y);
    } else {
        span.nLo = JewishDay(date.nDay != 0 ? date.nDay : 1, m, y);
        if (date.nDay != 0) {
            span.nHi = span.nLo;
        } else {
            span.nHi = JewishDay(30, m, y);
            if (span.nHi == 0)
                span.nHi = JewishDay(29, m, y);
        }
        // Only the end of year 6760 lies beyond the range (after 1 Tevet).
        const bool pastEnd = y == 6760 && (m > 4 || (m == 4 && date.nDay > 1));
        if (span.nLo == 0 && !pastEnd) {
            span.nFindings |= kGedcomNoSuchDay;
            return span;
        }
    }
    if (span.nLo == 0 || span.nHi == 0)
        span.nFindings |= kGedcomOutsideRange;
    return span;
}

CSpan FrenchSpan(const CDatePart& date) {
    CSpan span;
    const std::int32_t y = date.nYear;
    const std::int32_t m = date.nMonth;
    if (y == 0 || date.nDay < 0 || date.nDay > 30 || (m == 13 && date.nDay > 6)) {
        span.nFindings |= kGedcomNoSuchDay;
        return span;
    }
    if (y > 1208) {
        span.nFindings |= kGedcomOutsideRange;
        return span;
    }
    auto lastComplementary = [y] { return RepublicanDay(6, 13, y) != 0 ? 6 : 5; };
    if (m == 0) {
        span.nLo = RepublicanDay(1, 1, y);
        span.nHi = y < 1208 ? RepublicanDay(lastComplementary(), 13, y) : 0;
    } else if (date.nDay == 0) {
        span.nLo = RepublicanDay(1, m, y);
        span.nHi = y < 1208 ? RepublicanDay(m == 13 ? lastComplementary() : 30, m, y)
                            : RepublicanDay(30, m, y);
    } else {
        span.nLo = span.nHi = RepublicanDay(date.nDay, m, y);
        // Only the end of year 1208 lies beyond the range (after 11 Nivose).
        const bool pastEnd = y == 1208 && (m > 4 || (m == 4 && date.nDay > 11));
        if (span.nLo == 0 && !pastEnd) {
            span.nFindings |= kGedcomNoSuchDay;
            return span;
        }
    }
    if (span.nLo == 0 || span.nHi == 0)
        span.nFindings |= kGedcomOutsideRange;
    return span;
}

CSpan SpanOf(const CDatePart& date) {
    CSpan span;
    switch (date.eCalendar) {
    case EGedcomCalendar::Hebrew:
        span = JewishSpan(date);
        break;
    case EGedcomCalendar::French:
        span = FrenchSpan(date);
        break;
    default:
        span = CivilSpan(date);
        break;
    }
    if (span.nFindings & (kGedcomNoSuchDay | kGedcomOutsideRange))
        span.nLo = span.nHi = 0;
    return span;
}

struct CKeyword {
    const char* word;
    EGedcomQualifier qualifier;
};
constexpr CKeyword kQualifiers[] = {
    {"ABT", EGedcomQualifier::Abt}, {"CAL", EGedcomQualifier::Cal},
    {"EST", EGedcomQualifier::Est}, {"INT", EGedcomQualifier::Int},
    {"BEF", EGedcomQualifier::Bef}, {"AFT", EGedcomQualifier::Aft},
    {"BET", EGedcomQualifier::Bet}, {"FROM", EGedcomQualifier::From},
    {"TO", EGedcomQualifier::To},
};

bool IsWord(const CTokens& tokens, std::size_t pos, const char* word) {
    return pos < tokens.count && tokens.items[pos].eKind == ETokenKind::Word &&
           EqualsNoCase(tokens.items[pos].text, word);
}

CGedcomDateValue Unreadable() {
    CGedcomDateValue value;
    value.nFindings = kGedcomUnreadable;
    return value;
}

} // namespace

CGedcomDateValue ReadGedcomDate(std::string_view text) {
    const CTokens tokens = Tokenize(text);
    if (tokens.bOverflow || tokens.count == 0)
        return Unreadable();

    CGedcomDateValue value;
    if (tokens.count == 1 && tokens.items[0].eKind == ETokenKind::Phrase) {
        value.eForm = EGedcomForm::Phrase;
        value.nFindings = kGedcomPhrase;
        return value;
    }

    std::size_t pos = 0;
    if (tokens.items[0].eKind == ETokenKind::Word) {
        for (const auto& keyword : kQualifiers) {
            if (EqualsNoCase(tokens.items[0].text, keyword.word)) {
                value.eQualifier = keyword.qualifier;
                pos = 1;
                break;
            }
        }
    }

    CDatePart first, second;
    bool hasSecond = false;
    if (!ParseDate(tokens, pos, first))
        return Unreadable();
    switch (value.eQualifier) {
    case EGedcomQualifier::Bet:
        if (!IsWord(tokens, pos, "AND"))
            return Unreadable();
        ++pos;
        if (!ParseDate(tokens, pos, second))
            return Unreadable();
        hasSecond = true;
        break;
    case EGedcomQualifier::From:
        if (IsWord(tokens, pos, "TO")) {
            ++pos;
            if (!ParseDate(tokens, pos, second))
                return Unreadable();
            hasSecond = true;
            value.eQualifier = EGedcomQualifier::FromTo;
        }
        break;
    case EGedcomQualifier::Int:
        // The interpreted text; 7.0 keeps it elsewhere, so it may be missing.
        if (pos < tokens.count && tokens.items[pos].eKind == ETokenKind::Phrase)
            ++pos;
        break;
    default:
        break;
    }
    if (pos != tokens.count)
        return Unreadable();

    switch (value.eQualifier) {
    case EGedcomQualifier::None:
        value.eForm = EGedcomForm::Date;
        break;
    case EGedcomQualifier::Abt:
    case EGedcomQualifier::Cal:
    case EGedcomQualifier::Est:
    case EGedcomQualifier::Int:
        value.eForm = EGedcomForm::Approximated;
        break;
    case EGedcomQualifier::Bef:
    case EGedcomQualifier::Aft:
    case EGedcomQualifier::Bet:
        value.eForm = EGedcomForm::Range;
        break;
    default:
        value.eForm = EGedcomForm::Period;
        break;
    }
    value.eCalendar = first.eCalendar;
    value.bCalendarNamed = !first.bImplicit;

    const CSpan a = SpanOf(first);
    const CSpan b = hasSecond ? SpanOf(second) : CSpan{};
    value.nFindings = a.nFindings | b.nFindings;
    if (a.bBefore1582 || b.bBefore1582)
        value.nFindings |= kGedcomGregorianBefore1582;
    if (value.nFindings & (kGedcomNoSuchDay | kGedcomOutsideRange))
        return value;

    switch (value.eQualifier) {
    case EGedcomQualifier::Bet:
    case EGedcomQualifier::FromTo:
        value.nFirst = a.nLo;
        value.nLast = b.nHi;
        if (value.nLast < value.nFirst)
            value.nFindings |= kGedcomReversed;
        break;
    case EGedcomQualifier::From:
        value.nFirst = a.nLo;
        break;
    case EGedcomQualifier::To:
        value.nLast = a.nHi;
        break;
    case EGedcomQualifier::Bef:
    case EGedcomQualifier::Aft:
        // Before the first day or after the last there is no day to name.
        if ((value.eQualifier == EGedcomQualifier::Bef && a.nLo == kFirstSupportedDay) ||
            (value.eQualifier == EGedcomQualifier::Aft && a.nHi == kLastSupportedDay)) {
            value.nFindings |= kGedcomOutsideRange;
            return value;
        }
        (value.eQualifier == EGedcomQualifier::Bef ? value.nLast : value.nFirst) =
            value.eQualifier == EGedcomQualifier::Bef ? a.nLo - 1 : a.nHi + 1;
        break;
    default:
        value.nFirst = a.nLo;
        value.nLast = a.nHi;
        break;
    }
    value.bFullDay =
        (value.eForm == EGedcomForm::Date || value.eForm == EGedcomForm::Approximated) &&
        first.nDay > 0 && first.nMonth > 0 && value.nFirst == value.nLast &&
        !(value.nFindings & kGedcomDualYearMisplaced);
    return value;
}

std::string GedcomStatusText(unsigned findings) {
    std::string text;
    for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
        if (findings & (1u << bit)) {
            if (!text.empty())
                text += ',';
            text += kGedcomFindingWords[bit];
        }
    }
    return text.empty() ? std::string("ok") : text;
}

std::optional<CJulianDay> GedcomFullDay(const CGedcomDateValue& value) {
    if (!value.bFullDay || value.nFirst == 0)
        return std::nullopt;
    return CJulianDay(value.nFirst);
}

namespace {

std::string CivilValue(bool julian, const CJulianDay& day, EGedcomVersion version) {
    const auto [d, m, y] = DateOf(day, !julian);
    std::string text;
    if (julian)
        text = version == EGedcomVersion::V551 ? "@#DJULIAN@ " : "JULIAN ";
    text += std::to_string(d) + ' ' + kGedcomGregorianMonths[m - 1] + ' ' +
            std::to_string(y < 0 ? -y : y);
    if (y < 0)
        text += version == EGedcomVersion::V551 ? " B.C." : " BCE";
    return text;
}

} // namespace

std::optional<std::string> FormatGedcomDate(CalendarRow row, CJulianDay day, EGedcomVersion version,
                                            const CCivilUse& civilUse) {
    const std::int32_t n = day.GetDayNumber();
    if (n < kFirstSupportedDay || n > kLastSupportedDay)
        return std::nullopt;
    const bool v551 = version == EGedcomVersion::V551;
    switch (row) {
    case CalendarRow::Gregorian:
        return CivilValue(false, day, version);
    case CalendarRow::Julian:
    case CalendarRow::Roman:
        return CivilValue(true, day, version);
    case CalendarRow::Republican: {
        if (n < kFirstRepublicanDay)
            return std::nullopt;
        const CRepublicanDate r = day.GetRepublican();
        return std::string(v551 ? "@#DFRENCH R@ " : "FRENCH_R ") + std::to_string(r.nDay) + ' ' +
               kGedcomFrenchMonths[r.nMonth - 1] + ' ' + std::to_string(r.nYear);
    }
    case CalendarRow::Jewish: {
        if (n < kFirstJewishDay)
            return std::nullopt;
        const CJewishDate j = day.GetJewish();
        // A common year's Adar: 5.5.1 files write ADR, 7.0 defines ADS.
        std::string month = kGedcomHebrewMonths[j.nMonth - 1];
        if (j.nMonth == 6 && !IsJewishLeapYear(j.nYear) && !v551)
            month = "ADS";
        return std::string(v551 ? "@#DHEBREW@ " : "HEBREW ") + std::to_string(j.nDay) + ' ' +
               month + ' ' + std::to_string(j.nYear);
    }
    case CalendarRow::Muslim: {
        if (n < kFirstMuslimDay)
            return std::nullopt;
        const std::string civil = CivilValue(!civilUse.IsGregorian(day), day, version);
        if (!v551)
            return civil;
        const CMuslimDate h = day.GetMuslim();
        return "INT " + civil + " (" + std::to_string(h.nDay) + ' ' +
               LoadResString(IDS_MUSLIM_MONTH_FIRST + h.nMonth - 1) + ' ' +
               std::to_string(h.nYear) + ')';
    }
    default:
        return std::nullopt;
    }
}
