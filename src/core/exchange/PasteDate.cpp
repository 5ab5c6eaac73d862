#include "PasteDate.h"

#include "calendar/StyledRow.h"
#include "church/Clause.h"
#include "exchange/FrenchDate.h"
#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomLenient.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <array>

using paste_detail::LeadingInteger;

namespace {

constexpr std::string_view kSeparators = " /,.";
constexpr std::size_t kMaxTokens = 4;

bool IsSeparator(char c) {
    return kSeparators.find(c) != std::string_view::npos;
}

// The English names are plain ASCII, and no other Windows-1252 letter turns
// into an ASCII one in upper case, so folding ASCII letters is the whole
// comparison. French names, accents and all, are FrenchDate's to read.
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    }
    return true;
}

// Position (from 1) of the first English month name of the row equal to the
// whole token; 0 when none is.
std::int32_t MonthOfName(CalendarRow row, std::string_view token) {
    for (std::int32_t month = 1; month <= RowMonthCount(row); ++month) {
        if (EqualsIgnoringCase(token, RowMonthName(row, month, ETextLanguage::English)))
            return month;
    }
    return 0;
}

std::int32_t KindOfName(std::string_view token) {
    for (std::int32_t kind = kRomanKalends; kind <= kRomanIdes; ++kind) {
        if (EqualsIgnoringCase(token, RomanKindName(kind, ETextLanguage::English)))
            return kind;
    }
    return 0;
}

// A number as written, else a month name.
std::int32_t MonthOfToken(CalendarRow row, std::string_view token) {
    const std::int32_t number = LeadingInteger(token);
    return number != 0 ? number : MonthOfName(row, token);
}

struct CTokens {
    std::array<std::string_view, kMaxTokens> token;
    std::size_t nCount = 0; // every token, stored or not
};

CTokens CutTokens(std::string_view text) {
    CTokens tokens;
    std::size_t start = 0;
    bool inToken = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || IsSeparator(text[i]);
        if (separator && inToken) {
            if (tokens.nCount < kMaxTokens)
                tokens.token[tokens.nCount] = text.substr(start, i - start);
            ++tokens.nCount;
            inToken = false;
        } else if (!separator && !inToken) {
            start = i;
            inToken = true;
        }
    }
    return tokens;
}

bool ReadDayMonthYear(CalendarRow row, const CTokens& t, CRowValues& v) {
    v.nFirst = LeadingInteger(t.token[0]);
    if (v.nFirst == 0)
        return false;
    v.nSecond = MonthOfToken(row, t.token[1]);
    if (v.nSecond == 0)
        return false;
    v.nThird = LeadingInteger(t.token[2]);
    return v.nThird != 0;
}

// "3 Nones 6 1997", "3 nones June 1997", "Kalends June 1997".
bool ReadRoman(const CTokens& t, CRowValues& v) {
    v.nFirst = LeadingInteger(t.token[0]);
    const bool named = v.nFirst == 0;
    if (named) {
        v.nFirst = KindOfName(t.token[0]);
        if (v.nFirst == 0)
            return false;
        v.nSecond = MonthOfToken(CalendarRow::Roman, t.token[1]);
        if (v.nSecond == 0)
            return false;
        v.nThird = LeadingInteger(t.token[2]);
        if (v.nThird == 0 || t.nCount != 3)
            return false;
        // The named day itself: count 1.
        v = {1, v.nFirst, v.nSecond, v.nThird};
        return true;
    }
    v.nSecond = KindOfName(t.token[1]);
    if (v.nSecond == 0)
        return false;
    v.nThird = MonthOfToken(CalendarRow::Roman, t.token[2]);
    if (v.nThird == 0)
        return false;
    v.nFourth = t.nCount == 4 ? LeadingInteger(t.token[3]) : 0;
    return v.nFourth != 0;
}

std::int32_t& YearOf(CalendarRow row, CRowValues& v) {
    return row == CalendarRow::Roman ? v.nFourth : v.nThird;
}

// Length of the well-formed UTF-8 character at the start of the text; 0 for
// a malformed one (overlong forms and surrogates included).
std::size_t WellFormedLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

CPasteParse ParsePastedText(CalendarRow row, std::string_view text) {
    CPasteParse result;
    if (!IsRow(row))
        return result;
    // Look no further than one character past the bound, so that a huge
    // text costs no more than a short one.
    text = text.substr(0, kMaxPasteText + 1);
    text = text.substr(0, text.find('\0'));
    if (text.size() > kMaxPasteText)
        return result;

    // The English forms first, exactly as they have always read; a text they
    // refuse may still be a date as French writes it.
    const CTokens tokens = CutTokens(text);
    CRowValues values;
    bool read = false;
    if (tokens.nCount == 3 || (tokens.nCount == 4 && row == CalendarRow::Roman))
        read = row == CalendarRow::Roman ? ReadRoman(tokens, values)
                                         : ReadDayMonthYear(row, tokens, values);
    if (!read || !IsRowDateValid(row, values))
        read = ReadFrenchDate(row, text, values);
    if (!read || !IsRowDateValid(row, values))
        return result;
    result.bOk = true;
    result.values = values;
    return result;
}

