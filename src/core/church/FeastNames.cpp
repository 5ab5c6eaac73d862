#include "church/FeastNames.h"

#include "church/ChurchYear.h"

#include "calendar/Computus.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace {

#include "FeastTable.inc"

// Words around a saint's name that only title or praise it, and the small
// words that join two names; a clause may put them anywhere in a name.
// clang-format off
constexpr std::string_view kEpithets[] = {
    "sancti", "sancte", "sancta", "sanctae", "sanctus", "sancto", "s", "st", "ss", "sant", "sante",
    "santi", "sanct", "sankt", "sankti", "sand", "sandt", "sunte", "sunt", "sinte", "sente",
    "sent", "saint", "sainte", "sainct", "saincte", "seint", "seinte", "b", "beati", "beate",
    "beatae", "beatus", "beata", "beatorum", "beatissimi", "divi", "dive", "diui", "des", "der",
    "dem", "den", "die", "de", "du", "la", "le", "les", "l", "d", "heiligen", "heilgen", "hilgen",
    "hilligen", "hiligen", "heyligen", "hylgen", "hylligen", "heil", "heilige", "hillige", "hilge",
    "hl", "apostoli", "apostolorum", "ap", "aplor", "apostel", "apostels", "apostell", "apostelen",
    "appostoly", "apostuli", "apostulorum", "apostolo", "ewangeliste", "evangeliste",
    "evangelisten", "ewangelisten", "evangelistae", "evangelisti", "evangelista", "evangestae",
    "martiris", "martyris", "martyrum", "martirum", "maryrum", "martiri", "marterer", "marterers",
    "marteres", "martrer", "martherer", "martyrers", "virginis", "virgo", "virginum", "jungfrawen",
    "jungfrowen", "jungfrauen", "jungfrau", "junkfraun", "jungfern", "episcopi", "episcopus",
    "bischofs", "bischoffs", "bisschopes", "confessoris", "confessor", "pontificis", "pape",
    "papae", "papst", "pabst", "pawestes", "abbatis", "abbetes", "abbath", "abt", "archangeli",
    "archangel", "gloriosi", "gloriose", "glorwurdigen", "werdigen", "festum", "festo", "festi",
    "fest", "feste", "fete", "feast", "day", "dag", "dage", "dages", "dagh", "daghe", "dach",
    "tag", "tage", "tages", "tagk", "tagas", "thage", "dagen", "jour", "ipso", "ipsa", "in", "im",
    "am", "an", "up", "op", "vp", "to", "zu", "ze", "zum", "of", "the", "dez", "dess", "irer", "erer", "ihrer", "iren", "siner", "seiner", "syner",
    "konnickliken", "koniglichen", "et", "und", "unde", "un", "sannd", "sanndt", "sannt",
    "sanctorum", "wirdigen", "wirdig", "jungkfrawen", "martrerin", "martrer", "bischoffs",
    "confessorum", "pontificum", "doctoris", "abbas", "regis", "reginae", "regine", "hylygen",
    "heilligen", "heillign", "heiling", "heylgen", "berumten", "beruemten", "praecursoris",
    "precursoris", "appostoly", "apostoly", "appostoli", "patroni", "patronis", "zwelfpoten",
    "zwelifpoten", "zwellffpoten", "zwelffpoten", "tzweliffpoten", "zwelfboten", "zwolfboten",
    "zwelfpotn", "zwellfpoten", "zwelfbotten", "zwolfbotten", "prothomartiris", "protomartiris",
    "sts", "sainctz", "bischof", "bischolfs", "babst", "beichtiger", "ertzengel", "ritter",
    "tauffers", "gotztauffers", "martrar", "evangelii", "boten", "welfpoten", "gesellschaft",
    "zwayer", "zweier", "apostle", "apostles", "semper", "weterherren",
    "wetterherren", "zder", "zer", "zwelf", "zwelff", "zwellff", "zwolf", "zwolff", "zwoelf",
    "undt", "u", "and", "atque", "ac", "ende"};
// clang-format on

// Shorter words are epithets only as listed: "sand", "heil", "tage"; a
// listed word of this length gives no key ("diui" would take "dieu").
constexpr std::size_t kEpithetKeyLetters = 4;

