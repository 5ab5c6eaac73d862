// The printed month's layout: no text is ever cut, every day has its row
// under headed columns, long texts wrap inside their row.
#include "year/YearPage.h"
#include "daynames/DayNameLists.h"
#include "text/StringTable.h"
#include "year/YearSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

constexpr std::int32_t kRome = 2299161;
constexpr std::int32_t kEngland = 2361222;
constexpr CYearStyle kEnglandStyle{EYearStyle::Annunciation, 2360976};

struct CSheetCase {
    std::int32_t year, reform;
    ESpanCalendar calendar;
    CYearStyle style;
    ETextLanguage language;
};
const CSheetCase kSheets[] = {
    {1523, kEngland, ESpanCalendar::Civil, kEnglandStyle, ETextLanguage::English},
    {1582, kRome, ESpanCalendar::Civil, {}, ETextLanguage::English},
    {1582, kRome, ESpanCalendar::Julian, {}, ETextLanguage::French},
    {1752, kEngland, ESpanCalendar::Civil, kEnglandStyle, ETextLanguage::English},
    {1794, kRome, ESpanCalendar::Gregorian, {}, ETextLanguage::French},
    {-44, kRome, ESpanCalendar::Julian, {}, ETextLanguage::English},
};

struct CPaper {
    double w, h, line;
    bool fits;       // every sheet fits, all columns chosen
    bool monthAPage; // and each month on one page
};
constexpr CPaper kPapers[] = {{595, 842, 9, false, false}, {842, 595, 8, true, true},
                              {842, 595, 9, true, false},  {842, 595, 11, false, false},
                              {792, 612, 10, true, false}, {595, 420, 8, false, false}};

// A text as wide as a proportional font makes it: capitals wider.
double Width(std::string_view text) {
    double w = 0;
    for (const char c : text)
        w += (c >= 'A' && c <= 'Z') ? 7.0 : 5.0;
    return w;
}

// Saints whose names wrap in a narrow column, on a few days of every year.
struct CSaints {
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    CSaints() {
        for (std::int32_t month = 1; month <= 12; ++month) {
            entries.push_back(std::make_unique<CSaintEntry>(
                "Therese de l'Enfant-Jesus et de la Sainte-Face", 3, month, 0));
            entries.push_back(std::make_unique<CSaintEntry>("Jean", 9, month, 0));
        }
    }
};

CYearSheet Sheet(const CSheetCase& c) {
    const ETextLanguage before = TextLanguage();
    SetTextLanguage(c.language);
    CYearSheetOptions options;
    options.eCalendar = c.calendar;
    options.nReformDay = c.reform;
    options.yearStyle = c.style;
    options.eSaints = ESheetSaints::Traditional;
    const CYearSheetResult result = MakeYearSheet(c.year, options);
    SetTextLanguage(before);
    EXPECT_TRUE(result.ok()) << c.year;
    return result.sheet;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char ch : text + ' ') {
        if (ch != ' ')
            word += ch;
        else if (!word.empty())
            words.push_back(std::move(word)), word.clear();
    }
    return words;
}

std::string Feasts(const CSheetDay& day) {
    std::string text;
    for (const CSheetFeast& feast : day.feasts)
        text += (text.empty() ? "" : "; ") + FeastLabel(feast);
    return text;
}

bool Overlap(const CPageCell& a, const CPageCell& b) {
    constexpr double e = 1e-6;
    return a.x + e < b.x + b.w && b.x + e < a.x + a.w && a.y + e < b.y + b.h && b.y + e < a.y + a.h;
}

