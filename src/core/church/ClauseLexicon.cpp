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
        add({"vor", "vore", "vur", "voer", "ante", "before", "avant", "fore", "vorn", "fur", "fuer",
             "vuer", "devant", "devent", "davant", "vour", "vore"},
            K::Before);
        add({"negst",     "negest",    "negist",   "neest",    "neist",    "nest",     "neste",
             "nesten",    "negsten",   "neisten",  "neysten",  "nechsten", "nachsten", "naechsten",
             "nehsten",   "neghesten", "negesten", "negestem", "neesten",  "neigsten", "proxima",
             "proxime",   "proximo",   "proximam", "proximi",  "next",     "prochain", "prochaine",
             "nagsten",   "nagst",     "naegsten", "nagesten", "nagisten", "naehsten", "nahsten",
             "nachgsten", "nasten",    "naesten",  "nyst",     "nehest",   "nechst",   "immediate",
             "sunderlich"},
            K::Next);
        add({"ander", "andere", "anderen", "andern", "anderm", "andir"}, K::Other);
        add({"avend",  "avende", "avendes", "avendt",   "abend",   "abende",   "abendt",
             "abent",  "abents", "abends",  "awend",    "awende",  "awendes",  "obent",
             "avond",  "aubent", "vigilia", "vigiliam", "vigilie", "vigiliis", "profesto",
             "vigila", "veille", "vigile",  "eve",      "pridie",  "afton",    "aftonen",
             "even",   "vigil",  "vigils",  "veile",    "viglia"},
            K::Eve);
        add({"crastino", "crastinum", "crastina", "crastini", "lendemain", "morrow", "postridie"},
            K::Morrow);
        add({"perendie"}, K::TwoDays);
        add({"infra", "intra", "within", "binnen", "innerhalb", "durant"}, K::Within);
        add({"octava", "octavam", "octavas", "octavis", "octave", "octaves", "utas", "octaua",
             "octauam", "octauas", "octauis"},
            K::Octave);
        add({"tag",        "tage",        "tages",     "tagk",      "dag",          "dage",
             "dages",      "dach",        "dagh",      "die",       "festo",        "festum",
             "festi",      "festivitate", "jour",      "jor",       "jur",          "fete",
             "feste",      "feast",       "day",       "hochtid",   "hochtit",      "hochzeit",
             "hochzit",    "hochtide",    "dagen",     "fierdagen", "fierdage",     "feiertag",
             "feiertagen", "dags",        "tags",      "days",      "jours",        "dies",
             "diebus",     "tagen",       "fest",      "diem",      "festivitatem", "festivitatis",
             "hochtyd",    "hochtiet",    "hochgezit", "hochtzeit", "hochzeyt"},
            K::DayWord);
        add({"orthodox", "orthodoxe", "orthodoxen", "eastern"}, K::Orthodox);
        add({"am",        "an",          "ann",     "in",         "im",         "ym",
             "up",        "op",          "uf",      "auf",        "auff",       "to",
             "tho",       "zu",          "ze",      "dem",        "den",        "der",
             "des",       "de",          "du",      "la",         "le",         "l",
             "les",       "the",         "of",      "on",         "a",          "au",
             "aux",       "en",          "eu",      "ipso",       "ipsa",       "ipsius",
             "datum",     "actum",       "gegeben", "geben",      "gheven",     "gegheven",
             "gescreven", "geschrieben", "donne",   "fait",       "fu",         "ce",
             "given",     "dat",         "etc",     "et",         "und",        "unde",
             "unt",       "u",           "and",     "ok",         "ouch",       "qua",
             "quo",       "cantatur",    "canitur", "als",        "alse",       "alz",
             "men",       "man",         "synget",  "singet",     "singt",      "da",
             "wan",       "wen",         "wanne",   "ou",         "chante",     "chantoit",
             "fuit",      "est",         "ist",     "war",        "was",        "so",
             "zo",        "i",           "pa",      "at",         "by",         "ad",
             "dicto",     "dicta",       "dictum",  "predicto",   "predicta",   "anno",
             "domini",    "jare",        "jar",     "mensis",     "mense",      "monats",
             "monat",     "monatstag",   "monnats", "monnatstag", "monathstag", "monaths",
             "monath",    "monadts",     "maendes", "maands",     "mois",       "month",
             "mese",      "il",          "li",      "alli",       "adi",        "addi",
             "lo",        "del",         "della",   "dello",      "di",         "al",
             "dall",      "dalla",       "nel",     "nella",      "van",        "int",
             "jaer",      "jaers",       "ons",     "heeren",     "heren",      "desen",
             "dezes",     "deses",       "ditto",   "dez",        "ahm",        "ahn",
             "dene",      "denne",       "anni",    "aufn",       "auffn",      "vasten",
             "vastenn",   "vassten",     "fasten",  "fastenn",    "jahr",       "jahre",
             "l",         "an",          "ans",     "year"},
            K::Filler);
        return map;
    }();
    return words;
}

