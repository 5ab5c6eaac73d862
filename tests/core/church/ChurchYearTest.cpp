#include "church/ChurchYear.h"
#include "calendar/Computus.h"
#include "church/Clause.h"
#include "church/FeastDate.h"
#include "church/FeastNames.h"
#include "daynames/DayNameLists.h"
#include "reform/MovableFeasts.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace {

constexpr std::int32_t kEngland = 2361222; // 14 September 1752

constexpr auto Date = &DayOfDate;

TEST(ChurchYear, EveryYearsFeastsAndSundays) {
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = 1; year <= 2999; ++year) {
            const std::int32_t easter = EasterSunday(year, gregorian).GetDayNumber();
            // The Julian year 2999 ends at the last supported day.
            const std::int32_t end = Date(31, 12, year, gregorian).GetDayNumber();
            const std::int32_t last = end == 0 ? kLastSupportedDay : end;
            const std::int32_t christmas = Date(25, 12, year, gregorian).GetDayNumber();
            for (const CChurchFeast& feast : ChurchFeasts()) {
                const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
                if (feast.eKind == EChurchFeastKind::Movable)
                    ASSERT_EQ(day.GetDayNumber(), easter + feast.nOffset) << feast.strLatin << year;
                if (feast.eKind != EChurchFeastKind::Advent || christmas == 0)
                    continue;
                ASSERT_EQ(day.GetDayOfWeek(), 0) << year;
                const std::int32_t before =
                    christmas - day.GetDayNumber() - 7 * (4 - feast.nOffset);
                ASSERT_TRUE(before >= 1 && before <= 7) << year << " " << feast.nOffset;
            }
            const auto days = ChurchYearDays(year, gregorian);
            ASSERT_FALSE(days.empty()) << year;
            std::set<std::int32_t> named;
            for (std::size_t i = 0; i < days.size(); ++i) {
                named.insert(days[i].day.GetDayNumber());
                // The Sundays after 1 January and 25 December, within their week.
                const std::int32_t fromCircumcision = days[i].day - Date(1, 1, year, gregorian);
                if (days[i].strLatin == "Dominica post Circumcisionem")
                    ASSERT_TRUE(fromCircumcision >= 1 && fromCircumcision <= 4) << year;
                if (days[i].strLatin == "Dominica infra octavam Nativitatis")
                    ASSERT_TRUE(days[i].day > CJulianDay(christmas) &&
                                days[i].day.GetDayNumber() <= christmas + 6)
                        << year;
                if (i > 0)
                    ASSERT_LE(days[i - 1].day, days[i].day) << year;
            }
            ASSERT_GE(days.front().day, Date(1, 1, year, gregorian)) << year;
            ASSERT_LE(days.back().day.GetDayNumber(), last) << year;
            CJulianDay sunday = Date(1, 1, year, gregorian);
            while (sunday.GetDayOfWeek() != 0)
                sunday += 1;
            for (; sunday.GetDayNumber() <= last; sunday += 7)
                ASSERT_TRUE(named.count(sunday.GetDayNumber()))
                    << "unnamed Sunday " << sunday.GetDayNumber() << " in " << year;
        }
    }
}

// The number of a "Dominica XIV post ..." name, 0 for any other name.
std::int32_t SundayNumber(const std::string& latin, std::string_view series) {
    const std::size_t end = latin.find(series);
    if (latin.rfind("Dominica ", 0) != 0 || end == std::string::npos)
        return 0;
    std::int32_t n = 0, last = 0;
    for (std::size_t i = end; i-- > 9;) {
        const std::int32_t v = latin[i] == 'X' ? 10 : latin[i] == 'V' ? 5 : latin[i] == 'I' ? 1 : 0;
        n += v < last ? -v : v;
        last = std::max(last, v);
    }
    return n;
}

