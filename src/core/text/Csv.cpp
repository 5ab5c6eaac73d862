#include "Csv.h"

std::string CsvField(std::string_view utf8) {
    return DelimitedField(utf8, ',');
}

std::string DelimitedField(std::string_view utf8, char delimiter) {
    const char special[] = {delimiter, '"', '\r', '\n', '\0'};
    const bool quote = utf8.find_first_of(special) != std::string_view::npos ||
                       (!utf8.empty() && (utf8.front() == ' ' || utf8.back() == ' '));
    if (!quote)
        return std::string(utf8);
    std::string field = "\"";
    for (const char c : utf8) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

void AppendDelimitedRow(std::string& out, const std::vector<std::string>& fields, char delimiter) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += delimiter;
        out += DelimitedField(fields[i], delimiter);
    }
    out += delimiter == '\t' ? "\n" : "\r\n";
}

void AppendTsvField(std::string& out, std::string_view text) {
    for (const char c : text)
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}
