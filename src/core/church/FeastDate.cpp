#include "FeastDate.h"

#include "church/ChurchYear.h"
#include "daynames/DayNameLists.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <set>

namespace {

// A date is a short line: longer texts are refused before any search.
constexpr std::size_t kMaxWords = 16;
constexpr std::size_t kMaxText = 200;
// Below this score the saints search only guesses (SaintSearch.h).
constexpr std::int32_t kSureScore = 11;

using Words = std::vector<std::string>;

Words WordsOf(std::string_view cp1252) {
    const std::string upper = FoldToAsciiUpper(cp1252);
    Words words;
    std::string word;
    for (const char c : upper) {
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            word += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::string Join(const Words& words, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (!text.empty())
            text += ' ';
        text += words[i];
    }
    return text;
}

bool IsOneOf(const std::string& word, std::initializer_list<std::string_view> choices) {
    return std::find(choices.begin(), choices.end(), word) != choices.end();
}

std::optional<std::int32_t> Digits(std::string_view text, std::size_t& used) {
    used = 0;
    std::int64_t value = 0;
    while (used < text.size() && text[used] >= '0' && text[used] <= '9' && used < 6)
        value = value * 10 + (text[used++] - '0');
    if (used == 0 || (used < text.size() && text[used] >= '0' && text[used] <= '9'))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> RomanValue(const std::string& word) {
    if (word.empty() || word.size() > 6 || word.find_first_not_of("ivxl") != std::string::npos)
        return std::nullopt;
    auto value = [](char c) { return c == 'i' ? 1 : c == 'v' ? 5 : c == 'x' ? 10 : 50; };
    std::int32_t total = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int v = value(word[i]);
        total += (i + 1 < word.size() && v < value(word[i + 1])) ? -v : v;
    }
    return total > 0 ? std::optional<std::int32_t>(total) : std::nullopt;
}

// "3", "3rd", "3e", "3eme", "iii", "third", "troisieme", "tertia".
std::optional<std::int32_t> Ordinal(const std::string& word) {
    std::size_t used = 0;
    if (const auto n = Digits(word, used)) {
        const std::string suffix = word.substr(used);
        if (IsOneOf(suffix, {"", "st", "nd", "rd", "th", "e", "er", "re", "eme", "ieme", "me", "o",
                             "a", "us", "um"}))
            return n;
        return std::nullopt;
    }
    static const std::array<std::initializer_list<std::string_view>, 10> kWords = {{
        {"first", "premier", "premiere", "prima", "primo", "primam"},
        {"second", "deuxieme", "seconde", "secunda", "secundo", "secundam"},
        {"third", "troisieme", "tertia", "tertio", "tertiam"},
        {"fourth", "quatrieme", "quarta", "quarto", "quartam"},
        {"fifth", "cinquieme", "quinta", "quinto", "quintam"},
        {"sixth", "sixieme", "sexta", "sexto", "sextam"},
        {"seventh", "septieme", "septima", "septimo"},
        {"eighth", "huitieme", "octava", "octavo"},
        {"ninth", "neuvieme", "nona", "nono"},
        {"tenth", "dixieme", "decima", "decimo"},
    }};
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        if (IsOneOf(word, kWords[i]))
            return static_cast<std::int32_t>(i + 1);
    }
    return RomanValue(word);
}

// A weekday (0 Sunday .. 6 Saturday) at words[i]; used: the words it takes.
std::optional<int> Weekday(const Words& words, std::size_t i, std::size_t& used) {
    used = 1;
    const std::string& w = words[i];
    static const std::array<std::initializer_list<std::string_view>, 7> kNames = {{
        {"sunday", "dimanche", "dominica", "dominico", "dominicam", "dom"},
        {"monday", "lundi"},
        {"tuesday", "mardi"},
        {"wednesday", "mercredi"},
        {"thursday", "jeudi"},
        {"friday", "vendredi"},
        {"saturday", "samedi", "sabbato", "sabbatum", "sabbati", "sabbatho", "sabato", "sabb"},
    }};
    for (std::size_t d = 0; d < kNames.size(); ++d) {
        if (IsOneOf(w, kNames[d]))
            return static_cast<int>(d);
    }
    // "feria secunda" is Monday ... "feria sexta" Friday.
    if (IsOneOf(w, {"feria", "fer", "f", "feriam"}) && i + 1 < words.size()) {
        const auto n = Ordinal(words[i + 1]);
        if (n && *n >= 2 && *n <= 6) {
            used = 2;
            return *n - 1;
        }
    }
    return std::nullopt;
}

// +1 after, -1 before, 0 neither.
int Direction(const std::string& word) {
    if (IsOneOf(word, {"after", "apres", "post", "p", "following"}))
        return 1;
    if (IsOneOf(word, {"before", "avant", "ante", "a", "preceding"}))
        return -1;
    return 0;
}

// Words that open a phrase without changing it.
bool IsFiller(const std::string& word) {
    return IsOneOf(word, {"on", "the", "le", "la", "l", "die", "in", "au", "du"});
}

struct CBase {
    EFeastDateError eError = EFeastDateError::None;
    CJulianDay day;
    bool bGregorian = false;
};

CBase DayInReckoning(const std::function<CJulianDay(bool)>& dayIn,
                     const CFeastDateOptions& options) {
    CBase base;
    base.day = FeastDayInReckoning(dayIn, options, base.bGregorian, base.eError);
    return base;
}

class CReader {
public:
    CReader(const CFeastDateOptions& options, std::int32_t year, CFeastReading& reading)
        : m_options(options), m_nYear(year), m_reading(reading) {}

