#include "CalendarPanel.h"

#include "calendar/DayMonth.h"
#include "calendar/RowTexts.h"
#include "calendar/StyledRow.h"
#include "text/FieldText.h"
#include "text/RomanNumeral.h"
#include "text/StringTable.h"

namespace {

// One remembered typed length per month-like field, for the whole process:
// the months of rows 0 to 5, then the kind field.
std::array<int, 7> g_nTypedLength{};

int TypedLengthSlot(PanelField field) {
    if (field == FIELD_ROMAN_KIND)
        return 6;
    if (FieldKind(field) != PanelFieldKind::Month)
        return -1;
    const auto row = FieldRow(field);
    return row ? RowIndex(*row) : -1;
}

// A row's year text as a number; the Republican year may be written in
// Roman numerals, as the period's documents write it ("an VIII").
std::int32_t ReadYearText(CalendarRow row, std::string_view text) {
    const std::int32_t year = ReadLeadingInt(text);
    if (year != 0 || row != CalendarRow::Republican)
        return year;
    std::string upper;
    for (const char c : text) {
        if (c != ' ')
            upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return ReadRomanNumeral(upper);
}

std::vector<std::string> NumberList(int first, int last) {
    std::vector<std::string> list;
    for (int n = first; n <= last; ++n)
        list.push_back(TwoDigits(n));
    return list;
}

std::vector<std::string> StringList(int firstId, int count) {
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i)
        list.push_back(LoadResString(firstId + i));
    return list;
}

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

// "1648/50": two years where a dual year would stand, but not one.
bool LooksLikeDualYear(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits)
        return false;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i < text.size() && (text[i] == '/' || text[i] == '-');
}

bool IsField(PanelField field) {
    return field >= 0 && field < FIELD_COUNT;
}

} // namespace

CCalendarPanel::CCalendarPanel(IPanelOwner& owner) : m_owner(owner) {
    FillLists();
}

// --- Lifecycle ---------------------------------------------------------------

void CCalendarPanel::FillLists() {
    for (auto& list : m_lists)
        list.clear();
    for (PanelField f : {FIELD_GREG_DAY, FIELD_JUL_DAY})
        m_lists[f] = NumberList(1, 31);
    for (PanelField f : {FIELD_REP_DAY, FIELD_JEW_DAY, FIELD_MUS_DAY})
        m_lists[f] = NumberList(1, 30);
    // The count's first entry, the empty text, is count 1: the named day itself.
    m_lists[FIELD_ROMAN_COUNT] = NumberList(2, 19);
    m_lists[FIELD_ROMAN_COUNT].insert(m_lists[FIELD_ROMAN_COUNT].begin(), std::string());
    for (PanelField f : {FIELD_GREG_MONTH, FIELD_JUL_MONTH, FIELD_ROMAN_MONTH})
        m_lists[f] = StringList(IDS_MONTH_FIRST, 12);
    m_lists[FIELD_ROMAN_KIND] = StringList(IDS_ROMAN_KIND_FIRST, 3);
    m_lists[FIELD_REP_MONTH] = StringList(IDS_REP_MONTH_FIRST, 13);
    m_lists[FIELD_JEW_MONTH] = StringList(IDS_JEWISH_MONTH_FIRST, 13);
    m_lists[FIELD_MUS_MONTH] = StringList(IDS_MUSLIM_MONTH_FIRST, 12);
    ++m_nListsRevision;
}

void CCalendarPanel::RefillListsKeepingTexts() {
    ReadForm();
    const auto positionIn = [](const std::vector<std::string>& list, const std::string& text) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (EqualsNoCase(list[i], text))
                return i + 1;
        }
        return std::size_t{0};
    };
    std::array<std::size_t, FIELD_COUNT> position{};
    std::array<std::size_t, FIELD_COUNT> lastLegalPosition{};
    for (int f = 0; f < FIELD_COUNT; ++f) {
        position[f] = positionIn(m_lists[f], m_strField[f]);
        lastLegalPosition[f] = positionIn(m_lists[f], m_strLastLegal[f]);
    }
    FillLists();
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto& list = m_lists[f];
        // Both languages' lists have the same length; guard all the same.
        if (position[f] > 0 && position[f] <= list.size())
            m_strField[f] = list[position[f] - 1];
        if (lastLegalPosition[f] > 0 && lastLegalPosition[f] <= list.size())
            m_strLastLegal[f] = list[lastLegalPosition[f] - 1];
    }
    // The view takes the new lists and texts before the labels read the rows back.
    WriteForm();
    RefreshWeekdayLabel();
    RefreshRepublicanLabel();
    WriteForm();
}