bool IsEpithet(std::string_view word);

bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// An eve may stand inside the name it belongs to: "unser leven vrouwen
// avent Nativitatis". The reader sees it; the name passes over it. So may
// the small words of a clause that says which of a saint's feasts is meant:
// "Pauls tag als er bekert ward", "frawen tag als si geboren ist worden".
constexpr std::string_view kInside[] = {"avent",  "avend", "avende",  "avendt",   "abend", "abende",
                                        "abendt", "abent", "vigilia", "vigiliam", "als",   "alz",
                                        "alse",   "do",    "da",      "er",       "si",    "sy",
                                        "sie",    "ist",   "ward",    "wart",     "wardt", "worden",
                                        "wurde",  "ir",    "lieben",  "liben",    "lieve", "leven"};

bool MayStandInside(std::string_view word) {
    return IsEpithet(word) ||
           std::find(std::begin(kInside), std::end(kInside), word) != std::end(kInside);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The ending a compound with "-tag" has ("Marteinstag"); 0 when none.
std::size_t DaySuffix(std::string_view word) {
    for (const std::string_view day : {"stage", "stags", "stagk", "tage", "tags", "tagk", "tag",
                                       "dages", "dage", "dags", "dag", "dach"}) {
        if (EndsWith(word, day) && word.size() >= day.size() + 4)
            return day.size();
    }
    return 0;
}

// A key that forgives the spellings of medieval scribes and German
// dialects: i for j and y, u for v and w, t for th, f for ph, c for k and
// ch, s for z, no h after the first letter, e for ae and oe, single letters
// for doubled ones, no "-tag" at the end of a compound and no final
// inflection. Bavarian spellings too: i written ei before n ("Martein",
// "Kathrein"), ie before ch ("liechtmess"), dt for d ("Erhardt"),
// cz for tz ("Vincencz"), ts and rd at the end for t and rt ("Lorentzen",
// "Erhartz" and "Erhardi").
std::string SpellingKey(std::string_view word) {
    const std::string w(word.substr(0, word.size() - DaySuffix(word)));
    std::string k;
    for (std::size_t i = 0; i < w.size(); ++i) {
        char c = w[i];
        const char next = i + 1 < w.size() ? w[i + 1] : '\0';
        if (c == 'h' && i > 0)
            continue;
        if (c == 'p' && next == 'h') {
            k += 'f';
            ++i;
            continue;
        }
        if (c == 'x' && next == 's')
            ++i;
        if (c == 'j' || c == 'y')
            c = 'i';
        else if (c == 'v' && (next == 'r' || next == 'l'))
            c = 'f';
        else if (c == 'v' || c == 'w')
            c = 'u';
        else if (c == 'k')
            c = 'c';
        else if (c == 'p')
            c = 'b'; // Bavarian p for b: "gepurt", "Lamperti"
        else if (c == 'c' && next == 'z')
            c = 't';
        else if (c == 'z')
            c = 's';
        k += c;
    }
    std::string out;
    for (std::size_t i = 0; i < k.size(); ++i) {
        char c = k[i];
        const char next = i + 1 < k.size() ? k[i + 1] : '\0';
        if ((c == 'a' || c == 'o') && next == 'e')
            continue; // ae, oe: e
        if (c == 't' && !out.empty() && out.back() == 'd')
            continue; // "avendt" stays an eve, not "Avent"
        // Only before n: "Mathei" and "Matheis" stay Matthew's.
        if (c == 'e' && next == 'i' && !out.empty() && i + 2 < k.size() && k[i + 2] == 'n')
            continue;
        if (c == 'e' && next == 'c' && !out.empty() && out.back() == 'i')
            continue;
        if (!out.empty() && out.back() == c)
            continue;
        if (c == 'c' && next == 'i' && !out.empty())
            c = 't'; // -cius, -cio: -tius, -tio
        out += c;
    }
    // The accusative after ante and post ("purificationem", "epiphaniam")
    // only on a long stem: "vocem" stays Rogate's, not "wochen".
    for (const std::string_view end :
         {"ius", "ias", "ie", "ia", "is", "en", "es", "em", "am", "um", "us", "i", "e", "s", "a"}) {
        const std::size_t stem = end == "em" || end == "am" ? 6 : 3;
        if (EndsWith(out, end) && out.size() >= end.size() + stem) {
            out.resize(out.size() - end.size());
            break;
        }
    }
    // "frawn", "fraun": the e of "-en" left out after a diphthong.
    if (out.size() >= 5 && EndsWith(out, "aun"))
        out.pop_back();
    // A final ts is a genitive ("Erhartz"); a final d is t only after r:
    // "mardi" must not become "Marti", nor "avend" "Avent".
    if (out.size() >= 5 && EndsWith(out, "ts"))
        out.pop_back();
    else if (out.size() >= 5 && EndsWith(out, "rd"))
        out.back() = 't';
    return out;
}

// The key an epithet is known by across dialects: b written p ("pischolfs",
// "peichtiger"), ngk for nk, the e of the last syllable left out ("apostl", "ertzenngls") and a
// final n of case
// ("iunkfrawn", "potn", "heylign").
std::string EpithetKey(std::string_view word) {
    const std::string key = SpellingKey(word);
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        char c = key[i];
        const char next = i + 1 < key.size() ? key[i + 1] : '\0';
        if (i == 0 && c == 'p')
            c = 'b';
        else if (c == 'g' && !out.empty() && out.back() == 'n' && next == 'c')
            continue; // "jungkfrawen": "junkfrawen"
        else if (c == 'e' && i + 2 == key.size() && i > 0 &&
                 (next == 'l' || next == 'n' || next == 'r'))
            continue;
        if (!out.empty() && out.back() == c)
            continue;
        out += c;
    }
    if (out.size() >= 4 && out.back() == 'n' && !IsVowel(out[out.size() - 2]))
        out.pop_back();
    return out;
}

