#include "church/Clause.h"

#include "church/ChurchYear.h"
#include "church/ClauseLexicon.h"
#include "church/ClauseText.h"
#include "church/ClauseYears.h"
#include "church/FeastNames.h"
#include "elements/Elements.h"
#include "elements/Reigns.h"
#include "reform/MovableFeasts.h"
#include "text/StringTable.h"

#include <algorithm>
#include <optional>

namespace {

using K = EClauseWord;

bool French() {
    return TextLanguage() == ETextLanguage::French;
}

std::string WeekdayName(int weekday) {
    return LoadResString(IDS_WEEKDAY_FIRST + (weekday + 6) % 7);
}

// How the clause places its day against the feast's.
struct CPlan {
    int nDirection = 0;    // +1 after, -1 before, 0 neither
    int nWeekday = -1;     // the weekday asked for
    int nCount = 1;        // the Nth such weekday, or Sunday after the feast
    bool bCounted = false; // an ordinal was written with the weekday
    int nDays = 0;         // "the third day after": days from the feast
    bool bDays = false;
    int nShift = 0;         // eve, morrow, octave: applied to the feast first
    int nCheckWeekday = -1; // a weekday written beside the feast's own day
};

struct CFound {
    std::vector<CClauseWord> words;
    std::vector<CClauseWordInfo> infos;
    std::vector<bool> claimed; // a year's or an indiction's words
};

bool IsStructural(const CClauseWordInfo& info) {
    switch (info.eKind) {
    case K::Weekday:
    case K::Feria:
    case K::After:
    case K::Before:
    case K::Next:
    case K::Ordinal:
    case K::Other:
    case K::Eve:
    case K::Morrow:
    case K::TwoDays:
    case K::Octave:
    case K::Within:
    case K::Orthodox:
        return true;
    default:
        return false;
    }
}

// "feria tertia", "fer. 3a", "la troisieme ferie": the weekday on the feria word.
void JoinFerias(CFound& f) {
    for (std::size_t i = 0; i < f.infos.size(); ++i) {
        if (f.infos[i].eKind != K::Feria || f.claimed[i])
            continue;
        for (const std::size_t j : {i + 1, i - 1}) {
            if (j >= f.infos.size() || f.claimed[j] || f.infos[j].eKind != K::Ordinal)
                continue;
            const int n = f.infos[j].nValue;
            if (n >= 2 && n <= 7) {
                // Feria secunda is Monday; "septima" is Saturday in some hands.
                f.infos[i] = {K::Weekday, n == 7 ? 6 : n - 1};
                f.infos[j] = {K::Filler, 0};
                break;
            }
        }
    }
}

// "donnerst. v. Invocavit": a "v." after a weekday is "vor", not five.
void JoinAbbreviatedBefore(CFound& f) {
    for (std::size_t i = 1; i < f.infos.size(); ++i) {
        if (f.words[i].strText == "v" && f.words[i].bMarked && f.infos[i - 1].eKind == K::Weekday &&
            !f.claimed[i])
            f.infos[i] = {K::Before, 0};
    }
}

// The runs of words that may name the feast: between the words that place
// the day, the years and the indiction.
std::vector<std::pair<std::size_t, std::size_t>> NameRuns(const CFound& f) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= f.words.size(); ++i) {
        const bool breaks = i == f.words.size() || f.claimed[i] || IsStructural(f.infos[i]);
        if (!breaks)
            continue;
        if (i > start)
            runs.emplace_back(start, i);
        start = i + 1;
    }
    return runs;
}

bool IsSundayFeast(const CFeastDay& feast) {
    return (feast.eRule == EFeastRule::Easter && feast.nOffset % 7 == 0) ||
           feast.eRule == EFeastRule::Advent || feast.eRule == EFeastRule::Sunday;
}

// True when one of the feast's own names holds the word ("Christmas Eve").
bool NameHolds(const CFeastDay& feast, const std::string& word) {
    return std::any_of(feast.names.begin(), feast.names.end(), [&word](const auto& name) {
        return std::find(name.begin(), name.end(), word) != name.end();
    });
}

