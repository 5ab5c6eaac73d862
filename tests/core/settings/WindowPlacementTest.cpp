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

} // namespace
