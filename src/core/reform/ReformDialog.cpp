#include "ReformDialog.h"

#include "ReformCountries.h"
#include "text/FieldText.h"
#include "text/StringTable.h"

#include <array>
#include <cstdio>

using namespace reform_detail;

namespace {

int g_nTypedLength = 0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

CReformDialogModel::CReformDialogModel(std::int32_t storedCountry, const CJulianDay& storedStart,
                                       const CYearStyle& storedStyle) {
    // A stored position outside the list (a hand-edited setting) selects nothing.
    if (storedCountry >= 0 && storedCountry < kReformCountryCount)
        m_nCountrySel = storedCountry;
    ShowDate(storedStart);
    ShowYearStyle(storedStyle, storedStart.GetDayNumber());
}

void CReformDialogModel::ShowYearStyle(const CYearStyle& style, std::int32_t reformDay) {
    m_nYearStyle = static_cast<int>(style.eStyle);
    m_strStyleUntil.clear();
    if (style.eStyle == EYearStyle::January || style.nChangeDay <= kFirstSupportedDay)
        return;
    // The last year of the style is the civil year of the day before the change.
    const CJulianDay last(style.nChangeDay - 1);
    m_strStyleUntil = std::to_string(last.GetDayNumber() < reformDay ? last.GetJulian().nYear
                                                                     : last.GetGregorian().nYear);
}

void CReformDialogModel::SetYearStyle(int style) {
    if (style < 0 || style >= kYearStyleCount)
        return;
    m_nYearStyle = style;
    if (style == static_cast<int>(EYearStyle::January))
        m_strStyleUntil.clear();
}

std::int32_t CReformDialogModel::ChangeDayAfter(std::int32_t lastYear, std::int32_t reformDay) {
    const std::int32_t next = lastYear == -1 ? 1 : lastYear + 1;
    CJulianDay day;
    day.SetJulian({1, 1, next});
    if (day.GetDayNumber() >= reformDay)
        day.SetGregorian({1, 1, next});
    return day.GetDayNumber();
}

const std::vector<std::string>& CReformDialogModel::GetCountryList() {
    // Both languages at once: the window asks again after a change of language.
    static const std::array<std::vector<std::string>, 2> lists = [] {
        std::array<std::vector<std::string>, 2> v;
        for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
            for (int i = 0; i < kReformCountryCount; ++i)
                v[static_cast<std::size_t>(language)].push_back(ReformCountryListText(i, language));
        }
        return v;
    }();
    return lists[TextLanguage() == ETextLanguage::French ? 1 : 0];
}

const std::vector<int>& CReformDialogModel::GetCountryOrder() {
    static const std::array<std::vector<int>, 2> orders = {
        ReformCountryOrder(ETextLanguage::English), ReformCountryOrder(ETextLanguage::French)};
    return orders[TextLanguage() == ETextLanguage::French ? 1 : 0];
}

CJulianDay CReformDialogModel::GetCountryItemData(int position) {
    return ReformCountryDay(position);
}

const std::vector<std::string>& CReformDialogModel::GetDayList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (int d = 1; d <= 31; ++d) {
            char text[4];
            std::snprintf(text, sizeof text, "%02d", d);
            v.emplace_back(text);
        }
        return v;
    }();
    return list;
}

const std::vector<std::string>& CReformDialogModel::GetMonthList() {
    return MonthNames();
}

void CReformDialogModel::ShowDate(const CJulianDay& day) {
    const CGregorianDate date = day.GetGregorian();
    // A stored day with no date at all (a damaged setting) leaves the boxes
    // empty rather than picking entries outside the lists.
    if (date.nDay < 1 || date.nDay > 31 || date.nMonth < 1 || date.nMonth > 12) {
        m_strDay.clear();
        m_strMonth.clear();
        m_strYear.clear();
        return;
    }
    m_strDay = GetDayList()[static_cast<std::size_t>(date.nDay - 1)];
    m_strMonth = MonthName(date.nMonth);
    m_strYear = std::to_string(date.nYear);
}

void CReformDialogModel::OnCountrySelected(int position) {
    if (position < 0 || position >= kReformCountryCount)
        return;
    m_nCountrySel = position;
    ShowDate(GetCountryItemData(position));
    ShowYearStyle(ReformCountryYearStyle(position), GetCountryItemData(position).GetDayNumber());
}

void CReformDialogModel::OnDaySelected(int index) {
    const auto& list = GetDayList();
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        m_strDay = list[static_cast<std::size_t>(index)];
}

void CReformDialogModel::OnMonthSelected(int index) {
    const auto& list = GetMonthList();
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        m_strMonth = list[static_cast<std::size_t>(index)];
}

void CReformDialogModel::OnDayKillFocus() {
    if (m_strDay.size() == 1 && IsDigit(m_strDay[0]))
        m_strDay.insert(m_strDay.begin(), '0');
}