void CCalendarPanel::OnInitialUpdate() {
    FillLists();
    CJulianDay today;
    today.SetToday();
    const CGregorianDate date = today.GetGregorian();
    m_strField[FIELD_GREG_DAY] = ListEntry(FIELD_GREG_DAY, date.nDay);
    m_strField[FIELD_GREG_MONTH] = ListEntry(FIELD_GREG_MONTH, date.nMonth);
    m_strField[FIELD_GREG_YEAR] = ShownYearText(CalendarRow::Gregorian, today);
    WriteForm();
    ApplyGregorianRow(0);
    m_owner.ArrangeRows(*this);
}

// --- Field texts and lists ------------------------------------------------------

const std::string& CCalendarPanel::GetFieldText(PanelField field) const {
    return IsField(field) ? m_strField[field] : EmptyText();
}

void CCalendarPanel::SetFieldText(PanelField field, std::string text) {
    if (IsField(field))
        m_strField[field] = std::move(text);
}

const std::vector<std::string>& CCalendarPanel::GetFieldList(PanelField field) const {
    static const std::vector<std::string> none;
    return IsField(field) ? m_lists[field] : none;
}

const std::string& CCalendarPanel::ListEntry(PanelField field, std::int32_t n) const {
    const auto& list = GetFieldList(field);
    // A day with no date in a calendar gives 0 here: an empty text, never a
    // read outside the list.
    if (n < 1 || static_cast<std::size_t>(n) > list.size())
        return EmptyText();
    return list[static_cast<std::size_t>(n - 1)];
}

int CCalendarPanel::FieldListIndex(PanelField field) const {
    return IsField(field) ? ListPosition(field) - 1 : -1;
}

std::vector<std::string> CCalendarPanel::GetRowTexts(CalendarRow row) const {
    const CRowFields f = RowFields(row);
    std::vector<std::string> texts;
    for (PanelField field : {f.day, f.kind, f.month, f.year}) {
        if (field != FIELD_NONE)
            texts.push_back(m_strField[field]);
    }
    return texts;
}

void CCalendarPanel::ReadForm() {
    if (m_formReader)
        m_formReader();
}

void CCalendarPanel::WriteForm() {
    ++m_nRevision;
    if (m_observer)
        m_observer();
}

// --- Icons, markers and flags ----------------------------------------------------

bool CCalendarPanel::IsIconVisible(int id) const {
    const int i = id - kFirstIcon;
    return i >= 0 && i < kIconCount && m_bIconVisible[static_cast<std::size_t>(i)];
}

void CCalendarPanel::SetIconVisible(int id, bool visible) {
    const int i = id - kFirstIcon;
    if (i < 0 || i >= kIconCount || m_bIconVisible[static_cast<std::size_t>(i)] == visible)
        return;
    m_bIconVisible[static_cast<std::size_t>(i)] = visible;
    ++m_nRevision;
}

const std::string& CCalendarPanel::IconTooltip(int id) {
    static const std::string gregorian = "Gregorian calendar";
    static const std::string julian = "Julian calendar";
    static const std::string roman = "Julian calendar (Roman style)";
    static const std::string republican = "Republican calendar";
    static const std::string simulated = "Simulated republican calendar";
    static const std::string jewish = "Jewish calendar";
    static const std::string muslim = "Muslim calendar";
    switch (id) {
    case IDC_ICON_GREG:
        return gregorian;
    case IDC_ICON_JUL:
        return julian;
    case IDC_ICON_ROMAN:
        return roman;
    case IDC_ICON_REP:
        return republican;
    case IDC_ICON_REP_SIMULATED:
        return simulated;
    case IDC_ICON_JEW:
        return jewish;
    case IDC_ICON_MUS:
        return muslim;
    case IDC_ICON_GREG_ILLEGAL:
    case IDC_ICON_JUL_ILLEGAL:
    case IDC_ICON_ROMAN_ILLEGAL:
    case IDC_ICON_REP_ILLEGAL:
    case IDC_ICON_JEW_ILLEGAL:
    case IDC_ICON_MUS_ILLEGAL:
        return LoadResString(IDS_ILLEGAL_DATE);
    default:
        return EmptyText();
    }
}

