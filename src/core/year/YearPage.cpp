#include "YearPage.h"

#include <algorithm>

namespace {

// Fractions of a line: the room above and below a row's text, at most and
// at least (below it a month goes on over another page).
constexpr double kRowPad = 0.5;
constexpr double kLeastRowPad = 0.2;
constexpr double kSlack = 1e-9;

struct CColumn {
    std::uint32_t nId = 0;
    std::string strHead;
    bool bWraps = false; // the saint and the feasts wrap; dates never do
    double fLeast = 0;   // its widest date, or for one that wraps its widest word
    double fWanted = 0;  // its widest text
    double fRoom = 0;    // the width its texts take
};

std::string Joined(const std::vector<CSheetFeast>& feasts) {
    std::string text;
    for (const CSheetFeast& feast : feasts)
        text += (text.empty() ? "" : "; ") + FeastLabel(feast);
    return text;
}

std::string ColumnText(const CSheetDay& day, std::uint32_t column) {
    switch (column) {
    case PAGE_WEEKDAY:
        return day.strWeekday;
    case PAGE_DATE:
        return day.strDate;
    case PAGE_ROMAN:
        return day.strRoman;
    case PAGE_REPUBLICAN:
        return day.strRepublican;
    case PAGE_JEWISH:
        return day.strJewish;
    case PAGE_MUSLIM:
        return day.strMuslim;
    case PAGE_SAINT:
        return day.strSaint;
    default:
        return Joined(day.feasts);
    }
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The lines of a row's wrapped texts over the month, at these rooms.
std::size_t MonthLines(const std::vector<CColumn>& columns,
                       const std::vector<std::vector<std::string>>& texts,
                       const std::function<double(std::string_view)>& textWidth) {
    std::size_t lines = 0;
    for (std::size_t r = 0; r < texts.front().size(); ++r) {
        std::size_t row = 1;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c].bWraps)
                row = std::max(row, WrapText(texts[c][r], columns[c].fRoom, textWidth).size());
        lines += row;
    }
    return lines;
}

// Sets the columns' rooms within total: a date column its least, the columns
// that wrap the rest, split where the month's rows take the fewest lines.
// False when even the least do not fit.
bool ShareRooms(std::vector<CColumn>& columns, const std::vector<std::vector<std::string>>& texts,
                double total, const std::function<double(std::string_view)>& textWidth) {
    double rest = total;
    std::vector<std::size_t> wrapping;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        columns[c].fRoom = columns[c].fLeast;
        rest -= columns[c].fLeast;
        if (columns[c].bWraps)
            wrapping.push_back(c);
    }
    if (rest < -kSlack)
        return false;
    rest = std::max(rest, 0.0);
    if (wrapping.empty()) {
        columns.back().fRoom += rest;
        return true;
    }
    // All but the last that wraps take a share; tried in steps, the last
    // takes what they leave.
    CColumn& last = columns[wrapping.back()];
    wrapping.pop_back();
    for (const std::size_t c : wrapping) {
        CColumn& column = columns[c];
        const double most = std::min(column.fWanted, column.fLeast + rest);
        double best = column.fLeast;
        std::size_t fewest = static_cast<std::size_t>(-1);
        constexpr int kSteps = 16;
        for (int step = 0; step <= kSteps; ++step) {
            column.fRoom = column.fLeast + (most - column.fLeast) * step / kSteps;
            last.fRoom = last.fLeast + rest - (column.fRoom - column.fLeast);
            const std::size_t lines = MonthLines(columns, texts, textWidth);
            if (lines < fewest)
                fewest = lines, best = column.fRoom;
        }
        column.fRoom = best;
        rest -= best - column.fLeast;
    }
    last.fRoom = last.fLeast + rest;
    return true;
}

} // namespace

std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(std::string_view)>& textWidth) {
    std::vector<std::string> lines;
    for (std::string& word : Words(text)) {
        if (!lines.empty() && textWidth(lines.back() + ' ' + word) <= width)
            lines.back() += ' ' + word;
        else
            lines.push_back(std::move(word));
    }
    return lines;
}

