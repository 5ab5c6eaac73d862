// The characters a view selects in a field after completing what was typed.
#pragma once

// Characters nStart (inclusive) to nEnd (exclusive).
struct CTextSelection {
    int nStart = 0;
    int nEnd = 0;
    bool operator==(const CTextSelection&) const = default;
};
