// The printed month's layout: rectangles on the page, a row for every day.
#include "year/YearPage.h"
#include "year/YearSheet.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr std::int32_t kRome = 2299161;
constexpr std::int32_t kEngland = 2361222;

struct CPaper {
    const char* name;
    double w, h;
};
constexpr CPaper kPapers[] = {{"A4", 595, 842}, {"Letter", 612, 792}, {"A6", 298, 420}};

struct CMonthCase {
    std::int32_t year, month, reform;
    ESheetCalendar calendar;
};
constexpr CMonthCase kMonths[] = {{1523, 1, kEngland, ESheetCalendar::Civil},
                                  {1523, 2, kEngland, ESheetCalendar::Civil},
                                  {1582, 10, kRome, ESheetCalendar::Civil},
                                  {1752, 9, kEngland, ESheetCalendar::Civil},
                                  {1582, 10, kRome, ESheetCalendar::Julian}};

// A text as wide as a proportional font makes it: capitals wider.
double Width(std::string_view text) {
    double w = 0;
    for (const char c : text)
        w += (c >= 'A' && c <= 'Z') ? 7.5 : 5.5;
    return w;
}

CYearSheet Sheet(const CMonthCase& m) {
    CYearSheetOptions options;
    options.eCalendar = m.calendar;
    options.nReformDay = m.reform;
    const CYearSheetResult result = MakeYearSheet(m.year, options);
    EXPECT_TRUE(result.ok());
    return result.sheet;
}

bool Overlap(const CPageCell& a, const CPageCell& b) {
    constexpr double e = 1e-6;
    return a.x + e < b.x + b.w && b.x + e < a.x + a.w && a.y + e < b.y + b.h && b.y + e < a.y + a.h;
}

TEST(YearPage, CellsStayApartInsideThePrintableAreaAndEveryDayHasItsRow) {
    for (const CMonthCase& m : kMonths) {
        const CYearSheet sheet = Sheet(m);
        for (const CPaper& paper : kPapers) {
            for (const double line : {9.0, 12.0, 20.0}) {
                SCOPED_TRACE(std::string(paper.name) + " " + std::to_string(m.year) + "-" +
                             std::to_string(m.month) + " line " + std::to_string(line));
                const CPageMetrics metrics{paper.w, paper.h, 36, line, Width};
                CPageOptions options;
                options.nMonth = m.month;
                const std::vector<CYearPage> pages = LayOutYearPages(sheet, options, metrics);
                ASSERT_EQ(pages.size(), 1u);
                const auto& cells = pages[0].cells;
                std::set<std::int32_t> rows;
                bool hasSkipped = false;
                for (std::size_t i = 0; i < cells.size(); ++i) {
                    const CPageCell& c = cells[i];
                    EXPECT_GT(c.w, 0);
                    EXPECT_GT(c.h, 0);
                    EXPECT_GE(c.x, 36 - 1e-6);
                    EXPECT_GE(c.y, 36 - 1e-6);
                    EXPECT_LE(c.x + c.w, paper.w - 36 + 1e-6);
                    EXPECT_LE(c.y + c.h, paper.h - 36 + 1e-6);
                    EXPECT_LE(Width(c.strText), c.w) << c.strText;
                    for (std::size_t j = i + 1; j < cells.size(); ++j)
                        EXPECT_FALSE(Overlap(c, cells[j]))
                            << c.strText << " / " << cells[j].strText;
                    if (c.nDayIndex >= 0)
                        rows.insert(c.nDayIndex);
                    hasSkipped =
                        hasSkipped || (!c.strText.empty() && c.strText == sheet.strSkipped);
                }
                std::set<std::int32_t> monthDays;
                for (std::size_t i = 0; i < sheet.days.size(); ++i)
                    if (sheet.days[i].nMonth == m.month)
                        monthDays.insert(static_cast<std::int32_t>(i));
                EXPECT_EQ(rows, monthDays);
                const bool reformMonth =
                    sheet.skipped.has_value() && m.month == 9 + (m.year == 1582);
                EXPECT_EQ(hasSkipped, reformMonth);
            }
        }
    }
}

TEST(YearPage, TheWholeYearIsAPageAMonth) {
    const CYearSheet sheet = Sheet(kMonths[0]);
    const std::vector<CYearPage> pages = LayOutYearPages(sheet, {}, {595, 842, 36, 10, Width});
    ASSERT_EQ(pages.size(), 12u);
    std::size_t dayCells = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].nMonth, static_cast<std::int32_t>(i + 1));
        for (const CPageCell& c : pages[i].cells)
            dayCells += c.nDayIndex >= 0 && c.x == 36;
    }
    EXPECT_EQ(dayCells, sheet.days.size());
    EXPECT_TRUE(LayOutYearPages(sheet, {}, {100, 100, 40, 10, Width}).empty());
    // Cut texts are told, on narrow paper and not on wide.
    for (const double width : {298.0, 3000.0})
        for (const CYearPage& page : LayOutYearPages(sheet, {}, {width, 842, 36, 10, Width}))
            EXPECT_EQ(page.bCut, width < 1000) << page.nMonth;
}

TEST(YearPage, ACutTextIsItsBeginningAndAnEllipsis) {
    const std::string text = "Dominica in Septuagesima (Septuagesima Sunday)";
    for (double w = 0; w < Width(text) + 10; w += 3) {
        const std::string cut = ElideText(text, w, Width);
        EXPECT_LE(Width(cut), w);
        if (cut == text)
            continue;
        if (cut.empty()) {
            EXPECT_LT(w, Width("\x85"));
            continue;
        }
        ASSERT_EQ(cut.back(), '\x85');
        EXPECT_EQ(text.rfind(cut.substr(0, cut.size() - 1), 0), 0u) << cut;
        EXPECT_GT(Width(cut + "xxx"), w) << "cut more than needed: " << cut;
    }
}

} // namespace
