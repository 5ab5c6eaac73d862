#include "church/ClauseLexicon.h"

#include "church/ClauseText.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

using K = EClauseWord;

// Spellings drift: doubled letters, y for i, th for t, ck for k.
std::string Key(std::string_view word) {
    std::string key;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i] == 'y' ? 'i' : word[i];
        const char next = i + 1 < word.size() ? word[i + 1] : '\0';
        if ((c == 't' || c == 'd' || c == 'g' || c == 'p' || c == 'c') && next == 'h' && c != 'c') {
            key += c == 'p' ? 'f' : c;
            ++i;
            continue;
        }
        if (c == 'd' && next == 't') // "abendt", "midtweken"
            continue;
        if (c == 'c' && next == 'k') // "mitwecken"
            continue;
        if ((c == 't' || c == 'c') && next == 'z') // "pfintztag", "pfincztag"
            continue;
        if (!key.empty() && key.back() == c)
            continue;
        key += c;
    }
    return key;
}

struct CStem {
    const char* pszStem;
    std::int32_t nWeekday;
};

// German weekday names take endings: "donredags", "middewekens", "sonnavendes".
const CStem kWeekdayStems[] = {
    {"sontag", 0},    {"sondag", 0},    {"sundag", 0},      {"sondach", 0},    {"sunendag", 0},
    {"sonentag", 0},  {"suntag", 0},    {"montag", 1},      {"mantag", 1},     {"mandag", 1},
    {"mondag", 1},    {"maendag", 1},   {"mendag", 1},      {"mentag", 1},     {"maentag", 1},
    {"mandach", 1},   {"dinstag", 2},   {"dienstag", 2},    {"dinxdag", 2},    {"dinxtag", 2},
    {"dingstag", 2},  {"dinsdag", 2},   {"dinxstag", 2},    {"dingsdag", 2},   {"diengstag", 2},
    {"dingestag", 2}, {"dinstdag", 2},  {"eritag", 2},      {"erigtag", 2},    {"ertag", 2},
    {"erchtag", 2},   {"dingesdag", 2}, {"dinxedag", 2},    {"dinxstedag", 2}, {"dinstedag", 2},
    {"erichtag", 2},  {"irchtag", 2},   {"aftermontag", 2}, {"dingsdag", 2},   {"dingeszdag", 2},
    {"dinestag", 2},  {"dientag", 2},   {"dinstgag", 2},    {"ergetag", 2},    {"iritag", 2},
    {"dinxte", 2},    {"dinste", 2},    {"tisdag", 2},      {"mitwoch", 3},    {"mitwuch", 3},
    {"midwek", 3},    {"midewek", 3},   {"mitwek", 3},      {"medwek", 3},     {"mudwek", 3},
    {"midwoch", 3},   {"midewed", 3},   {"mitwuch", 3},     {"mitichen", 3},   {"woensdag", 3},
    {"gudensdag", 3}, {"godensdag", 3}, {"mitich", 3},      {"mitwech", 3},    {"onsdag", 3},
    {"donerstag", 4}, {"donertag", 4},  {"donredag", 4},    {"donerdag", 4},   {"donresdag", 4},
    {"dornstag", 4},  {"dorstag", 4},   {"finztag", 4},     {"pfinztag", 4},   {"fintztag", 4},
    {"pfintztag", 4}, {"donderdag", 4}, {"torsdag", 4},     {"donredach", 4},  {"donersdag", 4},
    {"dunredag", 4},  {"pfinztag", 4},  {"pfinstag", 4},    {"dunerstag", 4},  {"donderdag", 4},
    {"donrstag", 4},  {"donrestag", 4}, {"donerstdag", 4},  {"freitag", 5},    {"fritag", 5},
    {"fridag", 5},    {"fridach", 5},   {"frigdag", 5},     {"friedag", 5},    {"freidag", 5},
    {"vridag", 5},    {"vrigdag", 5},   {"fredag", 5},      {"fregdag", 5},    {"fritach", 5},
    {"vrigdag", 5},   {"frigedag", 5},  {"samstag", 6},     {"sambstag", 6},   {"samtag", 6},
    {"sonabend", 6},  {"sonavend", 6},  {"sonavent", 6},    {"sonavind", 6},   {"sunavend", 6},
    {"lordag", 6},    {"sonabent", 6},  {"sunavent", 6},    {"saterdag", 6},   {"satersdag", 6},
    {"samztag", 6},   {"szonavend", 6}, {"sambztag", 6},    {"sampstag", 6},
};
constexpr std::string_view kWeekdayEndings[] = {"",  "s",   "es", "e", "en",
                                                "n", "ens", "ns", "a", "er"};

