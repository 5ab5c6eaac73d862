#include "church/ClauseDayMonth.h"

#include "church/ClauseLexicon.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::size_t kMaxBetween =
    5; // "den 7. tag des monats Julii", "the 3rd day of the month of"
constexpr std::size_t kMaxLeading = 2; // "on the", "a di", "op den"

// Number words the ordinal table leaves out: cardinals, which French and
// Italian write for days ("le trois mars", "il due maggio") and the other
// languages only inside compounds ("one and twentieth", "ein und
// zwanzigsten"), and the Latin eighth, which the lexicon keeps for octaves.
// A lone "un", "uno" is an article, never a day.
// clang-format off
const CClauseDayMonthRow kNumbers[] = {
    // French and Middle French
    {"un", 1, false}, {"ung", 1, false}, {"une", 1, false}, {"deux", 2, true}, {"deulx", 2, true},
    {"trois", 3, true}, {"troys", 3, true}, {"quatre", 4, true}, {"cinq", 5, true},
    {"cincq", 5, true}, {"six", 6, true}, {"sept", 7, true}, {"huit", 8, true}, {"huict", 8, true},
    {"neuf", 9, true}, {"dix", 10, true}, {"onze", 11, true}, {"unze", 11, true},
    {"douze", 12, true}, {"treize", 13, true}, {"treze", 13, true}, {"quatorze", 14, true},
    {"quinze", 15, true}, {"seize", 16, true}, {"vingt", 20, true}, {"vint", 20, true},
    {"trente", 30, true},
    // Italian
    {"uno", 1, false}, {"due", 2, true}, {"tre", 3, true}, {"quattro", 4, true},
    {"cinque", 5, true}, {"sei", 6, true}, {"sette", 7, true}, {"otto", 8, true},
    {"nove", 9, true}, {"dieci", 10, true}, {"undici", 11, true}, {"dodici", 12, true},
    {"tredici", 13, true}, {"quattordici", 14, true}, {"quindici", 15, true},
    {"sedici", 16, true}, {"diciassette", 17, true}, {"diciotto", 18, true},
    {"diciannove", 19, true}, {"venti", 20, true}, {"ventuno", 21, true}, {"ventidue", 22, true},
    {"ventitre", 23, true}, {"ventiquattro", 24, true}, {"venticinque", 25, true},
    {"ventisei", 26, true}, {"ventisette", 27, true}, {"ventotto", 28, true},
    {"ventinove", 29, true}, {"trenta", 30, true}, {"trentuno", 31, true},
    // German, Early New High German, Low German: units before "und zwanzigsten"
    {"ein", 1, false}, {"ain", 1, false}, {"eins", 1, false}, {"zwei", 2, false},
    {"zwey", 2, false}, {"zwai", 2, false}, {"zwo", 2, false}, {"drei", 3, false},
    {"drey", 3, false}, {"vier", 4, false}, {"funf", 5, false}, {"funff", 5, false},
    {"sechs", 6, false}, {"sieben", 7, false}, {"siben", 7, false}, {"suben", 7, false}, {"acht", 8, false},
    {"neun", 9, false}, {"zwen", 2, false}, {"zway", 2, false}, {"ander", 2, true},
    {"andern", 2, true}, {"anderen", 2, true}, {"anderten", 2, true},
    // Dutch
    {"een", 1, false}, {"twee", 2, false}, {"drie", 3, false}, {"vijf", 5, false},
    {"vyf", 5, false}, {"zes", 6, false}, {"zeven", 7, false}, {"negen", 9, false},
    // English: "one and twentieth", "twenty-first" ("eight" is "eighth" to the lexicon)
    {"one", 1, false}, {"two", 2, false}, {"three", 3, false}, {"four", 4, false},
    {"five", 5, false}, {"seven", 7, false}, {"nine", 9, false},
    {"twenty", 20, false}, {"thirty", 30, false},
    // Latin
    {"octava", 8, true}, {"octavo", 8, true}, {"octavum", 8, true},
};