std::string ElementsLine(const CYearElements& elements, const CPageLabels& labels) {
    std::string line;
    auto add = [&line](const std::string& label, const std::string& value) {
        if (!value.empty())
            line += (line.empty() ? "" : "; ") + label + " " + value;
    };
    std::string dominical = elements.strDominicalJulian;
    if (!elements.strDominicalGregorian.empty())
        dominical += (dominical.empty() ? "" : " / ") + elements.strDominicalGregorian;
    add(labels.strDominical, dominical);
    add(labels.strGoldenNumber,
        elements.nGoldenNumber ? std::to_string(elements.nGoldenNumber) : "");
    std::string epact = elements.nJulianEpact >= 0 ? std::to_string(elements.nJulianEpact) : "";
    if (!elements.strGregorianEpact.empty())
        epact += (epact.empty() ? "" : " / ") + elements.strGregorianEpact;
    add(labels.strEpact, epact);
    add(labels.strIndiction, elements.nIndiction ? std::to_string(elements.nIndiction) : "");
    return line;
}

CYearPages LayOutYearPages(const CYearSheet& sheet, const CPageOptions& options,
                           const CPageMetrics& metrics) {
    CYearPages laid;
    const double left = metrics.fMargin, top = metrics.fMargin;
    const double width = metrics.fWidth - 2 * metrics.fMargin;
    const double bottom = metrics.fHeight - metrics.fMargin;
    const double line = metrics.fLineHeight;
    const auto& textWidth = metrics.textWidth;
    if (!textWidth || line <= 0 || width <= line || bottom - top <= 6 * line) {
        laid.bFits = false;
        return laid;
    }
    const double gap = line / 2;
    const std::int32_t reform = sheet.options.nReformDay;
    const CPageLabels& labels = options.labels;
    auto fail = [&laid] {
        laid.bFits = false;
        laid.pages.clear();
        return laid;
    };

    for (std::int32_t month = 1; month <= 12; ++month) {
        if (options.nMonth != 0 && month != options.nMonth)
            continue;
        std::vector<std::size_t> days;
        bool skipped = false;
        for (std::size_t i = 0; i < sheet.days.size(); ++i) {
            if (sheet.days[i].nMonth != month)
                continue;
            days.push_back(i);
            const std::int32_t number = sheet.days[i].day.GetDayNumber();
            skipped = skipped || number == reform || number == reform - 1;
        }
        if (days.empty())
            continue;

        // The columns the month's days fill, each as wide as its widest date
        // or, for a column that wraps, as the page leaves it.
        const std::pair<std::uint32_t, const std::string*> chosen[] = {
            {PAGE_WEEKDAY, &labels.strWeekday}, {PAGE_DATE, &labels.strDate},
            {PAGE_ROMAN, &labels.strRoman},     {PAGE_REPUBLICAN, &labels.strRepublican},
            {PAGE_JEWISH, &labels.strJewish},   {PAGE_MUSLIM, &labels.strMuslim},
            {PAGE_SAINT, &labels.strSaint},     {PAGE_FEASTS, &labels.strFeasts}};
        std::vector<CColumn> columns;
        std::vector<std::vector<std::string>> texts; // [column][row]
        for (const auto& [id, head] : chosen) {
            if (id < PAGE_WEEKDAY && (options.nColumns & id) == 0)
                continue;
            std::vector<std::string> column;
            double widest = 0, widestWord = 0;
            for (const std::size_t i : days) {
                column.push_back(ColumnText(sheet.days[i], id));
                widest = std::max(widest, textWidth(column.back()));
                for (const std::string& word : Words(column.back()))
                    widestWord = std::max(widestWord, textWidth(word));
            }
            if (widest <= 0)
                continue;
            const bool wraps = id == PAGE_SAINT || id == PAGE_FEASTS;
            double headWord = 0;
            for (const std::string& word : Words(*head))
                headWord = std::max(headWord, textWidth(word));
            const double least = std::max(wraps ? widestWord : widest, headWord);
            columns.push_back(
                {id, *head, wraps, least, wraps ? std::max(widest, textWidth(*head)) : least, 0});
            texts.push_back(std::move(column));
        }
        if (columns.empty())
            continue;
        if (!ShareRooms(columns, texts, width - gap * static_cast<double>(columns.size() - 1),
                        textWidth))
            return fail();
        std::vector<double> rooms;
        for (const CColumn& column : columns)
            rooms.push_back(column.fRoom);

        // Every row's lines, column by column.
        std::vector<std::vector<std::vector<std::string>>> rows(days.size());
        std::vector<std::size_t> rowLines(days.size(), 1);
        double allLines = 0;
        for (std::size_t r = 0; r < days.size(); ++r) {
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const std::string& text = texts[c][r];
                rows[r].push_back(columns[c].bWraps ? WrapText(text, rooms[c], textWidth)
                                  : text.empty()    ? std::vector<std::string>{}
                                                    : std::vector<std::string>{text});
                rowLines[r] = std::max(rowLines[r], rows[r].back().size());
            }
            allLines += static_cast<double>(rowLines[r]);
        }

        const std::string& first = sheet.days[days.front()].strDate;
        const std::size_t space = first.find(' ');
        const std::string title = space == std::string::npos ? first : first.substr(space + 1);
        std::vector<std::string> heads;
        for (const std::string& text : {labels.strCalendar, ElementsLine(sheet.elements, labels),
                                        skipped ? sheet.strSkipped : std::string()})
            for (std::string& wrapped : WrapText(text, width, textWidth))
                heads.push_back(std::move(wrapped));
        for (const std::string& head : heads)
            if (textWidth(head) > width)
                return fail();

        // The heads of a page of the month; where its rows begin.
        auto startPage = [&]() -> double {
            CYearPage page;
            page.nMonth = month;
            double y = top;
            page.cells.push_back({left, y, width, 1.5 * line, title, EPageCell::Title, -1, 0});
            y += 1.5 * line;
            for (const std::string& head : heads) {
                page.cells.push_back({left, y, width, line, head, EPageCell::Head, -1, 0});
                y += line;
            }
            y += line / 2;
            double x = left;
            std::size_t headLines = 1;
            for (const CColumn& column : columns) {
                const auto lines = WrapText(column.strHead, column.fRoom, textWidth);
                for (std::size_t k = 0; k < lines.size(); ++k)
                    page.cells.push_back({x, y + static_cast<double>(k) * line, column.fRoom, line,
                                          lines[k], EPageCell::Column, -1, column.nId});
                headLines = std::max(headLines, lines.size());
                x += column.fRoom + gap;
            }
            y += static_cast<double>(headLines) * line;
            page.rules.push_back(y);
            laid.pages.push_back(std::move(page));
            return y;
        };

        double y = startPage();
        const double rowsRoom = bottom - y;
        const double n = static_cast<double>(days.size());
        const double pad =
            std::clamp((rowsRoom - allLines * line) / n, kLeastRowPad * line, kRowPad * line);
        std::size_t onPage = 0;
        for (std::size_t r = 0; r < days.size(); ++r) {
            const double height = static_cast<double>(rowLines[r]) * line + pad;
            if (y + height > bottom + kSlack) {
                if (onPage == 0)
                    return fail(); // not even one row fits under the heads
                y = startPage();
                onPage = 0;
            }
            ++onPage;
            CYearPage& page = laid.pages.back();
            double x = left;
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const auto& lines = rows[r][c];
                for (std::size_t k = 0; k < lines.size(); ++k)
                    page.cells.push_back({x, y + pad / 2 + static_cast<double>(k) * line,
                                          columns[c].fRoom, line, lines[k], EPageCell::Day,
                                          static_cast<std::int32_t>(days[r]), columns[c].nId});
                x += columns[c].fRoom + gap;
            }
            y += height;
            page.rules.push_back(y);
        }
    }
    return laid;
}