// Whole words, in Latin, French, English and Swedish (no endings).
const std::map<std::string, CClauseWordInfo>& Words() {
    static const std::map<std::string, CClauseWordInfo> words = [] {
        std::map<std::string, CClauseWordInfo> map;
        const auto add = [&map](std::initializer_list<const char*> list, K kind, int value = 0) {
            for (const char* word : list)
                map.emplace(Key(word), CClauseWordInfo{kind, value});
        };
        add({"dominica", "dominicam", "dominico", "dominice", "dom", "dimanche", "diemanche",
             "diemenche", "sunday"},
            K::Weekday, 0);
        add({"lune", "lunae", "lundi", "lundy", "monday"}, K::Weekday, 1);
        add({"martis", "mardi", "mardy", "tuesday"}, K::Weekday, 2);
        add({"mercurii", "mercredi", "mecredi", "mercredy", "wednesday"}, K::Weekday, 3);
        add({"jovis", "iovis", "jeudi", "jeudy", "thursday"}, K::Weekday, 4);
        add({"veneris", "vendredi", "vendredy", "venredi", "friday"}, K::Weekday, 5);
        add({"sabbato", "sabbati", "sabbatum", "sabato", "samedi", "samedy", "sabmedi", "saturday"},
            K::Weekday, 6);
        add({"feria", "feriam", "fer", "ferie", "feriis"}, K::Feria);
        add({"nach", "na", "nha", "nah", "noch", "nae", "post", "after", "apres", "efter",
             "sequenti", "sequente"},
            K::After);
        add({"vor", "vore", "vur", "voer", "ante", "before", "avant", "fore", "vorn", "fur", "fuer", "vuer", "devant",
             "devent", "davant", "vour", "vore"},
            K::Before);
        add({"negst",   "negest",    "negist",   "neest",     "neist",     "nest",     "neste",
             "nesten",  "negsten",   "neisten",  "neysten",   "nechsten",  "nachsten", "naechsten",
             "nehsten", "neghesten", "negesten", "negestem",  "neesten",   "neigsten", "proxima",
             "proxime", "proximo",   "proximam", "proximi",   "next",      "prochain", "prochaine",
             "nagsten", "nagst",     "naegsten", "nagesten",  "nagisten",  "nasten", "naesten",
             "nyst",    "nehest",    "nechst",   "immediate", "sunderlich"},
            K::Next);
        add({"ander", "andere", "anderen", "andern", "anderm", "andir"}, K::Other);
        add({"avend",   "avende",   "avendes", "avendt",   "abend",    "abende", "abendt", "abent",
             "abents",  "abends",   "awend",   "awende",   "awendes",  "obent",  "avond",  "aubent",
             "vigilia", "vigiliam", "vigilie", "vigiliis", "profesto", "vigila", "veille", "vigile",
             "eve",     "pridie",   "afton",   "aftonen",  "even",   "vigil",  "vigils", "veile"},
            K::Eve);
        add({"crastino", "crastinum", "crastina", "crastini", "lendemain", "morrow", "postridie"},
            K::Morrow);
        add({"perendie"}, K::TwoDays);
        add({"infra", "intra", "within", "binnen", "innerhalb", "durant"}, K::Within);
        add({"octava", "octavam", "octavas", "octavis", "octave", "octaves", "utas"}, K::Octave);
        add({"tag",      "tage",     "tages",      "tagk",    "dag",      "dage",  "dages",
             "dach",     "dagh",     "die",        "festo",   "festum",   "festi", "festivitate",
             "jour",     "jor",      "jur",        "fete",    "feste",    "feast", "day",
             "hochtid",  "hochtit",  "hochzeit",   "hochzit", "hochtide", "dagen", "fierdagen",
             "fierdage", "feiertag", "feiertagen", "dags",    "tags",
             "days",     "jours",    "dies",       "diebus",  "tagen",
             "fest",     "diem",     "hochtyd",    "hochtiet", "hochgezit", "hochtzeit", "hochzeyt"},
            K::DayWord);
        add({"orthodox", "orthodoxe", "orthodoxen", "eastern"}, K::Orthodox);
        add({"am",        "an",          "ann",      "in",      "im",     "ym",       "up",
             "op",        "uf",          "auf",      "auff",    "to",     "tho",      "zu",
             "ze",        "dem",         "den",      "der",     "des",    "de",       "du",
             "la",        "le",          "l",        "les",     "the",    "of",       "on",
             "a",         "au",          "aux",      "en",      "eu",     "ipso",     "ipsa",
             "ipsius",    "datum",       "actum",    "gegeben", "geben",  "gheven",   "gegheven",
             "gescreven", "geschrieben", "donne",    "fait",    "fu",     "ce",       "given",
             "dat",       "etc",         "et",       "und",     "unde",   "unt",      "u",
             "and",       "ok",          "ouch",     "qua",     "quo",    "cantatur", "canitur",
             "als",       "alse",        "men",      "man",     "synget", "singet",   "singt",
             "da",        "wan",         "wen",      "wanne",   "ou",     "chante",   "chantoit",
             "fuit",      "est",         "ist",      "war",     "was",    "so",       "zo",
             "i",         "pa",          "at",       "by",      "ad",     "dicto",    "dicta",
             "dictum",    "predicto",    "predicta", "anno",    "domini", "jare",     "jar",
             "mensis",    "mense",       "monats",   "monat",   "monatstag", "monnats",
             "monnatstag", "monathstag", "monaths",  "monath",  "monadts", "maendes",
             "maands",    "mois",        "month",    "mese",
             "il",        "li",          "alli",     "adi",     "addi",  "lo",       "del",
             "della",     "dello",       "di",       "al",      "dall",  "dalla",    "nel",
             "nella",     "van",         "int",      "jaer",    "jaers", "ons",      "heeren",
             "heren",     "desen",       "dezes",    "deses",   "ditto",  "dez",
             "ahm",       "ahn",         "dene",     "denne",
             "jahr",      "jahre",       "l",        "an",      "ans",    "year"},
            K::Filler);
        return map;
    }();
    return words;
}

