// What the calendar panel asks of its owner (the main frame): the display
// options, read at each use, and the row layout at the end of the initial
// update.
#pragma once

#include "PanelIds.h"
#include "RowLayout.h"
#include "calendar/CalendarRow.h"
#include "calendar/YearStyle.h"

#include <array>
#include <cstdint>

class CCalendarPanel;

class IPanelOwner {
public:
    virtual bool IsRowShown(CalendarRow row) const = 0;
    virtual std::int32_t GetSaintsMode() const = 0;    // 0 none, 1 Gregorian, 2 Julian, 3 auto
    virtual std::int32_t GetSaintsPresent() const = 0; // 0 traditional list, 1 present list
    virtual bool GetRepFeasts() const = 0;
    // The year-start style of the Gregorian, Julian and Roman rows.
    virtual CYearStyle GetYearStyle() const = 0;
    // The calendar in civil use: the chosen reform.
    virtual CCivilUse GetCivilUse() const = 0;
    // Lay out the visible rows; the owner passes the result back to the panel
    // through CCalendarPanel::ApplyLayoutVisibility.
    virtual void ArrangeRows(CCalendarPanel& panel) = 0;

protected:
    ~IPanelOwner() = default;
};

// The options at the program's defaults: every row shown, saints automatic
// from the traditional list, feast names on.
struct CPanelOptions {
    std::array<bool, kRowCount> bShowRow{true, true, true, true, true, true};
    std::int32_t nSaintsMode = 3;
    std::int32_t nSaintsPresent = 0;
    bool bRepFeasts = true;
    CYearStyle yearStyle; // 1 January
    CCivilUse civil{};    // 20 December 1582
};

// An owner with fixed options and no window, for the command-line tool and
// for tests. Its layout is kept for inspection.
class CFixedPanelOwner final : public IPanelOwner {
public:
    CFixedPanelOwner() = default;
    explicit CFixedPanelOwner(const CPanelOptions& options) : m_options(options) {}

    bool IsRowShown(CalendarRow row) const override;
    std::int32_t GetSaintsMode() const override { return m_options.nSaintsMode; }
    std::int32_t GetSaintsPresent() const override { return m_options.nSaintsPresent; }
    bool GetRepFeasts() const override { return m_options.bRepFeasts; }
    CYearStyle GetYearStyle() const override { return m_options.yearStyle; }
    CCivilUse GetCivilUse() const override { return m_options.civil; }
    void ArrangeRows(CCalendarPanel& panel) override;

    CPanelOptions m_options;
    bool m_bToolBar = true;
    int m_nCaptionHeight = 0;
    int m_nMenuHeight = 0;
    CRowLayout m_layout; // the last layout made
    int m_nArrangeCount = 0;
};