TEST(YearPage, EveryTextOfEveryDayIsWholeUnderItsHeadedColumn) {
    const CSaints saints;
    bool someFit = false, someGoOn = false, someWrap = false;
    for (const CSheetCase& c : kSheets) {
        const CYearSheet sheet = Sheet(c);
        for (const CPaper& paper : kPapers) {
            SCOPED_TRACE(std::to_string(c.year) + " on " + std::to_string(paper.w) + "x" +
                         std::to_string(paper.h) + " line " + std::to_string(paper.line));
            const CYearPages laid =
                LayOutYearPages(sheet, {}, {paper.w, paper.h, 36, paper.line, Width});
            EXPECT_TRUE(laid.bFits || !paper.fits);
            EXPECT_TRUE(laid.pages.size() == 12 || !paper.monthAPage);
            if (!laid.bFits) {
                EXPECT_TRUE(laid.pages.empty());
                continue;
            }
            someFit = true;
            // Each day's texts, column by column, as the cells give them back.
            std::map<std::pair<std::int32_t, std::uint32_t>, std::vector<std::string>> rows;
            std::set<std::int32_t> months;
            std::map<std::int32_t, std::set<std::uint32_t>> filled; // by month
            for (const CSheetDay& day : sheet.days) {
                const std::pair<std::uint32_t, std::string> texts[] = {
                    {PAGE_ROMAN, day.strRoman},   {PAGE_REPUBLICAN, day.strRepublican},
                    {PAGE_JEWISH, day.strJewish}, {PAGE_MUSLIM, day.strMuslim},
                    {PAGE_SAINT, day.strSaint},   {PAGE_FEASTS, Feasts(day)}};
                filled[day.nMonth].insert({PAGE_WEEKDAY, PAGE_DATE});
                for (const auto& [column, text] : texts)
                    if (!text.empty())
                        filled[day.nMonth].insert(column);
            }
            std::map<std::int32_t, std::vector<double>> pads; // in lines, by month
            for (const CYearPage& page : laid.pages) {
                someGoOn = someGoOn || !months.insert(page.nMonth).second;
                std::set<std::uint32_t> heads, used;
                const auto& cells = page.cells;
                for (std::size_t i = 0; i < cells.size(); ++i) {
                    const CPageCell& cell = cells[i];
                    EXPECT_GE(cell.x, 36 - 1e-6);
                    EXPECT_GE(cell.y, 36 - 1e-6);
                    EXPECT_LE(cell.x + cell.w, paper.w - 36 + 1e-6);
                    EXPECT_LE(cell.y + cell.h, paper.h - 36 + 1e-6);
                    if (cell.eKind != EPageCell::Title)
                        EXPECT_LE(Width(cell.strText), cell.w) << cell.strText;
                    for (std::size_t j = i + 1; j < cells.size(); ++j)
                        EXPECT_FALSE(Overlap(cell, cells[j]))
                            << cell.strText << " / " << cells[j].strText;
                    for (const double rule : page.rules)
                        EXPECT_FALSE(cell.y + 1e-6 < rule && rule < cell.y + cell.h - 1e-6);
                    if (cell.eKind == EPageCell::Column)
                        heads.insert(cell.nColumn);
                    if (cell.eKind != EPageCell::Day)
                        continue;
                    used.insert(cell.nColumn);
                    EXPECT_EQ(sheet.days[static_cast<std::size_t>(cell.nDayIndex)].nMonth,
                              page.nMonth);
                    auto& lines = rows[{cell.nDayIndex, cell.nColumn}];
                    someWrap = someWrap || !lines.empty();
                    lines.push_back(cell.strText);
                }
                EXPECT_TRUE(std::includes(heads.begin(), heads.end(), used.begin(), used.end()));
                EXPECT_EQ(heads, filled[page.nMonth]);
                // The room around each row's text, from the rule above it.
                std::map<std::int32_t, double> tops;
                for (const CPageCell& cell : cells)
                    if (cell.eKind == EPageCell::Day &&
                        !tops.try_emplace(cell.nDayIndex, cell.y).second)
                        tops[cell.nDayIndex] = std::min(tops[cell.nDayIndex], cell.y);
                for (const auto& [day, top] : tops) {
                    const auto above = std::lower_bound(page.rules.begin(), page.rules.end(), top);
                    ASSERT_NE(above, page.rules.begin());
                    pads[page.nMonth].push_back(2 * (top - *std::prev(above)) / paper.line);
                }
            }
            // Rows come as close as they go before a month goes on over another page.
            for (const auto& [shownMonth, room] : pads) {
                const auto month = shownMonth; // a lambda may not capture a binding
                const bool goesOn = std::count_if(laid.pages.begin(), laid.pages.end(),
                                                  [month](const CYearPage& page) {
                                                      return page.nMonth == month;
                                                  }) > 1;
                for (const double pad : room) {
                    EXPECT_GE(pad, 0.2 - 1e-6);
                    EXPECT_LE(pad, goesOn ? 0.2 + 1e-6 : 0.5 + 1e-6) << month;
                }
            }
            for (std::size_t i = 0; i < sheet.days.size(); ++i) {
                const CSheetDay& day = sheet.days[i];
                const std::pair<std::uint32_t, std::string> texts[] = {
                    {PAGE_WEEKDAY, day.strWeekday}, {PAGE_DATE, day.strDate},
                    {PAGE_ROMAN, day.strRoman},     {PAGE_REPUBLICAN, day.strRepublican},
                    {PAGE_JEWISH, day.strJewish},   {PAGE_MUSLIM, day.strMuslim},
                    {PAGE_SAINT, day.strSaint},     {PAGE_FEASTS, Feasts(day)}};
                for (const auto& [column, text] : texts) {
                    const auto found = rows.find({static_cast<std::int32_t>(i), column});
                    const std::vector<std::string> lines =
                        found == rows.end() ? std::vector<std::string>{} : found->second;
                    if (column == PAGE_SAINT || column == PAGE_FEASTS) {
                        std::string joined;
                        for (const std::string& line : lines)
                            joined += line + ' ';
                        EXPECT_EQ(Words(joined), Words(text)) << day.strDate;
                    } else {
                        EXPECT_EQ(lines, text.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{text})
                            << day.strDate;
                    }
                }
            }
        }
    }
    EXPECT_TRUE(someFit && someGoOn && someWrap);
}