void CReformDialogModel::OnMonthKillFocus() {
    const std::int32_t month = ReadLeadingInt(m_strMonth);
    if (month >= 1 && month <= 12)
        m_strMonth = MonthName(month);
}

std::optional<CTextSelection> CReformDialogModel::OnMonthEditChange() {
    if (ReadLeadingInt(m_strMonth) != 0)
        return std::nullopt;
    const std::string* found = nullptr;
    for (const auto& name : GetMonthList()) {
        if (StartsWithNoCase(name, m_strMonth)) {
            found = &name;
            break;
        }
    }
    const int typed = static_cast<int>(m_strMonth.size());
    if (found && typed > g_nTypedLength)
        m_strMonth = *found;
    // Without a match the last character typed is selected, so the next
    // keystroke replaces it.
    g_nTypedLength = found ? typed : (typed > 0 ? typed - 1 : 0);
    return CTextSelection{g_nTypedLength, static_cast<int>(m_strMonth.size())};
}

CGregorianDate CReformDialogModel::ReadDate() {
    OnDayKillFocus();
    OnMonthKillFocus();
    return {ListPosition(GetDayList(), m_strDay), ListPosition(GetMonthList(), m_strMonth),
            ReadLeadingInt(m_strYear)};
}

CPanelMove CReformDialogModel::OnDisplayBeginning() {
    const CGregorianDate date = ReadDate();
    CPanelMove move;
    if (!CJulianDay::IsValidGregorian(date)) {
        move.strMessage = LoadResString(IDS_ILLEGAL_DATE);
        return move;
    }
    move.bMove = true;
    move.row = CalendarRow::Gregorian;
    move.day.SetGregorian(date);
    return move;
}

CReformChoice CReformDialogModel::OnOK() {
    const CGregorianDate date = ReadDate();
    CReformChoice choice;
    if (!CJulianDay::IsValidGregorian(date)) {
        choice.strMessage = LoadResString(IDS_ILLEGAL_DATE);
        return choice;
    }
    CJulianDay day;
    day.SetGregorian(date);
    if (day.GetDayNumber() < kEarliestReformDay) {
        choice.strMessage = LoadResString(IDS_REFORM_TOO_EARLY);
        return choice;
    }
    // The last year of the style: a whole year number, the change day after
    // it within the range. An empty box: the style holds on every day.
    CYearStyle style{YearStyleOfValue(m_nYearStyle), 0};
    if (style.eStyle != EYearStyle::January && !m_strStyleUntil.empty()) {
        const std::int32_t year = ReadLeadingInt(m_strStyleUntil);
        const bool whole = std::to_string(year) == m_strStyleUntil;
        if (!whole || year == 0 || year < -4713 || year > 2998) {
            choice.strMessage = LoadResString(IDS_ILLEGAL_DATE);
            return choice;
        }
        style.nChangeDay = ChangeDayAfter(year, day.GetDayNumber());
    }
    choice.yearStyle = style;
    choice.bAccepted = true;
    choice.dtStart = day;
    // Only the selected item is compared: with England selected, its date
    // stores England even though other countries share that day.
    choice.nCountry = GetCountryItemData(m_nCountrySel) == day ? m_nCountrySel : -1;
    return choice;
}

int CReformDialogModel::GetTypedLength() {
    return g_nTypedLength;
}

void CReformDialogModel::ResetTypedLength() {
    g_nTypedLength = 0;
}

bool ApplyReformChoice(const CReformChoice& choice, CFrameSettings& settings,
                       CSettingsStore& store) {
    // Only a day OK could have accepted may become the threshold.
    const std::int32_t day = choice.dtStart.GetDayNumber();
    if (!choice.bAccepted || day < kEarliestReformDay || day > kLastSupportedDay)
        return false;
    const auto styleValue = static_cast<std::int32_t>(choice.yearStyle.eStyle);
    if (styleValue < 0 || styleValue >= kYearStyleCount || choice.yearStyle.nChangeDay < 0 ||
        choice.yearStyle.nChangeDay > kLastSupportedDay)
        return false;
    settings.m_nGregCountry = choice.nCountry;
    settings.m_dtGregStart = choice.dtStart;
    settings.m_nYearStyle = static_cast<std::int32_t>(choice.yearStyle.eStyle);
    settings.m_nStyleUntil = choice.yearStyle.nChangeDay;
    const bool country = WriteSetting(store, SET_PAYS_GREG, settings.m_nGregCountry);
    const bool start = WriteSetting(store, SET_DT_GREG, settings.m_dtGregStart.GetDayNumber());
    const bool style = WriteSetting(store, SET_STYLE_ANNEE, settings.m_nYearStyle);
    const bool until = WriteSetting(store, SET_FIN_STYLE, settings.m_nStyleUntil);
    return country && start && style && until;
}
