// CSV as RFC 4180 has it, and tab-separated fields, for the tables the
// program writes out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One field: quoted when it holds a comma, a quote, a line break or a blank
// at either end (which spreadsheets would otherwise drop), its quotes
// doubled.
std::string CsvField(std::string_view utf8);

// The same for fields separated by another delimiter (a tab, a semicolon).
std::string DelimitedField(std::string_view utf8, char delimiter);

// One line of fields, comma-separated, ended by CRLF.
void AppendCsvRow(std::string& out, const std::vector<std::string>& fields);

// One line of fields separated by the delimiter, quoted as CsvField quotes
// them, so that a reader of RFC 4180 gets them back whole: ended by CRLF,
// or by LF alone between tabs, as such files are mostly written.
void AppendDelimitedRow(std::string& out, const std::vector<std::string>& fields, char delimiter);

// One tab-separated field: its tabs and line breaks made blanks, so that it
// stays one column of one line.
void AppendTsvField(std::string& out, std::string_view text);