// Wherever the reform falls in a year, each series of Sundays counts whole
// weeks from the feast that year kept, with no number skipped or repeated,
// and the year's Pentecost is the one the movable feasts dialog gives.
TEST(ChurchYear, SundaysCountWeeksFromTheirFeastAcrossAnyReform) {
    constexpr std::pair<int, int> kReformDates[] = {{2, 1},  {10, 1}, {20, 1}, {1, 3},
                                                    {20, 4}, {5, 10}, {15, 12}};
    for (std::int32_t year = 2; year <= 2998; ++year) {
        for (const auto& [d, m] : kReformDates) {
            const std::int32_t reform = Date(d, m, year, false).GetDayNumber();
            const CFeastsDialogModel dialog(year, CJulianDay(reform));
            CJulianDay pentecost, christmas, advent, afterCircumcision;
            std::map<std::string_view, std::pair<CJulianDay, std::int32_t>> previous;
            for (const CChurchDay& day : KeptChurchDays(year, reform)) {
                const std::string where =
                    day.strLatin + " " + std::to_string(day.day.GetDayNumber());
                ASSERT_TRUE(day.day.GetDayOfWeek() == 0 || day.strLatin.rfind("Dominica ", 0) != 0)
                    << where;
                if (day.strLatin == "Pentecoste")
                    pentecost = day.day;
                if (day.strLatin == "Nativitas Domini")
                    christmas = day.day;
                if (day.strLatin == "Dominica prima Adventus")
                    advent = day.day;
                if (day.strLatin == "Dominica post Circumcisionem")
                    afterCircumcision = day.day;
                for (const std::string_view series : {" post Epiphaniam", " post Pentecosten"}) {
                    const std::int32_t n = SundayNumber(day.strLatin, series);
                    if (n == 0)
                        continue;
                    if (series == " post Pentecosten")
                        ASSERT_EQ(day.day - pentecost, 7 * n) << where;
                    auto& [lastDay, lastN] = previous[series];
                    if (lastN != 0)
                        ASSERT_EQ(day.day - lastDay, 7 * (n - lastN)) << where;
                    lastDay = day.day;
                    lastN = n;
                }
            }
            ASSERT_EQ(pentecost, dialog.GetFeastDay(FEAST_PENTECOST)) << year << " " << reform;
            if (christmas.GetDayNumber() != 0)
                ASSERT_EQ((christmas - advent + 6) / 7, 4) << year << " " << reform;
            // Its Sunday follows the 1 January of the calendar in force on it.
            const CJulianDay julianNewYear = Date(1, 1, year, false);
            const CJulianDay newYear =
                julianNewYear.GetDayNumber() < reform ? julianNewYear : Date(1, 1, year, true);
            if (afterCircumcision.GetDayNumber() != 0)
                ASSERT_TRUE(afterCircumcision - newYear >= 1 && afterCircumcision - newYear <= 4)
                    << year << " " << reform;
        }
    }
}

// The church year runs from the first Sunday of Advent to the Saturday
// before the next, in either reckoning; the dialog lists just those days.
TEST(ChurchYear, TheChurchYearRunsFromAdventToAdvent) {
    for (const bool gregorian : {false, true}) {
        const std::int32_t reform = gregorian ? 0 : kLastSupportedDay + 1;
        for (std::int32_t year = 1; year <= 2998; ++year) {
            const CJulianDay advent = AdventSunday(1, year, gregorian);
            ASSERT_EQ(ChurchYearOfDay(advent, reform), year + 1) << year;
            ASSERT_EQ(ChurchYearOfDay(CJulianDay(advent.GetDayNumber() - 1), reform), year);
            const auto days = LiturgicalYearDays(year + 1, gregorian);
            ASSERT_EQ(days.front().day, advent) << year;
            for (const CChurchDay& day : days)
                ASSERT_EQ(ChurchYearOfDay(day.day, reform), year + 1) << day.strLatin;
        }
    }
    EXPECT_EQ(LiturgicalYearDays(1, false).front().day, Date(1, 1, 1, false));
    EXPECT_EQ(ChurchYearOfDay(CJulianDay(), 0), 0);
    // France: Advent 1582 counted to the new-style Christmas, before the reform.
    EXPECT_EQ(ChurchYearOfDay(Date(27, 11, 1582, false), 2299227), 1583);
    EXPECT_EQ(ChurchYearOfDay(Date(17, 11, 1582, false), 2299227), 1582);
}

// 2 January 2022 and 31 December 2023 were Sundays.
TEST(ChurchYear, TheSundaysBetweenChristmasAndEpiphany) {
    std::string english, french;
    for (const bool inFrench : {false, true})
        for (const std::int32_t year : {2022, 2023})
            for (const CChurchDay& d : ChurchYearDays(year, true, inFrench))
                if (d.day == Date(2, 1, 2022, true) || d.day == Date(31, 12, 2023, true))
                    (inFrench ? french : english) += d.strLatin + ": " + d.strGloss + "|";
    EXPECT_EQ(english, "Dominica post Circumcisionem: Sunday after the Circumcision|Dominica infra "
                       "octavam Nativitatis: Sunday in the octave of Christmas|");
    EXPECT_EQ(french, "Dominica post Circumcisionem: Dimanche apr\xE8s la Circoncision|Dominica "
                      "infra octavam Nativitatis: Dimanche dans l'octave de No\xEBl|");
}