struct CNamedOrdinal {
    const char* pszWord;
    std::int32_t nValue;
};

// Ordinals 1..31 as single words. Compounds ("vicesima prima", "vingt et
// unieme", "one and twentieth", "ein und dreissigsten") are several words and
// are joined by the readers that need them. "octava" stays an octave word.
// clang-format off
const CNamedOrdinal kOrdinals[] = {
    // German, Early New High German, Low German
    {"erste", 1}, {"ersten", 1}, {"irsten", 1}, {"zweite", 2}, {"zweiten", 2}, {"zwaiten", 2},
    {"dritte", 3}, {"dritten", 3}, {"drudden", 3}, {"vierde", 4}, {"vierten", 4}, {"vierden", 4},
    {"verden", 4}, {"fierde", 4}, {"funfte", 5}, {"funften", 5}, {"vefte", 5}, {"veften", 5},
    {"sechste", 6}, {"sechsten", 6}, {"sesten", 6}, {"siebente", 7}, {"siebenden", 7},
    {"siebenten", 7}, {"sibenden", 7}, {"sibenten", 7}, {"sevenden", 7}, {"achte", 8}, {"achten", 8},
    {"achteden", 8}, {"achtende", 8}, {"achtenden", 8}, {"neunte", 9}, {"neunten", 9}, {"neunden", 9}, {"zehnten", 10},
    {"zehenden", 10}, {"zehenten", 10}, {"zechenden", 10}, {"zechenten", 10}, {"teinden", 10}, {"elften", 11}, {"eilften", 11},
    {"zwelften", 12}, {"zwolften", 12}, {"twelften", 12},
    {"zwanzigsten", 20}, {"zwanzigisten", 20}, {"zwainzigisten", 20}, {"zwenzigsten", 20}, {"dreissigsten", 30}, {"dreissigst", 30},
    {"dreissigisten", 30},
    // Dutch
    {"eerste", 1}, {"eersten", 1}, {"tweede", 2}, {"tweeden", 2}, {"derde", 3}, {"derden", 3},
    {"vijfde", 5}, {"vijfden", 5}, {"vyfden", 5}, {"zesde", 6}, {"zesden", 6}, {"zevende", 7},
    {"zevenden", 7}, {"achtste", 8}, {"achtsten", 8}, {"negende", 9}, {"negenden", 9},
    {"tiende", 10}, {"tienden", 10}, {"elfde", 11}, {"elfden", 11}, {"twaalfde", 12},
    {"twaalfden", 12}, {"dertiende", 13}, {"dertienden", 13}, {"veertiende", 14},
    {"veertienden", 14}, {"vijftiende", 15}, {"vijftienden", 15}, {"zestiende", 16},
    {"zestienden", 16}, {"zeventiende", 17}, {"zeventienden", 17}, {"achttiende", 18},
    {"achttienden", 18}, {"negentiende", 19}, {"negentienden", 19}, {"twintigste", 20},
    {"twintigsten", 20}, {"dertigste", 30}, {"dertigsten", 30},
    // English
    {"first", 1}, {"second", 2}, {"third", 3}, {"fourth", 4}, {"fifth", 5}, {"sixth", 6},
    {"seventh", 7}, {"eighth", 8}, {"ninth", 9}, {"tenth", 10}, {"eleventh", 11}, {"twelfth", 12},
    {"thirteenth", 13}, {"fourteenth", 14}, {"fifteenth", 15}, {"sixteenth", 16},
    {"seventeenth", 17}, {"eighteenth", 18}, {"nineteenth", 19}, {"twentieth", 20},
    {"thirtieth", 30},
    // French and Middle French
    {"premier", 1}, {"premiere", 1}, {"unieme", 1}, {"uniesme", 1}, {"second", 2}, {"seconde", 2},
    {"deuxieme", 2}, {"deuxiesme", 2}, {"troisieme", 3}, {"troisiesme", 3}, {"tiers", 3},
    {"tierz", 3}, {"tierce", 3}, {"quatrieme", 4}, {"quatriesme", 4}, {"cinquieme", 5},
    {"cinquiesme", 5}, {"sixieme", 6}, {"sixiesme", 6}, {"septieme", 7}, {"septiesme", 7},
    {"huitieme", 8}, {"huictiesme", 8}, {"huitiesme", 8}, {"neuvieme", 9}, {"neufiesme", 9},
    {"neufviesme", 9}, {"dixieme", 10}, {"dixiesme", 10}, {"onzieme", 11}, {"onziesme", 11},
    {"unziesme", 11}, {"douzieme", 12}, {"douziesme", 12}, {"treizieme", 13}, {"treiziesme", 13},
    {"quatorzieme", 14}, {"quatorziesme", 14}, {"quinzieme", 15}, {"quinziesme", 15},
    {"seizieme", 16}, {"seiziesme", 16}, {"vingtieme", 20}, {"vingtiesme", 20}, {"trentieme", 30},
    {"trentiesme", 30},
    // Latin: the feminine after "die", the ablative, the accusative after "ante diem"
    {"prima", 1}, {"primo", 1}, {"primam", 1}, {"primum", 1}, {"secunda", 2}, {"secundo", 2},
    {"secundam", 2}, {"secundum", 2}, {"tertia", 3}, {"tercia", 3}, {"tertio", 3}, {"tercio", 3},
    {"tertiam", 3}, {"tertium", 3}, {"quarta", 4}, {"quarto", 4}, {"quartam", 4}, {"quartum", 4},
    {"quinta", 5}, {"quinto", 5}, {"quintam", 5}, {"quintum", 5}, {"sexta", 6}, {"sexto", 6},
    {"sextam", 6}, {"sextum", 6}, {"septima", 7}, {"septimo", 7}, {"septimum", 7}, {"nona", 9},
    {"nono", 9}, {"nonum", 9}, {"decima", 10}, {"decimo", 10}, {"decimum", 10}, {"undecima", 11},
    {"undecimo", 11}, {"undecimum", 11}, {"duodecima", 12}, {"duodecimo", 12}, {"duodecimum", 12},
    {"duodevicesima", 18}, {"duodevicesimo", 18}, {"duodevicesimum", 18}, {"undevicesima", 19},
    {"undevicesimo", 19}, {"undevicesimum", 19}, {"vicesima", 20}, {"vicesimo", 20},
    {"vigesima", 20}, {"vigesimo", 20}, {"tricesima", 30}, {"tricesimo", 30}, {"trigesima", 30},
    {"trigesimo", 30},
    // Italian
    {"secondo", 2}, {"terzo", 3}, {"sesto", 6}, {"settimo", 7}, {"ottavo", 8},
    {"undicesimo", 11}, {"dodicesimo", 12}, {"tredicesimo", 13}, {"quattordicesimo", 14},
    {"quindicesimo", 15}, {"sedicesimo", 16}, {"diciassettesimo", 17}, {"diciottesimo", 18},
    {"diciannovesimo", 19}, {"ventesimo", 20}, {"ventunesimo", 21}, {"ventiduesimo", 22},
    {"ventitreesimo", 23}, {"ventiquattresimo", 24}, {"venticinquesimo", 25},
    {"ventiseiesimo", 26}, {"ventisettesimo", 27}, {"ventottesimo", 28}, {"ventinovesimo", 29},
    {"trentesimo", 30}, {"trentunesimo", 31},
    // Swedish
    {"tredje", 3}, {"tredie", 3}, {"femte", 5},
};
// clang-format on