std::int32_t ExpandPastedYear(CalendarRow row, std::int32_t year) {
    if (year < 0 || year > 99)
        return year;
    switch (row) {
    case CalendarRow::Gregorian:
    case CalendarRow::Julian:
    case CalendarRow::Roman:
        return year + (year <= 49 ? 2000 : 1900);
    case CalendarRow::Jewish:
        return year + 5700;
    case CalendarRow::Muslim:
        return year + (year <= 79 ? 1400 : 1300);
    default:
        return year;
    }
}

std::optional<CRowValues> PastedValues(CalendarRow row, std::string_view text) {
    const CPasteParse parse = ParsePastedText(row, text);
    if (!parse.bOk)
        return std::nullopt;
    CRowValues values = parse.values;
    std::int32_t& year = YearOf(row, values);
    year = ExpandPastedYear(row, year);
    // The year as written passed; the expanded one must name the same day
    // and month too, or the paste would land on another day than written.
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    return values;
}

namespace {

struct CPastedGedcom {
    std::optional<CJulianDay> day;
    bool bCalendarNamed = false;
    bool bOldStyle = false;
    EGedcomNoDay eNoDay = EGedcomNoDay::Unreadable;
};

CPastedGedcom ReadPastedGedcom(std::string_view text) {
    CPastedGedcom read;
    text = text.substr(0, kMaxPasteText + 1);
    text = text.substr(0, text.find('\0'));
    if (text.size() > kMaxPasteText)
        return read;
    const CGedcomDateValue value = GedcomValueMeaning(text);
    read.eNoDay = GedcomNoDayOf(value);
    const auto day = GedcomFullDay(value);
    // GEDCOM writes years in full: "5 Dec 70" is a date with a two-digit
    // year, not the year 70, and only the row's own two-digit rule reads it.
    if (day && !value.bCalendarNamed) {
        const std::int32_t year = day->GetGregorian().nYear;
        if (year >= 1 && year <= 99)
            return read;
    }
    if (day) {
        read.day = day;
        read.bCalendarNamed = value.bCalendarNamed;
        read.bOldStyle = (value.nFindings & kGedcomOldStyle) != 0;
    }
    return read;
}

} // namespace

std::optional<CJulianDay> PastedGedcomDay(std::string_view text, bool* calendarNamed,
                                          bool* oldStyle) {
    const CPastedGedcom read = ReadPastedGedcom(text);
    if (calendarNamed)
        *calendarNamed = read.bCalendarNamed;
    if (oldStyle)
        *oldStyle = read.bOldStyle;
    return read.day;
}