bool CCalendarPanel::IsIllegal(CalendarRow row) const {
    return IsRow(row) && m_bIllegal[RowIndex(row)];
}

bool CCalendarPanel::IsRowGreyed(CalendarRow row) const {
    return IsRow(row) && m_bGreyed[RowIndex(row)];
}

bool CCalendarPanel::IsRowShown(CalendarRow row) const {
    return m_owner.IsRowShown(row);
}

CLabelOptions CCalendarPanel::GetLabelOptions() const {
    CLabelOptions options;
    options.nSaintsMode = m_owner.GetSaintsMode();
    options.nSaintsPresent = m_owner.GetSaintsPresent();
    options.bRepFeasts = m_owner.GetRepFeasts();
    options.civil = m_owner.GetCivilUse();
    return options;
}

// --- Notifications -----------------------------------------------------------------

void CCalendarPanel::OnSelChange(PanelField field, int index) {
    const PanelFieldKind kind = FieldKind(field);
    if (!IsField(field) || kind == PanelFieldKind::Year || kind == PanelFieldKind::Label)
        return;
    // The combo's edit part still holds the old text: copy the entry over.
    ReadForm();
    if (!TakeSelection(field, index))
        return;
    WriteForm();
    if (const auto row = FieldRow(field))
        CheckAndApply(*row);
}

void CCalendarPanel::OnKillFocus(PanelField field) {
    // A label is no row, and leaving it changes nothing.
    const auto found = FieldRow(field);
    if (!found)
        return;
    const CalendarRow row = *found;
    if (IsRowGreyed(row)) {
        ReadForm();
        // Passing through a greyed row is no edit: the illegal entry the
        // user is working on stays.
        if (RowMatchesLastLegal(row))
            return;
        m_bGreyed[RowIndex(row)] = false;
    }
    switch (FieldKind(field)) {
    case PanelFieldKind::Day:
        ReadForm();
        PadDayText(field);
        WriteForm();
        break;
    case PanelFieldKind::Month:
        ReadForm();
        MonthNumberToName(field);
        WriteForm();
        break;
    case PanelFieldKind::Kind:
        KindNumberToName();
        break;
    case PanelFieldKind::Year:
        break;
    case PanelFieldKind::Label:
        return;
    }
    CheckAndApply(row);
}

std::optional<CTextSelection> CCalendarPanel::OnEditChange(PanelField field) {
    const auto row = FieldRow(field);
    if (!row)
        return std::nullopt;
    if (IsRowGreyed(*row)) {
        // The greyed values are now the fields of the user's entry.
        m_bGreyed[RowIndex(*row)] = false;
        WriteForm();
    }
    const PanelFieldKind kind = FieldKind(field);
    if (kind != PanelFieldKind::Month && kind != PanelFieldKind::Kind)
        return std::nullopt;
    return CompleteMonthText(field);
}

void CCalendarPanel::OnEnter() {
    // The focused field's row; the labels, the icons and no focus mean row 0.
    const CalendarRow row = FieldRow(m_focusField).value_or(CalendarRow::Gregorian);
    const CRowFields f = RowFields(row);
    ReadForm();
    PadDayText(f.day);
    WriteForm();
    if (row == CalendarRow::Roman)
        KindNumberToName();
    ReadForm();
    MonthNumberToName(f.month);
    WriteForm();
    CheckAndApply(row);
}

// --- Reading and checking rows -----------------------------------------------------------

std::int32_t CCalendarPanel::ListPosition(PanelField field) const {
    const auto& list = m_lists[field];
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualsNoCase(list[i], m_strField[field]))
            return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

bool CCalendarPanel::GetRowFields(CalendarRow row, std::int32_t& day, std::int32_t& month,
                                  std::int32_t& year) {
    day = month = year = 0;
    if (!IsRow(row) || row == CalendarRow::Roman)
        return false;
    ReadForm();
    const CRowFields f = RowFields(row);
    day = ListPosition(f.day);
    month = ListPosition(f.month);
    year = ReadYearText(row, m_strField[f.year]);
    // Under a style the fields name the day in the modern count.
    if (UsesYearStyle(row)) {
        const auto resolved = ResolveStyledRow(row);
        year = resolved ? ModernRowYear(row, *resolved) : 0;
    }
    return true;
}