struct CNamedOrdinal {
    const char* pszWord;
    std::int32_t nValue;
};

const CNamedOrdinal kOrdinals[] = {
    {"erste", 1},     {"ersten", 1},   {"eersten", 1},  {"irsten", 1},    {"first", 1},
    {"premier", 1},   {"premiere", 1}, {"prima", 1},    {"primo", 1},     {"primam", 1},
    {"second", 2},    {"secunda", 2},  {"secundo", 2},  {"secundam", 2},  {"deuxieme", 2},
    {"seconde", 2},   {"dritte", 3},   {"dritten", 3},  {"derden", 3},    {"drudden", 3},
    {"third", 3},     {"tertia", 3},   {"tercia", 3},   {"tertio", 3},    {"tertiam", 3},
    {"troisieme", 3}, {"tiers", 3},    {"tierz", 3},    {"tierce", 3},    {"tredje", 3},
    {"tredie", 3},    {"vierde", 4},   {"vierten", 4},  {"vierden", 4},   {"fourth", 4},
    {"quarta", 4},    {"quarto", 4},   {"quartam", 4},  {"quatrieme", 4}, {"fierde", 4},
    {"funfte", 5},    {"funften", 5},  {"vefte", 5},    {"veften", 5},    {"fifth", 5},
    {"quinta", 5},    {"quinto", 5},   {"quintam", 5},  {"cinquieme", 5}, {"femte", 5},
    {"sechste", 6},   {"sechsten", 6}, {"sesten", 6},   {"sixth", 6},     {"sexta", 6},
    {"sexto", 6},     {"sextam", 6},   {"sixieme", 6},  {"siebente", 7},  {"siebenden", 7},
    {"seventh", 7},   {"septima", 7},  {"septieme", 7}, {"achte", 8},     {"achten", 8},
    {"eighth", 8},    {"huitieme", 8}, {"neunte", 9},   {"neunten", 9},   {"ninth", 9},
    {"nona", 9},      {"zehnten", 10}, {"tenth", 10},   {"decima", 10},
};

