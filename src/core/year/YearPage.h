// A year sheet laid out as printed pages, a month a page (or more where a
// month's rows need them): where each text goes, not how it is painted. The
// caller measures texts (its font), so the layout stays free of any toolkit.
//
//   CPageMetrics metrics{595, 842, 36, 12, [&](std::string_view s) { return Width(s); }};
//   CPageOptions options;                        // every column, whole year
//   options.nMonth = 2;                          // February only
//   const CYearPages laid = LayOutYearPages(sheet, options, metrics);
//   if (!laid.bFits) ...                         // smaller print or wider paper
//   for (const CPageCell& cell : laid.pages[0].cells) ...  // a rectangle and its text
//
// Texts are the sheet's Windows-1252. No text is ever cut: a date, a weekday
// and every other calendar's date keep their whole width on one line; the
// saint and the feasts wrap onto more lines of their row, between words. When
// the dates cannot have their width (or a word its own), nothing is laid out.
#pragma once

#include "YearSheet.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CPageMetrics {
    double fWidth = 595; // the page, in points (A4)
    double fHeight = 842;
    double fMargin = 36; // the unprintable edge on every side
    double fLineHeight = 12;
    std::function<double(std::string_view)> textWidth;
};

// The optional columns of a day's row, then the two that are always there.
enum EPageColumn : std::uint32_t {
    PAGE_ROMAN = 1,
    PAGE_REPUBLICAN = 2,
    PAGE_JEWISH = 4,
    PAGE_MUSLIM = 8,
    PAGE_SAINT = 16,
    PAGE_FEASTS = 32,
    PAGE_ALL = 63,
    PAGE_WEEKDAY = 64,
    PAGE_DATE = 128,
};

// The words of the page head and of the column heads, in the caller's language.
struct CPageLabels {
    std::string strCalendar = "Civil calendar";
    std::string strDominical = "Dominical letters";
    std::string strGoldenNumber = "Golden number";
    std::string strEpact = "Epact";
    std::string strIndiction = "Indiction";
    std::string strWeekday = "Day";
    std::string strDate = "Date";
    std::string strRoman = "Roman style";
    std::string strRepublican = "Republican";
    std::string strJewish = "Jewish";
    std::string strMuslim = "Muslim";
    std::string strSaint = "Saint";
    std::string strFeasts = "Sundays and feasts";
};

struct CPageOptions {
    std::int32_t nMonth = 0; // 1..12, or 0 for every month of the sheet
    std::uint32_t nColumns = PAGE_ALL;
    CPageLabels labels;
};

// Title: the month; Head: the calendar, the year's elements, the skipped
// days; Column: a column's head; Day: a line of a day's row.
enum class EPageCell { Title, Head, Column, Day };

// One line of text in its rectangle; the text is never wider than w.
struct CPageCell {
    double x = 0, y = 0, w = 0, h = 0;
    std::string strText;
    EPageCell eKind = EPageCell::Day;
    std::int32_t nDayIndex = -1; // the day of the sheet a row cell belongs to
    std::uint32_t nColumn = 0;   // the EPageColumn of a column head or a row cell
};

struct CYearPage {
    std::int32_t nMonth = 0;
    std::vector<CPageCell> cells;
    // Where a rule crosses the page: under the column heads and under each row.
    std::vector<double> rules;
};

struct CYearPages {
    bool bFits = true; // false: the texts cannot be whole on this paper (no pages then)
    std::vector<CYearPage> pages;
};

// The text broken between words into lines no wider than width (a word
// wider than width stands alone on its line); no line for an empty text.
std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(std::string_view)>& textWidth);

// The head line of the year's elements: "Dominical letters GF; Golden number 3; ...".
std::string ElementsLine(const CYearElements& elements, const CPageLabels& labels);

// The pages of each month of the sheet (or of the one asked for), in order;
// none for a month the sheet does not hold. A month whose rows overflow its
// page goes on over the next, under the same heads.
CYearPages LayOutYearPages(const CYearSheet& sheet, const CPageOptions& options,
                           const CPageMetrics& metrics);
