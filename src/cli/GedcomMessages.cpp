#include "GedcomMessages.h"

#include "text/StringTable.h"

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
