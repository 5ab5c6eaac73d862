#include "ChurchYear.h"

#include "calendar/Computus.h"
#include "church/FeastNames.h"
#include "text/Cp1252.h"
#include "text/Ordinal.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

namespace {

using K = EChurchFeastKind;

// Words that only introduce a name.
constexpr std::string_view kIntroducing[] = {
    "the",    "of", "feast",  "day",    "st",     "ste",     "sts",   "saint",
    "sainte", "s",  "sanct",  "sancti", "sancte", "sanctae", "beati", "beatae",
    "beate",  "b",  "festum", "festo",  "in",     "fete",    "de",    "du",
    "des",    "la", "le",     "l",      "d",      "jour",    "divi",  "dive",
};

bool IsIntroducing(std::string_view word) {
    return std::find(std::begin(kIntroducing), std::end(kIntroducing), word) !=
           std::end(kIntroducing);
}

CJulianDay Shifted(CJulianDay day, std::int32_t days) {
    if (day.GetDayNumber() == 0)
        return day;
    day += days;
    return SupportedDay(day);
}

std::string RomanNumeral(std::int32_t n) {
    static constexpr std::pair<int, const char*> kParts[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string text;
    for (const auto& [value, letters] : kParts) {
        while (n >= value) {
            text += letters;
            n -= value;
        }
    }
    return text;
}

} // namespace

CJulianDay DayOfDate(std::int32_t day, std::int32_t month, std::int32_t year, bool gregorian) {
    if (gregorian ? !CJulianDay::IsValidGregorian({day, month, year})
                  : !CJulianDay::IsValidJulian({day, month, year}))
        return CJulianDay();
    CJulianDay result;
    if (gregorian)
        result.SetGregorian({day, month, year});
    else
        result.SetJulian({day, month, year});
    return result;
}

CJulianDay SupportedDay(const CJulianDay& day) {
    const bool supported =
        day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
    return supported ? day : CJulianDay();
}

CJulianDay NthWeekdayFrom(CJulianDay day, int weekday, int direction, std::int32_t count) {
    do
        day += direction;
    while (day.GetDayOfWeek() != weekday);
    day += direction * 7 * (count - 1);
    return day;
}

// The last Sunday before Christmas, then a week back for each Sunday.
CJulianDay AdventSunday(std::int32_t n, std::int32_t year, bool gregorian) {
    const CJulianDay christmas = DayOfDate(25, 12, year, gregorian);
    if (christmas.GetDayNumber() == 0)
        return christmas;
    const std::int32_t weekday = christmas.GetDayOfWeek();
    const CJulianDay fourth = Shifted(christmas, -(weekday == 0 ? 7 : weekday));
    return Shifted(fourth, -7 * (4 - n));
}

const std::vector<CChurchFeast>& ChurchFeasts() {
    static const std::vector<CChurchFeast> feasts = [] {
        std::vector<CChurchFeast> listed;
        for (const CFeastDay& row : FeastDays()) {
            if (!row.bListed || row.eRule == EFeastRule::Sunday)
                continue;
            const K kind = row.eRule == EFeastRule::Easter   ? K::Movable
                           : row.eRule == EFeastRule::Advent ? K::Advent
                                                             : K::Fixed;
            listed.push_back({kind, row.nOffset, row.nDay, row.nMonth, row.strListLatin,
                              row.strListEnglish, row.strListFrench, &row});
        }
        std::stable_sort(listed.begin(), listed.end(),
                         [](const CChurchFeast& a, const CChurchFeast& b) {
                             return std::tie(a.eKind, a.nOffset, a.nMonth, a.nDay) <
                                    std::tie(b.eKind, b.nOffset, b.nMonth, b.nDay);
                         });
        return listed;
    }();
    return feasts;
}

CJulianDay ChurchFeastDay(const CChurchFeast& feast, std::int32_t year, bool gregorian) {
    return feast.pRow ? FeastDayOf(*feast.pRow, year, gregorian) : CJulianDay();
}

CJulianDay NumberedSunday(ESundaySeries series, std::int32_t n, std::int32_t year, bool gregorian) {
    if (n < 1 || n > 30 || year < 1 || year > 2999)
        return CJulianDay();
    if (series == ESundaySeries::Epiphany) {
        const CJulianDay epiphany = DayOfDate(6, 1, year, gregorian);
        if (epiphany.GetDayNumber() == 0)
            return epiphany;
        return Shifted(epiphany, 7 - epiphany.GetDayOfWeek() + 7 * (n - 1));
    }
    const std::int32_t base = series == ESundaySeries::Pentecost ? 49 : 56;
    return Shifted(EasterSunday(year, gregorian), base + 7 * n);
}

std::string ChurchFeastName(const CChurchFeast& feast, bool french) {
    return french ? feast.strFrench : feast.strEnglish;
}

std::vector<CChurchDay> ChurchYearDays(std::int32_t year, bool gregorian, bool french) {
    std::vector<CChurchDay> days;
    const CJulianDay first = DayOfDate(1, 1, year, gregorian);
    // The Julian year 2999 runs past the last supported day.
    CJulianDay last = DayOfDate(31, 12, year, gregorian);
    if (last.GetDayNumber() == 0 && first.GetDayNumber() != 0)
        last = CJulianDay(kLastSupportedDay);
    auto inYear = [&](const CJulianDay& day) {
        return day.GetDayNumber() != 0 && day >= first && day <= last;
    };
    for (const CChurchFeast& feast : ChurchFeasts()) {
        const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
        if (inYear(day))
            days.push_back({feast.strLatin, ChurchFeastName(feast, french), day});
    }
    // The numbered Sundays between the named ones.
    const CJulianDay septuagesima =
        year < 1 || year > 2999 ? CJulianDay() : Shifted(EasterSunday(year, gregorian), -63);
    for (std::int32_t n = 1;; ++n) {
        const CJulianDay day = NumberedSunday(ESundaySeries::Epiphany, n, year, gregorian);
        if (!inYear(day) || day >= septuagesima)
            break;
        const std::string number =
            OrdinalText(n, french ? ETextLanguage::French : ETextLanguage::English);
        days.push_back({"Dominica " + RomanNumeral(n) + " post Epiphaniam",
                        french ? number + " dimanche apr\xE8s l'\xC9piphanie"
                               : number + " Sunday after Epiphany",
                        day});
    }
    const CJulianDay advent = AdventSunday(1, year, gregorian);
    for (std::int32_t n = 2;; ++n) {
        const CJulianDay day = NumberedSunday(ESundaySeries::Pentecost, n, year, gregorian);
        if (!inYear(day) || (advent.GetDayNumber() != 0 && day >= advent))
            break;
        const ETextLanguage language = french ? ETextLanguage::French : ETextLanguage::English;
        const std::string afterPentecost = OrdinalText(n, language);
        const std::string afterTrinity = OrdinalText(n - 1, language);
        days.push_back({"Dominica " + RomanNumeral(n) + " post Pentecosten",
                        french ? afterPentecost + " dimanche apr\xE8s la Pentec\xF4te, " +
                                     afterTrinity + " apr\xE8s la Trinit\xE9"
                               : afterPentecost + " Sunday after Pentecost, " + afterTrinity +
                                     " after Trinity",
                        day});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const CChurchDay& a, const CChurchDay& b) { return a.day < b.day; });
    return days;
}

