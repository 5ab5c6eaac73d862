#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

namespace {

// Two screens side by side, the left one shorter and lower, and a third one
// above the right screen's left half.
const std::vector<CScreenRect> kScreens = {
    {-1280, 56, 1280, 968}, {0, 0, 1920, 1080}, {0, -1200, 960, 1200}};

TEST(WindowPlacement, RectCoveredByTheScreens) {
    const std::tuple<CScreenRect, bool> cases[] = {
        {{-1280, 56, 3200, 24}, true},    // across the left and right screens
        {{-1280, 55, 3200, 24}, false},   // one row above the left screen
        {{100, -12, 400, 24}, true},      // across the upper and the right screen
        {{900, -12, 400, 24}, false},     // beside the upper screen's right edge
        {{1700, 1070, 220, 10}, true},    // the right screen's bottom-right corner
        {{1700, 1070, 221, 10}, false},   // one pixel past it
        {{INT32_MAX, 0, 400, 24}, false}, // far right, not wrapped round
        {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, false},
        {{0, 0, 0, 24}, false}, // empty
        {{0, 0, 400, -1}, false},
    };
    for (const auto& [rect, covered] : cases)
        EXPECT_EQ(IsRectCovered(rect, kScreens), covered) << rect.nLeft << "," << rect.nTop;
    EXPECT_FALSE(IsRectCovered({0, 0, 1, 1}, {{0, 0, 0, 0}}));
}

TEST(WindowPlacement, TitleStripIsTheWindowsTopFullWidth) {
    const CScreenArea area{{{0, 0, 1280, 1024}}, 412, 24};
    EXPECT_TRUE(IsTitleStripOnScreens(0, 0, area));
    EXPECT_TRUE(IsTitleStripOnScreens(1280 - 412, 1000, area));
    EXPECT_FALSE(IsTitleStripOnScreens(1280 - 411, 1000, area));
    EXPECT_FALSE(IsTitleStripOnScreens(0, 1001, area));
    EXPECT_FALSE(IsTitleStripOnScreens(-1, 0, area));
    // A strip of no size is still one pixel, which must be on a screen.
    const CScreenArea dot{{{0, 0, 1280, 1024}}, 0, 0};
    EXPECT_TRUE(IsTitleStripOnScreens(1279, 1023, dot));
    EXPECT_FALSE(IsTitleStripOnScreens(1280, 0, dot));
}

TEST(WindowPlacement, FitRectIntoTheScreen) {
    const CScreenRect screen = {0, 0, 640, 512}; // 1280x1024 at a scale factor of 2
    const std::tuple<CScreenRect, CScreenRect, CScreenRect> cases[] = {
        {{20, 30, 300, 200}, screen, {20, 30, 300, 200}}, // fits: unchanged
        {{0, 0, 1360, 1200}, screen, {0, 0, 640, 512}},   // too large both ways
        {{500, 400, 300, 200}, screen, {340, 312, 300, 200}},
        {{-50, -60, 300, 200}, screen, {0, 0, 300, 200}},
        {{INT32_MAX, INT32_MIN, 10, 10}, screen, {630, 0, 10, 10}},
        {{0, 0, 680, 600}, {-1280, 56, 1280, 968}, {-680, 56, 680, 600}},
        {{5, 6, 7, 8}, {}, {5, 6, 7, 8}},
    };
    for (const auto& [wanted, on, fitted] : cases)
        EXPECT_EQ(FitRectInto(wanted, on), fitted) << wanted.nLeft << "," << wanted.nTop;
}

TEST(WindowPlacement, ToolWindowsOpenBesideTheMainWindow) {
    const CScreenRect screen = {0, 0, 1600, 1000};
    const CScreenRect frame = {100, 100, 400, 600};
    const std::tuple<CScreenRect, std::int32_t, std::int32_t, std::vector<CScreenRect>, CScreenRect,
                     CScreenRect>
        cases[] = {
            {frame, 300, 250, {}, screen, {508, 100, 300, 250}},                     // right
            {frame, 300, 250, {{508, 100, 300, 250}}, screen, {508, 358, 300, 250}}, // below it
            {frame, 300, 500, {{508, 100, 300, 500}}, screen, {816, 100, 300, 500}}, // further
            {{1150, 100, 400, 600}, 300, 250, {}, screen, {842, 100, 300, 250}},     // left
            {{1150, 100, 400, 600}, 300, 250, {{842, 100, 300, 250}}, screen, {842, 358, 300, 250}},
            // No room: on the screen, over the main window least, then the others.
            {{0, 0, 700, 600}, 300, 200, {}, {0, 0, 800, 600}, {500, 0, 300, 200}},
            {{0, 0, 400, 600},
             300,
             300,
             {{408, 0, 300, 350}},
             {0, 0, 1000, 600},
             {700, 300, 300, 300}},
        };
    for (const auto& [main, width, height, open, on, placed] : cases)
        EXPECT_EQ(PlaceToolWindow(main, width, height, open, on, 8), placed)
            << main.nLeft << " " << open.size();
}

// Wherever the main window stands, the month view and the elements window
// open on its screen, beside it, clear of it and of each other.
TEST(WindowPlacement, TwoToolWindowsNeverCoverEachOther) {
    const CScreenRect screen = {0, 0, 1920, 1080};
    const auto apart = [](const CScreenRect& a, const CScreenRect& b) {
        return a.nLeft + a.nWidth <= b.nLeft || b.nLeft + b.nWidth <= a.nLeft ||
               a.nTop + a.nHeight <= b.nTop || b.nTop + b.nHeight <= a.nTop;
    };
    for (std::int32_t x = 0; x + 400 <= 1920; x += 40) {
        for (std::int32_t y = 0; y + 600 <= 1080; y += 40) {
            const CScreenRect frame = {x, y, 400, 600};
            const CScreenRect month = PlaceToolWindow(frame, 320, 260, {}, screen, 8);
            const CScreenRect elements = PlaceToolWindow(frame, 560, 420, {month}, screen, 8);
            ASSERT_TRUE(IsRectCovered(month, {screen}) && IsRectCovered(elements, {screen}));
            ASSERT_TRUE(apart(month, frame) && apart(elements, frame) && apart(month, elements))
                << x << "," << y;
            ASSERT_TRUE(month.nLeft == x + 408 || month.nLeft + 328 == x) << x << "," << y;
        }
    }
}

} // namespace