std::int32_t DigitsValue(std::string_view word, std::size_t& used) {
    used = 0;
    std::int32_t value = 0;
    while (used < word.size() && used < 3 && word[used] >= '0' && word[used] <= '9')
        value = value * 10 + (word[used++] - '0');
    return value;
}

std::int32_t RomanValue(std::string_view word) {
    if (word.empty() || word.size() > 6 || word.find_first_not_of("ivxj") != std::string_view::npos)
        return 0;
    const auto value = [](char c) { return c == 'x' ? 10 : c == 'v' ? 5 : 1; };
    std::int32_t total = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int v = value(word[i]);
        total += (i + 1 < word.size() && v < value(word[i + 1])) ? -v : v;
    }
    return total;
}

// "3", "3a", "3e", "2nd", "III", "iij": small numbers that count days,
// Sundays and weekdays.
std::int32_t NumberedOrdinal(std::string_view word, bool marked) {
    std::size_t used = 0;
    const std::int32_t digits = DigitsValue(word, used);
    if (used > 0 && used <= 2) {
        static constexpr std::string_view kSuffixes[] = {
            "", "a", "e", "o", "us", "um", "st", "nd", "rd", "th", "er", "re", "eme", "ieme"};
        const std::string_view suffix = word.substr(used);
        if (std::find(std::begin(kSuffixes), std::end(kSuffixes), suffix) != std::end(kSuffixes))
            return digits >= 1 && digits <= 30 ? digits : 0;
        return 0;
    }
    // A lone "i" or "v" is a word of its own unless a mark follows.
    if (word.size() == 1 && !marked)
        return 0;
    const std::int32_t roman = RomanValue(word);
    return roman >= 1 && roman <= 30 ? roman : 0;
}

} // namespace

CClauseWordInfo ClassifyClauseWord(std::string_view folded, bool marked) {
    if (folded.empty())
        return {};
    if (const std::int32_t n = NumberedOrdinal(folded, marked); n != 0)
        return {K::Ordinal, n};
    const std::string key = Key(folded);
    // "p.", "n." stand for post and nach, "f." for feria; alone they are letters.
    if (marked && (key == "p" || key == "n"))
        return {K::After, 0};
    if (marked && key == "f")
        return {K::Feria, 0};
    // "a. t. Elisabeth": am Tage.
    if (marked && key == "t")
        return {K::DayWord, 0};
    if (!marked && (key == "p" || key == "f" || key == "n"))
        return {};
    static const std::map<std::string, std::int32_t> ordinals = [] {
        std::map<std::string, std::int32_t> map;
        for (const CNamedOrdinal& ordinal : kOrdinals)
            map.emplace(Key(ordinal.pszWord), ordinal.nValue);
        return map;
    }();
    if (const auto found = ordinals.find(key); found != ordinals.end())
        return {K::Ordinal, found->second};
    const auto& words = Words();
    if (const auto found = words.find(key); found != words.end())
        return found->second;
    static const std::vector<std::pair<std::string, std::int32_t>> stems = [] {
        std::vector<std::pair<std::string, std::int32_t>> keyed;
        for (const CStem& stem : kWeekdayStems) {
            const std::string key = Key(stem.pszStem);
            keyed.emplace_back(key, stem.nWeekday);
            // Low German writes "-dach" as often as "-dag".
            const std::size_t n = key.size();
            if (n > 3 && (key.compare(n - 3, 3, "dag") == 0 || key.compare(n - 3, 3, "tag") == 0))
                keyed.emplace_back(key.substr(0, n - 1) + "ch", stem.nWeekday);
        }
        return keyed;
    }();
    // "donnerst.", "mittw.", "sonnab.": a weekday cut short, when only one weekday fits.
    if (marked && key.size() >= 4) {
        int found = -1;
        for (const auto& [stem, weekday] : stems) {
            if (stem.size() > key.size() && stem.compare(0, key.size(), key) == 0)
                found = found < 0 || found == weekday ? weekday : 7;
        }
        if (found >= 0 && found < 7)
            return {K::Weekday, found};
    }
    // One letter off a weekday of six letters or more, with its ending:
    // "dinxsedages", "frydaghes" (never a name: those are matched apart).
    const auto nearWeekday = [&key]() -> int {
        for (const std::string_view ending : kWeekdayEndings) {
            if (key.size() < ending.size() + 6 ||
                key.compare(key.size() - ending.size(), ending.size(), ending) != 0)
                continue;
            const std::string_view body =
                std::string_view(key).substr(0, key.size() - ending.size());
            for (const auto& [stem, weekday] : stems) {
                if (stem.size() >= 6 && WithinOneEdit(body, stem))
                    return weekday;
            }
        }
        return -1;
    };
    for (const auto& [stem, weekday] : stems) {
        if (key.size() >= stem.size() && key.compare(0, stem.size(), stem) == 0) {
            const std::string_view ending = std::string_view(key).substr(stem.size());
            if (std::find(std::begin(kWeekdayEndings), std::end(kWeekdayEndings), ending) !=
                std::end(kWeekdayEndings))
                return {K::Weekday, weekday};
        }
    }
    if (const int weekday = nearWeekday(); weekday >= 0)
        return {K::Weekday, weekday};
    return {};
}