void CCalendarPanel::GetRomanFields(std::int32_t& count, std::int32_t& kind, std::int32_t& month,
                                    std::int32_t& year) {
    ReadForm();
    count = m_strField[FIELD_ROMAN_COUNT].empty() ? 1 : ListPosition(FIELD_ROMAN_COUNT);
    kind = ListPosition(FIELD_ROMAN_KIND);
    month = ListPosition(FIELD_ROMAN_MONTH);
    year = ReadLeadingInt(m_strField[FIELD_ROMAN_YEAR]);
    if (UsesYearStyle(CalendarRow::Roman)) {
        const auto resolved = ResolveStyledRow(CalendarRow::Roman);
        if (!resolved) {
            year = 0;
            return;
        }
        const CRomanDate date = resolved->GetRoman();
        count = date.nCount;
        kind = date.nKind;
        month = date.nMonth;
        year = date.nYear;
    }
}

CRowValues CCalendarPanel::GetRowValues(CalendarRow row) {
    CRowValues v;
    if (row == CalendarRow::Roman)
        GetRomanFields(v.nFirst, v.nSecond, v.nThird, v.nFourth);
    else
        GetRowFields(row, v.nFirst, v.nSecond, v.nThird);
    return v;
}

bool CCalendarPanel::IsRowLegal(CalendarRow row) {
    return IsRow(row) && IsRowDateValid(row, GetRowValues(row));
}

bool CCalendarPanel::ValidateRow(CalendarRow row) {
    if (!IsRow(row))
        return false;
    const bool legal = IsRowLegal(row);
    if (!legal)
        ShowIllegalDate(row);
    WriteForm();
    return legal;
}

void CCalendarPanel::CheckAndApply(CalendarRow row) {
    if (ValidateRow(row))
        ApplyRow(row);
}

void CCalendarPanel::EmptyRow(CalendarRow row) {
    const CRowFields f = RowFields(row);
    for (PanelField field : {f.day, f.kind, f.month, f.year}) {
        if (field != FIELD_NONE)
            m_strField[field].clear();
    }
    m_bGreyed[RowIndex(row)] = false;
}

void CCalendarPanel::RememberLegalDay() {
    for (int f = 0; f < FIELD_COUNT; ++f) {
        if (FieldKind(static_cast<PanelField>(f)) != PanelFieldKind::Label)
            m_strLastLegal[f] = m_strField[f];
    }
    m_bHasLastLegal = true;
    m_bGreyed.fill(false);
    if (m_dayObserver)
        m_dayObserver(m_dayShown);
}

bool CCalendarPanel::HasYearZero(CalendarRow row) const {
    if (!IsRow(row))
        return false;
    std::string_view text = m_strField[RowFields(row).year];
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    // A zero written as such ("0", "-00"), not a blank or a word.
    return !text.empty() && text.find_first_not_of('0') == std::string_view::npos;
}

bool CCalendarPanel::RowMatchesLastLegal(CalendarRow row) const {
    if (!m_bHasLastLegal)
        return false;
    const CRowFields f = RowFields(row);
    for (PanelField field : {f.day, f.kind, f.month, f.year}) {
        if (field != FIELD_NONE && m_strField[field] != m_strLastLegal[field])
            return false;
    }
    return true;
}

void CCalendarPanel::ShowIllegalDate(CalendarRow row) {
    if (!IsRow(row))
        return;
    SetIconVisible(IDC_MARKER_GREG, false);
    SetIconVisible(IDC_MARKER_JUL, false);
    SetRowIcon(row, true, false);
    for (const CalendarRow other : kAllRows) {
        if (other != row)
            SetRowIcon(other, false, false);
    }
    // The labels name the day shown, and there is none.
    m_strField[FIELD_WEEKDAY_LABEL].clear();
    m_strField[FIELD_REP_LABEL].clear();
    // The illegal row keeps what the user typed; the others go back to the
    // last legal day, greyed, so that an edit there need not start from blank.
    m_bGreyed[RowIndex(row)] = false;
    for (const CalendarRow other : kAllRows) {
        if (other == row)
            continue;
        EmptyRow(other);
        if (!m_bHasLastLegal)
            continue;
        const CRowFields f = RowFields(other);
        for (PanelField field : {f.day, f.kind, f.month, f.year}) {
            if (field != FIELD_NONE)
                m_strField[field] = m_strLastLegal[field];
        }
        m_bGreyed[RowIndex(other)] = true;
    }
}

