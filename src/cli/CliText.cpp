#include "CliText.h"

#include "text/StringTable.h"

#include <array>

namespace {

struct CTemplates {
    std::string_view english;
    std::string_view french;
};

// By id. The English texts are those the tool has always written; French
// quotes an argument « so » and puts a space before a colon or a semicolon.
constexpr std::array<CTemplates, MSG_COUNT> kTexts = {{
    {"missing command (try --help)", "commande manquante (voir --help)"},
    {"unknown command '%1' (try --help)", "commande inconnue « %1 » (voir --help)"},
    {"cannot write the output", "impossible d'écrire la sortie"},
    {"--lang needs en or fr", "--lang attend en ou fr"},
    {"'%1' is not a language (en, fr)", "« %1 » n'est pas une langue (en, fr)"},
    {"unknown option '%1' (try --help)", "option inconnue « %1 » (voir --help)"},
    {"unknown option '%1' for %2", "option inconnue « %1 » pour %2"},
    {"expected two day numbers: FIRST LAST", "deux numéros de jour attendus : PREMIER DERNIER"},
    {"expected two years: FIRST LAST", "deux années attendues : PREMIÈRE DERNIÈRE"},
    {"'%1' is not a day number from %2 to %3", "« %1 » n'est pas un numéro de jour de %2 à %3"},
    {"'%1' is not a year from %2 to %3", "« %1 » n'est pas une année de %2 à %3"},
    {"FIRST must not be greater than LAST", "PREMIER ne doit pas dépasser DERNIER"},
    {"expected one year: feasts YEAR [--julian] [--all]",
     "une seule année attendue : feasts ANNÉE [--julian] [--all]"},
    {"missing year: feasts YEAR [--julian] [--all]",
     "année manquante : feasts ANNÉE [--julian] [--all]"},
    {"'%1' is not a year", "« %1 » n'est pas une année"},
    {"year %1 is outside 1 to 2999: no movable feasts",
     "l'année %1 est hors de 1 à 2999 : pas de fêtes mobiles"},
    {"show takes one of --jd and --from", "show prend --jd ou --from, pas les deux"},
    {"--jd needs a day number", "--jd attend un numéro de jour"},
    {"'%1' is not a day number from 1 to 2816787",
     "« %1 » n'est pas un numéro de jour de 1 à 2816787"},
    {"--from needs a calendar and the TEXT of a date",
     "--from attend un calendrier et le TEXTE d'une date"},
    {"'%1' is not a calendar", "« %1 » n'est pas un calendrier"},
    {"--saints needs none, gregorian, julian or auto",
     "--saints attend none, gregorian, julian ou auto"},
    {"'%1' is not a saints mode (none, gregorian, julian, auto)",
     "« %1 » n'est pas un choix de saints (none, gregorian, julian, auto)"},
    {"--reform needs a day number", "--reform attend un numéro de jour"},
    {"'%1' is not a reform day from 2299161 to 2816787",
     "« %1 » n'est pas un jour de réforme de 2299161 à 2816787"},
    {"today's date lies outside the supported range",
     "la date du jour est hors de la période prise en charge"},
    {"no such calendar row", "pas de telle ligne de calendrier"},
    {"the %1 row cannot read %2", "la ligne %1 ne peut pas lire %2"},
    {"convert reads one TEXT; quote a date with spaces",
     "convert lit un seul TEXTE ; mettez entre guillemets une date qui a des espaces"},
    {"%1 needs a calendar name", "%1 attend un nom de calendrier"},
    {"'%1' is not a calendar (gregorian, julian, roman, republican, jewish, muslim)",
     "« %1 » n'est pas un calendrier (gregorian, julian, roman, republican, jewish, muslim)"},
    {"%1 needs %2", "%1 attend %2"},
    {"%1 takes %2, not '%3'", "%1 prend %2, pas « %3 »"},
    {"0 or 1", "0 ou 1"},
    {"0, 1 or 2", "0, 1 ou 2"},
    {"--separator needs a text (it may be empty)",
     "--separator attend un texte (qui peut être vide)"},
    {"the separator must be Windows-1252 text", "le séparateur doit être un texte Windows-1252"},
    {"the separator holds at most 9 characters", "le séparateur a au plus 9 caractères"},
    {"convert needs --from CAL", "convert attend --from CAL"},
    {"convert needs the TEXT of a date", "convert attend le TEXTE d'une date"},
    {"--jd and --to cannot go together", "--jd et --to ne vont pas ensemble"},
    {"--day, --month, --year, --dual-year and --separator need --to CAL",
     "--day, --month, --year, --dual-year et --separator demandent --to CAL"},
    {"the %1 row holds no date for day %2", "la ligne %1 n'a pas de date pour le jour %2"},
    {"the name is not UTF-8 text made of characters that Windows-1252 can hold",
     "le nom n'est pas un texte UTF-8 fait de caractères que Windows-1252 sait représenter"},
    {"usage: key NAME", "usage : key NOM"},
    {"usage: score QUERY CANDIDATE", "usage : score REQUÊTE CANDIDAT"},
    {"usage: search [--present] [--scores] NAME", "usage : search [--present] [--scores] NOM"},
    {"--year-start needs a style: january, annunciation, pisan, nativity, venetian, easter",
     "--year-start attend un style : january, annunciation, pisan, nativity, venetian, easter"},
    {"'%1' is not a year-start style (january, annunciation, pisan, nativity, venetian, easter)",
     "« %1 » n'est pas un style de début d'année (january, annunciation, pisan, nativity, "
     "venetian, easter)"},
    {"--style-until needs a day number", "--style-until attend un numéro de jour"},
    {"give only one of --before-easter and --after-easter",
     "donnez --before-easter ou --after-easter, pas les deux"},
    {"%1 does not occur in that year of the style", "%1 n'existe pas dans cette année du style"},
    {"%1 means two days in the Easter style: give --before-easter or --after-easter",
     "%1 désigne deux jours dans le style de Pâques : donnez --before-easter ou --after-easter"},
    {"feastdate needs the TEXT of a date", "feastdate attend le TEXTE d'une date"},
    {"give feastdate one TEXT (in quotes)", "donnez à feastdate un seul TEXTE (entre guillemets)"},
    {"give only one of --julian and --gregorian", "donnez --julian ou --gregorian, pas les deux"},
    {"--year needs a year from 1 to 2999", "--year attend une année de 1 à 2999"},
    {"--list needs a FILE (or - for standard input)",
     "--list attend un FICHIER (ou - pour l'entrée standard)"},
    {"give feastdate either --list FILE or one TEXT",
     "donnez à feastdate soit --list FICHIER, soit un seul TEXTE"},
    {"%1 needs a column name or number", "%1 attend un nom ou un numéro de colonne"},
    {"%1 goes only with --list", "%1 ne s'emploie qu'avec --list"},
    {"cannot open %1", "impossible d'ouvrir %1"},
    {"%1 is empty: no header line", "%1 est vide : pas de ligne d'en-tête"},
    {"%1 has no column %2 (its columns: %3)", "%1 n'a pas de colonne %2 (ses colonnes : %3)"},
    {"%1: cannot read on from line %2; the rows before it are kept",
     "%1 : impossible de lire au-delà de la ligne %2 ; les lignes d'avant sont gardées"},
    {"%1: line %2 holds a NUL byte, so this is no text file; the rows before it are kept",
     "%1 : la ligne %2 contient un octet NUL, ce n'est donc pas un fichier texte ; les lignes "
     "d'avant sont gardées"},
    {"%1 is UTF-16: save it as UTF-8 or Windows-1252",
     "%1 est en UTF-16 : enregistrez-le en UTF-8 ou en Windows-1252"},
    {"%1: the row at line %2 is longer than 1 MiB; the rows before it are kept",
     "%1 : la ligne %2 dépasse 1 Mio ; les lignes d'avant sont gardées"},
    {"%1: the file ends inside the quoted field of the row at line %2 (cut short?); the rows "
     "before it are kept",
     "%1 : le fichier finit dans le champ entre guillemets de la ligne %2 (tronqué ?) ; les "
     "lignes d'avant sont gardées"},
    {"%1 changed while it was being read: read it again",
     "%1 a changé pendant sa lecture : relisez-le"},
    {"--output never writes over the list it reads (%1)",
     "--output n'écrit jamais sur la liste qu'il lit (%1)"},
    {"%1 exists: give another --output", "%1 existe : donnez un autre --output"},
    {"cannot write %1", "impossible d'écrire %1"},
    {"%1 rows, %2 a second, %3 s left", "%1 lignes, %2 par seconde, encore %3 s"},
    {"'%1' is not a calendar to count in (gregorian, julian, civil, roman, republican, jewish, "
     "muslim)",
     "« %1 » n'est pas un calendrier où compter (gregorian, julian, civil, roman, republican, "
     "jewish, muslim)"},
    {"span needs two days: FIRST LAST", "span attend deux jours : PREMIER DERNIER"},
    {"a day has no date in that calendar", "un des jours n'a pas de date dans ce calendrier"},
    {"add needs --from CAL, a TEXT and a SPAN (like 67y4m12d, 3w or -10d)",
     "add attend --from CAL, un TEXTE et une DURÉE (comme 67y4m12d, 3w ou -10d)"},
    {"%1 is not a span (like 67y4m12d, 3w or -10d)",
     "%1 n'est pas une durée (comme 67y4m12d, 3w ou -10d)"},
    {"the result lies outside 4713 BC to AD 2999, or before the first day of that calendar",
     "le résultat sort de la période de 4713 av. J.-C. à 2999, ou précède le premier jour de ce "
     "calendrier"},
    {"born needs --died TEXT, --from CAL and --age SPAN",
     "born attend --died TEXTE, --from CAL et --age DURÉE"},
    {"%1 is not an age (like 67y, 67y4m or 67y4m12d)",
     "%1 n'est pas un âge (comme 67y, 67y4m ou 67y4m12d)"},
    {"no day of birth gives that age", "aucun jour de naissance ne donne cet âge"},
    {"more births would give that age before the first supported day",
     "d'autres naissances donneraient cet âge avant le premier jour pris en charge"},
    {"Gregorian", "grégorienne"},
    {"Julian", "julienne"},
    {"Roman-style", "julienne à la romaine"},
    {"French Republican", "républicaine"},
    {"Jewish", "hébraïque"},
    {"Muslim", "musulmane"},
    {"elements takes one of --jd and --from", "elements prend --jd ou --from, pas les deux"},
    {"year needs a YEAR and --format csv or ics (try --help)",
     "year attend une ANNÉE et --format csv ou ics (voir --help)"},
    {"'%1' is not a calendar for a year (civil, julian, gregorian)",
     "« %1 » n'est pas un calendrier pour une année (civil, julian, gregorian)"},
    {"--format needs csv or ics", "--format attend csv ou ics"},
    {"'%1' is not a format (csv, ics)", "« %1 » n'est pas un format (csv, ics)"},
    {"--saints needs none, traditional or present", "--saints attend none, traditional ou present"},
    {"'%1' is not a saints list (none, traditional, present)",
     "« %1 » n'est pas une liste de saints (none, traditional, present)"},
    {"--anniversary needs a calendar and the TEXT of a date",
     "--anniversary attend un calendrier et le TEXTE d'une date"},
    {"'%1' is not a calendar for an anniversary (gregorian, julian, jewish, muslim, republican)",
     "« %1 » n'est pas un calendrier pour un anniversaire (gregorian, julian, jewish, muslim, "
     "republican)"},
    {"--stamp needs a UTC time like 20240101T120000Z",
     "--stamp attend une heure UTC comme 20240101T120000Z"},
    {"'%1' is not a UTC time like 20240101T120000Z",
     "« %1 » n'est pas une heure UTC comme 20240101T120000Z"},
    {"the year %1 has no day from 4713 BC to AD 2999 in that calendar",
     "l'année %1 n'a aucun jour de 4713 av. J.-C. à 2999 dans ce calendrier"},
    {"an iCalendar file holds no day before 1 January 1 (Gregorian): the year %1 begins earlier",
     "un fichier iCalendar ne contient aucun jour avant le 1er janvier 1 (grégorien) : l'année "
     "%1 commence plus tôt"},
    {"gedcom needs one FILE (or - for standard input)",
     "gedcom attend un FICHIER (ou - pour l'entrée standard)"},
    {"%1 is empty: not a GEDCOM file", "%1 est vide : ce n'est pas un fichier GEDCOM"},
    {"%1 names no single day (a full date, or one after ABT, CAL, EST or INT)",
     "%1 ne nomme pas un seul jour (une date complète, ou une date après ABT, CAL, EST ou INT)"},
    {"--gedcom takes 5 or 7, not '%1'", "--gedcom prend 5 ou 7, pas « %1 »"},
    {"--gedcom needs --to CAL", "--gedcom demande --to CAL"},
    {"--gedcom cannot go with --day, --month, --year or --separator",
     "--gedcom ne va pas avec --day, --month, --year ni --separator"},
    {"the %1 row has no GEDCOM value for day %2",
     "la ligne %1 n'a pas de valeur GEDCOM pour le jour %2"},
    {"gedcom --fix needs OUT and FILE", "gedcom --fix attend SORTIE et FICHIER"},
    {"%1 exists: give --force to replace it", "%1 existe déjà : --force pour le remplacer"},
    {"--fix never writes over the file it reads (%1)",
     "--fix n'écrit jamais sur le fichier qu'il lit (%1)"},
    {"%1 written: %2 values replaced", "%1 écrit : %2 valeurs remplacées"},
    {"%1 names no single day: a year or a month alone names no day",
     "%1 ne nomme pas un seul jour : une année ou un mois seul ne désigne aucun jour"},
    {"%1 names no single day: it is a range or a period",
     "%1 ne nomme pas un seul jour : c'est un intervalle ou une période"},
    {"%1 names no single day: a dual year out of its place spans years",
     "%1 ne nomme pas un seul jour : une double année hors de sa place couvre des années"},
    {"%1 read as an Old Style (Julian) date", "%1 lu comme une date de l'ancien style (julien)"},
    {"%1 DATE lines: %2 ok, %3 with findings",
     "%1 lignes DATE : %2 sans remarque, %3 avec remarques"},
    {", %1 right but worth knowing (Gregorian before 1582, extension)",
     ", %1 justes mais à noter (grégorien avant 1582, extension)"},
    {"; ANSEL file, its dates read as ASCII", " ; fichier ANSEL, ses dates lues en ASCII"},
}};

constexpr std::string_view kEnglishHelp =
    "Usage: quindor-cli [--lang en|fr] COMMAND [ARGUMENTS]\n"
    "       quindor-cli --help | --version | COMMAND --help\n"
    "\n"
    "Commands:\n"
    "  table FIRST LAST          one line per day number: the day in every calendar\n"
    "  easter FIRST_YEAR LAST_YEAR  Easter by the Gregorian and Julian computus\n"
    "  feasts YEAR [--julian] [--all]  Ash Wednesday, Easter, Ascension, Pentecost of\n"
    "       a year (Gregorian computus, or Julian with --julian; always Julian up to\n"
    "       1582), one KEY<TAB>DATE line each after a reckoning<TAB>gregorian|julian\n"
    "       line; with --all every Sunday and feast of its church year instead, one\n"
    "       NAME<TAB>DATE line each in date order (Latin name, English gloss)\n"
    "  feastdate [--julian|--gregorian] [--reform JD] [--year N] [--year-start STYLE]\n"
    "       [--style-until JD] TEXT  a day told by the church year, or a whole dating\n"
    "       clause (\"Tuesday after Laetare 1523\", \"freitags nach Martini\", \"Datum\n"
    "       anno Domini M CCC XVII, feria tertia post Oculi\"): its day number, the\n"
    "       day as show prints it, reading<TAB>how it was read, then one\n"
    "       check<TAB>... line for each element the clause also states; a clause that\n"
    "       can mean several days gives one such block for each, a blank line\n"
    "       between; --year gives the year of a clause that states none, read in the\n"
    "       year-start style; the computus is that of the calendar in civil use for\n"
    "       the reform day, unless --julian or --gregorian forces one\n"
    "  feastdate --list FILE|- [--column NAME|N] [--year-column NAME|N] [--output OUT]\n"
    "       [--julian|--gregorian] [--reform JD] [--year N] [--year-start STYLE]  every\n"
    "       row of a CSV or TSV list dated: its columns, then day, date, calendar,\n"
    "       weekday, certainty (sure, doubtful, several, refused), reading, checks and\n"
    "       other days; to OUT, a new file, or standard output; a summary at the end\n"
    "  show [--jd N | --from CAL TEXT] [--saints none|gregorian|julian|auto] [--present]\n"
    "       [--no-feasts] [--reform JD] [--year-start STYLE] [--style-until JD]\n"
    "       [--before-easter | --after-easter]  the panel as text for one day (default:\n"
    "       today; TEXT is read as pasting it into the CAL row would)\n"
    "  elements [--jd N | --from CAL TEXT] [--reform JD] [--year-start STYLE]\n"
    "       [--style-until JD] [--before-easter | --after-easter]  the chronological\n"
    "       elements of one day (default: today), one KEY<TAB>VALUE line each:\n"
    "       dominical letters, golden number, epacts, concurrent, solar cycle,\n"
    "       indictions, year of the Julian Period and of the Byzantine era, day of\n"
    "       the year, ISO week, regnal year of England; each counted in the year of\n"
    "       the calendar in civil use for the reform day, and left out where it does\n"
    "       not apply\n"
    "  convert --from CAL|gedcom [--jd | --to CAL [--day 0|1] [--month 0|1|2] [--year 0|1]\n"
    "       [--dual-year 0|1|2] [--separator S] [--gedcom 5|7]] TEXT  a date read as\n"
    "       pasting it into the CAL row (or a GEDCOM date value naming one day);\n"
    "       prints the day in every calendar (as show, then jd<TAB>day number), only\n"
    "       its day number (--jd), or the date of one calendar in the copy format or\n"
    "       as a GEDCOM value (--to);\n"
    "       with --year-start STYLE [--style-until JD] the Gregorian, Julian and Roman\n"
    "       years are read and shown in that style, every day a text can mean is\n"
    "       printed, and --before-easter or --after-easter picks one; --dual-year\n"
    "       copies a dual year as shown (0), as the modern year (1) or the style's (2)\n"
    "  span [--calendar CAL|civil] [--reform JD] [--from CAL] FIRST LAST  the span from\n"
    "       FIRST to LAST (day numbers, or texts of the --from row): days<TAB>N,\n"
    "       weeks<TAB>W<TAB>D, ymd<TAB>Y<TAB>M<TAB>D counted in a calendar (default\n"
    "       gregorian; civil: Julian before the reform day, Gregorian from it); a span\n"
    "       backwards is the same with every part negative\n"
    "  add --from CAL [--calendar CAL|civil] [--reform JD] TEXT [+|-]SPAN  a day plus or\n"
    "       minus a span (67y4m12d, 3w, -10d; y years, m months, w weeks, d days)\n"
    "       counted in the CAL row's calendar: its day number, then the day as show\n"
    "       prints it; a day clipped to the end of a shorter month stays there\n"
    "  born --died TEXT --from CAL --age SPAN [--calendar CAL|civil] [--reform JD]\n"
    "       the days of birth that give that age (67y, 67y4m, 67y4m12d) on the day of\n"
    "       death: first<TAB>N and last<TAB>N\n"
    "  year YEAR --format csv|ics [--calendar civil|julian|gregorian] [--reform JD]\n"
    "       [--year-start STYLE] [--style-until JD] [--saints none|traditional|present]\n"
    "       [--feasts] [--anniversary CAL TEXT]... [--stamp YYYYMMDDTHHMMSSZ]\n"
    "       every day of a year (counted from 1 January) of a calendar (default\n"
    "       civil: Julian before the reform day, Gregorian from it): csv writes a\n"
    "       line a day (jd, the date, weekday, roman, republican, jewish, muslim,\n"
    "       saint, feasts, and anniversaries when asked); ics writes an iCalendar\n"
    "       file, one all-day event for each Sunday and feast of the church year\n"
    "       (--feasts), each first saint of the list (--saints) and each return of\n"
    "       an anniversary, dated in the proleptic Gregorian calendar, stamped\n"
    "       --stamp (default: now). An anniversary (CAL gregorian, julian, jewish,\n"
    "       muslim or republican; TEXT read as convert --from CAL reads it) comes\n"
    "       back on its date in its own calendar: 30 Heshvan or 30 Kislev in a year\n"
    "       without it on the 1st of the next month, Adar of a common year in Adar\n"
    "       II, Adar I or II in a common year in Adar, 29 February in a common year\n"
    "       on 28 February, any other missing day on the month's last day\n"
    "  gedcom FILE|-             every DATE line of a GEDCOM file (- for standard input):\n"
    "       LINE<TAB>FIRST<TAB>LAST<TAB>STATUS<TAB>VALUE<TAB>SUGGESTION, a summary on\n"
    "       standard error\n"
    "  gedcom --fix OUT [--force] [--julian-before-1582] FILE|-  a copy of the file\n"
    "       with every nonstandard and old-style value replaced by its suggestion,\n"
    "       every other byte kept; each change as LINE<TAB>OLD<TAB>NEW\n"
    "  key NAME                  a saint's name: normal form, phonetic key, compact key\n"
    "  score QUERY CANDIDATE     the search score of one pair of names\n"
    "  search [--present] [--scores] NAME  the saints' days of a name, best first\n"
    "\n"
    "Calendars: gregorian, julian, roman, republican, jewish, muslim.\n"
    "Days are Julian Day Numbers from 1 (25 November 4714 BC) to 2816787 (31 December 2999).\n"
    "--lang fr writes the dates, names and messages in French; it may stand anywhere\n"
    "on the line. The keys of show, elements, convert and feasts stay as they are.\n";

constexpr std::string_view kFrenchHelp =
    "Usage : quindor-cli [--lang en|fr] COMMANDE [ARGUMENTS]\n"
    "        quindor-cli --help | --version | COMMANDE --help\n"
    "\n"
    "Commandes :\n"
    "  table PREMIER DERNIER     une ligne par numéro de jour : ce jour dans chaque\n"
    "       calendrier\n"
    "  easter PREMIÈRE DERNIÈRE  Pâques selon le comput grégorien et le julien\n"
    "  feasts ANNÉE [--julian] [--all]  mercredi des Cendres, Pâques, Ascension,\n"
    "       Pentecôte d'une année (comput grégorien, ou julien avec --julian ;\n"
    "       toujours julien jusqu'en 1582), une ligne CLÉ<TAB>DATE chacune après une\n"
    "       ligne reckoning<TAB>gregorian|julian ; avec --all, à la place, chaque\n"
    "       dimanche et chaque fête de son année liturgique, une ligne NOM<TAB>DATE\n"
    "       chacun dans l'ordre des dates (nom latin, glose française)\n"
    "  feastdate [--julian|--gregorian] [--reform JJ] [--year N] [--year-start STYLE]\n"
    "       [--style-until JJ] TEXTE  un jour désigné par l'année liturgique, ou une\n"
    "       formule de date entière (« mardi après Laetare 1523 », « freitags nach\n"
    "       Martini », « Datum anno Domini M CCC XVII, feria tertia post Oculi ») :\n"
    "       son numéro de jour, le jour comme l'affiche show, reading<TAB>la lecture\n"
    "       faite, puis une ligne check<TAB>... par élément que la formule donne en\n"
    "       plus ; une formule qui peut désigner plusieurs jours donne un tel bloc\n"
    "       pour chacun, séparés par une ligne vide ; --year donne l'année d'une\n"
    "       formule qui n'en dit pas, lue dans le style de début d'année ; le comput\n"
    "       est celui du calendrier en usage civil pour le jour de réforme, sauf si\n"
    "       --julian ou --gregorian en impose un\n"
    "  feastdate --list FICHIER|- [--column NOM|N] [--year-column NOM|N] [--output SORTIE]\n"
    "       [--julian|--gregorian] [--reform JJ] [--year N] [--year-start STYLE]\n"
    "       chaque ligne d'une liste CSV ou TSV datée : ses colonnes, puis day, date,\n"
    "       calendar, weekday, certainty (sure, doubtful, several, refused), reading,\n"
    "       checks et other days ; dans SORTIE, un nouveau fichier, ou sur la sortie\n"
    "       standard ; un bilan à la fin\n"
    "  show [--jd N | --from CAL TEXTE] [--saints none|gregorian|julian|auto]\n"
    "       [--present] [--no-feasts] [--reform JJ] [--year-start STYLE]\n"
    "       [--style-until JJ] [--before-easter | --after-easter]  le tableau des\n"
    "       calendriers, en texte, pour un jour (par défaut : aujourd'hui ; TEXTE est\n"
    "       lu comme le lirait un collage dans la ligne CAL)\n"
    "  elements [--jd N | --from CAL TEXTE] [--reform JJ] [--year-start STYLE]\n"
    "       [--style-until JJ] [--before-easter | --after-easter]  les éléments\n"
    "       chronologiques d'un jour (par défaut : aujourd'hui), une ligne\n"
    "       CLÉ<TAB>VALEUR chacun : lettres dominicales, nombre d'or, épactes,\n"
    "       concurrent, cycle solaire, indictions, année de la période julienne et\n"
    "       de l'ère byzantine, quantième, semaine ISO, année de règne en\n"
    "       Angleterre ; chacun compté dans l'année du calendrier en usage civil\n"
    "       pour le jour de réforme, et omis là où il ne s'applique pas\n"
    "  convert --from CAL|gedcom [--jd | --to CAL [--day 0|1] [--month 0|1|2]\n"
    "       [--year 0|1] [--dual-year 0|1|2] [--separator S] [--gedcom 5|7]] TEXTE\n"
    "       une date lue comme la lirait un collage dans la ligne CAL (ou une\n"
    "       valeur de date GEDCOM qui\n"
    "       nomme un jour) ; affiche le jour dans chaque calendrier (comme show, puis\n"
    "       jd<TAB>numéro de jour), son seul numéro de jour (--jd) ou sa date dans\n"
    "       un calendrier, au format de copie ou en valeur GEDCOM (--to) ; avec\n"
    "       --year-start STYLE [--style-until JJ], les années grégoriennes, juliennes\n"
    "       et romaines sont lues et écrites dans ce style, chaque jour qu'un texte\n"
    "       peut désigner est affiché, et --before-easter ou --after-easter en\n"
    "       choisit un ;\n"
    "       --dual-year copie une double année telle qu'affichée (0), en année moderne\n"
    "       (1) ou en année du style (2)\n"
    "  span [--calendar CAL|civil] [--reform JJ] [--from CAL] PREMIER DERNIER  la durée\n"
    "       de PREMIER à DERNIER (numéros de jour, ou textes de la ligne --from) :\n"
    "       days<TAB>N, weeks<TAB>S<TAB>J, ymd<TAB>A<TAB>M<TAB>J comptée dans un\n"
    "       calendrier (gregorian par défaut ; civil : julien avant le jour de\n"
    "       réforme, grégorien à partir de lui) ; à rebours, la même durée en négatif\n"
    "  add --from CAL [--calendar CAL|civil] [--reform JJ] TEXTE [+|-]DURÉE  un jour\n"
    "       plus ou moins une durée (67y4m12d, 3w, -10d ; y ans, m mois, w semaines,\n"
    "       d jours ; ou a, s, j) comptée dans le calendrier de la ligne CAL : son\n"
    "       numéro de jour, puis le jour comme l'affiche show ; un jour ramené à la\n"
    "       fin d'un mois plus court y reste\n"
    "  born --died TEXTE --from CAL --age DURÉE [--calendar CAL|civil] [--reform JJ]\n"
    "       les jours de naissance qui donnent cet âge (67y, 67y4m, 67y4m12d) au jour\n"
    "       du décès : first<TAB>N et last<TAB>N\n"
    "  year ANNÉE --format csv|ics [--calendar civil|julian|gregorian] [--reform JJ]\n"
    "       [--year-start STYLE] [--style-until JJ] [--saints none|traditional|present]\n"
    "       [--feasts] [--anniversary CAL TEXTE]... [--stamp AAAAMMJJTHHMMSSZ]\n"
    "       chaque jour d'une année (comptée du 1er janvier) d'un calendrier (par\n"
    "       défaut civil : julien avant le jour de réforme, grégorien à partir de\n"
    "       lui) : csv écrit une ligne par jour (jd, la date, jour de la semaine,\n"
    "       roman, republican, jewish, muslim, saint, fêtes, et anniversaires si\n"
    "       demandés) ; ics écrit un fichier iCalendar, un événement d'un jour pour\n"
    "       chaque dimanche et fête de l'année liturgique (--feasts), chaque premier\n"
    "       saint de la liste (--saints) et chaque retour d'un anniversaire, daté\n"
    "       dans le calendrier grégorien proleptique, horodaté --stamp (par défaut :\n"
    "       maintenant). Un anniversaire (CAL gregorian, julian, jewish, muslim ou\n"
    "       republican ; TEXTE lu comme le lit convert --from CAL) revient à sa date\n"
    "       dans son propre calendrier : 30 Hechvan ou 30 Kislev d'une année qui\n"
    "       n'en a pas le 1er du mois suivant, Adar d'une année commune en Adar II,\n"
    "       Adar I ou II d'une année commune en Adar, 29 février d'une année\n"
    "       commune le 28 février, tout autre jour manquant le dernier du mois\n"
    "  gedcom FICHIER|-          chaque ligne DATE d'un fichier GEDCOM (- pour l'entrée\n"
    "       standard) : LIGNE<TAB>PREMIER<TAB>DERNIER<TAB>ÉTAT<TAB>VALEUR<TAB>SUGGESTION,\n"
    "       un bilan sur la sortie d'erreur\n"
    "  gedcom --fix SORTIE [--force] [--julian-before-1582] FICHIER|-  une copie du\n"
    "       fichier où chaque valeur nonstandard ou old-style est remplacée par sa\n"
    "       suggestion, tout autre octet gardé ; chaque changement en\n"
    "       LIGNE<TAB>ANCIEN<TAB>NOUVEAU\n"
    "  key NOM                   un nom de saint : forme normale, clé phonétique,\n"
    "       clé compacte\n"
    "  score REQUÊTE CANDIDAT    la note de recherche d'une paire de noms\n"
    "  search [--present] [--scores] NOM  les fêtes des saints d'un nom, les\n"
    "       meilleures d'abord\n"
    "\n"
    "Calendriers : gregorian, julian, roman, republican, jewish, muslim.\n"
    "Les jours sont des numéros de jour julien, de 1 (25 novembre 4714 av. J.-C.)\n"
    "à 2816787 (31 décembre 2999).\n"
    "--lang fr écrit les dates, les noms et les messages en français ; l'option\n"
    "peut figurer n'importe où sur la ligne. Les clés de show, elements, convert\n"
    "et feasts restent telles quelles.\n";

bool IsText(ECliText id) {
    return id >= 0 && id < MSG_COUNT;
}

} // namespace