TEST(ChurchYear, NumberedSundaysAndYearBounds) {
    const std::int32_t easter = EasterSunday(1600, true).GetDayNumber();
    EXPECT_EQ(NumberedSunday(ESundaySeries::Pentecost, 1, 1600, true), easter + 56);
    EXPECT_EQ(NumberedSunday(ESundaySeries::Trinity, 3, 1600, true), easter + 77);
    // 6 January 2008 was a Sunday: the first Sunday after it is the 13th.
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 1, 2008, true), Date(13, 1, 2008, true));
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 0, 2008, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 0, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 3000, false).GetDayNumber(), 0);
    EXPECT_TRUE(ChurchYearDays(3000, true).empty());
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 1, 3000, true).GetDayNumber(), 0);
    EXPECT_EQ(NumberedSunday(ESundaySeries::Pentecost, 31, 1600, true).GetDayNumber(), 0);
}

TEST(ChurchYear, FixedFeastsFallOnTheirDays) {
    const std::string expected =
        "1/1 Circumcisio Domini|6/1 Epiphania Domini|25/1 Conversio Pauli|2/2 Purificatio "
        "Mariae|22/2 Cathedra Petri|24/2 Matthiae apostoli|25/3 Annuntiatio Mariae|23/4 "
        "Georgii|25/4 Marci evangelistae|1/5 Philippi et Jacobi|3/5 Inventio Crucis|24/6 "
        "Nativitas Johannis Baptistae|29/6 Petri et Pauli|2/7 Visitatio Mariae|22/7 Mariae "
        "Magdalenae|25/7 Jacobi apostoli|1/8 Petri ad Vincula|10/8 Laurentii|15/8 Assumptio "
        "Mariae|24/8 Bartholomaei|8/9 Nativitas Mariae|14/9 Exaltatio Crucis|21/9 Matthaei|29/9 "
        "Michaelis|18/10 Lucae evangelistae|28/10 Simonis et Judae|1/11 Omnium Sanctorum|2/11 "
        "Commemoratio Animarum|11/11 Martini|25/11 Catharinae|30/11 Andreae apostoli|6/12 "
        "Nicolai|8/12 Conceptio Mariae|21/12 Thomae apostoli|25/12 Nativitas Domini|26/12 "
        "Stephani|27/12 Johannis evangelistae|28/12 Innocentium|";
    std::string found;
    for (const CChurchFeast& feast : ChurchFeasts())
        if (feast.eKind == EChurchFeastKind::Fixed)
            found += std::to_string(feast.nDay) + "/" + std::to_string(feast.nMonth) + " " +
                     feast.strLatin + "|";
    EXPECT_EQ(found, expected);
}

// The first reading of a clause, or its refusal.
struct CRead {
    EFeastDateError eError = EFeastDateError::None;
    std::string strWhat, strFeast;
    std::vector<std::string> candidates;
    CJulianDay day, baseDay;
    bool bGregorian = false, bComputus = false, bSure = false;
};

CRead ReadText(const std::string& cp1252, EFeastReckoning reckoning = EFeastReckoning::Civil,
               std::int32_t reform = kDefaultGregorianStart) {
    CClauseOptions options;
    options.eReckoning = reckoning;
    options.nReformDay = reform;
    const CClauseResult r = ReadDatingClause(cp1252, options);
    CRead read{r.eError, r.strWhat, {}, r.candidates, {}, {}};
    if (!r.readings.empty()) {
        const CClauseReading& first = r.readings.front();
        read = {r.eError,         {},
                first.strFeast,   {},
                first.day,        first.baseDay,
                first.bGregorian, first.bComputus,
                first.bSure};
    }
    return read;
}

CRead Read(const char* utf8, EFeastReckoning reckoning = EFeastReckoning::Civil,
           std::int32_t reform = kDefaultGregorianStart) {
    return ReadText(Utf8ToCp1252(utf8).value_or(""), reckoning, reform);
}