void CCalendarPanel::SetRowIcon(CalendarRow row, bool illegal, bool simulated) {
    if (!IsRow(row))
        return;
    const CRowIcons icons = RowIcons(row);
    int show = icons.valid;
    if (illegal)
        show = icons.illegal;
    else if (row == CalendarRow::Republican && simulated)
        show = icons.simulated;
    if (IsIconVisible(show))
        return;
    SetIconVisible(icons.valid, false);
    SetIconVisible(icons.illegal, false);
    if (icons.simulated)
        SetIconVisible(icons.simulated, false);
    if (IsRowShown(row))
        SetIconVisible(show, true);
    if (row == CalendarRow::Republican)
        m_bSimulated = simulated && !illegal;
    // Kept for the simulated icon too, so no stale illegal flag outlives it.
    m_bIllegal[RowIndex(row)] = illegal;
}

void CCalendarPanel::UpdateCivilMarker(const CJulianDay& day) {
    if (GetCivilUse().IsGregorian(day)) {
        if (!IsIconVisible(IDC_MARKER_GREG)) {
            m_bGregorianInForce = true;
            SetIconVisible(IDC_MARKER_JUL, false);
            SetIconVisible(IDC_MARKER_GREG, IsRowShown(CalendarRow::Gregorian));
        }
    } else if (!IsIconVisible(IDC_MARKER_JUL)) {
        m_bGregorianInForce = false;
        SetIconVisible(IDC_MARKER_GREG, false);
        SetIconVisible(IDC_MARKER_JUL, IsRowShown(CalendarRow::Julian));
    }
}

std::optional<CJulianDay> CCalendarPanel::DayOfShownRow(CalendarRow row) {
    if (IsRowGreyed(row))
        return std::nullopt;
    const CRowValues values = GetRowValues(row);
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    return DayOfRowValues(row, values);
}

void CCalendarPanel::RecheckCivilMarker() {
    // A greyed row 0 is no day shown: the markers stay hidden.
    const auto day = DayOfShownRow(CalendarRow::Gregorian);
    if (!day)
        return;
    UpdateCivilMarker(*day);
    // In automatic mode the saints follow the civil calendar too: keep the
    // label in step with the marker.
    UpdateWeekdayLabel(*day);
}

// --- Filling rows ---------------------------------------------------------------------

// The row's fields as the calendar tells the day.
void CCalendarPanel::WriteRowTexts(CalendarRow row, const CJulianDay& day) {
    const std::vector<std::string> texts = DayFieldTexts(row, day, GetYearStyle());
    const CRowFields f = RowFields(row);
    std::size_t i = 0;
    for (const PanelField field : {f.day, f.kind, f.month, f.year}) {
        if (field == FIELD_NONE)
            continue;
        m_strField[field] = i < texts.size() ? texts[i] : std::string();
        ++i;
    }
}

void CCalendarPanel::ShowRow(CalendarRow row, const CJulianDay& day) {
    if (!IsRow(row))
        return;
    EmptyRow(row);
    if (row == CalendarRow::Republican) {
        m_strField[FIELD_REP_LABEL].clear();
        if (!day.IsRepublicanEra() && !day.IsSimulatedRepublicanEra()) {
            SetRowIcon(CalendarRow::Republican, false, false);
            WriteForm();
            return;
        }
        SetRowIcon(CalendarRow::Republican, false, !day.IsRepublicanEra());
        WriteRowTexts(CalendarRow::Republican, day);
        UpdateRepublicanLabel(day);
        return;
    }
    SetRowIcon(row, false);
    WriteRowTexts(row, day);
    MarkEasterReading(row, day);
    if (row == CalendarRow::Gregorian)
        UpdateWeekdayLabel(day);
    WriteForm();
}

// --- Applying rows -------------------------------------------------------------------------