// The month words of every language, cases and abbreviations included.
// clang-format off
const CNamedOrdinal kMonths[] = {
    // Latin: genitive, nominative, accusative, ablative, the plural adjectives of
    // Roman dates ("kalendas apriles", "idibus martiis") and the usual abbreviations
    {"januarii", 1}, {"ianuarii", 1}, {"januarij", 1}, {"ianuarij", 1}, {"januarius", 1}, {"ianuarius", 1}, {"januarium", 1},
    {"januario", 1}, {"ianuario", 1}, {"januarias", 1}, {"ianuarias", 1}, {"januariis", 1},
    {"ianuariis", 1}, {"ian", 1}, {"jan", 1}, {"ianuar", 1},
    {"februarii", 2}, {"februarij", 2}, {"februarius", 2}, {"februarium", 2}, {"februario", 2}, {"februarias", 2},
    {"februariis", 2}, {"febr", 2}, {"feb", 2},
    {"martii", 3}, {"marcii", 3}, {"martij", 3}, {"marcij", 3}, {"martius", 3}, {"martium", 3}, {"martio", 3}, {"marcio", 3},
    {"martias", 3}, {"martiis", 3}, {"mart", 3}, {"mar", 3},
    {"aprilis", 4}, {"aprilem", 4}, {"aprili", 4}, {"apriles", 4}, {"aprilibus", 4}, {"apr", 4},
    {"aprl", 4},
    {"maii", 5}, {"maji", 5}, {"maij", 5}, {"madii", 5}, {"maius", 5}, {"maium", 5}, {"maio", 5}, {"majo", 5},
    {"madio", 5}, {"maias", 5}, {"maiis", 5},
    {"junii", 6}, {"iunii", 6}, {"junij", 6}, {"iunij", 6}, {"junius", 6}, {"iunius", 6}, {"junium", 6}, {"junio", 6},
    {"iunio", 6}, {"junias", 6}, {"iunias", 6}, {"juniis", 6}, {"iuniis", 6}, {"jun", 6},
    {"iun", 6},
    {"julii", 7}, {"iulii", 7}, {"julij", 7}, {"iulij", 7}, {"julius", 7}, {"iulius", 7}, {"julium", 7}, {"julio", 7},
    {"iulio", 7}, {"julias", 7}, {"iulias", 7}, {"juliis", 7}, {"iuliis", 7}, {"jul", 7},
    {"iul", 7},
    {"augusti", 8}, {"augustus", 8}, {"augustum", 8}, {"augusto", 8}, {"augustas", 8},
    {"augustis", 8}, {"aug", 8},
    {"septembris", 9}, {"septembrem", 9}, {"septembri", 9}, {"septembres", 9},
    {"septembribus", 9}, {"sept", 9}, {"sep", 9}, {"septemb", 9}, {"7bris", 9}, {"7ber", 9},
    {"7bre", 9},
    {"octobris", 10}, {"octobrem", 10}, {"octobri", 10}, {"octobres", 10}, {"octobribus", 10},
    {"oct", 10}, {"octob", 10}, {"8bris", 10}, {"8ber", 10}, {"8bre", 10},
    {"novembris", 11}, {"novembrem", 11}, {"novembri", 11}, {"novembres", 11},
    {"novembribus", 11}, {"nov", 11}, {"novemb", 11}, {"9bris", 11}, {"9ber", 11}, {"9bre", 11},
    {"decembris", 12}, {"decembrem", 12}, {"decembri", 12}, {"decembres", 12},
    {"decembribus", 12}, {"dec", 12}, {"decemb", 12}, {"10bris", 12}, {"xbris", 12},
    {"10ber", 12}, {"xber", 12}, {"10bre", 12}, {"xbre", 12},
    // German, Early New High German, Low German
    {"januar", 1}, {"jenner", 1}, {"jenners", 1}, {"janner", 1}, {"hornung", 2}, {"hornungs", 2},
    {"februar", 2}, {"marz", 3}, {"merz", 3}, {"mertz", 3}, {"mertzen", 3}, {"maerz", 3},
    {"lenzmonat", 3}, {"april", 4}, {"aprillen", 4}, {"ostermonat", 4}, {"mai", 5}, {"mey", 5},
    {"mayen", 5}, {"meyen", 5}, {"maien", 5}, {"meien", 5}, {"brachmonat", 6}, {"brachmonats", 6},
    {"juni", 6}, {"heumonat", 7}, {"heumonats", 7}, {"hewmonat", 7}, {"juli", 7},
    {"august", 8}, {"augst", 8}, {"augstmonat", 8}, {"augstmonats", 8}, {"herbstmonat", 9},
    {"herbstmonats", 9}, {"september", 9}, {"weinmonat", 10}, {"weinmonats", 10},
    {"oktober", 10}, {"wintermonat", 11}, {"wintermonats", 11}, {"november", 11},
    {"christmonat", 12}, {"christmonats", 12}, {"dezember", 12},
    // French and Middle French
    {"janvier", 1}, {"jenvier", 1}, {"genvier", 1}, {"janv", 1}, {"fevrier", 2}, {"febvrier", 2},
    {"feuvrier", 2}, {"fevr", 2}, {"mars", 3}, {"avril", 4}, {"apvril", 4}, {"auril", 4},
    {"may", 5}, {"juin", 6}, {"juing", 6}, {"juign", 6}, {"juillet", 7}, {"juilliet", 7},
    {"juil", 7}, {"aoust", 8}, {"aout", 8}, {"septembre", 9}, {"octobre", 10}, {"novembre", 11},
    {"decembre", 12},
    // English
    {"january", 1}, {"february", 2}, {"march", 3}, {"june", 6}, {"july", 7}, {"october", 10},
    {"december", 12},
    // Italian
    {"gennaio", 1}, {"genaro", 1}, {"gennaro", 1}, {"genn", 1}, {"febbraio", 2}, {"febraro", 2},
    {"febb", 2}, {"marzo", 3}, {"aprile", 4}, {"maggio", 5}, {"magg", 5}, {"giugno", 6},
    {"zugno", 6}, {"luglio", 7}, {"agosto", 8}, {"settembre", 9}, {"sett", 9}, {"ottobre", 10},
    {"ott", 10}, {"dicembre", 12}, {"dic", 12},
    // Dutch
    {"januari", 1}, {"februari", 2}, {"maart", 3}, {"maert", 3}, {"mrt", 3}, {"mei", 5},
    {"meye", 5}, {"augustus", 8}, {"okt", 10},
};
// clang-format on

