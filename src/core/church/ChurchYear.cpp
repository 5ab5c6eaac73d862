#include "ChurchYear.h"

#include "calendar/Computus.h"
#include "text/Cp1252.h"
#include "text/Ordinal.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace {

using K = EChurchFeastKind;

// Movable feasts by their distance from Easter; the Sundays of Advent;
// then the fixed feasts in calendar order. Other names are the English,
// French and Latin forms a charter or a finding aid uses.
const std::vector<CChurchFeast> kFeasts = {
    {K::Movable, -63, 0, 0, "Septuagesima", "Septuagesima Sunday", "Septuag\xE9sime",
     "dominica in septuagesima|septuagesime"},
    {K::Movable, -56, 0, 0, "Sexagesima", "Sexagesima Sunday", "Sexag\xE9sime",
     "dominica in sexagesima|sexagesime"},
    {K::Movable, -49, 0, 0, "Estomihi", "Quinquagesima Sunday", "Quinquag\xE9sime",
     "quinquagesima|esto mihi|dominica in quinquagesima|shrove sunday|quinquagesime"},
    {K::Movable, -47, 0, 0, "Feria tertia ante Cineres", "Shrove Tuesday", "Mardi gras",
     "carnival|carnisprivium|mardi gras|shrovetide"},
    {K::Movable, -46, 0, 0, "Dies Cinerum", "Ash Wednesday", "Mercredi des Cendres",
     "cineres|cinerum|caput ieiunii|feria quarta cinerum|mercredi des cendres|cendres"},
    {K::Movable, -42, 0, 0, "Invocavit", "First Sunday in Lent", "Premier dimanche de Car\xEAme",
     "quadragesima|invocabit|dominica invocavit|brandons|dimanche des brandons|"
     "1st sunday in lent|first sunday of lent|premier dimanche de careme"},
    {K::Movable, -35, 0, 0, "Reminiscere", "Second Sunday in Lent",
     "Deuxi\xE8me dimanche de Car\xEAme",
     "2nd sunday in lent|second sunday of lent|deuxieme dimanche de careme"},
    {K::Movable, -28, 0, 0, "Oculi", "Third Sunday in Lent", "Troisi\xE8me dimanche de Car\xEAme",
     "3rd sunday in lent|third sunday of lent|troisieme dimanche de careme"},
    {K::Movable, -21, 0, 0, "Laetare", "Fourth Sunday in Lent",
     "Quatri\xE8me dimanche de Car\xEAme",
     "letare|mid lent sunday|mothering sunday|4th sunday in lent|fourth sunday of lent|"
     "quatrieme dimanche de careme|mi careme|dimanche de la mi careme"},
    {K::Movable, -14, 0, 0, "Judica", "Passion Sunday", "Dimanche de la Passion",
     "iudica|fifth sunday in lent|dimanche de la passion|passion"},
    {K::Movable, -7, 0, 0, "Palmarum", "Palm Sunday", "Rameaux",
     "dominica palmarum|dominica in palmis|palmsunday|dimanche des rameaux|rameaux|pasques "
     "fleuries|"
     "paques fleuries"},
    {K::Movable, -3, 0, 0, "Cena Domini", "Maundy Thursday", "Jeudi saint",
     "coena domini|feria quinta in cena domini|holy thursday|jeudi saint"},
    {K::Movable, -2, 0, 0, "Parasceve", "Good Friday", "Vendredi saint",
     "feria sexta in parasceve|vendredi saint"},
    {K::Movable, 0, 0, 0, "Pascha", "Easter Sunday", "P\xE2ques",
     "easter|easter day|dominica resurrectionis|pasche|paques|pasques|dimanche de paques"},
    {K::Movable, 1, 0, 0, "Feria secunda Paschae", "Easter Monday", "Lundi de P\xE2ques",
     "easter monday|lundi de paques"},
    {K::Movable, 7, 0, 0, "Quasimodogeniti", "Low Sunday", "Quasimodo",
     "quasimodo|dominica in albis|first sunday after easter|1st sunday after easter"},
    {K::Movable, 14, 0, 0, "Misericordia Domini", "Second Sunday after Easter",
     "Deuxi\xE8me dimanche apr\xE8s P\xE2ques", "misericordias domini|misericordia|misericordias"},
    {K::Movable, 21, 0, 0, "Jubilate", "Third Sunday after Easter",
     "Troisi\xE8me dimanche apr\xE8s P\xE2ques", "iubilate"},
    {K::Movable, 28, 0, 0, "Cantate", "Fourth Sunday after Easter",
     "Quatri\xE8me dimanche apr\xE8s P\xE2ques", ""},
    {K::Movable, 35, 0, 0, "Rogate", "Rogation Sunday", "Cinqui\xE8me dimanche apr\xE8s P\xE2ques",
     "vocem iucunditatis|vocem jucunditatis|dimanche des rogations"},
    {K::Movable, 39, 0, 0, "Ascensio Domini", "Ascension Day", "Ascension",
     "ascension|ascensio|feast of the ascension|ascensionis domini|ascensionis"},
    {K::Movable, 42, 0, 0, "Exaudi", "Sunday after Ascension", "Dimanche apr\xE8s l'Ascension", ""},
    {K::Movable, 49, 0, 0, "Pentecoste", "Whitsunday", "Pentec\xF4te",
     "pentecost|pentecosten|pentecostes|whit sunday|whitsun|pentecote"},
    {K::Movable, 50, 0, 0, "Feria secunda Pentecostes", "Whit Monday", "Lundi de Pentec\xF4te",
     "whitmonday|lundi de pentecote"},
    {K::Movable, 56, 0, 0, "Trinitas", "Trinity Sunday", "Trinit\xE9",
     "trinity|trinitatis|sancta trinitas|dominica trinitatis|trinite|sainte trinite"},
    {K::Movable, 60, 0, 0, "Corpus Christi", "Corpus Christi", "F\xEAte-Dieu",
     "festum corporis christi|corporis christi|fete dieu|saint sacrement"},
    {K::Advent, 1, 0, 0, "Dominica prima Adventus", "First Sunday of Advent",
     "Premier dimanche de l'Avent",
     "advent sunday|ad te levavi|1st sunday of advent|first sunday in advent"},
    {K::Advent, 2, 0, 0, "Dominica secunda Adventus", "Second Sunday of Advent",
     "Deuxi\xE8me dimanche de l'Avent",
     "populus sion|2nd sunday of advent|second sunday in advent"},
    {K::Advent, 3, 0, 0, "Dominica tertia Adventus", "Third Sunday of Advent",
     "Troisi\xE8me dimanche de l'Avent", "gaudete|3rd sunday of advent|third sunday in advent"},
    {K::Advent, 4, 0, 0, "Dominica quarta Adventus", "Fourth Sunday of Advent",
     "Quatri\xE8me dimanche de l'Avent", "rorate|4th sunday of advent|fourth sunday in advent"},
    {K::Fixed, 0, 1, 1, "Circumcisio Domini", "Circumcision", "Circoncision",
     "circumcisio|new year s day|jour de l an|circoncision|circumcisionis domini|circumcisionis"},
    {K::Fixed, 0, 6, 1, "Epiphania Domini", "Epiphany", "\xC9piphanie",
     "epiphania|epiphaniam|epiphanie|twelfth day|three kings|trium regum|jour des rois|les rois|"
     "epiphaniae domini|epiphaniae"},
    {K::Fixed, 0, 25, 1, "Conversio Pauli", "Conversion of St Paul", "Conversion de saint Paul",
     "conversio sancti pauli|conversion pauli|conversion paul|conversionis pauli"},
    {K::Fixed, 0, 2, 2, "Purificatio Mariae", "Candlemas", "Chandeleur",
     "purification|purification of mary|purificatio beatae mariae virginis|purification notre dame|"
     "chandeleur|candlemas day|purificationis mariae|purificationis mariae "
     "virginis|purificationis"},
    {K::Fixed, 0, 22, 2, "Cathedra Petri", "Chair of St Peter", "Chaire de saint Pierre",
     "chair of peter|chaire pierre|cathedra sancti petri|cathedrae petri"},
    {K::Fixed, 0, 24, 2, "Matthiae apostoli", "St Matthias", "Saint Matthias",
     "matthias|matthie|mathias|matthiae"},
    {K::Fixed, 0, 25, 3, "Annuntiatio Mariae", "Annunciation", "Annonciation",
     "annunciation|lady day|annuntiatio|annunciatio|annonciation|notre dame de mars|"
     "annuntiationis mariae|annuntiationis mariae virginis|annuntiationis|annunciationis"},
    {K::Fixed, 0, 23, 4, "Georgii", "St George", "Saint Georges", "george|georges|georgius"},
    {K::Fixed, 0, 25, 4, "Marci evangelistae", "St Mark", "Saint Marc", "mark|marc|marci|marcus"},
    {K::Fixed, 0, 1, 5, "Philippi et Jacobi", "Sts Philip and James", "Saints Philippe et Jacques",
     "philip and james|philippe et jacques|philippi iacobi|may day|walpurgis"},
    {K::Fixed, 0, 3, 5, "Inventio Crucis", "Finding of the Holy Cross",
     "Invention de la sainte Croix",
     "invention of the cross|inventio sanctae crucis|invention croix|holy rood day in may|"
     "inventionis crucis|inventionis sanctae crucis"},
    {K::Fixed, 0, 24, 6, "Nativitas Johannis Baptistae", "St John the Baptist",
     "Saint Jean-Baptiste",
     "john the baptist|nativity of st john the baptist|midsummer|midsummer day|johannis baptistae|"
     "iohannis baptistae|jean baptiste|saint jean|nativite saint jean baptiste|baptiste|"
     "nativitatis iohannis baptistae"},
    {K::Fixed, 0, 29, 6, "Petri et Pauli", "Sts Peter and Paul", "Saints Pierre et Paul",
     "peter and paul|pierre et paul|apostolorum petri et pauli|petri pauli|sanctorum petri et "
     "pauli|"
     "apostolorum petri pauli"},
    {K::Fixed, 0, 2, 7, "Visitatio Mariae", "Visitation", "Visitation",
     "visitation of mary|visitatio|visitation notre dame|visitationis mariae|visitationis"},
    {K::Fixed, 0, 22, 7, "Mariae Magdalenae", "St Mary Magdalene", "Sainte Marie-Madeleine",
     "mary magdalene|magdalene|madeleine|marie madeleine|magdalenae|maria magdalena"},
    {K::Fixed, 0, 25, 7, "Jacobi apostoli", "St James", "Saint Jacques",
     "james|james the great|jacques|jacques le majeur|iacobi|jacobi|christopher"},
    {K::Fixed, 0, 1, 8, "Petri ad Vincula", "Lammas", "Saint Pierre-aux-Liens",
     "lammas day|peter in chains|petrus ad vincula|pierre aux liens|ad vincula"},
    {K::Fixed, 0, 10, 8, "Laurentii", "St Lawrence", "Saint Laurent",
     "lawrence|laurence|laurent|laurentius"},
    {K::Fixed, 0, 15, 8, "Assumptio Mariae", "Assumption", "Assomption",
     "assumption of mary|assumptio|assumption of our lady|assomption notre dame|notre dame d aout|"
     "mi aout|assumptionis mariae|assumptionis mariae virginis|assumptionis"},
    {K::Fixed, 0, 24, 8, "Bartholomaei", "St Bartholomew", "Saint Barth\xE9lemy",
     "bartholomew|barthelemy|bartholomei|bartholomaeus"},
    {K::Fixed, 0, 8, 9, "Nativitas Mariae", "Nativity of Mary", "Nativit\xE9 de Notre-Dame",
     "nativity of our lady|nativity of the virgin|nativitas beatae mariae|nativite notre dame|"
     "notre dame de septembre|nativitatis mariae|nativitatis mariae virginis"},
    {K::Fixed, 0, 14, 9, "Exaltatio Crucis", "Holy Cross Day", "Exaltation de la sainte Croix",
     "exaltation of the cross|holy rood day|exaltatio sanctae crucis|exaltation croix|sainte croix|"
     "exaltationis crucis|exaltationis sanctae crucis"},
    {K::Fixed, 0, 21, 9, "Matthaei", "St Matthew", "Saint Matthieu",
     "matthew|matthieu|matthei|mathei|matthaeus"},
    {K::Fixed, 0, 29, 9, "Michaelis", "St Michael", "Saint Michel",
     "michael|michaelmas|michaelmas day|michel|michaelis archangeli|michael archangel"},
    {K::Fixed, 0, 18, 10, "Lucae evangelistae", "St Luke", "Saint Luc", "luke|luc|luce|lucas"},
    {K::Fixed, 0, 28, 10, "Simonis et Judae", "Sts Simon and Jude", "Saints Simon et Jude",
     "simon and jude|simon et jude|simonis iude|simon jude"},
    {K::Fixed, 0, 1, 11, "Omnium Sanctorum", "All Saints", "Toussaint",
     "all saints day|all hallows|hallowmas|omnium sanctorum|toussaint|festum omnium sanctorum"},
    {K::Fixed, 0, 2, 11, "Commemoratio Animarum", "All Souls", "Jour des morts",
     "all souls day|omnium animarum|commemoratio omnium fidelium defunctorum|jour des morts|"
     "fete des morts|trepasses|commemorationis animarum|commemorationis omnium fidelium "
     "defunctorum"},
    {K::Fixed, 0, 11, 11, "Martini", "St Martin", "Saint Martin",
     "martin|martinmas|martini episcopi|martinus"},
    {K::Fixed, 0, 25, 11, "Catharinae", "St Catherine", "Sainte Catherine",
     "catherine|katherine|catharina|katharinae|catherinae"},
    {K::Fixed, 0, 30, 11, "Andreae apostoli", "St Andrew", "Saint Andr\xE9",
     "andrew|andre|andree|andreas|andreae"},
    {K::Fixed, 0, 6, 12, "Nicolai", "St Nicholas", "Saint Nicolas",
     "nicholas|nicolas|nicolaus|nicolai episcopi"},
    {K::Fixed, 0, 8, 12, "Conceptio Mariae", "Conception of Mary", "Conception de Notre-Dame",
     "conception|conception of our lady|conceptio beatae mariae|immaculate conception|"
     "conception notre dame|immaculee conception|conceptionis mariae|conceptionis mariae virginis"},
    {K::Fixed, 0, 21, 12, "Thomae apostoli", "St Thomas the Apostle", "Saint Thomas, ap\xF4tre",
     "thomas|thomas apostle|thomas the apostle|thome|thomae|thomas apotre"},
    {K::Fixed, 0, 25, 12, "Nativitas Domini", "Christmas", "No\xEBl",
     "christmas day|nativity|nativitas|natale domini|nativity of our lord|noel|nativite|"
     "nativitatis domini|natalis domini|nativitatis"},
    {K::Fixed, 0, 26, 12, "Stephani", "St Stephen", "Saint \xC9tienne",
     "stephen|etienne|stephanus|stephani protomartyris"},
    {K::Fixed, 0, 27, 12, "Johannis evangelistae", "St John the Evangelist",
     "Saint Jean l'\xC9vang\xE9liste",
     "john the evangelist|john evangelist|iohannis evangelistae|jean evangeliste|jean l "
     "evangeliste"},
    {K::Fixed, 0, 28, 12, "Innocentium", "Holy Innocents", "Saints Innocents",
     "innocents|childermas|sanctorum innocentium|innocentes|saints innocents"},
};

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
    return kFeasts;
}