    // The day of the whole phrase, or nothing with the reading's error set.
    std::optional<CJulianDay> Phrase(const Words& w) {
        std::size_t i = 0;
        while (i + 1 < w.size() && IsFiller(w[i]))
            ++i;
        const std::size_t n = w.size();
        auto is = [&](std::size_t k, std::initializer_list<std::string_view> choices) {
            return k < n && IsOneOf(w[k], choices);
        };
        // The day before, the day after, the eighth day.
        struct COffsetWord {
            std::initializer_list<std::string_view> words;
            std::int32_t nDays;
        };
        const COffsetWord offsets[] = {
            {{"vigil", "vigilia", "eve", "veille", "vigile", "vigiliam"}, -1},
            {{"octave", "octava", "octavam", "octavas"}, 7},
            {{"morrow", "crastino", "lendemain", "crastinum"}, 1},
        };
        for (const COffsetWord& offset : offsets) {
            if (is(i, offset.words)) {
                std::size_t k = i + 1;
                while (is(k, {"of", "de", "du", "des", "la", "l", "the"}))
                    ++k;
                return Shifted(Base(w, k), offset.nDays);
            }
        }
        // N days after or before.
        std::size_t used = 0;
        if (i < n) {
            if (const auto count = Digits(w[i], used);
                count && used == w[i].size() &&
                is(i + 1, {"days", "day", "jours", "jour", "dies", "diebus"})) {
                const int direction = i + 2 < n ? Direction(w[i + 2]) : 0;
                if (direction != 0)
                    return Shifted(Base(w, i + 3), direction * *count);
            }
        }
        // [Nth] WEEKDAY [N] after|before FEAST.
        std::int32_t count = 1;
        std::size_t k = i;
        if (k < n) {
            std::size_t weekdayWords = 0;
            if (const auto first = Ordinal(w[k]);
                first && k + 1 < n && Weekday(w, k + 1, weekdayWords)) {
                count = *first;
                ++k;
            }
        }
        std::size_t weekdayWords = 0;
        if (k < n) {
            if (const auto weekday = Weekday(w, k, weekdayWords)) {
                std::size_t d = k + weekdayWords;
                if (d < n && count == 1) {
                    if (const auto second = Ordinal(w[d]);
                        second && d + 1 < n && Direction(w[d + 1]) != 0) {
                        count = *second;
                        ++d;
                    }
                }
                const int direction = d < n ? Direction(w[d]) : 0;
                if (direction != 0 && count >= 1 && count <= 30) {
                    const auto base = Base(w, d + 1);
                    if (!base)
                        return std::nullopt;
                    return NthWeekdayFrom(*base, *weekday, direction, count);
                }
            }
        }
        // The feast itself; "Dominica Laetare" names the Sunday Laetare.
        if (is(i, {"dominica", "dominicam", "dominico", "dimanche", "sunday"}) && i + 1 < n) {
            CFeastReading saved = m_reading;
            if (auto day = Base(w, i + 1, false))
                return day;
            m_reading = saved;
        }
        return Base(w, i);
    }

private:
    static std::optional<CJulianDay> Shifted(std::optional<CJulianDay> day, std::int32_t days) {
        if (!day)
            return day;
        *day += days;
        return day;
    }

