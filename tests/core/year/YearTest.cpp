// The year sheet, anniversaries in their own calendar, and the CSV and
// iCalendar writers.
#include "text/StringTable.h"
#include "year/Anniversary.h"
#include "year/YearExport.h"
#include "year/YearSheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <tuple>

namespace {

constexpr std::int32_t kRome = 2299161;    // 15 October 1582
constexpr std::int32_t kEngland = 2361222; // 14 September 1752

using ECal = ESpanCalendar;

CYearSheet Sheet(std::int32_t year, ECal calendar, std::int32_t reform = kRome) {
    CYearSheetOptions options;
    options.eCalendar = calendar;
    options.nReformDay = reform;
    const CYearSheetResult result = MakeYearSheet(year, options);
    EXPECT_TRUE(result.ok()) << year;
    return result.sheet;
}

CJulianDay Gregorian(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetGregorian({d, m, y});
    return day;
}

CJulianDay Julian(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetJulian({d, m, y});
    return day;
}

// The year a day has in a sheet's calendar.
std::int32_t YearOf(CJulianDay day, ECal calendar, std::int32_t reform) {
    const bool gregorian =
        calendar == ECal::Gregorian || (calendar == ECal::Civil && day.GetDayNumber() >= reform);
    return gregorian ? day.GetGregorian().nYear : day.GetJulian().nYear;
}

TEST(YearSheet, EveryYearEndsTheDayBeforeTheNextBegins) {
    for (const ECal calendar : {ECal::Civil, ECal::Julian, ECal::Gregorian}) {
        for (const std::int32_t reform : {kRome, kEngland}) {
            for (std::int32_t year = -4713; year < 2999; year = year == -1 ? 1 : year + 1) {
                const CDayRange days = YearDays(year, calendar, reform);
                const CDayRange next = YearDays(year == -1 ? 1 : year + 1, calendar, reform);
                ASSERT_EQ(days.last.GetDayNumber() + 1, next.first.GetDayNumber()) << year;
                ASSERT_EQ(YearOf(next.first, calendar, reform), year == -1 ? 1 : year + 1);
                ASSERT_EQ(YearOf(days.last, calendar, reform), year) << year;
            }
        }
    }
}

TEST(YearSheet, TheReformYearLeavesOutTheSkippedDates) {
    const CYearSheet sheet = Sheet(1582, ECal::Civil);
    ASSERT_EQ(sheet.days.size(), 355u);
    for (std::size_t i = 0; i < sheet.days.size(); ++i) {
        const CSheetDay& day = sheet.days[i];
        EXPECT_EQ(day.day.GetDayNumber(), sheet.firstDay.GetDayNumber() + static_cast<int>(i));
        EXPECT_EQ(day.nYear, 1582);
        EXPECT_FALSE(day.nMonth == 10 && day.nDay >= 5 && day.nDay <= 14) << day.strDate;
        EXPECT_EQ(day.bGregorian, day.day.GetDayNumber() >= kRome);
    }
    EXPECT_EQ(sheet.days.front().strDate, "01 January 1582");
    EXPECT_EQ(sheet.days[276].strDate, "04 October 1582");
    EXPECT_EQ(sheet.days[277].strDate, "15 October 1582");
    EXPECT_EQ(sheet.days[277].strWeekday, "Friday");
    EXPECT_EQ(sheet.days[277].strRoman, "03 Nones October 1582"); // still counted the Julian way
    EXPECT_EQ(sheet.strSkipped, "5\x96"
                                "14 October 1582 omitted");
    // Julian Easter before the reform, Gregorian Christmas after it.
    auto dayOf = [&](const char* latin) {
        for (const CSheetDay& day : sheet.days)
            for (const CSheetFeast& feast : day.feasts)
                if (feast.strLatin == latin)
                    return day;
        return CSheetDay();
    };
    EXPECT_EQ(dayOf("Pascha").day.GetJulian(), (CJulianDate{15, 4, 1582}));
    EXPECT_EQ(dayOf("Nativitas Domini").day, Gregorian(25, 12, 1582));
    EXPECT_EQ(sheet.elements.strDominicalJulian, "G");
    EXPECT_EQ(sheet.elements.strDominicalGregorian, "C"); // 1 January 1582 was a Monday (G)
    EXPECT_EQ(sheet.elements.nGoldenNumber, 6);
    EXPECT_EQ(sheet.elements.nIndiction, 10);
    EXPECT_EQ(Sheet(1752, ECal::Civil, kEngland).strSkipped, "3\x96"
                                                             "13 September 1752 omitted");
    EXPECT_FALSE(Sheet(1582, ECal::Julian).skipped);
    EXPECT_FALSE(Sheet(1583, ECal::Civil).skipped);
}

// Sundays across a reform are counted in weeks from their feast: the
// Pentecost and Epiphany the year kept, the Christmas Advent leads to.
TEST(YearSheet, SundaysAcrossAReformKeepTheirNumbers) {
    const std::int32_t kZurich = 2342349; // 12 January 1701, 1 to 11 January skipped
    const std::int32_t kLateJanuary = Julian(20, 1, 1734).GetDayNumber();
    const std::tuple<std::int32_t, std::int32_t, CJulianDay, const char*> cases[] = {
        {1582, kRome, Gregorian(17, 10, 1582), "Dominica XVIII post Pentecosten"},
        {1582, kRome, Gregorian(21, 11, 1582), "Dominica XXIII post Pentecosten"},
        {1752, kEngland, Gregorian(17, 9, 1752), "Dominica XVI post Pentecosten"},
        {1752, kEngland, Gregorian(26, 11, 1752), "Dominica XXVI post Pentecosten"},
        {1752, kEngland, Gregorian(3, 12, 1752), "Dominica prima Adventus"},
        {1752, kEngland, Julian(29, 3, 1752), "Pascha"},
        {1582, 2299227, Julian(9, 12, 1582), "Dominica quarta Adventus"}, // France
        {1734, kLateJanuary, Julian(13, 1, 1734), "Dominica I post Epiphaniam"},
        {1734, kLateJanuary, Gregorian(14, 2, 1734), "Dominica IV post Epiphaniam"},
        {1701, kZurich, Gregorian(16, 1, 1701), "Dominica II post Epiphaniam"},
        {1700, kZurich, Julian(29, 12, 1700), "Dominica infra octavam Nativitatis"},
    };
    // A Gregorian year before the reform holds the Julian Christmas before it.
    const CYearSheet sheet1500 = Sheet(1500, ECal::Gregorian);
    EXPECT_EQ(sheet1500.days[2].feasts.front().strLatin, "Nativitas Domini");
    for (const auto& [year, reform, day, latin] : cases) {
        const CYearSheet sheet = Sheet(year, ECal::Civil, reform);
        const CSheetDay& shown = sheet.days[static_cast<std::size_t>(day - sheet.firstDay)];
        ASSERT_EQ(shown.day, day);
        ASSERT_FALSE(shown.feasts.empty()) << latin;
        EXPECT_EQ(shown.feasts.back().strLatin, latin);
    }
}

TEST(YearSheet, AYearWithoutSupportedDaysIsRefused) {
    const struct {
        std::int32_t year;
        ECal calendar;
        EYearSheetRefusal refusal;
    } kCases[] = {
        {0, ECal::Civil, EYearSheetRefusal::YearOutOfRange},
        {3000, ECal::Gregorian, EYearSheetRefusal::YearOutOfRange},
        {-4714, ECal::Julian, EYearSheetRefusal::YearOutOfRange},
        {-2147483647 - 1, ECal::Julian, EYearSheetRefusal::YearOutOfRange},
        {1582, static_cast<ECal>(7), EYearSheetRefusal::UnknownCalendar},
        {-4713, ECal::Julian, EYearSheetRefusal::None}, // all but its first day
        {2999, ECal::Julian, EYearSheetRefusal::None},  // up to 18 December
    };
    for (const auto& c : kCases) {
        CYearSheetOptions options;
        options.eCalendar = c.calendar;
        const CYearSheetResult result = MakeYearSheet(c.year, options);
        EXPECT_EQ(result.eRefusal, c.refusal) << c.year;
        EXPECT_EQ(result.sheet.bCut, result.ok()) << c.year;
    }
    EXPECT_EQ(SheetCalendarOfName("roman"), std::nullopt);
    // 3 BC was the first year of an indiction, so 4 BC the last of one.
    EXPECT_EQ(Sheet(-3, ECal::Julian).elements.nIndiction, 1);
    EXPECT_EQ(Sheet(-4, ECal::Julian).elements.nIndiction, 15);
    EXPECT_FALSE(AnniversaryOfDay(CalendarRow::Republican, Gregorian(1, 1, 1700)));
    EXPECT_FALSE(
        AnniversaryOfDay(CalendarRow::Roman, Gregorian(1, 1, 1700))); // its dates are Julian
}

TEST(Anniversary, ComesBackOnItsDateInItsOwnCalendar) {
    // Jewish months: 2 Heshvan, 3 Kislev, 4 Tevet, 6 Adar (Adar I), 7 Adar II.
    // 5783 and 5785 are common years with 30 Heshvan, 5784 a leap year
    // without, 5786 a common year without.
    const struct {
        CalendarRow calendar;
        std::int32_t d, m, y; // the date
        std::int32_t year;    // comes back in
        std::int32_t d2, m2;  // on
    } kCases[] = {
        {CalendarRow::Jewish, 30, 2, 5783, 5784, 1, 3},
        {CalendarRow::Jewish, 30, 2, 5783, 5785, 30, 2},
        {CalendarRow::Jewish, 30, 2, 5783, 5786, 1, 3},
        {CalendarRow::Jewish, 30, 3, 5783, 5784, 1, 4},
        {CalendarRow::Jewish, 15, 6, 5783, 5784, 15, 7},
        {CalendarRow::Jewish, 10, 7, 5784, 5785, 10, 6},
        {CalendarRow::Jewish, 10, 6, 5784, 5785, 10, 6},
        {CalendarRow::Jewish, 10, 6, 5784, 5787, 10, 6},
        {CalendarRow::Jewish, 30, 6, 5784, 5785, 29, 6},
        {CalendarRow::Gregorian, 29, 2, 2024, 2025, 28, 2},
        {CalendarRow::Gregorian, 29, 2, 2024, 2028, 29, 2},
        {CalendarRow::Julian, 29, 2, 1700, 1701, 28, 2},
        {CalendarRow::Republican, 6, 13, 3, 4, 5, 13},
        {CalendarRow::Republican, 6, 13, 3, 7, 6, 13},
    };
    for (const auto& c : kCases) {
        CJulianDay origin;
        if (c.calendar == CalendarRow::Jewish)
            origin.SetJewish({c.d, c.m, c.y});
        else if (c.calendar == CalendarRow::Republican)
            origin.SetRepublican({c.d, c.m, c.y});
        else if (c.calendar == CalendarRow::Julian)
            origin.SetJulian({c.d, c.m, c.y});
        else
            origin.SetGregorian({c.d, c.m, c.y});
        const auto anniversary = AnniversaryOfDay(c.calendar, origin);
        ASSERT_TRUE(anniversary) << c.d << "/" << c.m << "/" << c.y;
        const CJulianDay day = AnniversaryInYear(*anniversary, c.year);
        const std::int32_t back = c.calendar == CalendarRow::Jewish
                                      ? day.GetJewish().nMonth * 100 + day.GetJewish().nDay
                                  : c.calendar == CalendarRow::Republican
                                      ? day.GetRepublican().nMonth * 100 + day.GetRepublican().nDay
                                      : day.GetGregorian().nMonth * 100 + day.GetGregorian().nDay;
        const std::int32_t julianBack = day.GetJulian().nMonth * 100 + day.GetJulian().nDay;
        EXPECT_EQ(c.calendar == CalendarRow::Julian ? julianBack : back, c.m2 * 100 + c.d2)
            << c.d << "/" << c.m << "/" << c.y << " in " << c.year;
    }
}

TEST(Anniversary, AYearOfAnotherCalendarHoldsItOnceTwiceOrNot) {
    CJulianDay tevet, julian, christmas;
    tevet.SetJewish({1, 4, 5780});
    julian.SetJulian({10, 9, 1700});
    christmas.SetJulian({25, 12, 1700});
    const struct {
        CalendarRow calendar;
        CJulianDay origin;
        CYearSheet sheet;
        std::vector<CJulianDay> days;
    } kCases[] = {
        // 1 Tevet 5785 and 1 Tevet 5786 both fall in 2025.
        {CalendarRow::Jewish,
         tevet,
         Sheet(2025, ECal::Gregorian),
         {Gregorian(1, 1, 2025), Gregorian(21, 12, 2025)}},
        // England's reform: Julian 10 September is Gregorian 21 September.
        {CalendarRow::Julian, julian, Sheet(1752, ECal::Civil, kEngland), {Gregorian(21, 9, 1752)}},
        {CalendarRow::Julian, christmas, Sheet(1752, ECal::Civil, kEngland), {}},
        {CalendarRow::Julian,
         christmas,
         Sheet(1753, ECal::Civil, kEngland),
         {Gregorian(5, 1, 1753)}},
        {CalendarRow::Jewish, tevet, Sheet(2019, ECal::Gregorian), {Gregorian(29, 12, 2019)}},
        {CalendarRow::Jewish,
         tevet,
         Sheet(2018, ECal::Gregorian),
         {}}, // none before the day itself
    };
    for (const auto& c : kCases) {
        const auto anniversary = AnniversaryOfDay(c.calendar, c.origin);
        ASSERT_TRUE(anniversary);
        EXPECT_EQ(AnniversaryDays(*anniversary, c.sheet.firstDay, c.sheet.lastDay), c.days)
            << c.sheet.nYear;
    }
}

TEST(YearExport, AStampIsARealUtcTime) {
    const std::pair<const char*, bool> kStamps[] = {
        {"20240101T000000Z", true},  {"20240229T235959Z", true},  {"00010101T120000Z", true},
        {"99991231T235959Z", true},  {"20241399T256199Z", false}, {"20230229T120000Z", false},
        {"19000229T120000Z", false}, {"20000229T120000Z", true},  {"20240431T120000Z", false},
        {"20240100T120000Z", false}, {"20240101T240000Z", false}, {"20240101T236000Z", false},
        {"20240101T235960Z", false}, {"00000101T000000Z", false}, {"20240101 000000Z", false},
        {"20240101T000000", false},  {"20240101T00000Z", false},  {"2024010AT000000Z", false},
    };
    for (const auto& [stamp, real] : kStamps)
        EXPECT_EQ(IsIcsStamp(stamp), real) << stamp;
}

TEST(Anniversary, TheSummaryNamesItsCalendar) {
    const std::tuple<CalendarRow, const char*, const char*> kNames[] = {
        {CalendarRow::Gregorian, "Gregorian calendar", "calendrier gr\xE9gorien"},
        {CalendarRow::Julian, "Julian calendar", "calendrier julien"},
        {CalendarRow::Jewish, "Jewish calendar",
         "calendrier h\xE9"
         "bra\xEFque"},
        {CalendarRow::Muslim, "Muslim calendar", "calendrier musulman"},
        {CalendarRow::Republican, "Republican calendar", "calendrier r\xE9publicain"},
    };
    const CJulianDay day = Julian(3, 9, 1800);
    std::set<std::string> summaries;
    for (const auto& [calendar, english, french] : kNames) {
        const auto anniversary = AnniversaryOfDay(calendar, day);
        ASSERT_TRUE(anniversary);
        const std::string summary = AnniversarySummary(*anniversary);
        SetTextLanguage(ETextLanguage::French);
        const std::string inFrench = AnniversarySummary(*anniversary);
        SetTextLanguage(ETextLanguage::English);
        EXPECT_EQ(summary.rfind("Anniversary of ", 0), 0u) << summary;
        EXPECT_EQ(summary.substr(summary.size() - std::strlen(english) - 1),
                  english + std::string(")"));
        EXPECT_EQ(inFrench.rfind("Anniversaire du ", 0), 0u) << inFrench;
        EXPECT_EQ(inFrench.substr(inFrench.size() - std::strlen(french) - 1),
                  french + std::string(")"));
        summaries.insert(summary);
    }
    EXPECT_EQ(summaries.size(), std::size(kNames));
    EXPECT_EQ(AnniversarySummary(*AnniversaryOfDay(CalendarRow::Julian, day)),
              "Anniversary of 03 September 1800 (Julian calendar)");
}

TEST(YearExport, CsvFieldsAndIcsTextsAreEscaped) {
    const struct {
        const char* text;
        const char* csv;
        const char* ics;
    } kCases[] = {
        {"Laetare", "Laetare", "Laetare"},
        {"a,b;c\\d", "\"a,b;c\\d\"", "a\\,b\\;c\\\\d"},
        {"say \"so\"", "\"say \"\"so\"\"\"", "say \"so\""},
        {"two\r\nlines\nhere", "\"two\r\nlines\nhere\"", "two\\nlines\\nhere"},
        {" lead", "\" lead\"", " lead"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(CsvField(c.text), c.csv);
        EXPECT_EQ(IcsEscape(c.text), c.ics);
    }
}

TEST(YearExport, IcsLinesFoldAt75OctetsBetweenCharacters) {
    for (const char* character : {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9D\x84\x9E"}) {
        std::string line = "SUMMARY:";
        for (int n = 0; n < 120; ++n) {
            line += character;
            const std::string folded = IcsFold(line);
            std::string unfolded;
            std::size_t start = 0;
            for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos;
                 start = end + 2) {
                const std::string physical = folded.substr(start, end - start);
                ASSERT_LE(physical.size(), 75u) << line;
                ASSERT_EQ(physical.find('\n'), std::string::npos);
                const std::size_t skip = start == 0 ? 0 : 1;
                if (start != 0)
                    ASSERT_EQ(physical[0], ' ');
                ASSERT_NE(static_cast<unsigned char>(physical[skip]) & 0xC0, 0x80) << line;
                unfolded += physical.substr(skip);
            }
            ASSERT_EQ(start, folded.size());
            ASSERT_EQ(unfolded, line);
        }
    }
}

TEST(YearExport, IcsEventsHaveStableDistinctUidsAndCrlfLines) {
    const CYearSheet sheet = Sheet(1523, ECal::Civil, kEngland);
    std::vector<CIcsEvent> events = SheetEvents(sheet, true, false);
    ASSERT_GT(events.size(), 60u);
    std::set<std::string> uids;
    for (const CIcsEvent& event : events)
        uids.insert(IcsUid(event));
    EXPECT_EQ(uids.size(), events.size());
    // The same event gets the same UID in every run and every version, so a
    // file imported again replaces its events instead of doubling them.
    EXPECT_EQ(IcsUid({2277428, "feast", "Pascha (Easter Sunday)"}), "c610bc3b802b41d1@quindor");
    events.push_back(events.front()); // written once
    events.push_back({1721425, "saint", "before 1 January 1"});
    const std::string ics = IcsCalendar(events, "20240101T000000Z");
    std::size_t lines = 0, vevents = 0;
    for (std::size_t at = 0; (at = ics.find('\n', at)) != std::string::npos; ++at, ++lines)
        ASSERT_EQ(ics[at - 1], '\r');
    for (std::size_t at = 0; (at = ics.find("BEGIN:VEVENT\r\n", at)) != std::string::npos; ++at)
        ++vevents;
    EXPECT_EQ(vevents, events.size() - 2);
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
    EXPECT_NE(ics.find("DTSTART;VALUE=DATE:15230415\r\nDTEND;VALUE=DATE:15230416\r\n"),
              std::string::npos); // Easter, Julian 5 April 1523, is Gregorian 15 April
    EXPECT_EQ(IcsDate(Gregorian(1, 1, 1)), "00010101");
}

} // namespace
