#include "GedcomMessages.h"

#include "text/StringTable.h"

namespace {

// %s is the text, %d the number. UTF-8, as everything the tool prints.
const char* FrenchTemplate(EGedcomMessage id) {
    switch (id) {
    case EGedcomMessage::UsageFile:
        return "gedcom attend un FICHIER (ou - pour l'entr\u00E9e standard)";
    case EGedcomMessage::Empty:
        return "%s est vide : ce n'est pas un fichier GEDCOM";
    case EGedcomMessage::NotAFullDay:
        return "%s ne nomme pas un seul jour (une date compl\u00E8te, ou une date apr\u00E8s ABT, "
               "CAL, EST ou INT)";
    case EGedcomMessage::BadVersion:
        return "--gedcom prend 5 ou 7, pas \u00AB %s \u00BB";
    case EGedcomMessage::GedcomNeedsTo:
        return "--gedcom demande --to CAL";
    case EGedcomMessage::GedcomWithFormat:
        return "--gedcom ne va pas avec --day, --month, --year ni --separator";
    case EGedcomMessage::NoValue:
        return "la ligne %s n'a pas de valeur GEDCOM pour le jour %d";
    case EGedcomMessage::UsageFix:
        return "gedcom --fix attend SORTIE et FICHIER";
    case EGedcomMessage::FixExists:
        return "%s existe d\u00E9j\u00E0 : --force pour le remplacer";
    case EGedcomMessage::FixOverSource:
        return "--fix n'\u00E9crit jamais sur le fichier qu'il lit (%s)";
    case EGedcomMessage::FixSummary:
        return "%s \u00E9crit : %d valeurs remplac\u00E9es";
    case EGedcomMessage::NoDayYearOrMonth:
        return "%s ne nomme pas un seul jour : une ann\u00E9e ou un mois seul ne d\u00E9signe "
               "aucun jour";
    case EGedcomMessage::NoDaySpan:
        return "%s ne nomme pas un seul jour : c'est un intervalle ou une p\u00E9riode";
    case EGedcomMessage::NoDayDualYear:
        return "%s ne nomme pas un seul jour : une double ann\u00E9e hors de sa place couvre "
               "des ann\u00E9es";
    case EGedcomMessage::ReadOldStyle:
        return "%s lu comme une date de l'ancien style (julien)";
    }
    return "";
}

const char* EnglishTemplate(EGedcomMessage id) {
    switch (id) {
    case EGedcomMessage::UsageFile:
        return "gedcom needs one FILE (or - for standard input)";
    case EGedcomMessage::Empty:
        return "%s is empty: not a GEDCOM file";
    case EGedcomMessage::NotAFullDay:
        return "%s names no single day (a full date, or one after ABT, CAL, EST or INT)";
    case EGedcomMessage::BadVersion:
        return "--gedcom takes 5 or 7, not '%s'";
    case EGedcomMessage::GedcomNeedsTo:
        return "--gedcom needs --to CAL";
    case EGedcomMessage::GedcomWithFormat:
        return "--gedcom cannot go with --day, --month, --year or --separator";
    case EGedcomMessage::NoValue:
        return "the %s row has no GEDCOM value for day %d";
    case EGedcomMessage::UsageFix:
        return "gedcom --fix needs OUT and FILE";
    case EGedcomMessage::FixExists:
        return "%s exists: give --force to replace it";
    case EGedcomMessage::FixOverSource:
        return "--fix never writes over the file it reads (%s)";
    case EGedcomMessage::FixSummary:
        return "%s written: %d values replaced";
    case EGedcomMessage::NoDayYearOrMonth:
        return "%s names no single day: a year or a month alone names no day";
    case EGedcomMessage::NoDaySpan:
        return "%s names no single day: it is a range or a period";
    case EGedcomMessage::NoDayDualYear:
        return "%s names no single day: a dual year out of its place spans years";
    case EGedcomMessage::ReadOldStyle:
        return "%s read as an Old Style (Julian) date";
    }
    return "";
}

} // namespace

std::string GedcomMessage(EGedcomMessage id, const std::string& text, std::int64_t number) {
    std::string message;
    const char* const pTemplate =
        TextLanguage() == ETextLanguage::French ? FrenchTemplate(id) : EnglishTemplate(id);
    for (const char* p = pTemplate; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            message += text;
            ++p;
        } else if (p[0] == '%' && p[1] == 'd') {
            message += std::to_string(number);
            ++p;
        } else {
            message += *p;
        }
    }
    return message;
}

std::string GedcomFileMessage(int id, const std::string& file, std::int64_t line) {
    std::string message = FormatResStringUtf8(id, {file, std::to_string(line)});
    // "cannot open x"; a sentence that starts with the file keeps its name as it is.
    const std::string& form = LoadResString(id);
    if (!form.empty() && form[0] >= 'A' && form[0] <= 'Z')
        message[0] = static_cast<char>(message[0] - 'A' + 'a');
    return message;
}

std::string GedcomSummary(std::int64_t dates, std::int64_t ok, std::int64_t apart, bool ansel) {
    const std::int64_t problems = dates - ok - apart;
    if (TextLanguage() == ETextLanguage::French) {
        std::string summary = std::to_string(dates) + " lignes DATE : " + std::to_string(ok) +
                              " sans remarque, " + std::to_string(problems) + " avec remarques";
        if (apart != 0)
            summary += ", " + std::to_string(apart) +
                       " justes mais \u00E0 noter (gr\u00E9gorien avant 1582, extension)";
        if (ansel)
            summary += " ; fichier ANSEL, ses dates lues en ASCII";
        return summary;
    }
    std::string summary = std::to_string(dates) + " DATE lines: " + std::to_string(ok) + " ok, " +
                          std::to_string(problems) + " with findings";
    if (apart != 0)
        summary += ", " + std::to_string(apart) +
                   " right but worth knowing (Gregorian before 1582, extension)";
    if (ansel)
        summary += "; ANSEL file, its dates read as ASCII";
    return summary;
}