// A word is an epithet as listed, or as another spelling of a listed one
// that spells no word of a feast's name ("regum" is Epiphany, not "regis").
bool IsEpithet(std::string_view word) {
    static const std::vector<std::string_view> listed = [] {
        std::vector<std::string_view> sorted(std::begin(kEpithets), std::end(kEpithets));
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    if (std::binary_search(listed.begin(), listed.end(), word))
        return true;
    // "sunttag" is Sunday, not "sunte" (saint).
    if (word.size() < kEpithetKeyLetters || DaySuffix(word) > 0)
        return false;
    static const std::vector<std::string> epithetKeys = [] {
        std::vector<std::string> built;
        for (const std::string_view listed : kEpithets) {
            if (listed.size() > kEpithetKeyLetters)
                built.push_back(EpithetKey(listed));
        }
        std::sort(built.begin(), built.end());
        return built;
    }();
    static const std::vector<std::string> nameKeys = [] {
        std::vector<std::string> built;
        for (const CFeastDay& feast : FeastDays()) {
            for (const auto& name : feast.names) {
                for (const std::string& w : name) {
                    if (std::find(std::begin(kEpithets), std::end(kEpithets), w) ==
                        std::end(kEpithets))
                        built.push_back(SpellingKey(w));
                }
            }
        }
        std::sort(built.begin(), built.end());
        return built;
    }();
    return std::binary_search(epithetKeys.begin(), epithetKeys.end(), EpithetKey(word)) &&
           !std::binary_search(nameKeys.begin(), nameKeys.end(), SpellingKey(word));
}

struct CNameWord {
    std::string strText;
    std::string strKey;
    bool bEpithet = false;
    std::size_t nKey = 0; // the key's place among the index's keys (proper words)
};

struct CIndexedName {
    const CFeastDay* pFeast = nullptr;
    std::vector<CNameWord> words;
    bool bWeek = false;
};

struct CIndex {
    std::vector<CIndexedName> names;
    std::vector<std::string> keys;                          // every name word's key, sorted
    std::vector<std::vector<std::size_t>> namesOfKey;       // the names a proper key stands in
    std::vector<std::vector<std::size_t>> keysOfLength;     // the keys by their length
    std::vector<std::pair<std::string, std::size_t>> texts; // proper words and their names, sorted
};

const CIndex& Index() {
    static const CIndex index = [] {
        CIndex built;
        for (const CFeastDay& feast : FeastDays()) {
            for (std::size_t n = 0; n < feast.names.size(); ++n) {
                const auto& name = feast.names[n];
                const bool week = std::find(feast.weekNames.begin(), feast.weekNames.end(), n) !=
                                  feast.weekNames.end();
                CIndexedName indexed{&feast, {}, week};
                for (const std::string& word : name) {
                    indexed.words.push_back({word, SpellingKey(word), IsEpithet(word)});
                    if (!IsEpithet(word))
                        built.keys.push_back(indexed.words.back().strKey);
                }
                built.names.push_back(std::move(indexed));
            }
        }
        std::sort(built.keys.begin(), built.keys.end());
        built.keys.erase(std::unique(built.keys.begin(), built.keys.end()), built.keys.end());
        built.namesOfKey.resize(built.keys.size());
        for (std::size_t n = 0; n < built.names.size(); ++n) {
            for (CNameWord& word : built.names[n].words) {
                word.nKey = static_cast<std::size_t>(
                    std::lower_bound(built.keys.begin(), built.keys.end(), word.strKey) -
                    built.keys.begin());
                if (!word.bEpithet && word.nKey < built.keys.size())
                    built.namesOfKey[word.nKey].push_back(n);
                if (!word.bEpithet)
                    built.texts.emplace_back(word.strText, n);
            }
        }
        std::sort(built.texts.begin(), built.texts.end());
        for (std::size_t k = 0; k < built.keys.size(); ++k) {
            const std::size_t length = built.keys[k].size();
            if (built.keysOfLength.size() <= length)
                built.keysOfLength.resize(length + 1);
            built.keysOfLength[length].push_back(k);
        }
        return built;
    }();
    return index;
}

constexpr std::int32_t kExact = 4;   // the word as the table writes it
constexpr std::int32_t kSameKey = 3; // another spelling of it
constexpr std::int32_t kNearKey = 2; // one letter off, for long words only

struct CClauseKey {
    std::string_view text;
    bool bAbbreviated = false; // "Epiph.", "Purif."
    std::string key;
    bool bEpithet = false;
    bool bInside = false;    // an epithet, or an eve inside a name
    bool bKnownKey = false;  // some name has this key: no tolerance for it
    bool bExactOnly = false; // a word of another kind: its own spelling only
};

std::int32_t WordScore(const CClauseKey& clause, std::string_view nameText,
                       std::string_view nameKey) {
    if (clause.text == nameText)
        return kExact;
    if (clause.bExactOnly)
        return 0;
    if (clause.key == nameKey)
        return kSameKey;
    if (clause.bAbbreviated && clause.text.size() >= 3 && !clause.bEpithet &&
        nameText.size() > clause.text.size() &&
        nameText.substr(0, clause.text.size()) == clause.text)
        return kNearKey;
    // A likeness only for long words: short ones are too often other words.
    if (clause.bKnownKey || clause.bEpithet || clause.text.size() < 6)
        return 0;
    if (std::min(clause.key.size(), nameKey.size()) >= 5 && WithinOneEdit(clause.key, nameKey))
        return kNearKey;
    // A short name forgives only its first vowel ("Ogidii", "Egidii"):
    // "tertia" must not become "Merten".
    if (clause.key.size() == 4 && nameKey.size() == 4 && IsVowel(clause.key[0]) &&
        IsVowel(nameKey[0]) && clause.key.compare(1, 3, nameKey, 1, 3) == 0)
        return kNearKey;
    return 0;
}

// The best place of one name in the span: its words in order from where
// it starts, only epithets between them; an epithet of the name itself may
// be left out.
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

CFeastMatch MatchName(const CIndexedName& name, const std::vector<CClauseKey>& keys,
                      std::size_t from) {
    CFeastMatch best{name.pFeast, 0, 0, 0, name.bWeek, kNone, {}};
    for (std::size_t start = 0; start < keys.size(); ++start) {
        std::size_t at = start;
        std::size_t last = start;
        std::int32_t score = 0;
        bool proper = false; // a word that is not an epithet matched
        bool ok = true;
        std::size_t loose = kNone;
        std::string looseName;
        for (const CNameWord& word : name.words) {
            std::size_t probe = at;
            std::int32_t found = 0;
            while (probe < keys.size()) {
                found = WordScore(keys[probe], word.strText, word.strKey);
                if (found > 0 || score == 0 || !keys[probe].bInside)
                    break;
                ++probe;
            }
            if (found > 0) {
                if (found == kNearKey && !keys[probe].bAbbreviated && !word.bEpithet &&
                    loose == kNone) {
                    loose = from + probe;
                    looseName = word.strText;
                }
                // A title ("sunte", "apostoli") counts for less than a name.
                score += word.bEpithet ? 1 : found;
                last = probe;
                proper = proper || !word.bEpithet;
                at = probe + 1;
            } else if (!word.bEpithet) {
                ok = false;
                break;
            } else if (score > 0) {
                --score; // "Thome" is the apostle rather than "Thome martiris"
            }
        }
        if (ok && proper && score > best.nScore)
            best = {name.pFeast, score, from + start, from + last, name.bWeek, loose, looseName};
    }
    return best;
}

bool ParseNumber(std::string_view text, std::int32_t& value, std::int32_t most) {
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= most;
}

bool ParseMonthDay(std::string_view text, CFeastDay& feast) {
    static constexpr std::array<std::int32_t, 12> kDays = {31, 29, 31, 30, 31, 30,
                                                           31, 31, 30, 31, 30, 31};
    if (text.size() != 5 || text[2] != '-' || !ParseNumber(text.substr(0, 2), feast.nMonth, 12) ||
        !ParseNumber(text.substr(3), feast.nDay, 31) || feast.nMonth < 1 || feast.nDay < 1)
        return false;
    return feast.nDay <= kDays[static_cast<std::size_t>(feast.nMonth - 1)];
}

bool ParseRule(std::string_view rule, CFeastDay& feast) {
    if (rule.substr(0, 6) == "easter" && rule.size() > 7 && (rule[6] == '+' || rule[6] == '-')) {
        feast.eRule = EFeastRule::Easter;
        if (!ParseNumber(rule.substr(7), feast.nOffset, 366))
            return false;
        if (rule[6] == '-')
            feast.nOffset = -feast.nOffset;
        return true;
    }
    if (rule.substr(0, 6) == "advent") {
        feast.eRule = EFeastRule::Advent;
        return ParseNumber(rule.substr(6), feast.nOffset, 4) && feast.nOffset >= 1;
    }
    if (rule.size() > 9 && rule.substr(5, 4) == ">sun") {
        feast.eRule = EFeastRule::Sunday;
        return ParseMonthDay(rule.substr(0, 5), feast) &&
               ParseNumber(rule.substr(9), feast.nOffset, 52) && feast.nOffset >= 1;
    }
    feast.eRule = EFeastRule::Fixed;
    return ParseMonthDay(rule, feast);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos)
            return parts;
        at = end + 1;
    }
}