// The named days of Roman dates, in Latin, French and English.
const CClauseDayMonthRow kMarks[] = {
    {"kalendas", 1, true}, {"kalendis", 1, true}, {"kalendae", 1, true}, {"kalende", 1, true},
    {"kalendarum", 1, true}, {"calendas", 1, true}, {"calendis", 1, true},
    {"calendae", 1, true}, {"calende", 1, true}, {"calendarum", 1, true}, {"kalendes", 1, true},
    {"calendes", 1, true}, {"kalends", 1, true}, {"calends", 1, true}, {"kal", 1, false},
    {"kl", 1, false}, {"kls", 1, false}, {"kalend", 1, false}, {"cal", 1, false},
    {"kln", 1, false}, {"kaln", 1, false},
    {"nonas", 2, true}, {"nonis", 2, true}, {"nonae", 2, true}, {"nonarum", 2, true},
    {"nones", 2, true}, {"non", 2, false},
    {"idus", 3, true}, {"idibus", 3, true}, {"iduum", 3, true}, {"ides", 3, true},
    {"id", 3, false},
};

// Words between a day and its month.
const CClauseDayMonthRow kBetween[] = {
    // days
    {"tag", 0, true}, {"tage", 0, true}, {"tages", 0, true}, {"tags", 0, true}, {"tagk", 0, true},
    {"dag", 0, true}, {"dage", 0, true}, {"dages", 0, true}, {"dach", 0, true}, {"dagh", 0, true},
    {"die", 0, true}, {"diei", 0, true}, {"jour", 0, true}, {"jor", 0, true}, {"day", 0, true},
    {"daye", 0, true}, {"giorno", 0, true}, {"iour", 0, true}, {"monatstag", 0, true},
    {"monnatstag", 0, true}, {"monathstag", 0, true},
    // months and joining words
    {"des", 0, false}, {"der", 0, false}, {"dem", 0, false}, {"monats", 0, false},
    {"monat", 0, false}, {"monatz", 0, false}, {"monnats", 0, false},
    {"monaths", 0, false}, {"monnaths", 0, false}, {"mondes", 0, false}, {"monds", 0, false},
    {"manedes", 0, false}, {"maendes", 0, false}, {"maand", 0, false}, {"maent", 0, false},
    {"van", 0, false}, {"im", 0, false}, {"in", 0, false}, {"ym", 0, false}, {"jm", 0, false},
    {"of", 0, false}, {"the", 0, false}, {"month", 0, false}, {"moneth", 0, false},
    {"mensis", 0, false}, {"mense", 0, false}, {"de", 0, false}, {"d", 0, false},
    {"du", 0, false}, {"mois", 0, false}, {"moys", 0, false}, {"di", 0, false},
    {"del", 0, false}, {"della", 0, false}, {"mese", 0, false},
};
// clang-format on

// Words that introduce a day: "den 7. Juli", "the 20th", "il 14", "adi 3", "op den 14".
constexpr std::string_view kLeading[] = {
    "den",  "dem", "am", "an", "der", "the", "ye", "this", "on",   "upon",   "le",
    "la",   "ce",  "du", "au", "il",  "li",  "lo", "al",   "alli", "alle",   "adi",
    "addi", "a",   "di", "op", "de",  "die", "in", "vero", "denn", "mensis", "ad"};
// "XIam": the accusative after "ad" ("ad undecimam").
constexpr std::string_view kRomanEndings[] = {"a",   "e",  "o",  "me", "mo",
                                              "eme", "us", "um", "am", "ae"};
// Around the named day: "ides de mars", "Ides of March"; "3rd day of Nones",
// "3e jour avant les nones", "veille des nones"; "in die Kalendarum", "aux ides".
constexpr std::string_view kMarkToMonth[] = {"de", "d", "of", "des"};
constexpr std::string_view kCountToMark[] = {"day", "of", "jour", "avant", "les", "des", "o", "mo"};
constexpr std::string_view kBeforeMark[] = {"die", "the", "les", "aux"};
constexpr std::string_view kConjunctions[] = {"et", "und", "unde", "vnd", "and", "en", "ende", "e"};
// One-word compounds: "einundzwanzigsten", "eenentwintigste".
constexpr std::string_view kJoints[] = {"und", "vnd", "unde", "en"};
constexpr std::string_view kDigitEndings[] = {
    "",    "a",  "e",  "o",   "us", "um",  "st",  "nd",  "rd",   "th", "d",   "er", "re",
    "eme", "me", "en", "ten", "te", "ter", "tes", "ste", "sten", "de", "den", "mo"};

constexpr std::int32_t kMonthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