CJulianDay ChurchFeastDay(const CChurchFeast& feast, std::int32_t year, bool gregorian) {
    if (year < 1 || year > 2999)
        return CJulianDay();
    switch (feast.eKind) {
    case K::Movable:
        return Shifted(EasterSunday(year, gregorian), feast.nOffset);
    case K::Advent:
        return AdventSunday(feast.nOffset, year, gregorian);
    case K::Fixed:
        return SupportedDay(DayOfDate(feast.nDay, feast.nMonth, year, gregorian));
    }
    return CJulianDay();
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
    return french ? feast.pszFrench : feast.pszEnglish;
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
    for (const CChurchFeast& feast : kFeasts) {
        const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
        if (inYear(day))
            days.push_back({feast.pszLatin, ChurchFeastName(feast, french), day});
    }
    // The numbered Sundays between the named ones.
    const CJulianDay septuagesima = ChurchFeastDay(kFeasts.front(), year, gregorian);
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
    static const std::map<std::string, const CChurchFeast*, std::less<>> names = [] {
        std::map<std::string, const CChurchFeast*, std::less<>> map;
        for (const CChurchFeast& feast : kFeasts) {
            std::string all = std::string(feast.pszLatin) + "|" + feast.pszEnglish + "|" +
                              feast.pszFrench + "|" + feast.pszOther;
            std::size_t start = 0;
            while (start <= all.size()) {
                const std::size_t end = std::min(all.find('|', start), all.size());
                const std::string name = FoldFeastName(all.substr(start, end - start));
                // The first feast to claim a name keeps it.
                if (!name.empty())
                    map.emplace(name, &feast);
                start = end + 1;
            }
        }
        return map;
    }();
    const auto found = names.find(folded);
    return found == names.end() ? nullptr : found->second;
}