std::string FoldFeastName(std::string_view cp1252) {
    const std::string upper = FoldToAsciiUpper(cp1252);
    std::string spaced;
    for (const char c : upper) {
        if (c >= 'A' && c <= 'Z')
            spaced += static_cast<char>(c - 'A' + 'a');
        else if (c >= '0' && c <= '9')
            spaced += c;
        else
            spaced += ' ';
    }
    // Medieval spellings: "Iohannis" and "Johannis", "Andree" and "Andreae".
    std::string spelled;
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        if (spaced[i] == 'j') {
            spelled += 'i';
        } else if ((spaced[i] == 'a' || spaced[i] == 'o') && i + 1 < spaced.size() &&
                   spaced[i + 1] == 'e') {
            spelled += 'e';
            ++i;
        } else {
            spelled += spaced[i];
        }
    }
    std::string folded;
    std::size_t start = 0;
    while (start < spelled.size()) {
        const std::size_t end = std::min(spelled.find(' ', start), spelled.size());
        const std::string_view word = std::string_view(spelled).substr(start, end - start);
        if (!word.empty() && !IsIntroducing(word)) {
            if (!folded.empty())
                folded += ' ';
            folded += word;
        }
        start = end + 1;
    }
    return folded;
}

const CChurchFeast* FindChurchFeast(std::string_view folded) {
    using CNames = std::map<std::string, const CChurchFeast*, std::less<>>;
    static const CNames names = [] {
        CNames map;
        const auto sameDay = [](const CFeastDay& a, const CFeastDay& b) {
            return a.eRule == b.eRule && a.nOffset == b.nOffset && a.nDay == b.nDay &&
                   a.nMonth == b.nMonth;
        };
        // The names a feast is shown by; the first feast to claim one keeps it.
        for (const CChurchFeast& feast : ChurchFeasts()) {
            for (const std::string* name : {&feast.strLatin, &feast.strEnglish, &feast.strFrench}) {
                if (const std::string key = FoldFeastName(*name); !key.empty())
                    map.emplace(key, &feast);
            }
        }
        // Every other name of the table, when all its lines fall on one day.
        std::map<std::string, const CFeastDay*, std::less<>> owners;
        std::set<std::string, std::less<>> shared;
        for (const CFeastDay& row : FeastDays()) {
            if (!row.strUsage.empty())
                continue;
            for (const auto& words : row.names) {
                std::string joined;
                for (const std::string& word : words)
                    joined += (joined.empty() ? "" : " ") + word;
                const std::string key = FoldFeastName(joined);
                if (key.empty())
                    continue;
                const auto [at, added] = owners.emplace(key, &row);
                if (!added && !sameDay(*at->second, row))
                    shared.insert(key);
            }
        }
        for (const auto& [key, row] : owners) {
            if (shared.count(key))
                continue;
            for (const CChurchFeast& feast : ChurchFeasts()) {
                if (sameDay(*feast.pRow, *row)) {
                    map.emplace(key, &feast);
                    break;
                }
            }
        }
        return map;
    }();
    const auto found = names.find(folded);
    return found == names.end() ? nullptr : found->second;
}
