// Where a window may be put: the screens there are now, and whether a stored
// place still shows the window's title bar on them.
//
//   CScreenArea area{{{0, 0, 1920, 1040}}, 412, 24};
//   IsTitleStripOnScreens(-5000, 100, area); // false: the window opens where the system puts it
//   FitRectInto({0, 0, 1360, 1200}, {0, 0, 640, 512}); // {0, 0, 640, 512}
#pragma once

#include <cstdint>
#include <vector>

// A rectangle in screen pixels; empty when its width or height is not positive.
struct CScreenRect {
    std::int32_t nLeft = 0;
    std::int32_t nTop = 0;
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;

    bool operator==(const CScreenRect&) const = default;
};

struct CScreenArea {
    std::vector<CScreenRect> screens; // the usable part of every screen there is now
    std::int32_t nStripWidth = 0;     // the window's full width
    std::int32_t nCaptionHeight = 0;  // the height of its title bar
};

// True when every pixel of the rectangle lies on one screen or another
// (side-by-side screens share the strip between them); false for an empty
// rectangle.
bool IsRectCovered(const CScreenRect& rect, const std::vector<CScreenRect>& screens);

// A window whose top-left corner is at (x, y) can be taken by its title bar
// and moved: the strip along its top, full width and caption high, lies
// wholly on the screens. A strip width or caption height below one pixel
// counts as one.
bool IsTitleStripOnScreens(std::int32_t x, std::int32_t y, const CScreenArea& area);

// The wanted rectangle made to fit the area: no larger than it, then moved
// the least way into it. An empty area leaves the rectangle as it is.
CScreenRect FitRectInto(const CScreenRect& wanted, const CScreenRect& area);

// Where a tool window of the given size opens: beside the main window, on
// its screen, clear of it and of the tool windows open already, `gap`
// pixels apart. Right of the main window at its top first, then below the
// windows already there, then further right, then the same on the left.
// Where nothing is clear it overlaps the main window least, then the others.
//
//   PlaceToolWindow({100, 100, 400, 600}, 300, 250, {}, {0, 0, 1600, 1000}, 8);
//   // {508, 100, 300, 250}; with that one open, the next goes below it at y 358
CScreenRect PlaceToolWindow(const CScreenRect& frame, std::int32_t width, std::int32_t height,
                            const std::vector<CScreenRect>& open, const CScreenRect& screen,
                            std::int32_t gap);