namespace {

bool IsSupportedDay(const CJulianDay& day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
}

// A text cut before its year: the year a dual one or a plain signed integer.
struct CYearSplit {
    std::string_view head; // up to and with the separator before the year
    std::optional<CDualYear> dual;
    std::int32_t nPlain = 0;
};

bool IsPlainYear(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 9)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The year that ends the text: a dual one ("1648/49", "1648 / 49",
// "1648-9") or else the last token, when it is a plain year.
std::optional<CYearSplit> SplitYear(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    const std::size_t last = text.find_last_of(kSeparators);
    if (last == std::string_view::npos)
        return std::nullopt; // a year alone is no date
    // No dual year is longer than "-4713 / -4712" with a few blanks.
    constexpr std::size_t kLongestDual = 32;
    for (std::size_t start = text.size(); start-- > 1 && text.size() - start <= kLongestDual;) {
        if (!IsSeparator(text[start - 1]))
            continue;
        if (const auto years = ParseDualYear(text.substr(start)))
            return CYearSplit{text.substr(0, start), years, 0};
    }
    const std::string_view tail = text.substr(last + 1);
    if (!IsPlainYear(tail))
        return std::nullopt;
    return CYearSplit{text.substr(0, last + 1), std::nullopt, LeadingInteger(tail)};
}

} // namespace

std::optional<CStyleReadings> PastedStyleReadings(CalendarRow row, std::string_view text,
                                                  const CYearStyle& style) {
    if (!IsStyledRow(row))
        return std::nullopt;
    if (text.size() > kMaxPasteText)
        return std::nullopt;
    // The day and month are read with a leap year standing for the year:
    // whether 29 February exists is for the modern year the style gives
    // (29 February 1647 by the Annunciation is 29 February 1648).
    std::optional<CRowValues> values;
    std::int32_t year = 0;
    const auto split = SplitYear(text);
    if (split) {
        const CPasteParse parse = ParsePastedText(row, std::string(split->head) + "2000");
        if (parse.bOk) {
            values = parse.values;
            // Dual years stand as written: "1 January 99/100" is no 1999.
            year = split->dual ? 0 : ExpandPastedYear(row, split->nPlain);
        }
    }
    const bool dual = values && split->dual;
    if (!dual && style.eStyle == EYearStyle::January)
        return std::nullopt;
    if (!values) {
        values = PastedValues(row, text);
        if (!values)
            return std::nullopt;
        year = YearOf(row, *values);
    }
    const bool roman = row == CalendarRow::Roman;
    const std::int32_t kind = roman ? values->nSecond : 0;
    const std::int32_t month = roman ? values->nThird : values->nSecond;
    CStyleReadings readings =
        dual ? RowReadingsOfDual(row, values->nFirst, kind, month, *split->dual, style)
             : RowReadings(row, values->nFirst, kind, month, year, style);
    // Only days the calendars hold.
    CStyleReadings supported;
    for (int i = 0; i < readings.nCount; ++i) {
        const CJulianDay day = readings.days[static_cast<std::size_t>(i)];
        if (IsSupportedDay(day))
            supported.days[static_cast<std::size_t>(supported.nCount++)] = day;
    }
    return supported;
}

CClauseOptions RowClauseOptions(CalendarRow row, const CYearStyle& style, const CCivilUse& civil) {
    // The Roman row is Julian, as the Julian one; the others follow the reform.
    CClauseOptions options;
    options.yearStyle = style;
    options.nReformDay = civil.nReformDay;
    if (row == CalendarRow::Gregorian)
        options.eReckoning = EFeastReckoning::Gregorian;
    else if (row == CalendarRow::Julian || row == CalendarRow::Roman)
        options.eReckoning = EFeastReckoning::Julian;
    return options;
}

CStyleReadings PastedDays(CalendarRow row, std::string_view text, const CYearStyle& style,
                          const CCivilUse& civil) {
    CStyleReadings days;
    if (!IsRow(row))
        return days;
    auto one = [&days](const CJulianDay& day) {
        days.nCount = 1;
        days.days[0] = day;
        return days;
    };
    // A value that names its calendar means that calendar's day in any row.
    // The row's own forms never start with an escape or a calendar word, so
    // this takes nothing from them.
    // So does a dual year of the Old Style: it is Julian whatever the row.
    const CPastedGedcom read = ReadPastedGedcom(text);
    const auto& gedcom = read.day;
    if (gedcom && (read.bCalendarNamed || read.bOldStyle))
        return one(*gedcom);
    if (const auto readings = PastedStyleReadings(row, text, style))
        return *readings;
    // A dual year no year-start style explains contradicts itself: no row
    // takes it for a day ("1 FEB 1649/9").
    if (read.eNoDay == EGedcomNoDay::DualYearSpan)
        return days;
    // The row's own reading comes before a bare GEDCOM value: "3 MAY 1997"
    // stays the Julian row's 3 May, as it always was.
    if (const auto values = PastedValues(row, text)) {
        const CJulianDay day = DayOfRowValues(row, *values);
        return IsSupportedDay(day) ? one(day) : days;
    }
    if (gedcom)
        return one(*gedcom);
    // A day told by the church year: "Tuesday after Laetare 1523".
    // Only a sure reading of one day: a doubtful one needs the clause box.
    const CClauseResult clause = ReadDatingClause(text, RowClauseOptions(row, style, civil));
    return clause.readings.size() == 1 && clause.readings.front().bSure
               ? one(clause.readings.front().day)
               : days;
}

std::optional<CJulianDay> PastedDay(CalendarRow row, std::string_view text, const CYearStyle& style,
                                    const CCivilUse& civil) {
    const CStyleReadings days = PastedDays(row, text, style, civil);
    if (days.nCount == 0)
        return std::nullopt;
    return days.days[0];
}

std::optional<std::string> PasteTextFromUtf8(std::string_view utf8) {
    std::string text;
    std::size_t i = 0;
    while (i < utf8.size() && text.size() <= kMaxPasteText) {
        const std::size_t length = WellFormedLength(utf8.substr(i));
        if (length == 0) {
            text += '?';
            ++i;
            continue;
        }
        if (utf8[i] == '\0')
            break;
        const auto converted = Utf8ToCp1252(utf8.substr(i, length));
        text += converted ? *converted : std::string("?");
        i += length;
    }
    if (text.size() > kMaxPasteText)
        return std::nullopt;
    return text;
}

std::optional<CJulianDay> PastedDayFromUtf8(CalendarRow row, std::string_view utf8,
                                            const CYearStyle& style, const CCivilUse& civil) {
    const auto text = PasteTextFromUtf8(utf8);
    if (!text)
        return std::nullopt;
    return PastedDay(row, *text, style, civil);
}