constexpr std::string_view kWeek = "week:";

// One column's names; the first, as written, for messages.
bool ReadNames(std::string_view column, CFeastDay& feast, std::string& first) {
    for (const std::string_view part : Split(column, '|')) {
        std::string_view name = Trimmed(part);
        if (name.empty())
            return column.empty() || Trimmed(column).empty();
        if (name.substr(0, kWeek.size()) == kWeek) {
            name = Trimmed(name.substr(kWeek.size()));
            feast.weekNames.push_back(feast.names.size());
        }
        const auto text = Utf8ToCp1252(name);
        if (!text)
            return false;
        std::vector<std::string> words;
        for (const CClauseWord& word : ClauseWords(*text))
            words.push_back(word.strText);
        if (words.empty())
            return false;
        if (first.empty())
            first = *text;
        feast.names.push_back(std::move(words));
    }
    return true;
}

// The list column: empty, or "Latin|English|French" for a feast the
// church-year lists show, one line per rule.
bool ReadListing(std::string_view column, CFeastDay& feast, const std::vector<CFeastDay>& before) {
    column = Trimmed(column);
    if (column.empty())
        return true;
    const std::vector<std::string_view> parts = Split(column, '|');
    if (parts.size() != 3 || feast.eRule == EFeastRule::Sunday)
        return false;
    std::string* const texts[] = {&feast.strListLatin, &feast.strListEnglish, &feast.strListFrench};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto text = Utf8ToCp1252(Trimmed(parts[i]));
        if (!text || text->empty())
            return false;
        *texts[i] = *text;
    }
    feast.bListed = true;
    return std::none_of(before.begin(), before.end(), [&feast](const CFeastDay& other) {
        return other.bListed && other.eRule == feast.eRule && other.nOffset == feast.nOffset &&
               other.nDay == feast.nDay && other.nMonth == feast.nMonth;
    });
}

