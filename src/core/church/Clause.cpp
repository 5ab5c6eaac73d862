#include "church/Clause.h"

#include "calendar/DateText.h"
#include "church/ChurchYear.h"
#include "church/ClauseDayMonth.h"
#include "church/ClauseLexicon.h"
#include "church/ClauseText.h"
#include "church/ClauseYears.h"
#include "church/FeastNames.h"
#include "daynames/DayNameLists.h"
#include "elements/Elements.h"
#include "elements/Reigns.h"
#include "saints/SaintSearch.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <optional>
#include <set>

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

// "Lord's day", "Lords day": Sunday, as English diaries name it.
void JoinLordsDay(CFound& f) {
    for (std::size_t i = 0; i + 1 < f.words.size(); ++i) {
        const std::string& w = f.words[i].strText;
        std::size_t day = i + 1;
        if (w == "lord" && f.words[day].strText == "s" && day + 1 < f.words.size())
            ++day;
        if ((w == "lord" || w == "lords") && f.words[day].strText == "day" && !f.claimed[i]) {
            f.infos[i] = {K::Weekday, 0};
            for (std::size_t j = i + 1; j <= day; ++j)
                f.infos[j] = {K::Filler, 0};
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
    // "am achten tag nach Ostern" counts the feast as the first day: the octave.
    for (std::size_t i = 0; i + 2 < feastFirst; ++i) {
        if (f.claimed[i] || f.infos[i].eKind != K::Ordinal || f.infos[i].nValue != 8)
            continue;
        std::size_t j = i + 1;
        while (j < feastFirst && f.infos[j].eKind == K::Filler)
            ++j;
        if (j + 1 < feastFirst && f.infos[j].eKind == K::DayWord &&
            f.infos[j + 1].eKind == K::After) {
            CPlan octave;
            octave.nShift = 7;
            return octave;
        }
    }
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

using R = EClauseRole;

// Words that put a place or a person after them: "Datum Rige", "zu Wien",
// "apud Lugdunum", "Di Leida". The weak ones ("in", "a") only before a
// capital letter.
bool IntroducesName(std::string_view word, bool& strong) {
    static constexpr std::string_view kStrong[] = {"datum",       "actum",  "apud",     "zu",
                                                   "ze",          "tho",    "scriptum", "testibus",
                                                   "presentibus", "zeugen", "teste"};
    static constexpr std::string_view kWeak[] = {
        "d",   "in", "a",      "at",   "di",  "da",    "te", "to",  "from", "de",  "en",
        "tot", "yn", "binnen", "dall", "dal", "dalla", "ex", "uit", "aus",  "van", "ab"};
    strong = std::find(std::begin(kStrong), std::end(kStrong), word) != std::end(kStrong);
    return strong || std::find(std::begin(kWeak), std::end(kWeak), word) != std::end(kWeak);
}

bool Capitalised(std::string_view cp1252, const CClauseWord& word) {
    const char c = word.nStart < cp1252.size() ? cp1252[word.nStart] : 'a';
    return (c >= 'A' && c <= 'Z') ||
           (static_cast<unsigned char>(c) >= 0xC0 && static_cast<unsigned char>(c) <= 0xDE);
}

// Words of a letter's greeting or closing that do not date; the joining
// words of a charter ("Datum", "Gegeben", "etc.") are the lexicon's fillers.
bool IsNonDating(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "scriptum", "ita",      "vale",        "valete", "raptim",      "cito", "laus",
        "deo",      "vitement", "hastivement", "haste",  "festinanter", "hate", "bien"};
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

// A year-start style named in the clause, and the words that name it.
struct CNamedStyle {
    EYearStyle eStyle = EYearStyle::January;
    std::size_t nFirst = 0, nLast = 0;
};

std::optional<CNamedStyle> FindNamedStyle(const std::vector<CClauseWord>& w) {
    const auto at = [&w](std::size_t i) -> std::string_view {
        return i < w.size() ? std::string_view(w[i].strText) : std::string_view();
    };
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string_view a = at(i), b = at(i + 1), c = at(i + 2);
        // "more veneto", "stilo florentino", "style de Paques", "ab incarnatione"
        if ((a == "more" || a == "stilo" || a == "stylo" || a == "style" || a == "stile") &&
            !b.empty()) {
            std::string_view place = b;
            std::size_t last = i + 1;
            if ((b == "de" || b == "di") && !c.empty()) {
                place = c;
                last = i + 2;
            }
            if (place == "veneto" || place == "venetorum" || place == "venitien" ||
                place == "veneziano")
                return CNamedStyle{EYearStyle::Venetian, i, last};
            if (place == "florentino" || place == "florentinorum" || place == "florence" ||
                place == "fiorentino" || place == "incarnationis")
                return CNamedStyle{EYearStyle::Annunciation, i, last};
            if (place == "pisano" || place == "pisanorum" || place == "pise")
                return CNamedStyle{EYearStyle::Pisan, i, last};
            if (place == "paques" || place == "pasque" || place == "pasques" ||
                place == "paschali" || place == "gallicano" || place == "francie" ||
                place == "gallico")
                return CNamedStyle{EYearStyle::Easter, i, last};
            if (place == "nativitatis" || place == "natali")
                return CNamedStyle{EYearStyle::Nativity, i, last};
        }
        if ((a == "ab" || a == "a") && (b == "incarnatione" || b == "incarnationis")) {
            std::size_t last = i + 1;
            if (at(i + 2) == "domini" || at(i + 2) == "dominica")
                last = i + 2;
            return CNamedStyle{EYearStyle::Annunciation, i, last};
        }
        if (a == "incarnationis" && (b == "dominice" || b == "domini") && i > 0 &&
            at(i - 1) == "anno")
            return CNamedStyle{EYearStyle::Annunciation, i, i + 1};
    }
    return std::nullopt;
}

// The calendar a clause names: "stilo novo", "new style", "neuen Kalenders",
// "st. v.", "old style". 1 Gregorian, -1 Julian, 0 none; the words it took.
int FindNamedCalendar(const std::vector<CClauseWord>& w, std::size_t& first, std::size_t& last) {
    static constexpr std::string_view kNew[] = {
        "novo", "novi", "new", "neue", "neuen", "neuer", "neu", "nouveau", "n", "nieuwe", "nuovo"};
    static constexpr std::string_view kOld[] = {"veteri", "vetere", "veteris", "old",
                                                "alten",  "alter",  "alte",    "vieux",
                                                "ancien", "v",      "oude",    "vecchio"};
    static constexpr std::string_view kStyle[] = {
        "stilo",    "stylo", "styli",   "stili",    "style",     "styl",
        "st",       "stile", "kal",     "kalender", "kalenders", "calender",
        "calendar", "stijl", "calculo", "calculi",  "calendario"};
    const auto in = [](std::string_view word, const auto& list) {
        return std::find(std::begin(list), std::end(list), word) != std::end(list);
    };
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        for (const std::size_t j : {i, i + 1}) {
            const std::size_t k = j == i ? i + 1 : i;
            if (!in(w[k].strText, kStyle))
                continue;
            // "st." and "n." alone are letters: both must be marked.
            if ((w[k].strText == "st" || w[k].strText == "s") && !w[k].bMarked)
                continue;
            const std::string& word = w[j].strText;
            if ((word == "n" || word == "v") && !w[j].bMarked)
                continue;
            first = std::min(j, k);
            last = std::max(j, k);
            if (in(word, kNew))
                return 1;
            if (in(word, kOld))
                return -1;
        }
    }
    return 0;
}

// Where the reading's day comes from: a feast of the table, or a day and
// month the clause writes out.
struct CAnchor {
    const CFeastDay* pFeast = nullptr;
    CFeastDay own; // a written day and month, as a fixed feast
    std::size_t nFirst = 0, nLast = 0;
    std::size_t nLoose = static_cast<std::size_t>(-1);
    std::string strLooseName;
    bool bWritten = false;
    bool bBeside = false;                 // a feast named beside a written date
    bool bWeek = false;                   // the week the feast begins: "nach der osterwochen"
    std::optional<CClauseDayMonth> roman; // a Roman date, its day found year by year
    std::int32_t nFromEnd = 0;            // 1: the month's last day, 2: the day before
    bool bOwnRoman = false;               // written as this program copies one
    const CFeastDay& Feast() const { return pFeast != nullptr ? *pFeast : own; }
};

CAnchor AnchorOf(const CFeastMatch& match) {
    CAnchor anchor;
    anchor.pFeast = match.pFeast;
    anchor.nFirst = match.nFirst;
    anchor.nLast = match.nLast;
    anchor.nLoose = match.nLoose;
    anchor.strLooseName = match.strLooseName;
    return anchor;
}

std::string MonthName(std::int32_t month) {
    return LoadResString(IDS_MONTH_FIRST + month - 1);
}

// A day and month the clause writes out, as a fixed feast of its own; named
// "7 July" unless the words name it better ("ultimo novembris").
CAnchor WrittenAnchor(std::int32_t day, std::int32_t month, std::size_t first, std::size_t last,
                      std::string name = {}) {
    CAnchor anchor;
    anchor.bWritten = true;
    anchor.own.nDay = day;
    anchor.own.nMonth = month;
    anchor.own.strEnglish =
        name.empty() ? std::to_string(day) + " " + MonthName(month) : std::move(name);
    anchor.nFirst = first;
    anchor.nLast = last;
    return anchor;
}

std::string Quote(const std::string& text) {
    return FormatResString(IDS_QUOTED, {text});
}

// Below this score the saints search only guesses (SaintSearch.h).
constexpr std::int32_t kSureSaintScore = 11;

struct CSaintAnchor {
    std::string strName;
    std::string strQuery;
    std::int32_t nDay = 0, nMonth = 0;
    bool bExact = false; // the words are the saint's name as the list writes it
};

// The saint the words name in the traditional list, kept only when its best
// matches all fall on one day; else the refusal, with the nearest names.
std::optional<CSaintAnchor> SaintOfLists(const std::string& words, CClauseResult& result) {
    std::string query;
    for (const CClauseWord& word : ClauseWords(words)) {
        static constexpr std::string_view kTitles[] = {
            "st",     "ste",     "sts",    "saint", "sainte", "saints", "s",
            "sancti", "sanctae", "sancte", "beati", "beatae", "b"};
        if (std::find(std::begin(kTitles), std::end(kTitles), word.strText) == std::end(kTitles))
            query += (query.empty() ? "" : " ") + word.strText;
    }
    result.eError = EFeastDateError::UnknownName;
    result.strWhat = words;
    const auto lines = query.empty() ? std::vector<CSaintSearchLine>{} : SearchSaints(query, 0);
    if (lines.empty() || lines.front().nScore < kSureSaintScore) {
        for (std::size_t i = 0; i < lines.size() && i < 5; ++i)
            result.candidates.push_back(lines[i].strLine);
        return std::nullopt;
    }
    std::set<std::pair<std::int32_t, std::int32_t>> dates;
    for (const CSaintSearchLine& line : lines) {
        if (line.nScore != lines.front().nScore)
            break;
        if (dates.emplace(line.pEntry->nMonth, line.pEntry->nDay).second &&
            result.candidates.size() < 10)
            result.candidates.push_back(line.strLine);
    }
    if (dates.size() != 1) {
        result.eError = EFeastDateError::AmbiguousName;
        return std::nullopt;
    }
    result.candidates.clear();
    const CSaintEntry& entry = *lines.front().pEntry;
    std::string folded;
    for (const CClauseWord& word : ClauseWords(entry.strName))
        folded += (folded.empty() ? "" : " ") + word.strText;
    return CSaintAnchor{entry.strName, query, entry.nDay, entry.nMonth, folded == query};
}

// The feast's name a word holds in front of one of the endings:
// "pfingstwoch", "osterfeiertagen"; empty when it holds none. A linking s
// may stand between them ("weinachtsfeyern").
std::string FeastNameBefore(const std::string& w, std::initializer_list<std::string_view> endings,
                            bool linkingS) {
    for (const std::string_view ending : endings) {
        if (w.size() < ending.size() + 4 ||
            w.compare(w.size() - ending.size(), ending.size(), ending) != 0)
            continue;
        std::string stem = w.substr(0, w.size() - ending.size());
        if (linkingS && stem.size() > 4 && stem.back() == 's')
            stem.pop_back();
        for (const std::string& name : {stem, stem + "n", stem + "en"}) {
            std::vector<CClauseWord> one{CClauseWord{name, false, 0, 0}};
            if (!MatchFeastName(one, 0, 1).empty())
                return name;
        }
        return {};
    }
    return {};
}

// The name a word of a feast's holidays stands for: "pfingstfeyern",
// "weinachtsfeyern", "osterfeiertagen".
std::string HolidaysName(const std::string& w) {
    return FeastNameBefore(
        w, {"feiertagen", "feyertagen", "feiertag", "feyertag", "feiern", "feyern", "feirn"}, true);
}

// A day of a common year, 0 for 1 January.
int DayOfYear(std::int32_t month, std::int32_t day) {
    CJulianDay date, first;
    date.SetGregorian({day, month, 2001});
    first.SetGregorian({1, 1, 2001});
    return date.GetDayNumber() - first.GetDayNumber();
}

// The fixed days a season spans, as days of a common year (wrapping at the
// year's end): Lent by name, or the fortnight of the fixed feast a word of
// no other kind names ("in den weichnachten"). False for a word that names
// no season ("in octava").
bool SeasonOf(const std::string& word, bool feastWord, int& from, int& to) {
    static constexpr std::string_view kLent[] = {"vasten", "fasten", "vassten",     "fassten",
                                                 "vastn",  "fastn",  "quadragesima"};
    if (std::find(std::begin(kLent), std::end(kLent), word) != std::end(kLent)) {
        from = DayOfYear(2, 1);
        to = DayOfYear(4, 25);
        return true;
    }
    if (!feastWord)
        return false;
    // Bavarian "weich-" (hallowed) for "weih-"
    std::string name = HolidaysName(word);
    if (name.empty())
        name = word.compare(0, 5, "weich") == 0 ? "weih" + word.substr(5) : word;
    std::vector<CClauseWord> one{CClauseWord{name, false, 0, 0}};
    const std::vector<CFeastMatch> found = MatchFeastName(one, 0, 1);
    if (found.size() != 1 || found.front().pFeast->eRule != EFeastRule::Fixed)
        return false;
    const int day = DayOfYear(found.front().pFeast->nMonth, found.front().pFeast->nDay);
    from = (day + 364) % 365;
    to = (day + 14) % 365;
    return true;
}

bool InSeason(const CFeastDay& feast, int from, int to) {
    if (feast.eRule != EFeastRule::Fixed)
        return false;
    const int day = DayOfYear(feast.nMonth, feast.nDay);
    return from <= to ? (day >= from && day <= to) : (day >= from || day <= to);
}

CClauseResult ReadClause(std::string_view cp1252, const CClauseOptions& options) {
    CClauseResult result;
    const CCivilUse civil{options.nReformDay};
    cp1252 = cp1252.substr(0, cp1252.find('\0'));
    CFound f;
    f.words = ClauseWords(cp1252.substr(0, 2000));
    const std::size_t n = f.words.size();
    result.eError = EFeastDateError::Unreadable;
    if (n == 0)
        return result;
    std::vector<R> roles(n, R::Unread);
    f.claimed.assign(n, false);
    const auto take = [&](std::size_t first, std::size_t last, R role) {
        for (std::size_t i = first; i <= last && i < n; ++i) {
            f.claimed[i] = true;
            roles[i] = role;
        }
    };
    const std::vector<CClauseYear> years = FindClauseYears(f.words, options.nYear);
    for (const CClauseYear& year : years) {
        take(year.nFirst, year.nLast, year.pReign != nullptr ? R::Regnal : R::Year);
        // "-2961" is a year before Christ, not 2961; "1653-54" is a range.
        const std::size_t at = f.words[year.nFirst].nStart;
        if (at > 0 && cp1252[at - 1] == '-' &&
            (at == 1 || !std::isalnum(static_cast<unsigned char>(cp1252[at - 2])))) {
            result.eError = EFeastDateError::NoYear;
            result.strWhat = ClauseSpan(cp1252, f.words, year.nFirst, year.nLast);
            return result;
        }
    }
    const auto indiction = FindClauseIndiction(f.words);
    if (indiction)
        take(indiction->nFirst, indiction->nLast, R::Indiction);
    // A year not read whole is no year to date by: name its words.
    for (const CClauseYear& year : years) {
        if (year.bIncomplete) {
            result.strWhat = ClauseSpan(cp1252, f.words, year.nFirst, year.nLast);
            return result;
        }
    }
    // A regnal year of France, a pontifical year, an epact: said, not checked.
    const std::vector<CClauseElement> unchecked = FindUncheckedElements(f.words);
    for (const CClauseElement& element : unchecked) {
        take(element.nFirst, element.nLast, R::Unchecked);
        result.notChecked.push_back(UncheckedElementText(element));
    }
    CYearStyle yearStyle = options.yearStyle;
    // A calendar named in the clause is the one it dates in.
    std::size_t calendarFirst = 0, calendarLast = 0;
    const int namedCalendar = FindNamedCalendar(f.words, calendarFirst, calendarLast);
    EFeastReckoning reckoningOf = options.eReckoning;
    std::string calendarDoubt;
    if (namedCalendar != 0) {
        take(calendarFirst, calendarLast, R::Style);
        const EFeastReckoning named =
            namedCalendar > 0 ? EFeastReckoning::Gregorian : EFeastReckoning::Julian;
        // A reckoning asked for stands, but a clause that says otherwise is doubted.
        if (reckoningOf == EFeastReckoning::Civil)
            reckoningOf = named;
        else if (reckoningOf != named)
            calendarDoubt = ClauseSpan(cp1252, f.words, calendarFirst, calendarLast);
    }
    if (const auto named = FindNamedStyle(f.words)) {
        take(named->nFirst, named->nLast, R::Style);
        yearStyle = {named->eStyle, 0};
    }
    std::optional<CAnchor> written;
    // "le jour de l'an": 1 January, every word a filler.
    for (std::size_t i = 0; i + 3 < n && !written; ++i) {
        const auto is = [&](std::size_t k, std::initializer_list<std::string_view> any) {
            return !f.claimed[k] &&
                   std::find(any.begin(), any.end(), f.words[k].strText) != any.end();
        };
        // "l'an" may be the year's own formula too: "le jour de l'an 1450".
        if (is(i, {"jour", "jor"}) && is(i + 1, {"de", "du"}) && f.words[i + 2].strText == "l" &&
            f.words[i + 3].strText == "an") {
            written = WrittenAnchor(1, 1, i, i + 3);
            for (std::size_t k = i; k <= i + 3; ++k) {
                if (!f.claimed[k])
                    take(k, k, R::Day);
            }
        }
    }
    // "den 13. November", "die xvii mensis novembris", "vii idus julii": a
    // day and month written out are the date.
    const std::vector<CClauseDayMonth> dayMonths = FindClauseDayMonths(f.words, f.claimed);
    if (!written && !dayMonths.empty()) {
        const CClauseDayMonth& dm = dayMonths.front();
        const std::string span = ClauseSpan(cp1252, f.words, dm.nFirst, dm.nLast);
        if (dm.eProblem != EDayMonthProblem::None) {
            result.eError = EFeastDateError::Unreadable;
            result.strWhat = span + LoadResString(dm.eProblem == EDayMonthProblem::DayPastMonth
                                                      ? IDS_NO_SUCH_DAY_IN_MONTH
                                                      : IDS_COUNT_PAST_MONTH);
            return result;
        }
        CAnchor anchor = WrittenAnchor(dm.nDay, dm.nMonth, dm.nFirst, dm.nLast,
                                       dm.eMark == EClauseMark::None ? std::string() : span);
        if (dm.eMark != EClauseMark::None) {
            anchor.roman = dm;
            for (std::size_t i = dm.nFirst > 2 ? dm.nFirst - 2 : 0; i <= dm.nLast && i < n; ++i) {
                const std::string& w = f.words[i].strText;
                anchor.bOwnRoman = anchor.bOwnRoman || w == "day" || w == "jour";
            }
        }
        written = anchor;
        for (std::size_t i = dm.nFirst; i <= dm.nLast && i < n; ++i)
            take(i, i, MonthOfClauseWord(f.words[i].strText) != 0 ? R::Month : R::Day);
    }
    // The last day of a month, or the one before: "ultimo novembris", "le dernier
    // juing", "all'ultimo di aprile", "penultima mensis aprilis", "den letzten tag
    // monats februarii".
    for (std::size_t i = 0; i + 1 < n && !written; ++i) {
        static constexpr std::string_view kLast[] = {
            "ultimo", "ultima",  "ultimi", "ultimus", "dernier", "derrenier", "darrenier",
            "last",   "letzten", "letzte", "lesten",  "lesteen", "leste",     "laatsten"};
        static constexpr std::string_view kBeforeLast[] = {"penultimo", "penultima", "penultimi",
                                                           "vorletzten", "penultimate"};
        const std::string& w = f.words[i].strText;
        const auto in = [&w](const auto& list) {
            return std::find(std::begin(list), std::end(list), w) != std::end(list);
        };
        const std::int32_t back = in(kLast) ? 1 : in(kBeforeLast) ? 2 : 0;
        if (back == 0 || f.claimed[i])
            continue;
        std::size_t m = i + 1;
        while (m < n && m <= i + 4 && !f.claimed[m] && MonthOfClauseWord(f.words[m].strText) == 0 &&
               (ClassifyClauseWord(f.words[m].strText, false).eKind == K::Filler ||
                ClassifyClauseWord(f.words[m].strText, false).eKind == K::DayWord))
            ++m;
        const std::int32_t month =
            m < n && !f.claimed[m] ? MonthOfClauseWord(f.words[m].strText) : 0;
        if (month == 0)
            continue;
        written = WrittenAnchor(0, month, i, m, ClauseSpan(cp1252, f.words, i, m));
        written->nFromEnd = back;
        take(i, m - 1, R::Day);
        take(m, m, R::Month);
    }
    // A diary's heading names the month and year, its entry the day:
    // "[May 1660] 4th (Lord's day)"; or the entry names them: "November 1st".
    for (std::size_t i = 0; i + 1 < n && !written; ++i) {
        const std::int32_t month = f.claimed[i] ? 0 : MonthOfClauseWord(f.words[i].strText);
        std::size_t k = i + 1;
        while (k < n && roles[k] == R::Year)
            ++k;
        if (month == 0 || k >= n || f.claimed[k])
            continue;
        const CClauseWordInfo day = ClassifyClauseWord(f.words[k].strText, f.words[k].bMarked);
        const std::string& number = f.words[k].strText;
        const std::size_t digits = std::min(number.find_first_not_of("0123456789"), number.size());
        if (day.eKind != K::Ordinal || digits == 0)
            continue;
        // Right after the month, only an English ordinal: "November 1st", not "May 3".
        const std::string_view suffix = std::string_view(number).substr(digits);
        if (k == i + 1 && suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th")
            continue;
        written = WrittenAnchor(day.nValue, month, i, k);
        take(i, i, R::Month);
        take(k, k, R::Day);
    }
    std::vector<CClauseWord> expanded = f.words;
    for (std::size_t i = 0; i < n; ++i) {
        f.infos.push_back(ClassifyClauseWord(f.words[i].strText, f.words[i].bMarked));
        if (f.words[i].bMarked)
            expanded[i].strText = ExpandAbbreviation(f.words[i].strText);
    }
    JoinFerias(f);
    JoinAbbreviatedBefore(f);
    JoinLordsDay(f);
    // "osterwochen", "pfingstwoch", "pinxtweken": a feast's week, the name in front.
    std::vector<bool> week(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        if (f.claimed[i] || f.infos[i].eKind != K::Unknown)
            continue;
        const std::string& w = f.words[i].strText;
        if (const std::string name = FeastNameBefore(
                w, {"wochen", "woche", "woch", "weken", "weke", "wecken", "weeke", "week"}, false);
            !name.empty()) {
            expanded[i].strText = name;
            week[i] = true;
        }
        // "in den pfingstfeyern", "nach den osterfeiern": the feast's holidays,
        // counted from the feast; "in" them is the week from its day.
        if (const std::string holidays = HolidaysName(w); !holidays.empty()) {
            expanded[i].strText = holidays;
            std::size_t k = i;
            while (k > 0 && IsFeastEpithet(f.words[k - 1].strText) &&
                   f.words[k - 1].strText != "in")
                --k;
            week[i] = k > 0 && f.words[k - 1].strText == "in";
        }
        // "in der pfingsten woche": the week word after the name.
        if (i > 0 && (w == "woche" || w == "wochen" || w == "weke" || w == "weken" || w == "week"))
            week[i] = true;
    }
    // Words of another kind take part in a name only as its own words.
    std::vector<bool> exactOnly(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        exactOnly[i] = f.claimed[i] || (f.infos[i].eKind != K::Unknown) ||
                       MonthOfClauseWord(f.words[i].strText) != 0;
    }

    // The feast: the best name in any run, or across the clause where the
    // name holds a word that is also a weekday ("Whit Monday").
    std::vector<CFeastMatch> matches;
    const auto consider = [&matches](std::vector<CFeastMatch> found) {
        if (!found.empty() && (matches.empty() || found.front().nScore > matches.front().nScore))
            matches = std::move(found);
    };
    for (const auto& [first, last] : NameRuns(f))
        consider(MatchFeastName(expanded, first, last, exactOnly));
    // Across the clause, a name may take a weekday or a relation only as its
    // own word ("Whit Monday"), never by a likeness ("Martis" is not Marci).
    std::vector<CFeastMatch> across = MatchFeastName(expanded, 0, n, exactOnly);
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
    // A month's name alone names no feast: "May" is no May Day.
    matches.erase(std::remove_if(matches.begin(), matches.end(),
                                 [&f](const CFeastMatch& m) {
                                     for (std::size_t i = m.nFirst; i <= m.nLast; ++i) {
                                         const std::string& w = f.words[i].strText;
                                         if (!IsFeastEpithet(w) && MonthOfClauseWord(w) == 0 &&
                                             f.infos[i].eKind == K::Unknown)
                                             return false;
                                     }
                                     return true;
                                 }),
                  matches.end());

    // "sand Stephans tag in den weichnachten", "Peters tag in der vasten": of
    // the saint's feasts, the one in the season named after it.
    for (std::size_t i = 1; i + 1 < n && !written; ++i) {
        if (f.words[i].strText != "in" || f.claimed[i])
            continue;
        std::size_t s = i + 1;
        if (s + 1 < n && (f.words[s].strText == "den" || f.words[s].strText == "der" ||
                          f.words[s].strText == "dem"))
            ++s;
        int from = 0, to = 0;
        if (f.claimed[s] || !SeasonOf(f.words[s].strText, f.infos[s].eKind == K::Unknown, from, to))
            continue;
        std::size_t saint = i;
        while (saint > 0 && (f.infos[saint - 1].eKind == K::DayWord ||
                             (f.infos[saint - 1].eKind == K::Unknown &&
                              IsFeastEpithet(f.words[saint - 1].strText))))
            --saint;
        if (saint == 0 || f.claimed[saint - 1] || f.infos[saint - 1].eKind != K::Unknown)
            continue;
        --saint;
        std::vector<CFeastMatch> inSeason;
        for (const CFeastDay* feast : FeastsNamedWith(f.words[saint].strText)) {
            if (InSeason(*feast, from, to))
                inSeason.push_back({feast,
                                    matches.empty() ? 1 : matches.front().nScore,
                                    saint,
                                    s,
                                    false,
                                    static_cast<std::size_t>(-1),
                                    {}});
        }
        if (!inSeason.empty()) {
            matches = std::move(inSeason);
            week[s] = false; // the season names the feast, not a week
            break;
        }
    }

    std::vector<CAnchor> anchors;
    // A feast named beside a written date is checked against it, not read.
    std::vector<CFeastMatch> besideWritten;
    if (written) {
        anchors.push_back(*written);
        // ... and the feast's own day, where the two disagree, as the other choice.
        // Only a name the clause calls a day: "am Tag St. Jakob, den 25. Juli".
        if (!matches.empty() && matches.front().nLoose == static_cast<std::size_t>(-1)) {
            std::size_t before = matches.front().nFirst;
            // Titles and joining words are passed over, never the day word itself.
            while (before > 0 && (f.infos[before - 1].eKind == K::Filler ||
                                  (f.infos[before - 1].eKind == K::Unknown &&
                                   IsFeastEpithet(f.words[before - 1].strText))))
                --before;
            const K kind = before > 0 ? f.infos[before - 1].eKind : K::Unknown;
            // ... or one named in full after it: "25th (Christmas day)".
            std::size_t letters = 0;
            for (std::size_t i = matches.front().nFirst; i <= matches.front().nLast; ++i) {
                if (!IsFeastEpithet(f.words[i].strText))
                    letters += f.words[i].strText.size();
            }
            const bool after = matches.front().nFirst > written->nLast && letters >= 4;
            if (after ||
                (before > 0 && !f.claimed[before - 1] &&
                 (kind == K::DayWord || kind == K::Weekday || kind == K::Eve || kind == K::Morrow ||
                  kind == K::Octave || kind == K::After || kind == K::Before)))
                besideWritten = matches;
        }
        for (const CFeastMatch& match : besideWritten) {
            anchors.push_back(AnchorOf(match));
            anchors.back().bBeside = true;
        }
    } else {
        for (const CFeastMatch& match : matches) {
            CAnchor anchor = AnchorOf(match);
            anchor.bWeek =
                match.bWeek || week[match.nLast] || (match.nLast + 1 < n && week[match.nLast + 1]);
            if (anchor.bWeek && match.nLast + 1 < n && week[match.nLast + 1])
                roles[match.nLast + 1] = R::Relation;
            anchors.push_back(anchor);
        }
    }
    // The name's words, with the titles around it: "beati Michaelis archangeli",
    // "unser leven vrouwen avent assumptionis".
    // Our Lady's and Our Lord's words stand before a name; only their names after it.
    const auto titles = [&](std::size_t i, bool before) {
        static constexpr std::string_view kBefore[] = {
            "unser",  "unse",    "unsir",  "unses",  "unsers", "unnser",  "vnser",  "vnnser",
            "onser",  "leven",   "lieben", "liewen", "leiven", "vrouwen", "frauen", "frawen",
            "frowen", "frouwen", "vrowen", "frawn",  "vrouwe", "frau",    "vrou",   "notre",
            "nostre", "dame",    "our",    "lady",   "ladies", "herrn",   "heren",  "hern",
            "levenn", "vrowenn", "fraun",  "fruwen"};
        static constexpr std::string_view kEither[] = {"marie",  "mariae",  "maria",
                                                       "marien", "christi", "jhesu",
                                                       "ihesu",  "domini",  "gloriose"};
        const std::string& w = f.words[i].strText;
        const K kind = f.infos[i].eKind;
        if (f.claimed[i] || (kind != K::Unknown && kind != K::Filler && kind != K::DayWord))
            return false;
        const auto in = [&w](const auto& list) {
            return std::find(std::begin(list), std::end(list), w) != std::end(list);
        };
        return IsFeastEpithet(w) ||
               (kind == K::Unknown && (in(kEither) || (before && in(kBefore))));
    };
    const auto nameWords = [&](std::size_t first, std::size_t last) {
        while (first > 0 && titles(first - 1, true))
            --first;
        // Forward, a joining word ("in", "und") counts only with a title after it.
        for (std::size_t k = last + 1; k < n && titles(k, false); ++k) {
            if (f.infos[k].eKind != K::Filler)
                last = k;
        }
        // "als si geboren ist worden": the verbs that close the saying which feast.
        static constexpr std::string_view kOpen[] = {"als", "alz", "alse", "do", "da"};
        static constexpr std::string_view kClose[] = {"ward",   "wardt", "wart", "ist",
                                                      "worden", "wurde", "sei",  "sey"};
        const auto among = [&](std::size_t i, const auto& list) {
            return std::find(std::begin(list), std::end(list), f.words[i].strText) !=
                   std::end(list);
        };
        bool opened = false;
        for (std::size_t i = first; i <= last && i < n; ++i)
            opened = opened || among(i, kOpen);
        while (opened && last + 1 < n && !f.claimed[last + 1] && among(last + 1, kClose))
            ++last;
        for (std::size_t i = first; i <= last && i < n; ++i) {
            if (!f.claimed[i])
                roles[i] = R::Feast;
        }
    };
    if (!anchors.empty() && !anchors.front().bWritten)
        nameWords(anchors.front().nFirst, anchors.front().nLast);
    if (!besideWritten.empty())
        nameWords(besideWritten.front().nFirst, besideWritten.front().nLast);
    // Our Lady's words before an eve inside her feast's name: "unser leven vrouwen avent".
    for (std::size_t i = 0; i < n; ++i) {
        if (roles[i] != R::Unread || !titles(i, true))
            continue;
        std::size_t j = i + 1;
        while (j < n && roles[j] != R::Feast &&
               (titles(j, true) || f.infos[j].eKind == K::Eve || f.infos[j].eKind == K::DayWord ||
                f.infos[j].eKind == K::Filler))
            ++j;
        if (j < n && roles[j] == R::Feast) {
            for (std::size_t k = i; k < j; ++k) {
                if (titles(k, true))
                    roles[k] = R::Feast;
            }
        }
    }
    // The rest by kind, then the names that stand after "zu", "apud", "Datum".
    for (std::size_t i = 0; i < n; ++i) {
        if (roles[i] != R::Unread)
            continue;
        switch (f.infos[i].eKind) {
        case K::Unknown:
            break;
        case K::Weekday:
        case K::Feria:
            roles[i] = R::Weekday;
            break;
        case K::Filler:
            roles[i] = R::Other;
            break;
        default:
            roles[i] = R::Relation;
            break;
        }
        if (IsNonDating(f.words[i].strText))
            roles[i] = R::Other;
        // A month with no day is read, and dates nothing alone.
        if (roles[i] == R::Unread && MonthOfClauseWord(f.words[i].strText) != 0)
            roles[i] = R::Month;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        bool strong = false;
        if (!IntroducesName(f.words[i].strText, strong))
            continue;
        // "de la Haye": an article may stand between; "De liege le 25e": a place
        // in small letters is one where the date follows at once.
        std::size_t j = i + 1;
        while (j < n && j <= i + 2 && roles[j] == R::Other)
            ++j;
        std::size_t end = j;
        while (end < n && end <= j + 2 && roles[end] == R::Unread)
            ++end;
        std::size_t next = end;
        while (next < n && roles[next] == R::Other)
            ++next;
        // Only after "from" ("de", "di", "van"): a letter says where it is written.
        const std::string& from = f.words[i].strText;
        const bool dateNext =
            next < n && (roles[next] == R::Day || roles[next] == R::Month) &&
            (i == 0 || roles[i - 1] == R::Other || roles[i - 1] == R::Name ||
             f.words[i - 1].chAfter == '.' || f.words[i - 1].chAfter == ',') &&
            (from == "de" || from == "d" || from == "di" || from == "da" || from == "dall" ||
             from == "ex" || from == "van" || from == "from" || from == "uit" || from == "aus");
        for (; j < end; ++j) {
            if (!strong && !dateNext && !Capitalised(cp1252, f.words[j]))
                break;
            roles[j] = R::Name;
        }
    }
    // A letter's place stands before its date, after the sentence before:
    // "Tiguri, 12 Martii", "Anvers ce 3 d'aoust", "porte-toi bien. Leyde, 16 F\xE9vrier".
    // Written as a name is, not in capitals as a keyword is ("BEF 7 DEC 2026").
    const auto nameCase = [&](const CClauseWord& word) {
        const std::string_view text = cp1252.substr(word.nStart, word.nEnd - word.nStart);
        return Capitalised(cp1252, word) && text.size() >= 3 &&
               std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    };
    for (std::size_t start = 0; start < n; ++start) {
        const char before = start == 0 ? '.' : f.words[start - 1].chAfter;
        if (before != '.' && before != ',' && before != ';')
            continue;
        std::size_t first = start; // "Le Leyden ce 18 de Septembre"
        while (first < n && roles[first] == R::Other)
            ++first;
        for (std::size_t i = first; i < n && roles[i] == R::Unread && nameCase(f.words[i]); ++i) {
            std::size_t next = i + 1;
            while (next < n && roles[next] == R::Other)
                ++next;
            if (next < n && (roles[next] == R::Day || roles[next] == R::Month)) {
                for (std::size_t k = first; k <= i; ++k)
                    roles[k] = R::Name;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        result.words.push_back({f.words[i].nStart, f.words[i].nEnd, roles[i]});
    // Unread words among the date words make every reading doubtful.
    std::string among;
    {
        std::size_t first = n, last = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const R role = roles[i];
            // Beside a written date, "day" in an aside dates nothing: "7th (Office day)".
            const bool relation = role == R::Relation && !(written && besideWritten.empty());
            if (role == R::Weekday || relation || role == R::Feast || role == R::Day ||
                role == R::Month) {
                first = std::min(first, i);
                last = i;
            }
        }
        // A word joined to a feast's name by "and" belongs to it ("Peters und
        // Pauwels"), and so does what "als" or "when" says of it ("sant Pauls tag
        // als er bekert ward": which feast of Paul).
        const auto joins = [&f](std::size_t i) {
            static constexpr std::string_view kJoins[] = {
                "und", "unde", "unt", "et",   "and",     "ende", "u",   "ac",    "atque",
                "als", "alse", "alz", "da",   "do",      "wan",  "wen", "wanne", "quando",
                "qua", "quo",  "ubi", "when", "lorsque", "que",  "qui", "so"};
            return std::find(std::begin(kJoins), std::end(kJoins), f.words[i].strText) !=
                   std::end(kJoins);
        };
        // "Peters tag in der vasten, als er auf den stul gesetzt ward": the
        // words before "als" may be fillers.
        const auto relative = [&f](std::size_t i) {
            const std::string& w = f.words[i].strText;
            return w == "als" || w == "alse" || w == "alz" || w == "quando" || w == "when" ||
                   w == "lorsque" || w == "ubi" || w == "da" || w == "do";
        };
        for (std::size_t i = 0; i < n; ++i) {
            if (roles[i] != R::Feast)
                continue;
            for (const int step : {-1, 1}) {
                std::size_t j = i + static_cast<std::size_t>(step);
                // After the name, in the same phrase (no comma or point between),
                // "in den weinachtsfeyern" says which John: it is read or doubted.
                bool joined = false, saidOf = false, phrase = step > 0;
                while (j < n && (joins(j) || (step > 0 && roles[j] == R::Other))) {
                    joined = joined || joins(j);
                    saidOf = saidOf || relative(j);
                    phrase = phrase && f.words[j - 1].chAfter != ',' &&
                             f.words[j - 1].chAfter != '.' && f.words[j - 1].chAfter != ';';
                    j += static_cast<std::size_t>(step);
                }
                const bool onlyJoins = j == i + static_cast<std::size_t>(step) + 1 && joined;
                phrase = phrase && j < n && j > i + 1 && f.words[j - 1].chAfter != ',' &&
                         f.words[j - 1].chAfter != '.' && f.words[j - 1].chAfter != ';';
                if (j < n && roles[j] == R::Unread &&
                    (onlyJoins || saidOf || phrase || (joined && step < 0))) {
                    first = std::min(first, j);
                    last = std::max(last, j);
                }
            }
        }
        // An unread word right beside a date word may change it: "am dinxsth dages na";
        // not across a sentence's end or a comma ("Vale. 22. aprilis").
        // A point ends a sentence only before a capital or a number; else it
        // marks an abbreviation ("donnerst. v. Invocavit").
        const auto breaks = [&f, &cp1252, n](std::size_t i) {
            const char c = f.words[i].chAfter;
            if (c == ',' || c == ';' || c == ':')
                return true;
            if (i + 1 >= n)
                return false;
            // An aside in brackets is the writer's remark: "29th (Office day)".
            std::size_t at = f.words[i + 1].nStart;
            while (at > f.words[i].nEnd && cp1252[at - 1] == ' ')
                --at;
            if (at > f.words[i].nEnd && cp1252[at - 1] == '(')
                return true;
            if (c != '.')
                return false;
            const char next = cp1252[f.words[i + 1].nStart];
            return (next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9');
        };
        if (first < n && first > 0 && roles[first - 1] == R::Unread && !breaks(first - 1))
            --first;
        if (first < n && last + 1 < n && roles[last + 1] == R::Unread && !breaks(last))
            ++last;
        // A name between date words is no place: "la f\xEAte de Zzqvx la Pentec\xF4te".
        for (std::size_t i = first; i <= last && i < n; ++i) {
            if (roles[i] == R::Name && i > first && i < last)
                roles[i] = result.words[i].eRole = R::Unread;
            if (roles[i] == R::Unread) {
                if (!among.empty())
                    among += ' ';
                among += ClauseSpan(cp1252, f.words, i, i);
            }
        }
    }

    std::string unread;
    for (std::size_t i = 0; i < n; ++i) {
        if (roles[i] == R::Unread) {
            if (!unread.empty())
                unread += ' ';
            unread += ClauseSpan(cp1252, f.words, i, i);
        }
    }
    // A saint of the loaded lists, from the words nothing else read.
    std::optional<CSaintAnchor> saint;
    if (anchors.empty() && !unread.empty()) {
        saint = SaintOfLists(unread, result);
        if (!saint)
            return result;
        CAnchor anchor;
        anchor.own.eRule = EFeastRule::Fixed;
        anchor.own.nDay = saint->nDay;
        anchor.own.nMonth = saint->nMonth;
        anchor.own.strEnglish = saint->strName;
        anchor.nFirst = n;
        anchor.nLast = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (roles[i] == R::Unread) {
                roles[i] = R::Feast;
                result.words[i].eRole = R::Feast;
                anchor.nFirst = std::min(anchor.nFirst, i);
                anchor.nLast = i;
            }
        }
        anchors.push_back(anchor);
        unread.clear();
    }
    if (anchors.empty()) {
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
    bool yearAssumed = false;
    if (statedYear) {
        choices.insert(choices.begin(), {*statedYear, nullptr, doubleYear});
    } else if (choices.empty() && options.nYear != 0) {
        choices.push_back({options.nYear, nullptr});
        yearAssumed = true;
    }
    if (choices.empty()) {
        result.eError = EFeastDateError::NoYear;
        return result;
    }
    const CYearChoice& choice = choices.front();

    const bool orthodox =
        std::any_of(f.infos.begin(), f.infos.end(),
                    [](const CClauseWordInfo& info) { return info.eKind == K::Orthodox; });
    result.eError = EFeastDateError::OutOfRange;
    // First the days in the year written; failing those, the feast of that
    // year whose day falls in the next or the last, as a doubt.
    for (int pass = 0; pass < 2 && result.readings.empty(); ++pass)
        for (const CAnchor& anchor : anchors) {
            const CFeastDay& feast = anchor.Feast();
            CPlan plan = PlanOf(f, feast, anchor.nFirst, anchor.nLast);
            // A written date is the day itself and a weekday beside it is checked,
            // unless a relation stands right before it: "freitags vor den 7. Juli".
            std::size_t before = anchor.nFirst;
            while (before > 0 && f.infos[before - 1].eKind == K::Filler && !f.claimed[before - 1])
                --before;
            const K led =
                before > 0 && !f.claimed[before - 1] ? f.infos[before - 1].eKind : K::Unknown;
            // Not "zu abend 19. septembris": before a date, "abend" is the evening.
            const bool related = led == K::After || led == K::Before;
            if (anchor.bWritten && !(related && anchor.nFirst < n && !anchor.bBeside)) {
                plan = CPlan();
                for (std::size_t i = 0; i < n; ++i) {
                    if (!f.claimed[i] && f.infos[i].eKind == K::Weekday) {
                        plan.nCheckWeekday = f.infos[i].nValue;
                        break;
                    }
                }
            }
            // After a week is after its last day; a weekday in it counts from its Sunday.
            if (anchor.bWeek && plan.nDirection > 0)
                plan.nShift += 6;
            // Every modern year the written one may be, kept where the day's own
            // year in the style is the written one.
            std::vector<std::int32_t> modernYears;
            if (choice.pRegnal != nullptr) {
                const CRegnalSpan span =
                    RegnalYearDays(*choice.pRegnal->pReign, choice.pRegnal->nRegnal);
                if (span.first.GetDayNumber() == 0)
                    continue;
                for (std::int32_t y = span.first.GetJulian().nYear;
                     y <= span.last.GetJulian().nYear; ++y)
                    modernYears.push_back(y);
            } else if (choice.bDouble) {
                modernYears.push_back(choice.nWritten + 1); // both counts are written
            } else if (anchor.bOwnRoman && yearStyle.eStyle == EYearStyle::January) {
                modernYears.push_back(choice.nWritten); // the year of its Kalends, as copied
            } else if (yearStyle.eStyle == EYearStyle::January) {
                // The year written is the day's: the octave of St Stephen 1423 is
                // 2 January 1423, its feast in the December before.
                modernYears = {choice.nWritten, choice.nWritten - 1, choice.nWritten + 1};
            } else {
                modernYears = {choice.nWritten - 1, choice.nWritten, choice.nWritten + 1};
            }
            for (const std::int32_t year : modernYears) {
                if (year < 1 || year > 2999)
                    continue;
                CFeastDateOptions reckoning{reckoningOf, options.nReformDay};
                // The Eastern churches keep the Julian Easter, whatever the calendar.
                if (orthodox && feast.eRule == EFeastRule::Easter)
                    reckoning.eReckoning = EFeastReckoning::Julian;
                bool gregorian = false;
                EFeastDateError error = EFeastDateError::None;
                // A Roman date's day depends on the year: the leap day, the Kalends
                // of January that fall in December of the year written.
                std::int32_t plainDay = 0, plainMonth = 0;
                const auto dayOf = [&](bool g) {
                    if (anchor.nFromEnd > 0) {
                        const std::int32_t next = feast.nMonth % 12 + 1;
                        CJulianDay end = DayOfDate(1, next, next == 1 ? year + 1 : year, g);
                        if (end.GetDayNumber() == 0)
                            return end;
                        end += -anchor.nFromEnd;
                        return SupportedDay(end);
                    }
                    if (!anchor.roman)
                        return FeastDayOf(feast, year, g);
                    const CalendarRow cal = g ? CalendarRow::Gregorian : CalendarRow::Julian;
                    CRomanClauseDay roman = RomanClauseDay(*anchor.roman, year, cal);
                    // Charters give the day's own year to the days before the Kalends of
                    // January; this program's copies ("17th day of Kalends January")
                    // give the year of the Kalends.
                    if (roman.nYearOffset < 0 && !anchor.bOwnRoman)
                        roman = RomanClauseDay(*anchor.roman, year + 1, cal);
                    const std::int32_t dayYear = year + (anchor.bOwnRoman ? roman.nYearOffset : 0);
                    if (roman.nDay == 0)
                        return CJulianDay();
                    if (roman.nPlainDay != 0 && roman.nPlainDay != roman.nDay) {
                        plainDay = roman.nPlainDay;
                        plainMonth = roman.nMonth;
                    }
                    return SupportedDay(DayOfDate(roman.nDay, roman.nMonth, dayYear, g));
                };
                const CJulianDay base = FeastDayInReckoning(dayOf, reckoning, gregorian, error);
                if (error != EFeastDateError::None) {
                    result.eError = error;
                    continue;
                }
                const CJulianDay day = Apply(plan, feast, base);
                if (day.GetDayNumber() < kFirstSupportedDay ||
                    day.GetDayNumber() > kLastSupportedDay) {
                    if (plan.nDirection != 0 && plan.nWeekday < 0 && !plan.bDays) {
                        result.eError = EFeastDateError::Unreadable;
                        result.strWhat = ClauseSpan(cp1252, f.words, 0, n - 1);
                    }
                    continue;
                }
                const CalendarRow calendar =
                    gregorian ? CalendarRow::Gregorian : CalendarRow::Julian;
                if (choice.pRegnal != nullptr) {
                    const CRegnalSpan span =
                        RegnalYearDays(*choice.pRegnal->pReign, choice.pRegnal->nRegnal);
                    if (day < span.first || day > span.last)
                        continue;
                } else if (!choice.bDouble && !(anchor.bOwnRoman && modernYears.size() == 1) &&
                           StyleYear(day, calendar, yearStyle) != choice.nWritten &&
                           (pass == 0 || year != choice.nWritten)) {
                    continue;
                }
                const bool otherYear = pass == 1 && choice.pRegnal == nullptr && !choice.bDouble &&
                                       StyleYear(day, calendar, yearStyle) != choice.nWritten;
                if (std::any_of(result.readings.begin(), result.readings.end(),
                                [day](const CClauseReading& r) { return r.day == day; }))
                    continue;
                CClauseReading reading;
                reading.day = day;
                reading.baseDay = base;
                reading.strFeast =
                    anchor.bWritten ? anchor.own.strEnglish : FeastDayName(feast, French());
                reading.strUsage = feast.strUsage;
                reading.bGregorian = gregorian;
                reading.bComputus = feast.eRule != EFeastRule::Fixed;
                reading.nYear = year;
                reading.bYearAssumed = yearAssumed;
                reading.bWritten = anchor.bWritten;
                // A weekday written beside the feast's own day must be that day's.
                if (plan.nCheckWeekday >= 0 && day.GetDayOfWeek() != plan.nCheckWeekday) {
                    const std::string says = WeekdayName(plan.nCheckWeekday);
                    const std::string is = WeekdayName(day.GetDayOfWeek());
                    const std::string dayText = FormatFeastDate(day, gregorian);
                    if (anchor.bWritten) {
                        reading.checks.push_back(
                            {false, FormatResString(IDS_TEXT_SAYS_WEEKDAY, {says, dayText, is})});
                    } else {
                        // ... and where the weekday would have put it.
                        const std::string after = FormatFeastDate(
                            NthWeekdayFrom(day, plan.nCheckWeekday, 1, 1), gregorian);
                        const std::string& feastName = reading.strFeast;
                        reading.checks.push_back(
                            {false, FormatResString(IDS_TEXT_SAYS_WEEKDAY_AFTER,
                                                    {says, dayText, is, feastName, after})});
                    }
                }
                if (anchor.bBeside) {
                    // The written date must be this day.
                    bool g = false;
                    EFeastDateError e = EFeastDateError::None;
                    const CFeastDay& own = written->own;
                    const CJulianDay stated = FeastDayInReckoning(
                        [&own, year](bool gg) { return FeastDayOf(own, year, gg); }, reckoning, g,
                        e);
                    const std::string says = std::to_string(own.nDay) + " " + MonthName(own.nMonth);
                    const std::string is = FormatFeastDate(day, gregorian);
                    reading.checks.push_back(
                        {stated == day, FormatResString(IDS_TEXT_SAYS_DAY, {says, is})});
                }
                // A feast named beside a written date must fall on it.
                if (anchor.bWritten && !besideWritten.empty()) {
                    bool any = false;
                    std::string names;
                    for (const CFeastMatch& match : besideWritten) {
                        bool g = false;
                        EFeastDateError e = EFeastDateError::None;
                        const CFeastDay& named = *match.pFeast;
                        const CJulianDay at = FeastDayInReckoning(
                            [&named, year](bool gg) { return FeastDayOf(named, year, gg); },
                            reckoning, g, e);
                        if (e == EFeastDateError::None &&
                            Apply(PlanOf(f, named, match.nFirst, match.nLast), named, at) == day)
                            any = true;
                        names = FeastDayName(named, French());
                    }
                    reading.checks.push_back(
                        {any, FormatResString(any ? IDS_AGREES : IDS_FEAST_ELSEWHERE, {names})});
                }
                if (indiction) {
                    const std::int32_t stated = indiction->nIndiction;
                    std::string agrees;
                    for (int s = 0; s < 3; ++s) {
                        if (Indiction(day, static_cast<EIndiction>(s), civil) == stated &&
                            agrees.empty())
                            agrees = LoadResString(IDS_INDICTION_FIRST + s);
                    }
                    const std::string number = std::to_string(stated);
                    if (!agrees.empty()) {
                        reading.checks.push_back(
                            {true, FormatResString(IDS_INDICTION_AGREES, {number, agrees})});
                    } else {
                        // The nearest year whose Roman indiction is the stated one.
                        const std::int32_t dayYear = civil.Date(day).nYear;
                        const std::int32_t roman = Indiction(day, EIndiction::Roman, civil);
                        std::int32_t off = (stated - roman + 15) % 15;
                        if (off > 7)
                            off -= 15;
                        const std::string other = std::to_string(dayYear + off);
                        const std::string own = std::to_string(dayYear);
                        reading.checks.push_back(
                            {false,
                             FormatResString(IDS_INDICTION_OF_ANOTHER_YEAR, {number, other, own})});
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
                        FormatFeastDate(span.first, civil.IsGregorian(span.first));
                    const std::string to = FormatFeastDate(span.last, civil.IsGregorian(span.last));
                    reading.checks.push_back(
                        {within, within
                                     ? FormatResString(IDS_AGREES, {regnal})
                                     : FormatResString(IDS_REGNAL_YEAR_RUNS, {regnal, from, to})});
                }
                if (choice.bDouble) {
                    // Only the months before Lady Day's have two years; the rest of
                    // March keeps them too, as a diary's heading does ("[March 1659-60] 31st").
                    const std::int32_t month =
                        gregorian ? day.GetGregorian().nMonth : day.GetJulian().nMonth;
                    if (month > 3) {
                        const std::string written = std::to_string(choice.nWritten) + "/" +
                                                    std::to_string((choice.nWritten + 1) % 10);
                        reading.checks.push_back(
                            {false, FormatResString(IDS_DOUBLE_YEAR_OUT_OF_PLACE, {written})});
                    }
                }
                // Sure only with nothing against it.
                if (!among.empty())
                    reading.doubts.push_back(FormatResString(IDS_UNREAD_WORDS, {Quote(among)}));
                if (saint && !saint->bExact)
                    reading.doubts.push_back(
                        FormatResString(IDS_READ_AS, {Quote(saint->strQuery), saint->strName}));
                if (anchor.nLoose < n) {
                    const std::string word =
                        ClauseSpan(cp1252, f.words, anchor.nLoose, anchor.nLoose);
                    reading.doubts.push_back(
                        FormatResString(IDS_READ_AS, {Quote(word), anchor.strLooseName}));
                }
                for (const CClauseCheck& check : reading.checks) {
                    if (!check.bAgrees)
                        reading.doubts.push_back(check.strText);
                }
                if (otherYear)
                    reading.doubts.push_back(FormatResString(
                        IDS_DAY_FALLS_IN, {std::to_string(StyleYear(day, calendar, yearStyle)),
                                           std::to_string(choice.nWritten)}));
                if (!calendarDoubt.empty())
                    reading.doubts.push_back(
                        FormatResString(IDS_ANOTHER_CALENDAR, {Quote(calendarDoubt)}));
                // A leap year doubles 24 February: counted without it, the day is another.
                if (plainDay != 0) {
                    const std::string other =
                        std::to_string(plainDay) + " " + MonthName(plainMonth);
                    reading.doubts.push_back(FormatResString(IDS_LEAP_YEAR_DOUBLED_DAY, {other}));
                }
                // A week names seven days: without a weekday it is not one of them.
                if (anchor.bWeek && plan.nWeekday < 0 && plan.nCheckWeekday < 0 && !plan.bDays)
                    reading.doubts.push_back(LoadResString(IDS_A_WEEK_NOT_A_DAY));
                reading.bSure = reading.doubts.empty();
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

std::string UnreadWords(std::string_view cp1252, const CClauseResult& result) {
    std::string text;
    for (const CClauseWordRole& word : result.words) {
        if (word.eRole != EClauseRole::Unread || word.nEnd > cp1252.size() ||
            word.nStart >= word.nEnd)
            continue;
        if (!text.empty())
            text += ' ';
        text += cp1252.substr(word.nStart, word.nEnd - word.nStart);
    }
    return text;
}

CClauseResult ReadDatingClause(std::string_view cp1252, const CClauseOptions& options) {
    return ReadClause(cp1252, options);
}
