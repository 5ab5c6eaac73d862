#include "MovableFeasts.h"

#include "ReformCountries.h"
#include "calendar/Computus.h"
#include "text/FieldText.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

using namespace reform_detail;

namespace {

constexpr std::array<std::int32_t, FEAST_COUNT> kOffsets = {-46, 0, 39, 49};

bool IsFeast(EFeast feast) {
    return feast >= 0 && feast < FEAST_COUNT;
}

} // namespace

std::int32_t FeastOffset(EFeast feast) {
    return IsFeast(feast) ? kOffsets[static_cast<std::size_t>(feast)] : 0;
}

const std::string& FeastTooltip(EFeast feast) {
    static const std::array<std::string, FEAST_COUNT> english = {
        "Display Ash Wednesday day", "Display Easter day", "Display Ascension day",
        "Display Pentecost day"};
    static const std::array<std::string, FEAST_COUNT> french = {
        "Afficher le mercredi des Cendres", "Afficher le jour de P\xE2ques",
        "Afficher le jour de l'Ascension", "Afficher le jour de la Pentec\xF4te"};
    static const std::string empty;
    const auto& tips = TextLanguage() == ETextLanguage::French ? french : english;
    return IsFeast(feast) ? tips[static_cast<std::size_t>(feast)] : empty;
}

std::int32_t LastJulianOnlyYear() {
    static const std::int32_t year = CJulianDay(kEarliestReformDay).GetJulian().nYear;
    return year;
}

std::optional<CMovableFeasts> ComputeMovableFeasts(std::int32_t year, bool preferGregorian) {
    if (year < kFirstFeastYear || year > kLastFeastYear)
        return std::nullopt;
    CMovableFeasts feasts;
    feasts.bGregorian = year > LastJulianOnlyYear() && preferGregorian;
    const CJulianDay easter = CJulianDay::Easter(year, feasts.bGregorian);
    for (int f = 0; f < FEAST_COUNT; ++f) {
        CJulianDay day = easter;
        day += kOffsets[static_cast<std::size_t>(f)];
        feasts.days[static_cast<std::size_t>(f)] = day;
    }
    return feasts;
}

std::int32_t FeastsStartYear(const CJulianDay& day, std::int32_t reformDay) {
    return ChurchYearOfDay(day, reformDay);
}

CFeastsDialogModel::CFeastsDialogModel(std::int32_t startYear, const CJulianDay& reformStart)
    : m_nYear(startYear) {
    m_bGregorian = m_bPreferGregorian = KeepsGregorianEaster(startYear, reformStart.GetDayNumber());
    m_strYear = std::to_string(startYear);
    Compute();
}

void CFeastsDialogModel::ReadYear() {
    m_nYear = ReadLeadingInt(m_strYear);
}

void CFeastsDialogModel::OnYearKillFocus() {
    ReadYear();
    Compute();
}

void CFeastsDialogModel::OnCalculate() {
    ReadYear();
    m_bPreferGregorian = m_nYear != m_nLastYear ? true : !m_bPreferGregorian;
    Compute();
}

void CFeastsDialogModel::Compute() {
    const auto feasts = ComputeMovableFeasts(m_nYear, m_bPreferGregorian);
    if (!feasts) {
        m_days.fill(CJulianDay());
        for (auto& text : m_strFeast)
            text.clear();
    } else {
        m_bGregorian = feasts->bGregorian;
        m_bIndicatorShown = true;
        m_days = feasts->days;
        for (std::size_t f = 0; f < m_days.size(); ++f)
            m_strFeast[f] = FormatFeastDate(m_days[f], m_bGregorian);
    }
    m_nLastYear = m_nYear;
}

CPanelMove CFeastsDialogModel::OnDisplay(EFeast feast) const {
    CPanelMove move;
    const CJulianDay day = GetFeastDay(feast);
    if (day.GetDayNumber() == 0) {
        move.strMessage = LoadResString(IDS_ILLEGAL_DATE);
        return move;
    }
    move.bMove = true;
    move.row = m_bGregorian ? CalendarRow::Gregorian : CalendarRow::Julian;
    move.day = day;
    return move;
}

const std::string& CFeastsDialogModel::GetFeastText(EFeast feast) const {
    static const std::string empty;
    return IsFeast(feast) ? m_strFeast[static_cast<std::size_t>(feast)] : empty;
}

CJulianDay CFeastsDialogModel::GetFeastDay(EFeast feast) const {
    return IsFeast(feast) ? m_days[static_cast<std::size_t>(feast)] : CJulianDay();
}