CPlan PlanOf(const CFound& f, const CFeastDay& feast, std::size_t feastFirst,
             std::size_t feastLast) {
    CPlan plan;
    const std::size_t n = f.words.size();
    std::optional<std::size_t> relation;
    for (std::size_t i = 0; i < feastFirst; ++i) {
        if (!f.claimed[i] && (f.infos[i].eKind == K::After || f.infos[i].eKind == K::Before))
            relation = i;
    }
    const auto kind = [&f](std::size_t i) { return f.claimed[i] ? K::Unknown : f.infos[i].eKind; };
    // "am middeweken negist dem Sondaghe Reminiscere": "next" alone, after a
    // weekday, is the next one after the feast.
    bool nextMeansAfter = false;
    if (!relation) {
        bool weekdaySeen = false;
        for (std::size_t i = 0; i < feastFirst; ++i) {
            if (kind(i) == K::Weekday)
                weekdaySeen = true;
            else if (kind(i) == K::Next && weekdaySeen) {
                relation = i;
                nextMeansAfter = true;
            }
        }
    }
    bool withinOctave = false;
    // Offsets anywhere around the feast: "am avende X", "X abendt", "in octava X".
    for (std::size_t i = 0; i < n; ++i) {
        // An eve the name passed over still counts: "unser vrouwen avent Nativitatis".
        if (i >= feastFirst && i <= feastLast && NameHolds(feast, f.words[i].strText))
            continue;
        if (relation && i < *relation)
            continue;
        switch (kind(i)) {
        case K::Eve:
            plan.nShift = -1;
            break;
        case K::Morrow:
            plan.nShift = 1;
            break;
        case K::TwoDays:
            plan.nShift = 2;
            break;
        case K::Octave:
            // "feria quarta infra octavam": the Wednesday of the octave.
            if (i > 0 && kind(i - 1) == K::Within && !relation) {
                withinOctave = true;
                break;
            }
            plan.nShift = 7;
            break;
        default:
            break;
        }
    }
    if (withinOctave) {
        for (std::size_t i = 0; i < feastFirst; ++i) {
            if (kind(i) == K::Within)
                relation = i;
        }
        nextMeansAfter = true;
    }
    const std::size_t end = relation ? *relation : feastFirst;
    if (relation)
        plan.nDirection = nextMeansAfter || kind(*relation) == K::After ? 1 : -1;
    // The weekday before the relation (or anywhere outside the feast without one).
    std::optional<std::size_t> weekdayAt;
    for (std::size_t i = 0; i < end; ++i) {
        if (kind(i) == K::Weekday)
            weekdayAt = i;
    }
    if (!relation && !weekdayAt) {
        for (std::size_t i = feastLast + 1; i < n; ++i) {
            if (kind(i) == K::Weekday) {
                weekdayAt = i;
                break;
            }
        }
    }
    // An ordinal next to the weekday counts weekdays; next to "day" it counts days.
    const auto skipFillers = [&](std::size_t i, int step) {
        while (i < n && (kind(i) == K::Filler || kind(i) == K::Next))
            i += static_cast<std::size_t>(step);
        return i;
    };
    if (weekdayAt) {
        plan.nWeekday = f.infos[*weekdayAt].nValue;
        const std::size_t before = *weekdayAt == 0 ? n : skipFillers(*weekdayAt - 1, -1);
        const std::size_t after = skipFillers(*weekdayAt + 1, 1);
        for (const std::size_t at : {before, after}) {
            if (at < n && at < end && kind(at) == K::Ordinal) {
                plan.nCount = f.infos[at].nValue;
                plan.bCounted = true;
            } else if (at < n && at < *weekdayAt && kind(at) == K::Other) {
                plan.nCount = 2;
                plan.bCounted = true;
            }
        }
        if (!relation) {
            plan.nCheckWeekday = plan.nWeekday;
            if (!plan.bCounted)
                plan.nWeekday = -1;
        }
        return plan;
    }
    // "dem dritten tag nach", "am tage nach", "tertia post", "am achten dage".
    for (std::size_t i = 0; i < end; ++i) {
        if (kind(i) == K::Ordinal) {
            const std::size_t next = skipFillers(i + 1, 1);
            if (next < n && (kind(next) == K::DayWord || (relation && next == *relation))) {
                plan.bDays = true;
                plan.nDays = relation ? f.infos[i].nValue : f.infos[i].nValue - 1;
                return plan;
            }
        }
    }
    // "am tage nach", "des anderen tages nach": the next day.
    for (std::size_t i = 0; relation && i < end; ++i) {
        if (kind(i) == K::DayWord) {
            plan.bDays = true;
            plan.nDays = 1;
        }
    }
    return plan;
}