std::optional<CJulianDay> CCalendarPanel::ReadRowDay(CalendarRow row) {
    // Callers check the row first. One that did not (a row filled with a
    // day outside its calendar, a day and month forced into an empty row)
    // must not spread a day made up from blank fields over the panel.
    const CRowValues values = GetRowValues(row);
    if (!IsRow(row) || !IsRowDateValid(row, values)) {
        ShowIllegalDate(row);
        WriteForm();
        return std::nullopt;
    }
    return DayOfRowValues(row, values);
}

void CCalendarPanel::FinishApply(CalendarRow row, const CJulianDay& day) {
    m_dayShown = day;
    RewriteAppliedYear(row, day);
    UpdateCivilMarker(day);
    for (const CalendarRow other : kAllRows) {
        if (other != row)
            ShowRow(other, day);
    }
    RememberLegalDay();
    WriteForm();
}

void CCalendarPanel::ApplyGregorianRow(std::int32_t offset) {
    auto day = ReadRowDay(CalendarRow::Gregorian);
    if (!day)
        return;
    if (offset != 0) {
        const std::int64_t moved = static_cast<std::int64_t>(day->GetDayNumber()) + offset;
        // The first and last supported days have no neighbour outside.
        if (moved >= kFirstSupportedDay && moved <= kLastSupportedDay)
            *day = static_cast<std::int32_t>(moved);
        else
            offset = 0;
    }
    m_dayShown = *day;
    UpdateWeekdayLabel(*day);
    SetRowIcon(CalendarRow::Gregorian, false);
    UpdateCivilMarker(*day);
    if (offset != 0)
        ShowRow(CalendarRow::Gregorian, *day);
    else
        RewriteAppliedYear(CalendarRow::Gregorian, *day);
    for (const CalendarRow row : kAllRows) {
        if (row != CalendarRow::Gregorian)
            ShowRow(row, *day);
    }
    RememberLegalDay();
    WriteForm();
}

void CCalendarPanel::ApplyRow(CalendarRow row) {
    if (row == CalendarRow::Gregorian)
        return ApplyGregorianRow(0);
    if (!IsRow(row))
        return;
    const auto day = ReadRowDay(row);
    if (!day)
        return;
    if (row == CalendarRow::Republican) {
        // A year typed in Roman numerals is shown, and copied, as digits.
        m_strField[FIELD_REP_YEAR] = std::to_string(day->GetRepublican().nYear);
        UpdateRepublicanLabel(*day);
    }
    SetRowIcon(row, false, row == CalendarRow::Republican && !day->IsRepublicanEra());
    FinishApply(row, *day);
}

void CCalendarPanel::GoToRowDay(CalendarRow row, const CJulianDay& day) {
    if (!IsRow(row))
        return;
    ShowRow(row, day);
    ApplyRow(row);
}

// --- Year-start styles ----------------------------------------------------------------------

std::string CCalendarPanel::ShownYearText(CalendarRow row, const CJulianDay& day) const {
    return RowYearText(row, day, GetYearStyle());
}

bool CCalendarPanel::UsesYearStyle(CalendarRow row) const {
    if (!IsStyledRow(row))
        return false;
    // A dual year typed with no style is read as documents mean it, and
    // two years that make none are refused.
    return GetYearStyle().eStyle != EYearStyle::January ||
           LooksLikeDualYear(m_strField[RowFields(row).year]);
}

CStyleReadings CCalendarPanel::ReadStyledRow(CalendarRow row) const {
    std::int32_t dayOrCount = 0;
    std::int32_t kind = 0;
    if (row == CalendarRow::Roman) {
        dayOrCount = m_strField[FIELD_ROMAN_COUNT].empty() ? 1 : ListPosition(FIELD_ROMAN_COUNT);
        kind = ListPosition(FIELD_ROMAN_KIND);
    } else {
        dayOrCount = ListPosition(RowFields(row).day);
    }
    const std::int32_t month = ListPosition(RowFields(row).month);
    const std::string& yearText = m_strField[RowFields(row).year];
    const CYearStyle style = GetYearStyle();
    const auto dual = ParseDualYear(yearText);
    if (!dual && LooksLikeDualYear(yearText))
        return {};
    if (!dual)
        return RowReadings(row, dayOrCount, kind, month, ReadLeadingInt(yearText), style, true);
    return RowReadingsOfDual(row, dayOrCount, kind, month, *dual, style);
}

