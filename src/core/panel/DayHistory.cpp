#include "DayHistory.h"

void CDayHistory::Visit(const CJulianDay& day) {
    if (!m_days.empty() && m_days[m_nCurrent].GetDayNumber() == day.GetDayNumber())
        return;
    if (!m_days.empty())
        m_days.erase(m_days.begin() + static_cast<std::ptrdiff_t>(m_nCurrent) + 1, m_days.end());
    m_days.push_back(day);
    if (m_days.size() > kMaxEntries)
        m_days.pop_front();
    m_nCurrent = m_days.size() - 1;
}

std::optional<CJulianDay> CDayHistory::Back() {
    if (!CanGoBack())
        return std::nullopt;
    return m_days[--m_nCurrent];
}

std::optional<CJulianDay> CDayHistory::Forward() {
    if (!CanGoForward())
        return std::nullopt;
    return m_days[++m_nCurrent];
}