// The day the plan gives from the feast's day; 0 when the plan places nothing.
CJulianDay Apply(const CPlan& plan, const CFeastDay& feast, CJulianDay base) {
    CJulianDay day = base;
    day += plan.nShift;
    if (plan.nDirection != 0) {
        if (plan.nWeekday >= 0)
            return NthWeekdayFrom(day, plan.nWeekday, plan.nDirection, plan.nCount);
        if (plan.bDays)
            return CJulianDay(day.GetDayNumber() + plan.nDirection * plan.nDays);
        return CJulianDay();
    }
    if (plan.bDays)
        return CJulianDay(day.GetDayNumber() + plan.nDays);
    if (plan.nCheckWeekday >= 0 && plan.nShift == 0) {
        if (plan.bCounted && plan.nCheckWeekday == 0) {
            // "Dom. 4. Trinit.", "Dom. 1. Adv.": numbered Sundays.
            if (feast.eRule == EFeastRule::Advent)
                return CJulianDay(day.GetDayNumber() + 7 * (plan.nCount - 1));
            return NthWeekdayFrom(day, 0, 1, plan.nCount);
        }
        // A weekday in a Sunday feast's week: "feria 2a pasche", "dienstags in den Pfingsten".
        if (IsSundayFeast(feast) && plan.nCheckWeekday != 0)
            return CJulianDay(day.GetDayNumber() + plan.nCheckWeekday);
    }
    return day;
}

} // namespace