    // The feast named by w[from..], or nothing with the error set.
    std::optional<CJulianDay> Base(const Words& w, std::size_t from, bool searchSaints = true) {
        if (from >= w.size()) {
            m_reading.eError = EFeastDateError::Unreadable;
            m_reading.strWhat = Join(w, 0, w.size());
            return std::nullopt;
        }
        const std::string phrase = Join(w, from, w.size());
        const bool french = TextLanguage() == ETextLanguage::French;
        if (const CChurchFeast* feast = FindChurchFeast(FoldFeastName(phrase))) {
            // The Sundays named by their Latin words keep them ("Laetare").
            const bool latin = feast->eKind == EChurchFeastKind::Movable &&
                               feast->nOffset % 7 == 0 && feast->nOffset != 0 &&
                               feast->nOffset != -7 && feast->nOffset < 49;
            m_reading.strFeast =
                latin ? feast->strLatin : ChurchFeastName(*feast, french);
            m_reading.bComputus = feast->eKind != EChurchFeastKind::Fixed;
            return Reckoned(
                [&](bool gregorian) { return ChurchFeastDay(*feast, m_nYear, gregorian); });
        }
        if (!searchSaints)
            return std::nullopt;
        return Saint(phrase);
    }

    std::optional<CJulianDay> Saint(const std::string& phrase) {
        m_reading.strWhat = phrase;
        // The saints' names stand alone in the list: "Martin", not "saint Martin".
        std::string query;
        for (const std::string& word : WordsOf(phrase)) {
            if (IsOneOf(word, {"st", "ste",    "sts",     "saint",  "sainte", "saints",
                               "s",  "sancti", "sanctae", "sancte", "beati",  "beatae",
                               "b",  "of",     "the",     "de",     "la",     "le",
                               "l",  "feast",  "day",     "fete",   "festum", "jour"}))
                continue;
            query += (query.empty() ? "" : " ") + word;
        }
        const auto lines = query.empty() ? std::vector<CSaintSearchLine>{} : SearchSaints(query, 0);
        if (lines.empty() || lines.front().nScore < kSureScore) {
            m_reading.eError = EFeastDateError::UnknownName;
            for (std::size_t i = 0; i < lines.size() && i < 5; ++i)
                m_reading.candidates.push_back(lines[i].strLine);
            return std::nullopt;
        }
        std::set<std::pair<std::int32_t, std::int32_t>> dates;
        for (const CSaintSearchLine& line : lines) {
            if (line.nScore != lines.front().nScore)
                break;
            if (dates.emplace(line.pEntry->nMonth, line.pEntry->nDay).second &&
                m_reading.candidates.size() < 10)
                m_reading.candidates.push_back(line.strLine);
        }
        if (dates.size() != 1) {
            m_reading.eError = EFeastDateError::AmbiguousName;
            return std::nullopt;
        }
        m_reading.candidates.clear();
        const CSaintEntry& saint = *lines.front().pEntry;
        m_reading.strFeast = saint.strName;
        m_reading.bComputus = false;
        const std::int32_t year = m_nYear;
        return Reckoned([&saint, year](bool gregorian) {
            CJulianDay day;
            if (gregorian ? !CJulianDay::IsValidGregorian({saint.nDay, saint.nMonth, year})
                          : !CJulianDay::IsValidJulian({saint.nDay, saint.nMonth, year}))
                return day;
            if (gregorian)
                day.SetGregorian({saint.nDay, saint.nMonth, year});
            else
                day.SetJulian({saint.nDay, saint.nMonth, year});
            return day;
        });
    }

