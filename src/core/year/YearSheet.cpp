#include "YearSheet.h"

#include "calendar/DayMonth.h"
#include "calendar/RowTexts.h"
#include "calendar/RowValues.h"
#include "church/ChurchYear.h"
#include "daynames/DayNameLists.h"
#include "elements/Elements.h"
#include "text/StringTable.h"

#include <algorithm>
#include <limits>

namespace {

// Years the arithmetic below is asked about; the supported days lie well inside.
constexpr std::int32_t kYearBound = 5000;

std::int32_t Astronomical(std::int32_t year) {
    return year < 0 ? year + 1 : year;
}

// 1 January of a year (no year 0) in the Julian or the Gregorian calendar,
// for any year within kYearBound, supported day or not.
std::int32_t NewYearDay(std::int32_t year, bool gregorian) {
    const std::int32_t y = Astronomical(year) + 4799; // March-based year of 1 January
    const std::int32_t day = 1 + 306 + 365 * y + y / 4;
    return gregorian ? day - y / 100 + y / 400 - 32045 : day - 32083;
}

std::int32_t NextYear(std::int32_t year) {
    return year == -1 ? 1 : year + 1;
}

// The first day of a year of the civil calendar: the Julian new year while
// the Julian calendar holds, else the Gregorian one, or the reform day
// itself when the skipped dates took 1 January away.
std::int32_t CivilNewYearDay(std::int32_t year, std::int32_t reformDay) {
    const std::int32_t julian = NewYearDay(year, false);
    if (julian < reformDay)
        return julian;
    return std::max(NewYearDay(year, true), reformDay);
}

std::int32_t FirstDayOf(std::int32_t year, ESpanCalendar calendar, std::int32_t reformDay) {
    if (calendar == ESpanCalendar::Civil)
        return CivilNewYearDay(year, reformDay);
    return NewYearDay(year, calendar == ESpanCalendar::Gregorian);
}

std::string DayText(std::int32_t day, bool french) {
    return french && day == 1 ? "1er" : std::to_string(day);
}

// The day the sheet's calendar turns Gregorian: the reform day in the civil
// calendar, the first Gregorian day in the Gregorian one (its earlier days
// kept the Julian feasts), never in the Julian one.
std::int32_t SheetReformDay(const CYearSheetOptions& options) {
    if (options.eCalendar == ESpanCalendar::Civil)
        return options.nReformDay;
    return options.eCalendar == ESpanCalendar::Gregorian ? kFirstGregorianDay
                                                         : std::numeric_limits<std::int32_t>::max();
}

void AddFeasts(CYearSheet& sheet, bool french) {
    const std::int32_t year = sheet.nYear;
    const std::int32_t reform = SheetReformDay(sheet.options);
    // Each year's feasts, wherever their days fall: Advent in the year before.
    for (const std::int32_t y : {year == 1 ? -1 : year - 1, year, NextYear(year)}) {
        for (CChurchDay& feast : KeptChurchDays(y, reform, french)) {
            if (feast.day < sheet.firstDay || feast.day > sheet.lastDay)
                continue;
            auto& day = sheet.days[static_cast<std::size_t>(feast.day - sheet.firstDay)];
            day.feasts.push_back({std::move(feast.strLatin), std::move(feast.strGloss)});
        }
    }
}

CYearElements ElementsOf(const CYearSheet& sheet) {
    const std::int32_t year = sheet.nYear;
    const std::int32_t reform = SheetReformDay(sheet.options);
    CYearElements elements;
    elements.nGoldenNumber = GoldenNumber(year);
    elements.nIndiction = (Astronomical(year) + 2) % 15 + 1;
    if (elements.nIndiction <= 0)
        elements.nIndiction += 15;
    // Each reckoning's elements where some day of the sheet keeps it.
    if (sheet.firstDay.GetDayNumber() < reform) {
        elements.strDominicalJulian = DominicalLetters(year, false);
        elements.nJulianEpact = JulianEpact(year);
    }
    if (sheet.lastDay.GetDayNumber() >= reform) {
        elements.strDominicalGregorian = DominicalLetters(year, true);
        elements.strGregorianEpact = GregorianEpactText(year);
    }
    return elements;
}

} // namespace

std::optional<ESpanCalendar> SheetCalendarOfName(std::string_view name) {
    for (const ESpanCalendar calendar :
         {ESpanCalendar::Civil, ESpanCalendar::Julian, ESpanCalendar::Gregorian}) {
        if (name == SheetCalendarName(calendar))
            return calendar;
    }
    return std::nullopt;
}

std::string_view SheetCalendarName(ESpanCalendar calendar) {
    switch (calendar) {
    case ESpanCalendar::Civil:
        return "civil";
    case ESpanCalendar::Julian:
        return "julian";
    case ESpanCalendar::Gregorian:
        return "gregorian";
    default:
        return {};
    }
}

