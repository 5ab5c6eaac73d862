#include "YearPage.h"

#include <algorithm>

namespace {

constexpr char kEllipsis = '\x85';

// Widths that fit the total: columns narrower than an even share keep
// theirs, the others share what is left.
std::vector<double> FitWidths(std::vector<double> widths, double total) {
    double sum = 0;
    for (const double w : widths)
        sum += w;
    if (sum <= total) {
        widths.back() += total - sum;
        return widths;
    }
    std::vector<bool> fixed(widths.size(), false);
    for (;;) {
        double left = total;
        std::size_t open = 0;
        for (std::size_t i = 0; i < widths.size(); ++i)
            fixed[i] ? left -= widths[i] : ++open;
        const double share = left / static_cast<double>(open);
        bool changed = false;
        for (std::size_t i = 0; i < widths.size(); ++i)
            if (!fixed[i] && widths[i] <= share)
                fixed[i] = changed = true;
        if (!changed) {
            for (std::size_t i = 0; i < widths.size(); ++i)
                if (!fixed[i])
                    widths[i] = share;
            return widths;
        }
    }
}

std::string Joined(const std::vector<CSheetFeast>& feasts) {
    std::string text;
    for (const CSheetFeast& feast : feasts)
        text += (text.empty() ? "" : "; ") + FeastLabel(feast);
    return text;
}

// The texts of a row: weekday, date, then the chosen columns.
std::vector<std::string> RowTexts(const CSheetDay& day, std::uint32_t columns) {
    std::vector<std::string> texts{day.strWeekday, day.strDate};
    const std::pair<EPageColumn, const std::string*> optional[] = {
        {PAGE_ROMAN, &day.strRoman},
        {PAGE_REPUBLICAN, &day.strRepublican},
        {PAGE_JEWISH, &day.strJewish},
        {PAGE_MUSLIM, &day.strMuslim},
        {PAGE_SAINT, &day.strSaint}};
    for (const auto& [column, text] : optional)
        if (columns & column)
            texts.push_back(*text);
    if (columns & PAGE_FEASTS)
        texts.push_back(Joined(day.feasts));
    return texts;
}

} // namespace

std::string ElideText(const std::string& text, double width,
                      const std::function<double(std::string_view)>& textWidth) {
    if (textWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty()) {
        cut.pop_back();
        while (!cut.empty() && cut.back() == ' ')
            cut.pop_back();
        if (textWidth(cut + kEllipsis) <= width)
            return cut + kEllipsis;
    }
    return textWidth(std::string(1, kEllipsis)) <= width ? std::string(1, kEllipsis)
                                                         : std::string();
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

std::vector<CYearPage> LayOutYearPages(const CYearSheet& sheet, const CPageOptions& options,
                                       const CPageMetrics& metrics) {
    std::vector<CYearPage> pages;
    const double left = metrics.fMargin, top = metrics.fMargin;
    const double width = metrics.fWidth - 2 * metrics.fMargin;
    const double height = metrics.fHeight - 2 * metrics.fMargin;
    const double line = metrics.fLineHeight;
    if (!metrics.textWidth || line <= 0 || width <= line || height <= 6 * line)
        return pages;
    const double gap = line / 2;
    const std::int32_t reform = sheet.options.nReformDay;

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

        CYearPage page;
        page.nMonth = month;
        double y = top;
        auto head = [&](std::string text, EPageCell kind, double h) {
            page.cells.push_back(
                {left, y, width, h, ElideText(text, width, metrics.textWidth), kind, -1});
            y += h;
        };
        const std::string& first = sheet.days[days.front()].strDate;
        const std::size_t space = first.find(' ');
        head(space == std::string::npos ? first : first.substr(space + 1), EPageCell::Title,
             1.5 * line);
        head(options.labels.strCalendar, EPageCell::Head, line);
        head(ElementsLine(sheet.elements, options.labels), EPageCell::Head, line);
        if (skipped && !sheet.strSkipped.empty())
            head(sheet.strSkipped, EPageCell::Head, line);
        y += line / 2;

        // A column none of the month's days fills is left out.
        std::vector<std::vector<std::string>> rows;
        for (const std::size_t i : days)
            rows.push_back(RowTexts(sheet.days[i], options.nColumns));
        std::vector<double> natural(rows.front().size(), 0);
        for (const auto& row : rows)
            for (std::size_t c = 0; c < row.size(); ++c)
                if (!row[c].empty())
                    natural[c] = std::max(natural[c], metrics.textWidth(row[c]) + gap);
        std::vector<std::size_t> used;
        std::vector<double> wanted;
        for (std::size_t c = 0; c < natural.size(); ++c)
            if (natural[c] > 0)
                used.push_back(c), wanted.push_back(natural[c]);
        const std::vector<double> widths = FitWidths(wanted, width);

        const double rowHeight =
            std::min(1.5 * line, (top + height - y) / static_cast<double>(days.size()));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            double x = left;
            for (std::size_t k = 0; k < used.size(); ++k) {
                const double w = k + 1 == used.size() ? left + width - x : widths[k];
                const std::string& text = rows[r][used[k]];
                std::string shown = ElideText(text, std::max(0.0, w - gap), metrics.textWidth);
                page.bCut = page.bCut || shown != text;
                page.cells.push_back({x, y, w, rowHeight, std::move(shown), EPageCell::Day,
                                      static_cast<std::int32_t>(days[r])});
                x += w;
            }
            y += rowHeight;
        }
        pages.push_back(std::move(page));
    }
    return pages;
}