// The n-th Sunday strictly after a day.
CJulianDay SundayAfter(CJulianDay day, std::int32_t n) {
    if (day.GetDayNumber() == 0)
        return day;
    day += 7 - day.GetDayOfWeek() + 7 * (n - 1);
    return SupportedDay(day);
}

} // namespace

bool ParseFeastDays(std::string_view utf8, std::vector<CFeastDay>& feasts, int& badLine) {
    badLine = 0;
    int number = 0;
    for (const std::string_view raw : Split(utf8, '\n')) {
        ++number;
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = Split(raw, '\t');
        CFeastDay feast;
        // Seven columns before the list column came.
        bool ok =
            (fields.size() == 7 || fields.size() == 8) && ParseRule(Trimmed(fields[0]), feast);
        std::string* const firsts[] = {&feast.strLatin, &feast.strGerman, &feast.strEnglish,
                                       &feast.strFrench, &feast.strOther};
        for (std::size_t column = 1; ok && column <= 5; ++column)
            ok = ReadNames(fields[column], feast, *firsts[column - 1]);
        if (ok) {
            const auto usage = Utf8ToCp1252(Trimmed(fields[6]));
            ok = usage.has_value() && !feast.names.empty();
            if (ok)
                feast.strUsage = *usage;
        }
        if (ok && fields.size() == 8)
            ok = ReadListing(fields[7], feast, feasts);
        if (!ok) {
            badLine = number;
            return false;
        }
        feasts.push_back(std::move(feast));
    }
    return true;
}

