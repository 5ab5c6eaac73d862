#include "StringTable.h"

#include "Cp1252.h"

#include <atomic>
#include <unordered_map>

namespace {

std::atomic<ETextLanguage> g_language{ETextLanguage::English};

const std::unordered_map<int, std::string>& EnglishTable() {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> t;
        const auto range = [&t](int first, std::initializer_list<const char*> texts) {
            int id = first;
            for (const char* text : texts)
                t.emplace(id++, text);
        };
        range(IDS_MONTH_FIRST, {"January", "February", "March", "April", "May", "June", "July",
                                "August", "September", "October", "November", "December"});
        range(IDS_WEEKDAY_FIRST,
              {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"});
        range(IDS_REP_DAYNAME_FIRST,
              {"Primidi", "Duodi", "Tridi", "Quartidi", "Quintidi", "Sextidi", "Septidi", "Octidi",
               "Nonidi", "Decadi", "Jour de la Vertu", "Jour du Genie", "Jour du Travail",
               "Jour de l'Opinion", "Jour des Recompenses", "Jour de la Revolution"});
        range(IDS_REP_MONTH_FIRST,
              {"Vendemiaire", "Brumaire", "Frimaire", "Nivose", "Pluviose", "Ventose", "Germinal",
               "Floreal", "Prairial", "Messidor", "Thermidor", "Fructidor", "Sans-Culottides"});
        range(IDS_JEWISH_MONTH_FIRST,
              {"Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar I", "Adar II", "Nisan",
               "Iyar", "Sivan", "Tammuz", "Av", "Elul"});
        range(IDS_MUSLIM_MONTH_FIRST, {"Muharram", "Safar", "Rabi Al-Awwal", "Rabi Al-Thani",
                                       "Jumad Al-Ula", "Jumad Al-Thani", "Rajab", "Sha'ban",
                                       "Ramadhan", "Shawwal", "Zul-Qida", "Zul-Hijja"});
        range(IDS_ROMAN_KIND_FIRST, {"Kalends", "Nones", "Ides"});
        range(IDS_INDICTION_FIRST, {"Roman", "Greek", "Bedan"});
        range(IDS_COUNTRY_FIRST,
              {"Vatican", "Germany",     "England", "Austria",       "Belgium",   "Bulgaria",
               "China",   "Denmark",     "Spain",   "Finland",       "France",    "Greece",
               "Hungary", "Ireland",     "Iceland", "Italy",         "Japan",     "Luxemburg",
               "Norway",  "Netherlands", "Poland",  "Portugal",      "Romania",   "Russia",
               "Sweden",  "Switzerland", "Turkey",  "United-States", "Yugoslavia"});
        t.emplace(12100, "The date can not be before october, 15th 1582.");
        t.emplace(1044, "Gregorian calendar");
        t.emplace(1045, "Julian calendar");
        t.emplace(IDS_ILLEGAL_DATE, "Illegal date");
        t.emplace(IDS_APP_TITLE, "Quindor");
        range(IDS_QUOTED,
              {"'%1'", " (no such day in the month)", " (the count runs past the month)",
               "the text says %1; %2 is a %3",
               "the text says %1; %2 is a %3, and the %1 after %4 is %5",
               "the text says %1; the day is %2", "%1 agrees",
               "the text also names %1, which does not fall on that day",
               "indiction %1 agrees (%2)",
               "indiction %1 is that of %2 in the Roman style, not of %3", "%1 runs from %2 to %3",
               "a double year (%1) runs only from 1 January to 24 March", "unread: %1",
               "%1 read as %2", "the day falls in %1, not in %2",
               "the text says %1, another calendar",
               "a leap year: counted without the doubled day, it is %1", "a week, not a day"});
        range(IDS_NO_YEAR_GIVE_ONE,
              {"%1: the text gives no year from 1 to 2999 (give one with --year)",
               "%1: neither the text nor the row gives a year from 1 to 2999",
               "%1: cannot read %2",
               "%1: no feast or saint is named %2",
               "; nearest in the traditional list of saints (names in French): %1",
               "%1: %2 names saints on different days: %3",
               "%1: that day fell in the days the reform skipped",
               "%1: the day lies outside 4713 BC to AD 2999",
               "%1 is %2 by the Julian computus",
               "%1 is %2 by the Gregorian computus",
               "%1 is %2 in the Julian calendar",
               "%1 is %2 in the Gregorian calendar",
               ", so %1",
               " (in the usage of %1)",
               "%1 in the Julian calendar",
               "%1 in the Gregorian calendar",
               " (the year %1 assumed: the text states none)",
               "\"%1\"",
               "%1: %2",
               "the row holds no clause",
               "%1: too long to be a dating clause (%2 bytes)",
               "%1: the text gives no year, and the row's year %2 is not one from 1 to 2999",
               "the row has %1 fields, the header %2",
               ",",
               "%1 row: %2 sure, %3 doubtful, %4 several days, %5 refused",
               "%1 rows: %2 sure, %3 doubtful, %4 several days, %5 refused"});
        range(IDS_SUNDAY_AFTER_CIRCUMCISION,
              {"Sunday after the Circumcision", "Sunday in the octave of Christmas",
               "%1 Sunday after Epiphany", "%1 Sunday after Pentecost, %2 after Trinity",
               "%1 omitted", "regnal year", "pontifical year", "epact", "not checked: %1",
               "Gregorian", "Julian", "Republican", "Jewish", "Muslim"});
        range(IDS_CANNOT_OPEN,
              {"Cannot open %1", "Cannot read %1", "Cannot write %1",
               "%1 is empty: it is not a GEDCOM file",
               "%1 is not a GEDCOM file: line %2 is not 0 HEAD", "%1: line %2 is longer than 1 MiB",
               "%1: the UTF-16 text ends in half a character", "Anniversary of %1 (%2)",
               "Gregorian calendar", "Julian calendar", "Republican calendar", "Jewish calendar",
               "Muslim calendar"});
        return t;
    }();
    return table;
}

// Windows-1252 bytes, as the rest of the core. French writes month and
// weekday names in lower case.
const std::unordered_map<int, std::string>& FrenchTable() {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> t = EnglishTable();
        const auto range = [&t](int first, std::initializer_list<const char*> texts) {
            int id = first;
            for (const char* text : texts)
                t[id++] = text;
        };
        range(IDS_MONTH_FIRST, {"janvier", "f\xE9vrier", "mars", "avril", "mai", "juin", "juillet",
                                "ao\xFBt", "septembre", "octobre", "novembre",
                                "d\xE9"
                                "cembre"});
        range(IDS_WEEKDAY_FIRST,
              {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"});
        // The Republican names with their accents; the paste reads them
        // with or without.
        t[IDS_REP_DAYNAME_FIRST + 9] = "D\xE9"
                                       "cadi";
        range(IDS_REP_DAYNAME_FIRST + 10,
              {"Jour de la Vertu", "Jour du G\xE9nie", "Jour du Travail", "Jour de l'Opinion",
               "Jour des R\xE9"
               "compenses",
               "Jour de la R\xE9volution"});
        range(IDS_REP_MONTH_FIRST,
              {"Vend\xE9miaire", "Brumaire", "Frimaire", "Niv\xF4se", "Pluvi\xF4se", "Vent\xF4se",
               "Germinal",
               "Flor\xE9"
               "al",
               "Prairial", "Messidor", "Thermidor", "Fructidor", "Sans-Culottides"});
        range(IDS_JEWISH_MONTH_FIRST,
              {"Tichri", "Hechvan", "Kislev", "Tevet", "Chevat", "Adar I", "Adar II", "Nissan",
               "Iyar", "Sivan", "Tamouz", "Av", "Eloul"});
        range(IDS_MUSLIM_MONTH_FIRST, {"Moharram", "Safar", "Rabia al-awal", "Rabia ath-thani",
                                       "Joumada al-oula", "Joumada ath-thania", "Rajab", "Chaabane",
                                       "Ramadan", "Chawwal", "Dhou al-qi'da", "Dhou al-hijja"});
        // The kinds as the Roman-style row lists them; a written date puts
        // them in lower case ("3e jour avant les nones de juin").
        range(IDS_ROMAN_KIND_FIRST, {"Calendes", "Nones", "Ides"});
        // As a copied date names them: "indiction 4 (grecque)".
        range(IDS_INDICTION_FIRST, {"romaine", "grecque",
                                    "de B\xE8"
                                    "de"});
        range(IDS_COUNTRY_FIRST, {"Vatican",
                                  "Allemagne",
                                  "Angleterre",
                                  "Autriche",
                                  "Belgique",
                                  "Bulgarie",
                                  "Chine",
                                  "Danemark",
                                  "Espagne",
                                  "Finlande",
                                  "France",
                                  "Gr\xE8"
                                  "ce",
                                  "Hongrie",
                                  "Irlande",
                                  "Islande",
                                  "Italie",
                                  "Japon",
                                  "Luxembourg",
                                  "Norv\xE8ge",
                                  "Pays-Bas",
                                  "Pologne",
                                  "Portugal",
                                  "Roumanie",
                                  "Russie",
                                  "Su\xE8"
                                  "de",
                                  "Suisse",
                                  "Turquie",
                                  "\xC9tats-Unis",
                                  "Yougoslavie"});
        t[12100] = "La date ne peut pas \xEAtre ant\xE9rieure au 15 octobre 1582.";
        t[1044] = "Calendrier gr\xE9gorien";
        t[1045] = "Calendrier julien";
        t[IDS_ILLEGAL_DATE] = "Date impossible";
        // French quotes \xAB so \xBB and puts a space before a colon or a semicolon.
        range(IDS_QUOTED, {"\xAB %1 \xBB", " (le mois n'a pas ce jour)",
                           " (le compte d\xE9passe le mois)", "le texte dit %1 ; le %2 est un %3",
                           "le texte dit %1 ; le %2 est un %3, et le %1 apr\xE8s %4 est le %5",
                           "le texte dit le %1 ; le jour est le %2", "%1 : d'accord",
                           "le texte nomme aussi %1, qui ne tombe pas ce jour-l\xE0",
                           "indiction %1 : d'accord (%2)",
                           "l'indiction %1 est celle de %2 dans le style romain, non de %3",
                           "%1 va du %2 au %3",
                           "une ann\xE9\x65 double (%1) ne va que du 1er janvier au 24 mars",
                           "mots non lus : %1", "%1 lu comme %2", "le jour tombe en %1, non en %2",
                           "le texte dit %1, un autre calendrier",
                           "ann\xE9\x65 bissextile : sans le jour doubl\xE9, c'est le %1",
                           "une semaine, non un jour"});
        range(IDS_NO_YEAR_GIVE_ONE,
              {"%1 : le texte ne donne pas d'ann\xE9\x65 de 1 \xE0 2999 "
               "(donnez-en une avec --year)",
               "%1 : ni le texte ni la ligne ne donnent d'ann\xE9\x65 de 1 \xE0 2999",
               "%1 : impossible de lire %2",
               "%1 : aucune f\xEAte ni aucun saint ne s'appelle %2",
               " ; les plus proches dans la liste traditionnelle des saints : %1",
               "%1 : %2 d\xE9signe des saints f\xEAt\xE9s \xE0 des jours diff\xE9rents : %3",
               "%1 : ce jour tombe dans les jours que la r\xE9\x66orme a supprim\xE9s",
               "%1 : le jour sort de la p\xE9riode de 4713 av. J.-C. \xE0 2999",
               "%1 tombe le %2 selon le comput julien",
               "%1 tombe le %2 selon le comput gr\xE9gorien",
               "%1 tombe le %2 dans le calendrier julien",
               "%1 tombe le %2 dans le calendrier gr\xE9gorien",
               ", donc le %1",
               " (selon l'usage de %1)",
               "le %1 dans le calendrier julien",
               "le %1 dans le calendrier gr\xE9gorien",
               " (ann\xE9\x65 %1 suppos\xE9\x65 : le texte n'en donne pas)",
               "\xAB %1 \xBB",
               "%1 : %2",
               "la ligne ne contient pas de clause",
               "%1 : trop long pour \xEAtre une clause de date (%2 octets)",
               "%1 : le texte ne donne pas d'ann\xE9\x65, et l'ann\xE9\x65 %2 de la ligne "
               "n'est pas une ann\xE9\x65 de 1 \xE0 2999",
               "la ligne a %1 champs, l'en-t\xEAte %2",
               "\xA0",
               "%1 ligne : %2 s\xFBres, %3 douteuses, %4 \xE0 plusieurs jours, "
               "%5 refus\xE9\x65s",
               "%1 lignes : %2 s\xFBres, %3 douteuses, %4 \xE0 plusieurs jours, "
               "%5 refus\xE9\x65s"});
        range(IDS_SUNDAY_AFTER_CIRCUMCISION,
              {"Dimanche apr\xE8s la Circoncision", "Dimanche dans l'octave de No\xEBl",
               "%1 dimanche apr\xE8s l'\xC9piphanie",
               "%1 dimanche apr\xE8s la Pentec\xF4te, %2 apr\xE8s la Trinit\xE9", "%1 omis",
               "ann\xE9\x65 du r\xE8gne", "ann\xE9\x65 du pontificat", "\xE9pacte",
               "non v\xE9rifi\xE9 : %1", "gr\xE9gorien", "julien", "r\xE9publicain", "juif",
               "musulman"});
        // The window's French, a no-break space before a colon.
        range(IDS_CANNOT_OPEN,
              {"Impossible d'ouvrir %1", "Impossible de lire %1", "Impossible d'\xE9\x63rire %1",
               "%1 est vide\xA0: ce n'est pas un fichier GEDCOM",
               "%1 n'est pas un fichier GEDCOM\xA0: la ligne %2 n'est pas 0 HEAD",
               "%1\xA0: la ligne %2 d\xE9passe 1 Mio",
               "%1\xA0: le texte UTF-16 finit sur un demi-caract\xE8re", "Anniversaire du %1 (%2)",
               "calendrier gr\xE9gorien", "calendrier julien", "calendrier r\xE9publicain",
               "calendrier h\xE9\x62ra\xEFque", "calendrier musulman"});
        return t;
    }();
    return table;
}

} // namespace

void SetTextLanguage(ETextLanguage language) {
    g_language.store(language, std::memory_order_relaxed);
}

ETextLanguage TextLanguage() {
    return g_language.load(std::memory_order_relaxed);
}

const std::string& LoadResString(int id, ETextLanguage language) {
    static const std::string empty;
    const auto& table = language == ETextLanguage::French ? FrenchTable() : EnglishTable();
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}

const std::string& LoadResString(int id) {
    return LoadResString(id, TextLanguage());
}

std::string FillArguments(std::string_view form, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(form[i + 1] - '1');
            if (n < args.size())
                out += *(args.begin() + n);
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

std::string FormatResString(int id, std::initializer_list<std::string_view> args) {
    return FillArguments(LoadResString(id), args);
}

std::string FormatResString(int id, ETextLanguage language,
                            std::initializer_list<std::string_view> args) {
    return FillArguments(LoadResString(id, language), args);
}

std::string FormatResStringUtf8(int id, std::initializer_list<std::string_view> args) {
    return FillArguments(Cp1252ToUtf8(LoadResString(id)), args);
}