std::optional<CJulianDay> CCalendarPanel::ResolveStyledRow(CalendarRow row) const {
    const CStyleReadings readings = ReadStyledRow(row);
    if (readings.nCount == 0)
        return std::nullopt;
    // Of a date held twice, the one the row's marker shows; with no marker,
    // the earlier of two Easters but the modern day across a style's end.
    const int marker = m_nEasterReading[RowIndex(row)];
    const bool later =
        readings.nCount == 2 &&
        (ReadingsStraddleChange(readings, GetYearStyle()) ? marker != 0 : marker == 1);
    return readings.days[later ? 1 : 0];
}

CStyleReadings CCalendarPanel::ReadingsOfShownDate(CalendarRow row, const CJulianDay& day) const {
    const CYearStyle style = GetYearStyle();
    if (!IsStyledRow(row) || style.eStyle == EYearStyle::January)
        return {};
    const std::int32_t modern = ModernRowYear(row, day);
    std::int32_t styleYear = modern;
    if (const auto dual = RowDualYear(row, day, style))
        styleYear = dual->nEarlier == modern ? dual->nLater : dual->nEarlier;
    if (row == CalendarRow::Roman) {
        const CRomanDate date = day.GetRoman();
        return RowReadings(row, date.nCount, date.nKind, date.nMonth, styleYear, style, true);
    }
    const CDayMonth date = DayMonthOf(day, row == CalendarRow::Gregorian);
    return RowReadings(row, date.nDay, 0, date.nMonth, styleYear, style, true);
}

void CCalendarPanel::MarkEasterReading(CalendarRow row, const CJulianDay& day) {
    if (!IsStyledRow(row))
        return;
    int& reading = m_nEasterReading[RowIndex(row)];
    EReadingChoice& choice = m_eReadingChoice[RowIndex(row)];
    reading = -1;
    choice = EReadingChoice::None;
    const CStyleReadings readings = ReadingsOfShownDate(row, day);
    if (readings.nCount != 2)
        return;
    reading = readings.days[1] == day ? 1 : 0;
    choice = ReadingsStraddleChange(readings, GetYearStyle()) ? EReadingChoice::StyleChange
                                                              : EReadingChoice::Easter;
}

void CCalendarPanel::RewriteAppliedYear(CalendarRow row, const CJulianDay& day) {
    // Without a style the year stays as typed ("2000x").
    if (!UsesYearStyle(row))
        return;
    m_strField[RowFields(row).year] = ShownYearText(row, day);
    MarkEasterReading(row, day);
}

int CCalendarPanel::GetEasterReading(CalendarRow row) const {
    return IsStyledRow(row) ? m_nEasterReading[RowIndex(row)] : -1;
}

CCalendarPanel::EReadingChoice CCalendarPanel::GetReadingChoice(CalendarRow row) const {
    return GetEasterReading(row) < 0 ? EReadingChoice::None : m_eReadingChoice[RowIndex(row)];
}

void CCalendarPanel::SwitchEasterReading(CalendarRow row) {
    if (GetEasterReading(row) < 0 || IsRowGreyed(row))
        return;
    ReadForm();
    const auto day = ResolveStyledRow(row);
    if (!day)
        return;
    const CStyleReadings readings = ReadingsOfShownDate(row, *day);
    if (readings.nCount != 2)
        return;
    GoToRowDay(row, readings.days[0] == *day ? readings.days[1] : readings.days[0]);
}

void CCalendarPanel::RedisplayDay() {
    if (m_bHasLastLegal)
        GoToRowDay(CalendarRow::Gregorian, m_dayShown);
}

// --- Labels --------------------------------------------------------------------------------

void CCalendarPanel::UpdateWeekdayLabel(const CJulianDay& day) {
    // No weekday for a day outside the range (a row forced to a non-day).
    const bool inRange =
        day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
    m_strField[FIELD_WEEKDAY_LABEL] =
        inRange ? ComposeWeekdayLabel(day, GetLabelOptions()) : std::string();
    WriteForm();
}

void CCalendarPanel::UpdateRepublicanLabel(const CJulianDay& day) {
    m_strField[FIELD_REP_LABEL] = ComposeRepublicanLabel(day, GetLabelOptions());
    WriteForm();
}

void CCalendarPanel::RefreshWeekdayLabel() {
    if (const auto day = DayOfShownRow(CalendarRow::Gregorian))
        UpdateWeekdayLabel(*day);
}

