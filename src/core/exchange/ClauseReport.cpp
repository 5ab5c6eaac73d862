#include "ClauseReport.h"

#include "calendar/DateText.h"
#include "exchange/PasteDate.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace {

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
    std::string quoted;
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
    quoted = FormatResStringUtf8(IDS_DOUBLE_QUOTED, {quoted});
    if (cut)
        quoted += "...";
    return quoted;
}

std::string ClauseReadingSentence(std::string_view utf8Text, const CClauseReading& r) {
    const int how = r.bComputus
                        ? (r.bGregorian ? IDS_BY_GREGORIAN_COMPUTUS : IDS_BY_JULIAN_COMPUTUS)
                        : (r.bGregorian ? IDS_IN_GREGORIAN_CALENDAR : IDS_IN_JULIAN_CALENDAR);
    const std::string day = Cp1252ToUtf8(FormatFeastDate(r.baseDay, r.bGregorian));
    std::string sentence =
        r.bWritten
            ? FormatResStringUtf8(r.bGregorian ? IDS_WRITTEN_GREGORIAN : IDS_WRITTEN_JULIAN, {day})
            : FormatResStringUtf8(how, {Cp1252ToUtf8(r.strFeast), day});
    if (r.day != r.baseDay)
        sentence +=
            FormatResStringUtf8(IDS_SO_DAY, {Cp1252ToUtf8(FormatFeastDate(r.day, r.bGregorian))});
    if (!r.strUsage.empty())
        sentence += FormatResStringUtf8(IDS_IN_USAGE_OF, {Cp1252ToUtf8(r.strUsage)});
    if (r.bYearAssumed)
        sentence += FormatResStringUtf8(IDS_YEAR_ASSUMED, {std::to_string(r.nYear)});
    return FormatResStringUtf8(IDS_READ_CLAUSE, {utf8Text, sentence});
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
        return FormatResStringUtf8(IDS_CANNOT_READ_WORDS,
                                   {quoted, QuotedText(Cp1252ToUtf8(r.strWhat))});
    case EFeastDateError::UnknownName: {
        std::string message =
            FormatResStringUtf8(IDS_NO_SUCH_NAME, {quoted, QuotedText(Cp1252ToUtf8(r.strWhat))});
        if (!r.candidates.empty())
            message += FormatResStringUtf8(IDS_NEAREST_SAINTS, {Joined(r.candidates)});
        return message;
    }
    case EFeastDateError::AmbiguousName:
        return FormatResStringUtf8(
            IDS_NAME_OF_SEVERAL_DAYS,
            {quoted, QuotedText(Cp1252ToUtf8(r.strWhat)), Joined(r.candidates)});
    case EFeastDateError::Skipped:
        return FormatResStringUtf8(IDS_DAY_SKIPPED, {quoted});
    case EFeastDateError::OutOfRange:
        return FormatResStringUtf8(IDS_DAY_OUT_OF_RANGE, {quoted});
    case EFeastDateError::NoYear:
    case EFeastDateError::None:
        break;
    }
    return FormatResStringUtf8(yearOption ? IDS_NO_YEAR_GIVE_ONE : IDS_NO_YEAR_IN_ROW, {quoted});
}