TEST(YearPage, APaperTooNarrowForTheDatesGetsNoPage) {
    const CSaints saints;
    const CYearSheet sheet = Sheet(kSheets[4]);
    const CPageMetrics a6{298, 420, 36, 9, Width};
    CPageOptions all;
    EXPECT_FALSE(LayOutYearPages(sheet, all, a6).bFits);
    EXPECT_TRUE(LayOutYearPages(sheet, all, a6).pages.empty());
    CPageOptions few;
    few.nColumns = PAGE_FEASTS;
    few.nMonth = 9;
    const CYearPages september = LayOutYearPages(sheet, few, a6);
    EXPECT_TRUE(september.bFits);
    ASSERT_FALSE(september.pages.empty());
    for (const CYearPage& page : september.pages)
        EXPECT_EQ(page.nMonth, 9);
    EXPECT_FALSE(LayOutYearPages(sheet, few, {100, 100, 40, 10, Width}).bFits);
    EXPECT_FALSE(LayOutYearPages(sheet, few, {842, 595, 36, 0, Width}).bFits);
    EXPECT_FALSE(LayOutYearPages(sheet, few, {842, 595, 36, 10, nullptr}).bFits);
}

TEST(YearPage, AWrappedTextBreaksBetweenWordsAsLateAsItCan) {
    const std::string text = "Dominica XIV post Pentecosten (14th Sunday after Pentecost)";
    for (double w = 0; w < Width(text) + 10; w += 3) {
        const std::vector<std::string> lines = WrapText(text, w, Width);
        std::string joined;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            joined += lines[k] + ' ';
            if (Words(lines[k]).size() > 1)
                EXPECT_LE(Width(lines[k]), w) << lines[k];
            if (k + 1 < lines.size())
                EXPECT_GT(Width(lines[k] + ' ' + Words(lines[k + 1]).front()), w) << lines[k];
        }
        EXPECT_EQ(Words(joined), Words(text));
    }
    EXPECT_TRUE(WrapText("", 100, Width).empty());
    EXPECT_EQ(WrapText("  a  b ", 100, Width), std::vector<std::string>{"a b"});
}

} // namespace
