#include "ClauseReport.h"

#include "calendar/DateText.h"
#include "exchange/PasteDate.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

namespace {

enum EReportText : int {
    TXT_NO_YEAR,
    TXT_NO_YEAR_IN_ROW,
    TXT_UNREADABLE,
    TXT_UNKNOWN,
    TXT_NEAREST,
    TXT_AMBIGUOUS,
    TXT_SKIPPED,
    TXT_OUT_OF_RANGE,
    TXT_BY_JULIAN_COMPUTUS,
    TXT_BY_GREGORIAN_COMPUTUS,
    TXT_IN_JULIAN_CALENDAR,
    TXT_IN_GREGORIAN_CALENDAR,
    TXT_SO,
    TXT_USAGE,
    TXT_WRITTEN_IN_JULIAN_CALENDAR,
    TXT_WRITTEN_IN_GREGORIAN_CALENDAR,
    TXT_YEAR_ASSUMED,
    TXT_COUNT
};

struct CTemplates {
    std::string_view english;
    std::string_view french;
};

// French quotes an argument « so » and puts a space before a colon or a
// semicolon.
constexpr std::array<CTemplates, TXT_COUNT> kTexts = {{
    {"%1: the text gives no year from 1 to 2999 (give one with --year)",
     "%1 : le texte ne donne pas d'année de 1 à 2999 (donnez-en une avec --year)"},
    {"%1: neither the text nor the row gives a year from 1 to 2999",
     "%1 : ni le texte ni la ligne ne donnent d'année de 1 à 2999"},
    {"%1: cannot read %2", "%1 : impossible de lire %2"},
    {"%1: no feast or saint is named %2", "%1 : aucune fête ni aucun saint ne s'appelle %2"},
    {"; nearest in the traditional list of saints (names in French): %1",
     " ; les plus proches dans la liste traditionnelle des saints : %1"},
    {"%1: %2 names saints on different days: %3",
     "%1 : %2 désigne des saints fêtés à des jours différents : %3"},
    {"%1: that day fell in the days the reform skipped",
     "%1 : ce jour tombe dans les jours que la réforme a supprimés"},
    {"%1: the day lies outside 4713 BC to AD 2999",
     "%1 : le jour sort de la période de 4713 av. J.-C. à 2999"},
    {"%1 is %2 by the Julian computus", "%1 tombe le %2 selon le comput julien"},
    {"%1 is %2 by the Gregorian computus", "%1 tombe le %2 selon le comput grégorien"},
    {"%1 is %2 in the Julian calendar", "%1 tombe le %2 dans le calendrier julien"},
    {"%1 is %2 in the Gregorian calendar", "%1 tombe le %2 dans le calendrier grégorien"},
    {", so %1", ", donc le %1"},
    {" (in the usage of %1)", " (selon l'usage de %1)"},
    {"%1 in the Julian calendar", "le %1 dans le calendrier julien"},
    {"%1 in the Gregorian calendar", "le %1 dans le calendrier grégorien"},
    {" (the year %1 assumed: the text states none)",
     " (année %1 supposée : le texte n'en donne pas)"},
}};

bool French() {
    return TextLanguage() == ETextLanguage::French;
}

std::string Text(EReportText id, std::initializer_list<std::string_view> args = {}) {
    const std::string_view form = French() ? kTexts[id].french : kTexts[id].english;
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

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "; ") + Cp1252ToUtf8(line);
    return text;
}

} // namespace

std::string_view ClauseCertaintyKey(EClauseCertainty certainty) {
    switch (certainty) {
    case EClauseCertainty::Sure:
        return "sure";
    case EClauseCertainty::Doubtful:
        return "doubtful";
    case EClauseCertainty::Several:
        return "several";
    case EClauseCertainty::Refused:
        break;
    }
    return "refused";
}

EClauseCertainty ClauseCertaintyOf(const CClauseResult& result) {
    if (result.readings.empty())
        return EClauseCertainty::Refused;
    if (result.readings.size() > 1)
        return EClauseCertainty::Several;
    return result.readings[0].bSure ? EClauseCertainty::Sure : EClauseCertainty::Doubtful;
}