namespace {

struct CBuiltTable {
    std::vector<CFeastDay> feasts;
    int nBadLine = 0;
};

const CBuiltTable& BuiltTable() {
    static const CBuiltTable table = [] {
        CBuiltTable read;
        ParseFeastDays(kFeastTable, read.feasts, read.nBadLine);
        return read;
    }();
    return table;
}

} // namespace

const std::vector<CFeastDay>& FeastDays() {
    return BuiltTable().feasts;
}

int FeastTableBadLine() {
    return BuiltTable().nBadLine;
}

std::vector<CFeastMatch> MatchFeastName(const std::vector<CClauseWord>& words, std::size_t from,
                                        std::size_t to, const std::vector<bool>& exactOnly) {
    std::vector<CFeastMatch> found;
    to = std::min(to, words.size());
    if (from >= to)
        return found;
    const CIndex& index = Index();
    std::vector<CClauseKey> keys;
    for (std::size_t i = from; i < to; ++i) {
        CClauseKey key{words[i].strText,
                       words[i].bMarked,
                       SpellingKey(words[i].strText),
                       IsEpithet(words[i].strText),
                       MayStandInside(words[i].strText),
                       false,
                       i < exactOnly.size() && exactOnly[i]};
        key.bKnownKey = std::binary_search(index.keys.begin(), index.keys.end(), key.key);
        keys.push_back(std::move(key));
    }
    // Only names with a proper word some word of the span scores against
    // are tried: a clause is short, the table long.
    std::vector<char> reached(index.keys.size(), 0);
    // An abbreviation ("Purif.") tries the names with a word it begins.
    std::vector<char> tried(index.names.size(), 0);
    for (const CClauseKey& key : keys) {
        if (key.bEpithet)
            continue;
        if (key.bAbbreviated && key.text.size() >= 3) {
            auto at = std::lower_bound(index.texts.begin(), index.texts.end(),
                                       std::make_pair(std::string(key.text), std::size_t{0}));
            for (; at != index.texts.end() && at->first.compare(0, key.text.size(), key.text) == 0;
                 ++at)
                tried[at->second] = 1;
        }
        if (key.bKnownKey) {
            reached[static_cast<std::size_t>(
                std::lower_bound(index.keys.begin(), index.keys.end(), key.key) -
                index.keys.begin())] = 1;
            continue;
        }
        // Only a long word or an abbreviation reaches a name it does not spell.
        if (key.bExactOnly || (!key.bAbbreviated && key.text.size() < 6))
            continue;
        // One letter off is a key one letter longer or shorter at the most.
        const auto compare = [&](std::size_t k) {
            if (!reached[k] && WordScore(key, index.keys[k], index.keys[k]) > 0)
                reached[k] = 1;
        };
        const std::size_t length = key.key.size();
        for (std::size_t l = length > 0 ? length - 1 : 0; l <= length + 1; ++l) {
            if (l < index.keysOfLength.size()) {
                for (const std::size_t k : index.keysOfLength[l])
                    compare(k);
            }
        }
    }
    // The names to try, in the table's order: those a reached key stands in.
    for (std::size_t k = 0; k < reached.size(); ++k) {
        if (reached[k]) {
            for (const std::size_t n : index.namesOfKey[k])
                tried[n] = 1;
        }
    }
    for (std::size_t n = 0; n < index.names.size(); ++n) {
        if (!tried[n])
            continue;
        const CIndexedName& name = index.names[n];
        const CFeastMatch match = MatchName(name, keys, from);
        if (match.nScore == 0 || (!found.empty() && match.nScore < found.front().nScore))
            continue;
        if (!found.empty() && match.nScore > found.front().nScore)
            found.clear();
        const auto same = std::find_if(found.begin(), found.end(), [&](const CFeastMatch& m) {
            return m.pFeast == match.pFeast;
        });
        if (same == found.end())
            found.push_back(match);
    }
    return found;
}

