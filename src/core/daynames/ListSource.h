// The plain sources of the list files (UTF-8, one entry per line) and their
// checked conversion to the stored form. Used by qdrpack.
#pragma once

#include <string>
#include <string_view>

enum class ListKind { Rep, Saints };

struct CPackResult {
    bool bOk = false;
    std::string strStored; // the stored (Windows-1252, scrambled) file when bOk
    int nLine = 0;         // the first refused line (from 1) when !bOk
    std::string strError;  // why, one short phrase, when !bOk
};

// Checks every line of a UTF-8 source against the line format of its kind
// and, when all fit, returns the stored form. A CR before a line feed is
// dropped and a last line without a line feed gets one, so that no line of
// the source is lost by the loaders.
CPackResult PackListSource(ListKind kind, std::string_view utf8);
