#include "PanelOwner.h"

#include "CalendarPanel.h"

bool CFixedPanelOwner::IsRowShown(int row) const {
    return row >= 0 && row < ROW_COUNT && m_options.bShowRow[row];
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
