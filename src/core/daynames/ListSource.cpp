#include "daynames/ListSource.h"

#include <cstdint>
#include <optional>

#include "daynames/ListFile.h"
#include "daynames/ListKeys.h"
#include "daynames/Scramble.h"
#include "text/Cp1252.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Two digits exactly; nothing else is a number in a source.
std::optional<int> TwoDigits(std::string_view s, std::size_t pos) {
    if (pos + 2 > s.size() || !IsDigit(s[pos]) || !IsDigit(s[pos + 1]))
        return std::nullopt;
    return (s[pos] - '0') * 10 + (s[pos + 1] - '0');
}

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// An error text, or empty when the name may be stored.
std::string CheckName(std::string_view name, bool oneWord) {
    if (name.empty())
        return "empty name";
    if (name.size() > kListNameMax)
        return "name longer than " + std::to_string(kListNameMax) + " bytes";
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '|' || c == '/')
            return std::string("name holds '") + c + "'";
        if (oneWord && c == ' ')
            return "name holds a space";
        if (IsControl(b))
            return "name holds a control character";
    }
    return {};
}

std::string CheckRepLine(std::string_view line) {
    const auto day = TwoDigits(line, 0);
    const auto month = TwoDigits(line, 2);
    if (!day || !month || line.size() < 5 || line[4] != '|')
        return "expected DDMM|Name";
    if (*month < 1 || *month > 13)
        return "month out of range";
    if (*day < 1 || *day > (*month == 13 ? 6 : 30))
        return "day out of range";
    return CheckName(line.substr(5), true);
}

int DaysInMonth(int month) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

std::string CheckSaintsLine(std::string_view line) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos)
        return "expected Name|DDMM";
    if (std::string error = CheckName(line.substr(0, bar), false); !error.empty())
        return error;
    std::size_t pos = bar + 1;
    for (;;) {
        const auto day = TwoDigits(line, pos);
        const auto month = TwoDigits(line, pos + 2);
        if (!day || !month)
            return "expected DDMM after '" + std::string(1, line[pos - 1]) + "'";
        if (*month < 1 || *month > 12)
            return "month out of range";
        if (*day < 1 || *day > DaysInMonth(*month))
            return "day out of range";
        pos += 4;
        if (pos == line.size())
            return {};
        if (line[pos] != '/')
            return "expected '/' or line end after a date";
        ++pos;
    }
}

} // namespace

CPackResult PackListSource(ListKind kind, std::string_view utf8) {
    CPackResult result;
    std::string plain;
    plain.reserve(utf8.size() + 1);
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < utf8.size()) {
        ++lineNumber;
        std::size_t end = utf8.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? utf8.size() : end + 1;
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = next;

        const std::optional<std::string> text = Utf8ToCp1252(line);
        std::string error;
        if (!text)
            error = "not valid UTF-8, or a character Windows-1252 cannot hold";
        else if (kind == ListKind::Rep)
            error = CheckRepLine(*text);
        else
            error = CheckSaintsLine(*text);
        if (!error.empty()) {
            result.nLine = lineNumber;
            result.strError = std::move(error);
            return result;
        }
        plain += *text;
        plain += '\n';
    }
    result.bOk = true;
    result.strStored = ScrambleText(plain, kind == ListKind::Rep ? kRepListKey : kSaintsListKey);
    return result;
}