TEST(FeastDate, TheSameDaysInThreeLanguages) {
    const std::tuple<const char*, std::int32_t, std::int32_t, std::int32_t, bool> cases[] = {
        {"Tuesday after Laetare 1523", 17, 3, 1523, false},
        {"feria tertia post Laetare 1523", 17, 3, 1523, false},
        {"MARDI APRÈS LÆTARE 1523", 17, 3, 1523, false},
        {"Dominica Laetare 1523", 15, 3, 1523, false},
        {"Sunday after Laetare 1523", 22, 3, 1523, false}, // strictly after
        {"second Sunday after Easter 1523", 19, 4, 1523, false},
        {"dimanche 2 après Pâques 1523", 19, 4, 1523, false},
        {"eve of Michaelmas 1450", 28, 9, 1450, false},
        {"in vigilia beati Michaelis 1450", 28, 9, 1450, false},
        {"octave of Easter 1500", 26, 4, 1500, false},
        {"l'octave de Pâques 1500", 26, 4, 1500, false},
        {"morrow of St Martin 1400", 12, 11, 1400, false},
        {"lendemain de la Saint-Martin 1400", 12, 11, 1400, false},
        {"3 days after Candlemas 1600", 5, 2, 1600, true},
        {"10 dies post Pascha 1600", 12, 4, 1600, true},
        {"3rd Sunday after Trinity 1600", 18, 6, 1600, true},
        {"dominica III post Trinitatis 1600", 18, 6, 1600, true},
        {"dominica III post Pentecosten 1600", 11, 6, 1600, true},
        {"first Sunday of Advent 1600", 3, 12, 1600, true},
        {"Invocavit anno domini 1600", 20, 2, 1600, true},
        {"in festo Nativitatis Domini 1450", 25, 12, 1450, false},
        {"in crastino Assumptionis beatae Mariae 1450", 16, 8, 1450, false},
        {"jour de l'an 1450", 1, 1, 1450, false},
    };
    for (const auto& [text, d, m, y, gregorian] : cases) {
        const CRead r = Read(text);
        EXPECT_EQ(r.eError, EFeastDateError::None) << text << ": " << r.strWhat;
        EXPECT_TRUE(r.bSure) << text;
        EXPECT_EQ(r.day, Date(d, m, y, gregorian)) << text;
        EXPECT_EQ(r.bGregorian, gregorian) << text;
    }
}

TEST(FeastDate, AWeekdayAfterOrBeforeIsStrictlySo) {
    const char* weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday"};
    for (std::int32_t year = 1601; year <= 1608; ++year) {
        for (const CChurchFeast& feast : ChurchFeasts()) {
            if (feast.eKind != EChurchFeastKind::Fixed)
                continue;
            for (int w = 0; w < 7; ++w) {
                for (const int direction : {1, -1}) {
                    const std::string text = std::string(weekdays[w]) +
                                             (direction > 0 ? " after " : " before ") +
                                             feast.strEnglish + " " + std::to_string(year);
                    const CRead r = ReadText(text);
                    ASSERT_EQ(r.eError, EFeastDateError::None) << text;
                    // The year written is the day's: across 1 January the feast
                    // is that of the year after (before) or before (after).
                    // ... or, where none falls in it, a doubt.
                    EXPECT_EQ(r.day.GetGregorian().nYear == year, r.bSure) << text;
                    bool strictly = false;
                    for (const std::int32_t y : {year - 1, year, year + 1}) {
                        const std::int32_t gap =
                            (r.day - ChurchFeastDay(feast, y, true)) * direction;
                        strictly = strictly || (gap >= 1 && gap <= 7);
                    }
                    EXPECT_TRUE(strictly && r.day.GetDayOfWeek() == w) << text;
                }
            }
        }
    }
}

