#include "PanelOwner.h"

#include "CalendarPanel.h"

bool CFixedPanelOwner::IsRowShown(CalendarRow row) const {
    return IsRow(row) && m_options.bShowRow[RowIndex(row)];
}

void CFixedPanelOwner::ArrangeRows(CCalendarPanel& panel) {
    CArrangeInput input = panel.GetArrangeState();
    input.bToolBar = m_bToolBar;
    input.nCaptionHeight = m_nCaptionHeight;
    input.nMenuHeight = m_nMenuHeight;
    m_layout = ::ArrangeRows(input);
    panel.ApplyLayoutVisibility(m_layout);
    ++m_nArrangeCount;
}