template <std::size_t N>
std::map<std::string, std::int32_t> KeyedTable(const CNamedOrdinal (&rows)[N]) {
    std::map<std::string, std::int32_t> map;
    for (const CNamedOrdinal& row : rows)
        map.emplace(Key(row.pszWord), row.nValue);
    return map;
}

std::int32_t DigitsValue(std::string_view word, std::size_t& used) {
    used = 0;
    std::int32_t value = 0;
    while (used < word.size() && used < 3 && word[used] >= '0' && word[used] <= '9')
        value = value * 10 + (word[used++] - '0');
    return value;
}

std::int32_t RomanValue(std::string_view word) {
    // "xxviiij": a day of the month is seven letters at the most.
    if (word.empty() || word.size() > 7 || word.find_first_not_of("ivxj") != std::string_view::npos)
        return 0;
    const auto value = [](char c) { return c == 'x' ? 10 : c == 'v' ? 5 : 1; };
    std::int32_t total = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int v = value(word[i]);
        total += (i + 1 < word.size() && v < value(word[i + 1])) ? -v : v;
    }
    return total;
}

// German ordinals of 13 to 19 as scribes build them: a unit, "zehen" in any
// spelling, an ordinal ending ("dreizehnten", "vierzehenten",
// "funffzechenden", "sibenzehende").
std::int32_t GermanTeenOrdinal(const std::string& key) {
    static const std::map<std::string, std::int32_t> teens = [] {
        static constexpr std::pair<std::string_view, std::int32_t> kUnits[] = {
            {"drei", 3},  {"drey", 3}, {"drai", 3},  {"vier", 4},   {"fier", 4},  {"funf", 5},
            {"fumf", 5},  {"sech", 6}, {"sechs", 6}, {"sieben", 7}, {"siben", 7}, {"sieb", 7},
            {"suben", 7}, {"acht", 8}, {"neun", 9},  {"nein", 9}};
        static constexpr std::string_view kTens[] = {"zehen", "zehn", "zechen", "zechn"};
        static constexpr std::string_view kEndings[] = {"ten", "den", "te",  "de",  "tem",
                                                        "dem", "ter", "der", "tes", "des"};
        std::map<std::string, std::int32_t> built;
        for (const auto& [unit, value] : kUnits) {
            for (const std::string_view ten : kTens) {
                for (const std::string_view ending : kEndings)
                    built.emplace(Key(std::string(unit) + std::string(ten) + std::string(ending)),
                                  value + 10);
            }
        }
        return built;
    }();
    const auto found = teens.find(key);
    return found != teens.end() ? found->second : 0;
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
            return digits >= 1 && digits <= 31 ? digits : 0;
        return 0;
    }
    // A lone "i" or "v" is a word of its own unless a mark follows.
    if (word.size() == 1 && !marked)
        return 0;
    const std::int32_t roman = RomanValue(word);
    return roman >= 1 && roman <= 31 ? roman : 0;
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
    static const std::map<std::string, std::int32_t> ordinals = KeyedTable(kOrdinals);
    if (const auto found = ordinals.find(key); found != ordinals.end())
        return {K::Ordinal, found->second};
    if (const std::int32_t teen = GermanTeenOrdinal(key))
        return {K::Ordinal, teen};
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
    static const std::map<std::string, std::int32_t> months = KeyedTable(kMonths);
    auto found = months.find(Key(folded));
    if (found == months.end()) {
        // A scribe's u for v before a vowel: "nouembris", "nouember".
        std::string v(folded);
        for (std::size_t i = 0; i + 1 < v.size(); ++i) {
            const char next = v[i + 1];
            if (v[i] == 'u' && (next == 'a' || next == 'e' || next == 'i' || next == 'o'))
                v[i] = 'v';
        }
        found = months.find(Key(v));
    }
    return found == months.end() ? 0 : found->second;
}

std::vector<CClauseTableRow> ClauseMonthRows() {
    std::vector<CClauseTableRow> rows;
    for (const CNamedOrdinal& row : kMonths)
        rows.push_back({row.pszWord, row.nValue});
    return rows;
}

std::vector<CClauseTableRow> ClauseWeekdayRows() {
    std::vector<CClauseTableRow> rows;
    for (const CStem& row : kWeekdayStems)
        rows.push_back({row.pszStem, row.nWeekday});
    return rows;
}

std::vector<CClauseTableRow> ClauseOrdinalRows() {
    std::vector<CClauseTableRow> rows;
    for (const CNamedOrdinal& row : kOrdinals)
        rows.push_back({row.pszWord, row.nValue});
    return rows;
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