TEST(FeastDate, TheReformCountryChoosesTheComputus) {
    CRead r = Read("Easter 1752", EFeastReckoning::Civil, kEngland);
    EXPECT_FALSE(r.bGregorian);
    EXPECT_TRUE(r.bComputus);
    EXPECT_EQ(r.day, Date(29, 3, 1752, false));
    r = Read("Michaelmas 1752", EFeastReckoning::Civil, kEngland);
    EXPECT_TRUE(r.bGregorian);
    EXPECT_FALSE(r.bComputus);
    EXPECT_EQ(r.day, Date(29, 9, 1752, true));
    EXPECT_EQ(Read("Nativity of Mary 1752", EFeastReckoning::Civil, kEngland).eError,
              EFeastDateError::Skipped);
    EXPECT_EQ(Read("Easter 1753", EFeastReckoning::Civil, kEngland).day, Date(22, 4, 1753, true));
    EXPECT_EQ(Read("St Luke 1582", EFeastReckoning::Civil, 2299161).day, Date(18, 10, 1582, true));
    EXPECT_EQ(Read("St Luke 1582").day, Date(18, 10, 1582, false));
    EXPECT_EQ(Read("St Thomas 1582").day, Date(21, 12, 1582, true));
    EXPECT_EQ(Read("St Michael 1582", EFeastReckoning::Civil, 2299161).day,
              Date(29, 9, 1582, false));
    r = Read("Easter 1752", EFeastReckoning::Gregorian, kEngland);
    EXPECT_TRUE(r.bGregorian);
    EXPECT_EQ(r.day, Date(2, 4, 1752, true));
    EXPECT_EQ(Read("Easter 1500", EFeastReckoning::Gregorian).day, Date(1, 4, 1500, true));
    EXPECT_EQ(Read("Easter 2024", EFeastReckoning::Julian).day, Date(22, 4, 2024, false));
}

TEST(FeastDate, RefusalsSayWhy) {
    const std::tuple<const char*, EFeastDateError, const char*> cases[] = {
        {"Laetare", EFeastDateError::NoYear, ""},
        {"Laetare 3000", EFeastDateError::NoYear, ""},
        {"Laetare 15x3", EFeastDateError::NoYear, ""},
        {"Tuesday after 1523", EFeastDateError::Unreadable, "Tuesday after 1523"},
        {"octave of Zzqxw 1500", EFeastDateError::UnknownName, "Zzqxw"},
        {"octave of St Stephen 2999", EFeastDateError::None, ""}, // 2 January 2999
        {"octave of St Stephen 1 BC", EFeastDateError::NoYear, ""},
        {"3zz Sunday after Trinity 1600", EFeastDateError::None, ""},
    };
    for (const auto& [text, error, what] : cases) {
        const CRead r = Read(text);
        EXPECT_EQ(r.eError, error) << text;
        EXPECT_EQ(r.strWhat, what) << text;
    }
    EXPECT_FALSE(Read("3zz Sunday after Trinity 1600").bSure);
    // A Sunday past the last day (a Wednesday, 12 December 2999) is out of range, not unread.
    EXPECT_EQ(Read("the second Sunday after St Nicholas 2999", EFeastReckoning::Julian).eError,
              EFeastDateError::OutOfRange);
    EXPECT_EQ(ReadText(std::string(5000, 'a') + " 1500").eError, EFeastDateError::Unreadable);
    EXPECT_EQ(ReadText(std::string("Easter\0 1500", 12)).eError, EFeastDateError::NoYear);
}

TEST(FeastDate, OneSaintsDayIsTakenSeveralAreListedNoneIsRefused) {
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    for (auto* entry : {new CSaintEntry("Remigius", 1, 10, 0), new CSaintEntry("Gerold", 5, 3, 0),
                        new CSaintEntry("Gerold", 9, 10, 0), new CSaintEntry("Quorvanus", 4, 6, 1)})
        entries.emplace_back(entry);
    ClearSaintSearchCache();
    const CRead monday = Read("Monday after St Remigius 1500");
    const CRead eve = Read("veille de la Saint-Remigius 1500");
    const CRead gerold = Read("St Gerold 1500");
    const CRead quirinus = Read("St Quorvanus 1500"); // not on the traditional list
    const CRead near = Read("St Remigio 1500");
    entries.clear();
    ClearSaintSearchCache();
    ASSERT_EQ(monday.eError, EFeastDateError::None) << monday.strWhat;
    EXPECT_EQ(monday.baseDay, Date(1, 10, 1500, false));
    EXPECT_EQ(monday.day.GetDayOfWeek(), 1);
    EXPECT_EQ(monday.strFeast, "Remigius");
    EXPECT_EQ(eve.day, Date(30, 9, 1500, false));
    EXPECT_EQ(gerold.eError, EFeastDateError::AmbiguousName);
    EXPECT_EQ(gerold.candidates.size(), 2u);
    EXPECT_EQ(quirinus.eError, EFeastDateError::UnknownName);
    // A name not sure enough offers the nearest saints, best first.
    EXPECT_EQ(near.eError, EFeastDateError::UnknownName);
    ASSERT_FALSE(near.candidates.empty());
    EXPECT_NE(near.candidates.front().find("Remigius"), std::string::npos);
}

} // namespace
