// The days the panel has shown, for Back and Forward, as a browser keeps
// the pages it went through.
//
//   CDayHistory history;
//   history.Visit(a); history.Visit(b);     // a, [b]
//   history.Back();                         // [a], b: the panel goes to a
//   history.Visit(a);                       // the same day: nothing changes
//   history.Visit(c);                       // a, [c]: b is dropped
//
// Going back or forward moves the panel, which then visits the day it is
// on: that visit is the current entry's, so it adds nothing.
#pragma once

#include "calendar/JulianDay.h"

#include <cstddef>
#include <deque>
#include <optional>

class CDayHistory {
public:
    static constexpr std::size_t kMaxEntries = 100;

    // The panel came to a day: after the current entry, dropping the entries
    // ahead of it and the oldest beyond the bound. The current day again is
    // no move.
    void Visit(const CJulianDay& day);
    bool CanGoBack() const { return m_nCurrent > 0; }
    bool CanGoForward() const { return m_nCurrent + 1 < m_days.size(); }
    // The day to go to, now the current entry; nothing at either end.
    std::optional<CJulianDay> Back();
    std::optional<CJulianDay> Forward();
    std::size_t Size() const { return m_days.size(); }

private:
    std::deque<CJulianDay> m_days;
    std::size_t m_nCurrent = 0;
};