std::int32_t MonthOfClauseWord(std::string_view folded) {
    static const std::map<std::string, std::int32_t> months = [] {
        std::map<std::string, std::int32_t> map;
        const std::initializer_list<const char*> names[12] = {
            {"januarii", "ianuarii", "januar", "jenner", "janvier", "january", "januari"},
            {"februarii", "februar", "hornung", "fevrier", "february", "februari"},
            {"martii", "marcii", "marz", "merz", "maerz", "mars", "march"},
            {"aprilis", "april", "avril", "aprilis"},
            {"maii", "maji", "mai", "mey", "meyen", "may"},
            {"junii", "iunii", "juni", "junius", "juin", "june", "brachmonat"},
            {"julii", "iulii", "juli", "julius", "juillet", "july", "heumonat"},
            {"augusti", "august", "augst", "aout", "aoust", "augusti"},
            {"septembris", "september", "septembre"},
            {"octobris", "oktober", "october", "octobre"},
            {"novembris", "november", "novembre"},
            {"decembris", "dezember", "december", "decembre"},
        };
        for (std::int32_t m = 0; m < 12; ++m) {
            for (const char* name : names[m])
                map.emplace(Key(name), m + 1);
        }
        return map;
    }();
    const auto found = months.find(Key(folded));
    return found == months.end() ? 0 : found->second;
}

std::string ExpandAbbreviation(std::string_view folded) {
    static const std::map<std::string_view, std::string_view> kWords = {
        {"purif", "purificationis"},
        {"circumcis", "circumcisionis"},
        {"circ", "circumcisionis"},
        {"nativ", "nativitatis"},
        {"nat", "nativitatis"},
        {"pasch", "pasche"},
        {"epiph", "epiphanie"},
        {"epiphan", "epiphanie"},
        {"adv", "adventus"},
        {"advent", "adventus"},
        {"trin", "trinitatis"},
        {"trinit", "trinitatis"},
        {"pent", "pentecostes"},
        {"pentec", "pentecostes"},
        {"ascens", "ascensionis"},
        {"assumpt", "assumptionis"},
        {"annunc", "annunciationis"},
        {"annunt", "annuntiationis"},
        {"visit", "visitationis"},
        {"concept", "conceptionis"},
        {"bapt", "baptiste"},
        {"joh", "johannis"},
        {"johan", "johannis"},
        {"ap", "apostoli"},
        {"apost", "apostoli"},
        {"aplor", "apostolorum"},
        {"ev", "evangeliste"},
        {"evang", "evangeliste"},
        {"mich", "michaelis"},
        {"mart", "martini"},
        {"exalt", "exaltationis"},
        {"invent", "inventionis"},
        {"conv", "conversionis"},
        {"septuag", "septuagesima"},
        {"sexag", "sexagesima"},
        {"quinquag", "quinquagesima"},
        {"quasim", "quasimodogeniti"},
        {"miser", "misericordia"},
        {"jubil", "jubilate"},
        {"cant", "cantate"},
        {"palm", "palmarum"},
        {"reminisc", "reminiscere"},
        {"invoc", "invocavit"},
        {"heil", "heiligen"},
        {"hl", "heiligen"},
    };
    const auto found = kWords.find(folded);
    return std::string(found == kWords.end() ? folded : found->second);
}
