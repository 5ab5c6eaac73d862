// A year sheet laid out as printed pages, one a month: where each text goes,
// not how it is painted. The caller measures texts (its font), so the layout
// stays free of any toolkit.
//
//   CPageMetrics metrics{595, 842, 36, 12, [&](std::string_view s) { return Width(s); }};
//   CPageOptions options;                        // every column, whole year
//   options.nMonth = 2;                          // February only
//   const std::vector<CYearPage> pages = LayOutYearPages(sheet, options, metrics);
//   for (const CPageCell& cell : pages[0].cells) ...  // a rectangle and its text
//
// Texts are the sheet's Windows-1252; a text too wide for its rectangle is
// cut and ends with an ellipsis.
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

// The optional columns of a day's row; the weekday and the date are always there.
enum EPageColumn : std::uint32_t {
    PAGE_ROMAN = 1,
    PAGE_REPUBLICAN = 2,
    PAGE_JEWISH = 4,
    PAGE_MUSLIM = 8,
    PAGE_SAINT = 16,
    PAGE_FEASTS = 32,
    PAGE_ALL = 63,
};

// The words of the page head, in the caller's language.
struct CPageLabels {
    std::string strCalendar = "Civil calendar";
    std::string strDominical = "Dominical letters";
    std::string strGoldenNumber = "Golden number";
    std::string strEpact = "Epact";
    std::string strIndiction = "Indiction";
};

struct CPageOptions {
    std::int32_t nMonth = 0; // 1..12, or 0 for every month of the sheet
    std::uint32_t nColumns = PAGE_ALL;
    CPageLabels labels;
};

enum class EPageCell { Title, Head, Day };

struct CPageCell {
    double x = 0, y = 0, w = 0, h = 0;
    std::string strText;
    EPageCell eKind = EPageCell::Day;
    std::int32_t nDayIndex = -1; // the day of the sheet a row cell belongs to
};

struct CYearPage {
    std::int32_t nMonth = 0;
    std::vector<CPageCell> cells;
    bool bCut = false; // some text of a day's row is cut
};

// The text cut to fit width, ending with an ellipsis when cut; empty when
// not even the ellipsis fits.
std::string ElideText(const std::string& text, double width,
                      const std::function<double(std::string_view)>& textWidth);

// The head line of the year's elements: "Dominical letters GF; Golden number 3; ...".
std::string ElementsLine(const CYearElements& elements, const CPageLabels& labels);

// One page for each month of the sheet (or the one asked for), in order;
// none for a month the sheet does not hold or a page too small to hold text.
std::vector<CYearPage> LayOutYearPages(const CYearSheet& sheet, const CPageOptions& options,
                                       const CPageMetrics& metrics);