    std::optional<CJulianDay> Reckoned(const std::function<CJulianDay(bool)>& dayIn) {
        const CBase base = DayInReckoning(dayIn, m_options);
        if (base.eError != EFeastDateError::None) {
            m_reading.eError = base.eError;
            return std::nullopt;
        }
        m_reading.eError = EFeastDateError::None;
        m_reading.strWhat.clear();
        m_reading.baseDay = base.day;
        m_reading.bGregorian = base.bGregorian;
        return base.day;
    }

    const CFeastDateOptions& m_options;
    std::int32_t m_nYear;
    CFeastReading& m_reading;
};

} // namespace

CJulianDay FeastDayInReckoning(const std::function<CJulianDay(bool)>& dayIn,
                               const CFeastDateOptions& options, bool& gregorian,
                               EFeastDateError& error) {
    error = EFeastDateError::None;
    gregorian = false;
    if (options.eReckoning != EFeastReckoning::Civil) {
        gregorian = options.eReckoning == EFeastReckoning::Gregorian;
        const CJulianDay day = dayIn(gregorian);
        if (day.GetDayNumber() == 0)
            error = EFeastDateError::OutOfRange;
        return day;
    }
    const std::int32_t reform = options.nReformDay != 0 ? options.nReformDay : g_jdGregorianStart;
    const CJulianDay inGregorian = dayIn(true);
    if (inGregorian.GetDayNumber() != 0 && inGregorian.GetDayNumber() >= reform) {
        gregorian = true;
        return inGregorian;
    }
    const CJulianDay inJulian = dayIn(false);
    if (inJulian.GetDayNumber() != 0 && inJulian.GetDayNumber() < reform)
        return inJulian;
    error = inGregorian.GetDayNumber() != 0 || inJulian.GetDayNumber() != 0
                ? EFeastDateError::Skipped
                : EFeastDateError::OutOfRange;
    return CJulianDay();
}

CFeastReading ReadFeastDate(std::string_view cp1252, const CFeastDateOptions& options) {
    CFeastReading reading;
    cp1252 = cp1252.substr(0, cp1252.find('\0'));
    if (cp1252.size() > kMaxText)
        return reading;
    Words words = WordsOf(cp1252);
    if (words.size() < 2 || words.size() > kMaxWords)
        return reading;
    std::size_t used = 0;
    const auto year = Digits(words.back(), used);
    if (!year || used != words.back().size() || *year < 1 || *year > 2999)
        return reading;
    words.pop_back();
    // "anno domini 1523", "in 1523", "en 1523".
    if (words.size() > 1 && words.back() == "domini" && words[words.size() - 2] == "anno")
        words.resize(words.size() - 2);
    // ... but "jour de l'an 1600" keeps its "an".
    while (words.size() > 1 &&
           IsOneOf(words.back(), {"anno", "ad", "an", "en", "in", "of", "de"}) &&
           !(words.back() == "an" && words[words.size() - 2] == "l"))
        words.pop_back();
    reading.nYear = *year;
    CReader reader(options, *year, reading);
    const auto day = reader.Phrase(words);
    if (!day)
        return reading;
    if (day->GetDayNumber() < kFirstSupportedDay || day->GetDayNumber() > kLastSupportedDay) {
        reading.eError = EFeastDateError::OutOfRange;
        return reading;
    }
    reading.day = *day;
    reading.eError = EFeastDateError::None;
    return reading;
}
