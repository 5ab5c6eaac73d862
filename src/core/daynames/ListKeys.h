// The byte constants of the list files' scramble, one triple per kind of
// list. Changing any of them makes every stored list file unreadable: the
// files are rebuilt from data/*.txt by qdrpack at build time, so they only
// need to agree with this header.
#pragma once

#include <cstdint>

struct CListKey {
    std::uint8_t k0; // key of the first two bytes of a block
    std::uint8_t k1; // added to the byte two places back
    std::uint8_t k2; // added to the byte one place back
};

// "rep.qdr", the Republican feast days.
inline constexpr CListKey kRepListKey{0x5A, 0x3C, 0xA7};
// "sts.qdr" and "sts2.qdr", the saints' days, share one triple.
inline constexpr CListKey kSaintsListKey{0xC3, 0x71, 0x2E};