// Error messages stay on one line, short and valid UTF-8 whatever the text
// holds: the text as the paste read it, control characters escaped.
std::string QuotedText(std::string_view utf8) {
    constexpr std::size_t kShown = 60;
    std::string text = PasteTextFromUtf8(utf8.substr(0, 4 * kShown)).value_or(std::string());
    const bool cut = text.size() > kShown || utf8.size() > 4 * kShown;
    text.resize(std::min(text.size(), kShown));
    const bool french = French();
    std::string quoted = french ? "« " : "\"";
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 ||
                   c == 0x9D) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            quoted += escaped;
        } else {
            quoted += Cp1252ToUtf8(std::string(1, ch));
        }
    }
    quoted += french ? " »" : "\"";
    if (cut)
        quoted += "...";
    return quoted;
}

std::string ClauseReadingSentence(std::string_view utf8Text, const CClauseReading& r) {
    const EReportText how =
        r.bComputus ? (r.bGregorian ? TXT_BY_GREGORIAN_COMPUTUS : TXT_BY_JULIAN_COMPUTUS)
                    : (r.bGregorian ? TXT_IN_GREGORIAN_CALENDAR : TXT_IN_JULIAN_CALENDAR);
    const std::string day = Cp1252ToUtf8(FormatFeastDate(r.baseDay, r.bGregorian));
    std::string sentence(utf8Text);
    sentence += French() ? " : " : ": ";
    if (r.bWritten)
        sentence +=
            Text(r.bGregorian ? TXT_WRITTEN_IN_GREGORIAN_CALENDAR : TXT_WRITTEN_IN_JULIAN_CALENDAR,
                 {day});
    else
        sentence += Text(how, {Cp1252ToUtf8(r.strFeast), day});
    if (r.day != r.baseDay)
        sentence += Text(TXT_SO, {Cp1252ToUtf8(FormatFeastDate(r.day, r.bGregorian))});
    if (!r.strUsage.empty())
        sentence += Text(TXT_USAGE, {Cp1252ToUtf8(r.strUsage)});
    if (r.bYearAssumed)
        sentence += Text(TXT_YEAR_ASSUMED, {std::to_string(r.nYear)});
    return sentence;
}

std::string ClauseCertaintyText(const CClauseReading& r) {
    std::string text(
        ClauseCertaintyKey(r.bSure ? EClauseCertainty::Sure : EClauseCertainty::Doubtful));
    for (std::size_t i = 0; i < r.doubts.size(); ++i)
        text += (i == 0 ? ": " : "; ") + Cp1252ToUtf8(r.doubts[i]);
    return text;
}

std::vector<std::string> ClauseCheckLines(const CClauseResult& result,
                                          const CClauseReading& reading) {
    std::vector<std::string> lines;
    for (const std::string& element : result.notChecked)
        lines.push_back(Cp1252ToUtf8(element));
    for (const CClauseCheck& check : reading.checks)
        lines.push_back(Cp1252ToUtf8(check.strText));
    return lines;
}

std::string ClauseRefusal(std::string_view utf8Text, const CClauseResult& r, bool yearOption) {
    const std::string quoted = QuotedText(utf8Text);
    switch (r.eError) {
    case EFeastDateError::Unreadable:
        return Text(TXT_UNREADABLE, {quoted, QuotedText(Cp1252ToUtf8(r.strWhat))});
    case EFeastDateError::UnknownName: {
        std::string message = Text(TXT_UNKNOWN, {quoted, QuotedText(Cp1252ToUtf8(r.strWhat))});
        if (!r.candidates.empty())
            message += Text(TXT_NEAREST, {Joined(r.candidates)});
        return message;
    }
    case EFeastDateError::AmbiguousName:
        return Text(TXT_AMBIGUOUS,
                    {quoted, QuotedText(Cp1252ToUtf8(r.strWhat)), Joined(r.candidates)});
    case EFeastDateError::Skipped:
        return Text(TXT_SKIPPED, {quoted});
    case EFeastDateError::OutOfRange:
        return Text(TXT_OUT_OF_RANGE, {quoted});
    case EFeastDateError::NoYear:
    case EFeastDateError::None:
        break;
    }
    return Text(yearOption ? TXT_NO_YEAR : TXT_NO_YEAR_IN_ROW, {quoted});
}