std::string FeastLabel(const CSheetFeast& feast) {
    if (feast.strGloss.empty() || feast.strGloss == feast.strLatin)
        return feast.strLatin;
    return feast.strLatin + " (" + feast.strGloss + ")";
}

std::string FormatSkippedDates(const CSkippedDates& skipped) {
    const bool french = TextLanguage() == ETextLanguage::French;
    const CGregorianDate& a = skipped.first;
    const CGregorianDate& b = skipped.last;
    auto month = [](std::int32_t m) { return RowMonthName(CalendarRow::Gregorian, m); };
    std::string text = DayText(a.nDay, french);
    // Appended piece by piece: gcc 12 misreads "x" + std::string as overlapping copies.
    if (a.nMonth == b.nMonth && a.nYear == b.nYear) {
        text += '\x96';
    } else {
        text += ' ';
        text += month(a.nMonth);
        if (a.nYear != b.nYear) {
            text += ' ';
            text += std::to_string(a.nYear);
        }
        text += " \x96 ";
    }
    text += DayText(b.nDay, french);
    text += ' ';
    text += month(b.nMonth);
    text += ' ';
    text += std::to_string(b.nYear);
    return FormatResString(IDS_DAYS_OMITTED, {text});
}

CDayRange YearDays(std::int32_t year, ESpanCalendar calendar, std::int32_t reformDay) {
    if (year == 0 || year < -kYearBound || year > kYearBound)
        return {};
    return {FirstDayOf(year, calendar, reformDay),
            FirstDayOf(NextYear(year), calendar, reformDay) - 1};
}

CYearSheetResult MakeYearSheet(std::int32_t year, const CYearSheetOptions& options) {
    CYearSheetResult result;
    if (!SheetCalendarOfName(SheetCalendarName(options.eCalendar))) {
        result.eRefusal = EYearSheetRefusal::UnknownCalendar;
        return result;
    }
    const CDayRange range = YearDays(year, options.eCalendar, options.nReformDay);
    const std::int32_t first = std::max(range.first.GetDayNumber(), kFirstSupportedDay);
    const std::int32_t last = std::min(range.last.GetDayNumber(), kLastSupportedDay);
    if (year == 0 || first > last) {
        result.eRefusal = EYearSheetRefusal::YearOutOfRange;
        return result;
    }
    CYearSheet& sheet = result.sheet;
    sheet.nYear = year;
    sheet.options = options;
    sheet.firstDay = first;
    sheet.lastDay = last;
    sheet.bCut = first != range.first.GetDayNumber() || last != range.last.GetDayNumber();

    const bool french = TextLanguage() == ETextLanguage::French;
    std::vector<const CSaintEntry*> saints;
    sheet.days.reserve(static_cast<std::size_t>(last - first + 1));
    for (std::int32_t n = first; n <= last; ++n) {
        CSheetDay day;
        day.day = n;
        day.bGregorian = options.eCalendar == ESpanCalendar::Gregorian ||
                         (options.eCalendar == ESpanCalendar::Civil && n >= options.nReformDay);
        const CDayMonthYear date = DateOf(day.day, day.bGregorian);
        day.nDay = date.nDay, day.nMonth = date.nMonth, day.nYear = date.nYear;
        // Every row as the window writes it.
        auto row = [&](CalendarRow r) {
            return JoinFieldTexts(DayFieldTexts(r, day.day, options.yearStyle));
        };
        day.strDate = row(day.bGregorian ? CalendarRow::Gregorian : CalendarRow::Julian);
        day.strRoman = row(CalendarRow::Roman);
        day.strRepublican = row(CalendarRow::Republican);
        day.strJewish = row(CalendarRow::Jewish);
        day.strMuslim = row(CalendarRow::Muslim);
        day.nWeekday = day.day.GetDayOfWeek();
        // The string table runs Monday..Sunday.
        day.strWeekday = LoadResString(IDS_WEEKDAY_FIRST + (day.nWeekday + 6) % 7);
        if (options.eSaints != ESheetSaints::None) {
            // A saint's day recurs on its date in the sheet's own calendar.
            saints.clear();
            FindSaints(day.nDay, day.nMonth, static_cast<std::int32_t>(options.eSaints), saints);
            if (!saints.empty())
                day.strSaint = saints.front()->strName;
        }
        sheet.days.push_back(std::move(day));
    }
    AddFeasts(sheet, french);
    sheet.elements = ElementsOf(sheet);

    if (options.eCalendar == ESpanCalendar::Civil) {
        // The dates between the last Julian day and the first Gregorian one.
        const CJulianDate from = CJulianDay(options.nReformDay).GetJulian();
        const CGregorianDate to = CJulianDay(options.nReformDay - 1).GetGregorian();
        if (from.nYear <= year && year <= to.nYear) {
            sheet.skipped = CSkippedDates{{from.nDay, from.nMonth, from.nYear}, to};
            sheet.strSkipped = FormatSkippedDates(*sheet.skipped);
        }
    }
    return result;
}