namespace {

CClauseResult ReadClause(std::string_view cp1252, const CClauseOptions& options,
                         bool& yearRefused) {
    CClauseResult result;
    cp1252 = cp1252.substr(0, cp1252.find('\0'));
    CFound f;
    f.words = ClauseWords(cp1252.substr(0, 2000));
    const std::size_t n = f.words.size();
    result.eError = EFeastDateError::Unreadable;
    if (n == 0)
        return result;
    f.claimed.assign(n, false);
    const std::vector<CClauseYear> years = FindClauseYears(f.words, options.nYear);
    for (const CClauseYear& year : years) {
        for (std::size_t i = year.nFirst; i <= year.nLast && i < n; ++i)
            f.claimed[i] = true;
    }
    const auto indiction = FindClauseIndiction(f.words);
    if (indiction) {
        for (std::size_t i = indiction->nFirst; i <= indiction->nLast && i < n; ++i)
            f.claimed[i] = true;
    }
    // A year not read whole is no year to date by: name its words.
    for (const CClauseYear& year : years) {
        if (year.bIncomplete) {
            result.strWhat = ClauseSpan(cp1252, f.words, year.nFirst, year.nLast);
            yearRefused = true;
            return result;
        }
    }
    // A regnal year of France, a pontifical year, an epact: said, not checked.
    const std::vector<CClauseElement> unchecked = FindUncheckedElements(f.words);
    for (const CClauseElement& element : unchecked) {
        for (std::size_t i = element.nFirst; i <= element.nLast && i < n; ++i)
            f.claimed[i] = true;
    }
    // "den 13. November", "die xvii mensis novembris", "le 15 novembre": a
    // day of the month, checked against the day found.
    std::optional<std::pair<std::int32_t, std::int32_t>> dayOfMonth;
    for (std::size_t i = 0; i + 1 < n && !dayOfMonth; ++i) {
        if (f.claimed[i])
            continue;
        const CClauseWordInfo number = ClassifyClauseWord(f.words[i].strText, f.words[i].bMarked);
        if (number.eKind != K::Ordinal)
            continue;
        std::size_t m = i + 1;
        if (m + 1 < n && (f.words[m].strText == "mensis" || f.words[m].strText == "de" ||
                          f.words[m].strText == "d"))
            ++m;
        const std::int32_t month = f.claimed[m] ? 0 : MonthOfClauseWord(f.words[m].strText);
        if (month == 0)
            continue;
        dayOfMonth = std::make_pair(number.nValue, month);
        for (std::size_t k = i; k <= m; ++k)
            f.claimed[k] = true;
    }
    std::vector<CClauseWord> expanded = f.words;
    for (std::size_t i = 0; i < n; ++i) {
        f.infos.push_back(ClassifyClauseWord(f.words[i].strText, f.words[i].bMarked));
        if (f.words[i].bMarked)
            expanded[i].strText = ExpandAbbreviation(f.words[i].strText);
    }
    JoinFerias(f);
    JoinAbbreviatedBefore(f);

    // The feast: the best name in any run, or across the clause where the
    // name holds a word that is also a weekday ("Whit Monday").
    std::vector<CFeastMatch> matches;
    const auto consider = [&matches](std::vector<CFeastMatch> found) {
        if (!found.empty() && (matches.empty() || found.front().nScore > matches.front().nScore))
            matches = std::move(found);
    };
    for (const auto& [first, last] : NameRuns(f))
        consider(MatchFeastName(expanded, first, last));
    // Across the clause, a name may take a weekday or a relation only as its
    // own word ("Whit Monday"), never by a likeness ("Martis" is not Marci).
    std::vector<CFeastMatch> across = MatchFeastName(expanded, 0, n);
    across.erase(std::remove_if(across.begin(), across.end(),
                                [&f](const CFeastMatch& m) {
                                    for (std::size_t i = m.nFirst; i <= m.nLast; ++i) {
                                        if (f.claimed[i])
                                            return true; // a year's words name no feast
                                        const K k = f.infos[i].eKind;
                                        if ((k == K::Weekday || k == K::After || k == K::Before ||
                                             k == K::Feria) &&
                                            !NameHolds(*m.pFeast, f.words[i].strText))
                                            return true;
                                    }
                                    return false;
                                }),
                 across.end());
    consider(std::move(across));
    // Words neither read nor part of the name, for a refusal.
    std::string unread;
    for (std::size_t i = 0; i < n; ++i) {
        const bool inName =
            !matches.empty() && i >= matches.front().nFirst && i <= matches.front().nLast;
        if (!f.claimed[i] && !inName && f.infos[i].eKind == K::Unknown) {
            if (!unread.empty())
                unread += ' ';
            unread += ClauseSpan(cp1252, f.words, i, i);
        }
    }
    if (matches.empty()) {
        result.eError = EFeastDateError::Unreadable;
        result.strWhat = unread.empty() ? std::string(cp1252) : unread;
        return result;
    }

    // The years to look in: the clause's own, or the one the caller gives.
    struct CYearChoice {
        std::int32_t nWritten = 0; // in the style
        const CClauseYear* pRegnal = nullptr;
        bool bDouble = false; // "1653/4": nWritten is the first
    };
    std::vector<CYearChoice> choices;
    std::optional<std::int32_t> statedYear;
    bool doubleYear = false;
    for (const CClauseYear& year : years) {
        if (year.pReign != nullptr) {
            choices.push_back({0, &year});
        } else if (!statedYear) {
            statedYear = year.nYear;
            doubleYear = year.bDoubleYear;
        }
    }
    if (statedYear)
        choices.insert(choices.begin(), {*statedYear, nullptr, doubleYear});
    else if (choices.empty() && options.nYear != 0)
        choices.push_back({options.nYear, nullptr});
    if (choices.empty()) {
        result.eError = EFeastDateError::NoYear;
        return result;
    }
    const CYearChoice& choice = choices.front();

    const bool orthodox =
        std::any_of(f.infos.begin(), f.infos.end(),
                    [](const CClauseWordInfo& info) { return info.eKind == K::Orthodox; });
    result.eError = EFeastDateError::OutOfRange;
    for (const CFeastMatch& match : matches) {
        const CFeastDay& feast = *match.pFeast;
        const CPlan plan = PlanOf(f, feast, match.nFirst, match.nLast);
        // Every modern year the written one may be, kept where the day's own
        // year in the style is the written one.
        std::vector<std::int32_t> modernYears;
        if (choice.pRegnal != nullptr) {
            const CRegnalSpan span =
                RegnalYearDays(*choice.pRegnal->pReign, choice.pRegnal->nRegnal);
            if (span.first.GetDayNumber() == 0)
                continue;
            for (std::int32_t y = span.first.GetJulian().nYear; y <= span.last.GetJulian().nYear;
                 ++y)
                modernYears.push_back(y);
        } else if (choice.bDouble) {
            modernYears.push_back(choice.nWritten + 1); // both counts are written
        } else if (options.yearStyle.eStyle == EYearStyle::January) {
            modernYears.push_back(choice.nWritten);
        } else {
            modernYears = {choice.nWritten - 1, choice.nWritten, choice.nWritten + 1};
        }
        for (const std::int32_t year : modernYears) {
            if (year < 1 || year > 2999)
                continue;
            CFeastDateOptions reckoning{options.eReckoning, options.nReformDay};
            // The Eastern churches keep the Julian Easter, whatever the calendar.
            if (orthodox && feast.eRule == EFeastRule::Easter)
                reckoning.eReckoning = EFeastReckoning::Julian;
            bool gregorian = false;
            EFeastDateError error = EFeastDateError::None;
            const CJulianDay base =
                FeastDayInReckoning([&feast, year](bool g) { return FeastDayOf(feast, year, g); },
                                    reckoning, gregorian, error);
            if (error != EFeastDateError::None) {
                result.eError = error;
                continue;
            }
            const CJulianDay day = Apply(plan, feast, base);
            if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay) {
                if (plan.nDirection != 0 && plan.nWeekday < 0 && !plan.bDays) {
                    result.eError = EFeastDateError::Unreadable;
                    result.strWhat = ClauseSpan(cp1252, f.words, 0, n - 1);
                }
                continue;
            }
            const EStyleCalendar calendar =
                gregorian ? EStyleCalendar::Gregorian : EStyleCalendar::Julian;
            if (choice.pRegnal != nullptr) {
                const CRegnalSpan span =
                    RegnalYearDays(*choice.pRegnal->pReign, choice.pRegnal->nRegnal);
                if (day < span.first || day > span.last)
                    continue;
            } else if (!choice.bDouble && options.yearStyle.eStyle != EYearStyle::January &&
                       StyleYear(day, calendar, options.yearStyle) != choice.nWritten) {
                continue;
            }
            if (std::any_of(result.readings.begin(), result.readings.end(),
                            [day](const CClauseReading& r) { return r.day == day; }))
                continue;
            CClauseReading reading;
            reading.day = day;
            reading.baseDay = base;
            reading.strFeast = FeastDayName(feast, French());
            reading.strUsage = feast.strUsage;
            reading.bGregorian = gregorian;
            reading.bComputus = feast.eRule != EFeastRule::Fixed;
            reading.nYear = year;
            // A weekday written beside the feast's own day must be that day's.
            if (plan.nCheckWeekday >= 0 && day.GetDayOfWeek() != plan.nCheckWeekday) {
                const std::string says = WeekdayName(plan.nCheckWeekday);
                const std::string is = WeekdayName(day.GetDayOfWeek());
                // ... and where the weekday would have put it.
                const std::string after =
                    FormatFeastDate(NthWeekdayFrom(day, plan.nCheckWeekday, 1, 1), gregorian);
                const std::string& feastName = reading.strFeast;
                reading.checks.push_back(
                    {false,
                     French() ? "le texte dit " + says + " ; le " +
                                    FormatFeastDate(day, gregorian) + " est un " + is + ", et le " +
                                    says + " apr\xE8s " + feastName + " est le " + after
                              : "the text says " + says + "; " + FormatFeastDate(day, gregorian) +
                                    " is a " + is + ", and the " + says + " after " + feastName +
                                    " is " + after});
            }
            if (dayOfMonth) {
                const bool same = gregorian ? day.GetGregorian().nDay == dayOfMonth->first &&
                                                  day.GetGregorian().nMonth == dayOfMonth->second
                                            : day.GetJulian().nDay == dayOfMonth->first &&
                                                  day.GetJulian().nMonth == dayOfMonth->second;
                const std::string stated = std::to_string(dayOfMonth->first) + " " +
                                           LoadResString(IDS_MONTH_FIRST + dayOfMonth->second - 1);
                reading.checks.push_back(
                    {same, same ? (French() ? "le " + stated + " : d'accord" : stated + " agrees")
                                : (French() ? "le texte dit le " + stated + " ; le jour est le " +
                                                  FormatFeastDate(day, gregorian)
                                            : "the text says " + stated + "; the day is " +
                                                  FormatFeastDate(day, gregorian))});
            }
            if (indiction) {
                const std::int32_t stated = indiction->nIndiction;
                const char* styles[] = {"Roman", "Greek", "Bedan"};
                const char* stylesFr[] = {"romaine", "grecque", "de B\350de"};
                std::string agrees;
                for (int s = 0; s < 3; ++s) {
                    if (Indiction(day, static_cast<EIndiction>(s)) == stated && agrees.empty())
                        agrees = French() ? stylesFr[s] : styles[s];
                }
                const std::string number = std::to_string(stated);
                if (!agrees.empty()) {
                    reading.checks.push_back(
                        {true, French() ? "indiction " + number + " : d'accord (" + agrees + ")"
                                        : "indiction " + number + " agrees (" + agrees + ")"});
                } else {
                    // The nearest year whose Roman indiction is the stated one.
                    const std::int32_t dayYear = CivilDate(day).nYear;
                    const std::int32_t roman = Indiction(day, EIndiction::Roman);
                    std::int32_t off = (stated - roman + 15) % 15;
                    if (off > 7)
                        off -= 15;
                    const std::string other = std::to_string(dayYear + off);
                    const std::string own = std::to_string(dayYear);
                    reading.checks.push_back(
                        {false, French() ? "l'indiction " + number + " est celle de " + other +
                                               " dans le style romain, non de " + own
                                         : "indiction " + number + " is that of " + other +
                                               " in the Roman style, not of " + own});
                }
            }
            for (const CYearChoice& other : choices) {
                if (&other == &choice || other.pRegnal == nullptr)
                    continue;
                const CRegnalSpan span =
                    RegnalYearDays(*other.pRegnal->pReign, other.pRegnal->nRegnal);
                const std::string regnal = FormatRegnalYear(
                    {other.pRegnal->pReign, other.pRegnal->nRegnal, 0}, French(), true);
                const bool within = day >= span.first && day <= span.last;
                const std::string from =
                    FormatFeastDate(span.first, span.first.IsGregorianInForce());
                const std::string to = FormatFeastDate(span.last, span.last.IsGregorianInForce());
                reading.checks.push_back(
                    {within,
                     French()
                         ? regnal + (within ? " : d'accord" : " va du " + from + " au " + to)
                         : regnal + (within ? " agrees" : " runs from " + from + " to " + to)});
            }
            if (choice.bDouble) {
                // Only a day before Lady Day has two years.
                const std::int32_t month =
                    gregorian ? day.GetGregorian().nMonth : day.GetJulian().nMonth;
                const std::int32_t dayOfMonth =
                    gregorian ? day.GetGregorian().nDay : day.GetJulian().nDay;
                if (month > 3 || (month == 3 && dayOfMonth > 24)) {
                    const std::string written = std::to_string(choice.nWritten) + "/" +
                                                std::to_string((choice.nWritten + 1) % 10);
                    reading.checks.push_back(
                        {false, French() ? "une ann\xE9\x65 double (" + written +
                                               ") ne va que du 1er janvier au 24 mars"
                                         : "a double year (" + written +
                                               ") runs only from 1 January to 24 March"});
                }
            }
            for (const CClauseElement& element : unchecked)
                reading.checks.push_back({true, UncheckedElementText(element)});
            result.readings.push_back(std::move(reading));
        }
    }
    if (!result.readings.empty()) {
        result.eError = EFeastDateError::None;
        result.strWhat.clear();
    }
    return result;
}

} // namespace

