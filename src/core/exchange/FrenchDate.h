// Dates as a French text writes them, for the paste: month names with or
// without their accents and in any case, "1er", "le", "de", "l'an", the
// Republican year in Roman numerals after "an", and the Roman-style date
// told in words.
//
//   "7 d\xE9""cembre 2026", "le 1er janvier 1700", "18 brumaire an VIII",
//   "3 brumaire de l'an 8", "14 Nissan 5784", "14 Adar II 5784",
//   "1er Rabia al-awal 1445", "5e jour compl\xE9mentaire an III"
//   Roman-style row: "3e jour avant les nones de juin 1997", "3e jour des
//   nones de juin 1997", "veille des ides de mars -44", "calendes d'avril
//   1997", "Calendes/06/1997", "3 nones juin 1997"
//
// Words are cut at the paste's separators (space, "/", ",", ".") and at a
// no-break space, a hyphen between letters and an elided "l'" or "d'". The
// Jewish "Adar" alone is month 6: the one Adar of a common year, the first
// of a leap year (which calendars that call the second Veadar write so).
#pragma once

#include "calendar/RowValues.h"

#include <cstdint>
#include <string_view>

// The row's values with the year as written, when the whole text is a date
// of the row in one of these forms; nothing is tested against the calendar.
bool ReadFrenchDate(CalendarRow row, std::string_view text, CRowValues& values);

namespace paste_detail {
// Optional white space, one optional sign, then decimal digits, read up to
// the first other character; 0 when there is no digit ("03" 3, "3rd" 3,
// "1er" 1, "-5" -5). Values beyond 32 bits saturate.
std::int32_t LeadingInteger(std::string_view token);
} // namespace paste_detail