std::vector<const CFeastDay*> FeastsNamedWith(std::string_view folded) {
    std::vector<const CFeastDay*> feasts;
    if (IsEpithet(folded))
        return feasts;
    const std::string key = SpellingKey(folded);
    const CIndex& index = Index();
    const auto at = std::lower_bound(index.keys.begin(), index.keys.end(), key);
    if (at == index.keys.end() || *at != key)
        return feasts;
    for (const std::size_t n : index.namesOfKey[static_cast<std::size_t>(at - index.keys.begin())]) {
        const CFeastDay* feast = index.names[n].pFeast;
        if (std::find(feasts.begin(), feasts.end(), feast) == feasts.end())
            feasts.push_back(feast);
    }
    return feasts;
}

bool IsFeastEpithet(std::string_view folded) {
    return IsEpithet(folded);
}

CJulianDay FeastDayOf(const CFeastDay& feast, std::int32_t year, bool gregorian) {
    if (year < 1 || year > 2999)
        return CJulianDay();
    switch (feast.eRule) {
    case EFeastRule::Fixed:
        return SupportedDay(DayOfDate(feast.nDay, feast.nMonth, year, gregorian));
    case EFeastRule::Easter: {
        CJulianDay easter = EasterSunday(year, gregorian);
        if (easter.GetDayNumber() == 0)
            return easter;
        easter += feast.nOffset;
        return SupportedDay(easter);
    }
    case EFeastRule::Advent:
        return AdventSunday(feast.nOffset, year, gregorian);
    case EFeastRule::Sunday:
        return SundayAfter(DayOfDate(feast.nDay, feast.nMonth, year, gregorian), feast.nOffset);
    }
    return CJulianDay();
}

std::string FeastDayName(const CFeastDay& feast, bool french) {
    const bool introit = feast.eRule == EFeastRule::Advent || feast.eRule == EFeastRule::Sunday ||
                         (feast.eRule == EFeastRule::Easter && feast.nOffset % 7 == 0 &&
                          ((feast.nOffset >= -63 && feast.nOffset <= -14) ||
                           (feast.nOffset >= 7 && feast.nOffset <= 42) || feast.nOffset > 56));
    if (introit && !feast.strLatin.empty())
        return feast.strLatin;
    for (const std::string* name : {french ? &feast.strFrench : &feast.strEnglish, &feast.strLatin,
                                    &feast.strGerman, &feast.strEnglish, &feast.strOther}) {
        if (!name->empty())
            return *name;
    }
    return {};
}