CClauseResult ReadDatingClause(std::string_view cp1252, const CClauseOptions& options) {
    bool yearRefused = false;
    CClauseResult result = ReadClause(cp1252, options, yearRefused);
    // Readings, or a year refused by name: the short forms would cut it short.
    if (!result.readings.empty() || yearRefused)
        return result;
    // The short forms only the church-year reader knows ("3 days after
    // Candlemas 1600", a saint of the loaded lists), and its refusals where
    // they say more: a name looked up and not found, a day out of reach.
    const CFeastReading old = ReadFeastDate(cp1252, {options.eReckoning, options.nReformDay});
    switch (old.eError) {
    case EFeastDateError::None: {
        CClauseReading reading;
        reading.day = old.day;
        reading.baseDay = old.baseDay;
        reading.strFeast = old.strFeast;
        reading.bGregorian = old.bGregorian;
        reading.bComputus = old.bComputus;
        reading.nYear = old.nYear;
        result.readings.push_back(reading);
        result.eError = EFeastDateError::None;
        result.strWhat.clear();
        break;
    }
    case EFeastDateError::UnknownName:
    case EFeastDateError::AmbiguousName:
    case EFeastDateError::Skipped:
    case EFeastDateError::OutOfRange:
        if (result.eError != EFeastDateError::Skipped &&
            result.eError != EFeastDateError::OutOfRange) {
            result.eError = old.eError;
            result.strWhat = old.strWhat;
            result.candidates = old.candidates;
        }
        break;
    case EFeastDateError::NoYear:
    case EFeastDateError::Unreadable:
        break;
    }
    return result;
}
