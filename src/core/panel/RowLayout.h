// The row layout of the main window: which panel controls show and where,
// and how tall the window is, for the rows the user chose to display.
//
// Vertical places are client pixels counted from the top of the panel; the
// horizontal places and the sizes come from the panel form, whose units are
// dialog units converted with the dialog font's average character size.
#pragma once

#include "PanelIds.h"

#include <array>
#include <vector>

struct CDialogUnits {
    int nCharWidth = 6;   // average character width of the dialog font, pixels
    int nCharHeight = 13; // character height of the dialog font, pixels
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
};

struct CArrangeInput {
    std::array<bool, kRowCount> bShowRow{true, true, true, true, true, true};
    std::array<bool, kRowCount> bIllegal{}; // the panel's m_bIllegal
    bool bSimulated = true;                 // the panel's m_bSimulated
    bool bGregorianInForce = true;          // the panel's m_bGregorianInForce
    bool bToolBar = true;
    int nCaptionHeight = 0; // platform caption height, pixels
    int nMenuHeight = 0;    // platform menu-bar button height, pixels
    CDialogUnits dialogUnits;
};

struct CControlPlace {
    int nId = 0;
    bool bVisible = false;
    bool bMoved = false; // a hidden control keeps its previous place
    int nLeft = 0;       // pixels
    int nTop = 0;        // pixels; meaningful when bMoved
    int nWidth = 0;      // pixels; 0 for the control's own width
    int nHeight = 0;     // pixels; 0 for the control's own height
};

struct CRowLayout {
    std::vector<CControlPlace> controls; // every control of the panel, each once
    int nWindowHeight = 0;               // the frame's outer height, pixels
    const CControlPlace* Find(int id) const;
};

// Pixel steps of the layout.
inline constexpr int kLayoutGroupTop = 16;    // from a group box's top to its first row
inline constexpr int kLayoutRowStep = 32;     // one row, or one label line
inline constexpr int kLayoutRomanLine = 25;   // the Roman row's first line
inline constexpr int kLayoutWindowExtra = 20; // window height beyond caption and menu
inline constexpr int kLayoutToolBar = 30;     // window height the toolbar adds

CRowLayout ArrangeRows(const CArrangeInput& input);