template <std::size_t N> bool OneOf(std::string_view word, const std::string_view (&list)[N]) {
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

template <std::size_t N>
const CClauseDayMonthRow* Row(std::string_view word, const CClauseDayMonthRow (&table)[N]) {
    for (const CClauseDayMonthRow& row : table) {
        if (row.strWord == word)
            return &row;
    }
    return nullptr;
}

constexpr std::int32_t IdesOf(std::int32_t month) {
    return (month == 3 || month == 5 || month == 7 || month == 10) ? 15 : 13;
}

// The largest count before a named day in any year: a.d. IV non. Ian., a.d. XIX
// kal. Ian.; 17 before the Kalends of March, as a leap year counts without
// doubling a day.
std::int32_t MostCount(EClauseMark mark, std::int32_t month) {
    if (mark == EClauseMark::Nones)
        return IdesOf(month) - 9;
    if (mark == EClauseMark::Ides)
        return 8;
    const std::int32_t before = month == 1 ? 12 : month - 1;
    return kMonthDays[before - 1] - IdesOf(before) + 1;
}

bool IsRomanLetters(std::string_view word) {
    return !word.empty() && word.find_first_not_of("ivxj") == std::string_view::npos;
}

struct CAtom {
    std::int32_t nValue = 0;
    bool bAlone = false;     // a day by itself
    bool bPlain = false;     // digits or a Roman numeral: never part of a compound
    bool bJoinsNext = false; // "zwenund": a unit and its "und"
    bool bJoinedTo = false;  // "undzwainzigisten": "und" and the tens
};

std::int32_t OrdinalValue(std::string_view word, bool marked) {
    const CClauseWordInfo info = ClassifyClauseWord(word, marked);
    return info.eKind == EClauseWord::Ordinal ? info.nValue : 0;
}

bool IsTens(std::int32_t value) {
    return value == 20 || value == 30;
}

bool IsUnit(std::int32_t value) {
    return value >= 1 && value <= 9;
}

std::int32_t UnitValue(std::string_view word) {
    const CClauseDayMonthRow* row = Row(word, kNumbers);
    if (row != nullptr && IsUnit(row->nValue))
        return row->nValue;
    const std::int32_t ordinal = OrdinalValue(word, false);
    return IsUnit(ordinal) ? ordinal : 0;
}

// A compound written as one word: "einundzwanzigsten", "eenentwintigste",
// "vicesimatertia", "decimasexta", and the halves "zwenund", "undzwainzigisten".
CAtom CompoundAtom(std::string_view t) {
    for (const std::string_view joint : kJoints) {
        if (t.size() > joint.size() && t.substr(t.size() - joint.size()) == joint) {
            if (const std::int32_t unit = UnitValue(t.substr(0, t.size() - joint.size())))
                return {unit, false, false, true, false};
        }
        if (t.size() > joint.size() && t.substr(0, joint.size()) == joint) {
            if (const std::int32_t tens = OrdinalValue(t.substr(joint.size()), false); IsTens(tens))
                return {tens, false, false, false, true};
        }
        for (std::size_t at = t.find(joint, 1); at != std::string_view::npos;
             at = t.find(joint, at + 1)) {
            const std::int32_t unit = UnitValue(t.substr(0, at));
            const std::int32_t tens = OrdinalValue(t.substr(at + joint.size()), false);
            if (unit != 0 && IsTens(tens))
                return {unit + tens, true, false};
        }
    }
    for (std::size_t at = 4; at + 4 <= t.size(); ++at) {
        const std::int32_t left = OrdinalValue(t.substr(0, at), false);
        const std::int32_t right = OrdinalValue(t.substr(at), false);
        if ((left >= 10 && IsUnit(right)) || (IsUnit(left) && right == 10))
            return {left + right, true, false};
    }
    return {};
}

// "IIIe", "XVa", "XXXme", "xxviiie": a numeral with its ordinal ending.
std::int32_t RomanWithEnding(std::string_view t) {
    const std::size_t letters = std::min(t.find_first_not_of("ivxj"), t.size());
    if (letters < 2 || letters == t.size() || !OneOf(t.substr(letters), kRomanEndings))
        return 0;
    return OrdinalValue(t.substr(0, letters), true);
}

CAtom Atom(const CClauseWord& word) {
    const std::string& t = word.strText;
    if (t.empty())
        return {};
    if (t[0] >= '0' && t[0] <= '9') {
        std::size_t n = 0;
        std::int32_t value = 0;
        while (n < t.size() && n < 3 && t[n] >= '0' && t[n] <= '9')
            value = value * 10 + (t[n++] - '0');
        if (n > 2 || !OneOf(std::string_view(t).substr(n), kDigitEndings) || value < 1 ||
            value > 31)
            return {};
        return {value, true, true};
    }
    if (IsRomanLetters(t)) // a lone "i" is a word ("i maj") unless marked
        return {OrdinalValue(t, word.bMarked || t != "i"), true, true};
    if (const std::int32_t value = RomanWithEnding(t))
        return {value, true, true};
    if (const std::int32_t value = OrdinalValue(t, word.bMarked))
        return {value, true, false};
    if (const CClauseDayMonthRow* row = Row(t, kNumbers))
        return {row->nValue, row->bAlone, false};
    return CompoundAtom(t);
}

struct CDayPhrase {
    std::int32_t nValue = 0;
    std::size_t nLast = 0;
};

class CFinder {
public:
    CFinder(const std::vector<CClauseWord>& words, const std::vector<bool>& claimed)
        : m_words(words), m_free(words.size(), true) {
        for (std::size_t i = 0; i < words.size() && i < claimed.size(); ++i)
            m_free[i] = !claimed[i];
    }

    std::vector<CClauseDayMonth> Find() {
        std::vector<CClauseDayMonth> found;
        for (std::size_t m = 0; m < m_words.size(); ++m) {
            if (!Free(m))
                continue;
            const std::int32_t month = MonthOfClauseWord(Text(m));
            // "le dix sept mars": "sept" is a number when a month follows.
            if (month == 0 || (Atom(m_words[m]).nValue != 0 && MonthFollows(m)))
                continue;
            std::optional<CClauseDayMonth> date = Roman(m, month);
            if (!date)
                date = DayBefore(m, month);
            if (!date)
                date = DayAfter(m, month);
            if (!date)
                continue;
            for (std::size_t i = date->nFirst; i <= date->nLast; ++i)
                m_free[i] = false;
            found.push_back(*date);
        }
        return found;
    }

private:
    bool Free(std::size_t i) const { return i < m_words.size() && m_free[i]; }
    const std::string& Text(std::size_t i) const { return m_words[i].strText; }
    bool Between(std::size_t i) const { return Free(i) && Row(Text(i), kBetween) != nullptr; }

    bool MonthFollows(std::size_t m) const {
        std::size_t j = m + 1;
        while (Between(j))
            ++j;
        return Free(j) && MonthOfClauseWord(Text(j)) != 0;
    }

    // The day number that starts at word i: digits, a numeral, an ordinal, or
    // a compound ("vicesima prima", "one and twentieth", "dix sept").
    std::optional<CDayPhrase> ReadDay(std::size_t i) const {
        if (!Free(i))
            return std::nullopt;
        const CAtom a = Atom(m_words[i]);
        if (a.nValue == 0)
            return std::nullopt;
        if (!a.bPlain) {
            const auto value = [this](std::size_t j) {
                const CAtom b = Free(j) ? Atom(m_words[j]) : CAtom{};
                return b.bPlain ? 0 : b.nValue;
            };
            const bool conjunction = Free(i + 1) && OneOf(Text(i + 1), kConjunctions);
            const std::int32_t next = value(i + 1);
            const std::int32_t afterConjunction = conjunction ? value(i + 2) : 0;
            const auto unit = [](std::int32_t v) { return v >= 1 && v <= 9; };
            if (IsTens(a.nValue) && !a.bJoinedTo) {
                if (unit(next))
                    return CDayPhrase{a.nValue + next, i + 1};
                if (unit(afterConjunction))
                    return CDayPhrase{a.nValue + afterConjunction, i + 2};
            } else if (a.nValue == 10 && unit(next)) {
                return CDayPhrase{10 + next, i + 1};
            } else if (unit(a.nValue)) {
                if (IsTens(afterConjunction))
                    return CDayPhrase{a.nValue + afterConjunction, i + 2};
                const CAtom b = Free(i + 1) ? Atom(m_words[i + 1]) : CAtom{};
                if ((a.bJoinsNext || b.bJoinedTo) && IsTens(b.nValue))
                    return CDayPhrase{a.nValue + b.nValue, i + 1};
                if (next == 10 && !a.bJoinsNext) // "tertia decima", "drey zechenden"
                    return CDayPhrase{a.nValue + 10, i + 1};
            }
        }
        if (!a.bAlone)
            return std::nullopt;
        return CDayPhrase{a.nValue, i};
    }

    // The day phrase that ends at word last, longest first.
    std::optional<std::pair<std::size_t, CDayPhrase>> DayEndingAt(std::size_t last) const {
        for (std::size_t s = last >= 3 ? last - 3 : 0; s <= last; ++s) {
            const auto day = ReadDay(s);
            if (!day || day->nLast != last)
                continue;
            // "den süben und zwainzigisten": a unit we cannot read; not the 20th.
            if (s > 0 && Free(s - 1) && OneOf(Text(s - 1), kConjunctions))
                return std::nullopt;
            return std::make_pair(s, *day);
        }
        return std::nullopt;
    }

    std::size_t Leading(std::size_t first) const {
        for (std::size_t n = 0;
             n < kMaxLeading && first > 0 && Free(first - 1) && OneOf(Text(first - 1), kLeading);
             ++n)
            --first;
        return first;
    }

    static CClauseDayMonth Day(std::int32_t day, std::int32_t month, std::size_t first,
                               std::size_t last) {
        CClauseDayMonth date;
        date.nDay = day;
        date.nMonth = month;
        date.nFirst = first;
        date.nLast = last;
        if (day > kMonthDays[month - 1])
            date.eProblem = EDayMonthProblem::DayPastMonth;
        return date;
    }

    // "den 7. Juli", "le 3e jour de mars", "die xv mensis februarii".
    std::optional<CClauseDayMonth> DayBefore(std::size_t m, std::int32_t month) const {
        std::size_t last = m;
        bool dayWord = false;
        while (last > 0 && m - last < kMaxBetween && Between(last - 1)) {
            --last;
            dayWord |= Row(Text(last), kBetween)->bAlone;
        }
        if (last == 0)
            return std::nullopt;
        const auto day = DayEndingAt(last - 1);
        if (!day)
            return std::nullopt;
        const std::size_t first = day->first;
        // "feria tertia mensis maii", "dominica 3a mensis maii": a weekday's number.
        if (first > 0) {
            const CClauseWordInfo before = ClassifyClauseWord(Text(first - 1), false);
            if (before.eKind == EClauseWord::Feria ||
                (before.eKind == EClauseWord::Weekday && last != m && !dayWord))
                return std::nullopt;
        }
        return Day(day->second.nValue, month, Leading(first), m);
    }

    // "May 20", "May the 20th", "mensis junii die vigesimo octavo": only where nothing but a year
    // or a joining word follows, so that "they may 3 times" is no date.
    std::optional<CClauseDayMonth> DayAfter(std::size_t m, std::int32_t month) const {
        const std::size_t at =
            Free(m + 1) && (Text(m + 1) == "the" || Text(m + 1) == "die") ? m + 2 : m + 1;
        const auto day = ReadDay(at);
        if (!day)
            return std::nullopt;
        const std::size_t next = day->nLast + 1;
        if (next < m_words.size() && Free(next) &&
            ClassifyClauseWord(Text(next), m_words[next].bMarked).eKind != EClauseWord::Filler)
            return std::nullopt;
        return Day(day->nValue, month, Leading(m), day->nLast);
    }

    struct CCount {
        std::int32_t nCount = 0; // 0: none written
        std::size_t nFirst = 0;
        bool bTaken = false; // a number there belongs to a year: no reading at all
    };

    // The count whose last word stands before word end.
    CCount CountBefore(std::size_t end) const {
        CCount count;
        if (end == 0)
            return count;
        const std::size_t c = end - 1;
        const std::string& t = Text(c);
        if (!Free(c)) {
            count.bTaken = Atom(m_words[c]).nValue != 0 || IsRomanLetters(t);
            return count;
        }
        count.nFirst = c;
        if (t == "pridie" || t == "veille") {
            count.nCount = 2;
        } else if (IsRomanLetters(t)) {
            count.nCount = OrdinalValue(t, true); // "v kal.": a lone letter counts here
            count.bTaken = count.nCount == 0;
        } else if (const auto day = DayEndingAt(c)) {
            count.nCount = day->second.nValue;
            count.nFirst = day->first;
        }
        return count;
    }

    // "vii idus julii", "pridie kal. maii", "a.d. vi kal. apr.", "kalendis maii",
    // and this program's own "3rd day of Nones June", "veille des nones de juin".
    std::optional<CClauseDayMonth> Roman(std::size_t m, std::int32_t month) const {
        std::size_t k = m;
        while (k > 0 && m - k < 2 && Free(k - 1) && OneOf(Text(k - 1), kMarkToMonth))
            --k;
        if (k == 0 || !Free(k - 1))
            return std::nullopt;
        const CClauseDayMonthRow* mark = Row(Text(--k), kMarks);
        if (mark == nullptr)
            return std::nullopt;
        CClauseDayMonth date;
        date.eMark = static_cast<EClauseMark>(mark->nValue);
        date.nMonth = month;
        date.nFirst = k;
        date.nLast = m;
        std::size_t c = k;
        while (c > 0 && k - c < 3 && Free(c - 1) && OneOf(Text(c - 1), kCountToMark))
            --c;
        CCount count = CountBefore(c);
        if (count.nCount == 0 && c != k)
            count = CountBefore(c = k);
        if (count.bTaken)
            return std::nullopt;
        if (count.nCount != 0) {
            date.nCount = count.nCount;
            const std::size_t f = date.nFirst = count.nFirst;
            if (f >= 2 && Free(f - 2) && Free(f - 1) &&
                ((Text(f - 2) == "a" && Text(f - 1) == "d") ||
                 (Text(f - 2) == "ante" && Text(f - 1) == "diem")))
                date.nFirst -= 2;
            else if (f >= 1 && Free(f - 1) && Text(f - 1) == "ad")
                date.nFirst -= 1;
        } else {
            // The named day itself: "kalendis maii", "kal. maii", "in die Kalendarum".
            if (!mark->bAlone && !m_words[k].bMarked)
                return std::nullopt;
            date.nCount = 1;
            std::size_t f = k;
            if (f >= 1 && Free(f - 1) && OneOf(Text(f - 1), kBeforeMark))
                --f;
            if (f >= 1 && Free(f - 1) && Text(f - 1) == "in")
                --f;
            date.nFirst = f;
        }
        if (date.nCount > MostCount(date.eMark, month))
            date.eProblem = EDayMonthProblem::CountPastMark;
        return date;
    }

    const std::vector<CClauseWord>& m_words;
    std::vector<bool> m_free;
};

bool IsLeapYear(std::int32_t year, CalendarRow calendar) {
    const std::int32_t y = year < 0 ? year + 1 : year; // no year 0: 1 BC is a leap year
    if (calendar == CalendarRow::Julian)
        return y % 4 == 0;
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

template <std::size_t N>
std::vector<CClauseDayMonthRow> Rows(const CClauseDayMonthRow (&table)[N]) {
    return {std::begin(table), std::end(table)};
}

} // namespace

std::vector<CClauseDayMonth> FindClauseDayMonths(const std::vector<CClauseWord>& words,
                                                 const std::vector<bool>& claimed) {
    return CFinder(words, claimed).Find();
}

CRomanClauseDay RomanClauseDay(const CClauseDayMonth& date, std::int32_t year,
                               CalendarRow calendar) {
    const std::int32_t month = date.nMonth;
    const std::int32_t count = date.nCount;
    if (date.eMark == EClauseMark::None || date.eProblem != EDayMonthProblem::None || month < 1 ||
        month > 12 || count < 1)
        return {};
    const std::int32_t ides = IdesOf(month);
    switch (date.eMark) {
    case EClauseMark::Nones:
        return count <= ides - 9 ? CRomanClauseDay{ides - 8 - count + 1, month, 0, 0}
                                 : CRomanClauseDay{};
    case EClauseMark::Ides:
        return count <= 8 ? CRomanClauseDay{ides - count + 1, month, 0, 0} : CRomanClauseDay{};
    default:
        break;
    }
    if (count == 1)
        return {1, month, 0, 0};
    const std::int32_t before = month == 1 ? 12 : month - 1;
    const std::int32_t offset = month == 1 ? -1 : 0;
    if (before == 2 && IsLeapYear(year, calendar)) {
        // The doubled a.d. VI kal. Mar.: the days after it move on by one.
        if (count > 17)
            return {};
        const std::int32_t plain = 31 - count;
        if (count <= 5 || count == 17) // one reading only
            return {plain, 2, 0, 0};
        return {30 - count, 2, 0, plain};
    }
    const std::int32_t length = before == 2 ? 28 : kMonthDays[before - 1];
    if (count > length - IdesOf(before) + 1)
        return {};
    return {length - count + 2, before, offset, 0};
}

std::vector<CClauseDayMonthRow> ClauseDayNumberRows() {
    return Rows(kNumbers);
}

std::vector<CClauseDayMonthRow> ClauseMarkRows() {
    return Rows(kMarks);
}

std::vector<CClauseDayMonthRow> ClauseDayJoinerRows() {
    return Rows(kBetween);
}