void CCalendarPanel::RefreshRepublicanLabel() {
    if (const auto day = DayOfShownRow(CalendarRow::Republican))
        UpdateRepublicanLabel(*day);
}

void CCalendarPanel::ShowGregorianDayMonth(std::int32_t day, std::int32_t month) {
    std::int32_t d = 0, m = 0, year = 0;
    GetRowFields(CalendarRow::Gregorian, d, m, year);
    CJulianDay jd;
    jd.SetGregorian({day, month, year});
    ShowRow(CalendarRow::Gregorian, jd);
}

void CCalendarPanel::ShowJulianDayMonth(std::int32_t day, std::int32_t month) {
    std::int32_t d = 0, m = 0, year = 0;
    GetRowFields(CalendarRow::Julian, d, m, year);
    CJulianDay jd;
    jd.SetJulian({day, month, year});
    ShowRow(CalendarRow::Julian, jd);
}

// --- Field helpers ------------------------------------------------------------------------------

void CCalendarPanel::PadDayText(PanelField field) {
    if (!IsField(field))
        return;
    std::string& text = m_strField[field];
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        text.insert(text.begin(), '0');
}

void CCalendarPanel::MonthNumberToName(PanelField field) {
    if (!IsField(field) || FieldKind(field) != PanelFieldKind::Month)
        return;
    // Twelve for every month list: the thirteenth month is reached by name.
    const std::int32_t n = ReadLeadingInt(m_strField[field]);
    if (n >= 1 && n <= 12)
        m_strField[field] = ListEntry(field, n);
}

void CCalendarPanel::KindNumberToName() {
    ReadForm();
    const std::int32_t n = ReadLeadingInt(m_strField[FIELD_ROMAN_KIND]);
    if (n >= 1 && n <= 3)
        m_strField[FIELD_ROMAN_KIND] = ListEntry(FIELD_ROMAN_KIND, n);
    WriteForm();
}

bool CCalendarPanel::TakeSelection(PanelField field, int index) {
    const auto& list = GetFieldList(field);
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return false;
    m_strField[field] = list[static_cast<std::size_t>(index)];
    return true;
}

std::optional<CTextSelection> CCalendarPanel::CompleteMonthText(PanelField field) {
    const int slot = TypedLengthSlot(field);
    if (slot < 0)
        return std::nullopt;
    ReadForm();
    std::string& text = m_strField[field];
    if (ReadLeadingInt(text) != 0)
        return std::nullopt;
    const std::string* found = nullptr;
    for (const std::string& entry : m_lists[field]) {
        if (StartsWithNoCase(entry, text)) {
            found = &entry;
            break;
        }
    }
    const int typed = static_cast<int>(text.size());
    // Longer than last time means the user typed rather than deleted, so
    // Backspace over a completion does not complete it again.
    if (typed > g_nTypedLength[static_cast<std::size_t>(slot)] && found) {
        text = *found;
        WriteForm();
    }
    g_nTypedLength[static_cast<std::size_t>(slot)] = typed;
    return CTextSelection{typed, static_cast<int>(text.size())};
}

int CCalendarPanel::GetTypedLength(PanelField field) {
    const int slot = TypedLengthSlot(field);
    return slot < 0 ? 0 : g_nTypedLength[static_cast<std::size_t>(slot)];
}

void CCalendarPanel::ResetTypedLengths() {
    g_nTypedLength.fill(0);
}

// --- Row layout
// ------------------------------------------------------------------------------------

CArrangeInput CCalendarPanel::GetArrangeState() const {
    CArrangeInput input;
    for (const CalendarRow row : kAllRows)
        input.bShowRow[RowIndex(row)] = IsRowShown(row);
    input.bIllegal = m_bIllegal;
    input.bSimulated = m_bSimulated;
    input.bGregorianInForce = m_bGregorianInForce;
    return input;
}

void CCalendarPanel::ApplyLayoutVisibility(const CRowLayout& layout) {
    const std::uint64_t before = m_nRevision;
    for (int id = kFirstIcon; id < kFirstIcon + kIconCount; ++id) {
        if (const CControlPlace* place = layout.Find(id))
            SetIconVisible(id, place->bVisible);
    }
    if (m_nRevision != before && m_observer)
        m_observer();
}