namespace cli_detail {

std::string_view EnglishTemplate(ECliText id) {
    return IsText(id) ? kTexts[static_cast<std::size_t>(id)].english : std::string_view();
}

std::string_view FrenchTemplate(ECliText id) {
    return IsText(id) ? kTexts[static_cast<std::size_t>(id)].french : std::string_view();
}

} // namespace cli_detail

std::string CliText(ECliText id, std::initializer_list<std::string_view> args) {
    const std::string_view pattern = TextLanguage() == ETextLanguage::French
                                         ? cli_detail::FrenchTemplate(id)
                                         : cli_detail::EnglishTemplate(id);
    return FillArguments(pattern, args);
}

std::string CliRowName(CalendarRow row) {
    if (!IsRow(row))
        return {};
    return CliText(static_cast<ECliText>(MSG_ROW_GREGORIAN + RowIndex(row)));
}

const char* CliHelpText() {
    return TextLanguage() == ETextLanguage::French ? kFrenchHelp.data() : kEnglishHelp.data();
}

std::string CliCommandHelp(std::string_view name) {
    const std::string_view help = CliHelpText();
    const std::string head = "  " + std::string(name) + ' ';
    std::string text;
    bool inside = false;
    for (std::size_t start = 0; start < help.size();) {
        std::size_t end = help.find('\n', start);
        end = end == std::string_view::npos ? help.size() : end + 1;
        const std::string_view line = help.substr(start, end - start);
        start = end;
        // A form's first line, then the lines indented under it.
        if (line.substr(0, head.size()) == head) {
            inside = true;
            text += "quindor-cli ";
            text += line.substr(2);
        } else if (inside && line.substr(0, 7) == "       ") {
            text += line;
        } else {
            inside = false;
        }
    }
    return text;
}
