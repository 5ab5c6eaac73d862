#include "settings/WindowPlacement.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

// Edges are computed in 64 bits: a stored place near INT32_MAX plus a width
// must not wrap round onto the screen.
struct CSpan {
    std::int64_t nLeft, nTop, nRight, nBottom;
};

CSpan SpanOf(const CScreenRect& rect) {
    return {rect.nLeft, rect.nTop, std::int64_t{rect.nLeft} + rect.nWidth,
            std::int64_t{rect.nTop} + rect.nHeight};
}

bool IsEmpty(const CScreenRect& rect) {
    return rect.nWidth <= 0 || rect.nHeight <= 0;
}

// The edges of the screens that cut through [low, high), with low and high.
std::vector<std::int64_t> Cuts(std::int64_t low, std::int64_t high,
                               const std::vector<CSpan>& screens, bool horizontal) {
    std::vector<std::int64_t> cuts = {low, high};
    for (const CSpan& s : screens) {
        const std::int64_t edges[2] = {horizontal ? s.nLeft : s.nTop,
                                       horizontal ? s.nRight : s.nBottom};
        for (const std::int64_t edge : edges) {
            if (edge > low && edge < high) {
                cuts.push_back(edge);
            }
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

std::int64_t Overlap(const CScreenRect& a, const CScreenRect& b) {
    const CSpan p = SpanOf(a), q = SpanOf(b);
    const std::int64_t w = std::min(p.nRight, q.nRight) - std::max(p.nLeft, q.nLeft);
    const std::int64_t h = std::min(p.nBottom, q.nBottom) - std::max(p.nTop, q.nTop);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

bool IsRectCovered(const CScreenRect& rect, const std::vector<CScreenRect>& screens) {
    if (IsEmpty(rect)) {
        return false;
    }
    std::vector<CSpan> spans;
    for (const CScreenRect& screen : screens) {
        if (!IsEmpty(screen)) {
            spans.push_back(SpanOf(screen));
        }
    }
    const CSpan r = SpanOf(rect);
    // The screens' edges cut the rectangle into cells that each lie wholly
    // on a screen or wholly off it.
    const std::vector<std::int64_t> xs = Cuts(r.nLeft, r.nRight, spans, true);
    const std::vector<std::int64_t> ys = Cuts(r.nTop, r.nBottom, spans, false);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const bool onScreen = std::any_of(spans.begin(), spans.end(), [&](const CSpan& s) {
                return s.nLeft <= xs[i] && xs[i + 1] <= s.nRight && s.nTop <= ys[j] &&
                       ys[j + 1] <= s.nBottom;
            });
            if (!onScreen) {
                return false;
            }
        }
    }
    return true;
}

bool IsTitleStripOnScreens(std::int32_t x, std::int32_t y, const CScreenArea& area) {
    const CScreenRect strip = {x, y, std::max<std::int32_t>(area.nStripWidth, 1),
                               std::max<std::int32_t>(area.nCaptionHeight, 1)};
    return IsRectCovered(strip, area.screens);
}

CScreenRect FitRectInto(const CScreenRect& wanted, const CScreenRect& area) {
    if (IsEmpty(area)) {
        return wanted;
    }
    CScreenRect fitted = wanted;
    fitted.nWidth = std::clamp(wanted.nWidth, 0, area.nWidth);
    fitted.nHeight = std::clamp(wanted.nHeight, 0, area.nHeight);
    const CSpan a = SpanOf(area);
    fitted.nLeft = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(wanted.nLeft, a.nLeft, a.nRight - fitted.nWidth));
    fitted.nTop = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(wanted.nTop, a.nTop, a.nBottom - fitted.nHeight));
    return fitted;
}

CScreenRect PlaceToolWindow(const CScreenRect& frame, std::int32_t width, std::int32_t height,
                            const std::vector<CScreenRect>& open, const CScreenRect& screen,
                            std::int32_t gap) {
    // Columns beside the main window and beside each open window on that
    // side, right side first; in each, the main window's top, then below
    // each open one, then the screen's foot.
    const CSpan main = SpanOf(frame);
    std::vector<std::int64_t> xs = {main.nRight + gap};
    for (const CScreenRect& o : open) {
        if (SpanOf(o).nLeft >= main.nRight)
            xs.push_back(SpanOf(o).nRight + gap);
    }
    xs.push_back(main.nLeft - gap - width);
    for (const CScreenRect& o : open) {
        if (SpanOf(o).nRight <= main.nLeft)
            xs.push_back(std::int64_t{o.nLeft} - gap - width);
    }
    std::vector<std::int64_t> ys = {frame.nTop};
    for (const CScreenRect& o : open)
        ys.push_back(SpanOf(o).nBottom + gap);
    std::sort(ys.begin() + 1, ys.end());
    ys.push_back(SpanOf(screen).nBottom - height);

    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    CScreenRect best;
    // Covering the main window weighs more than any overlap of the others; a
    // place moved to fit the screen comes after every place beside.
    std::tuple<std::int64_t, std::int64_t, bool> bestCost = {-1, 0, false};
    for (const std::int64_t x : xs) {
        for (const std::int64_t y : ys) {
            const CScreenRect wanted = {static_cast<std::int32_t>(std::clamp(x, kLow, kHigh)),
                                        static_cast<std::int32_t>(std::clamp(y, kLow, kHigh)),
                                        width, height};
            const CScreenRect placed = FitRectInto(wanted, screen);
            std::tuple<std::int64_t, std::int64_t, bool> cost = {Overlap(placed, frame), 0,
                                                                 !(placed == wanted)};
            for (const CScreenRect& o : open)
                std::get<1>(cost) += Overlap(placed, o);
            if (std::get<0>(bestCost) < 0 || cost < bestCost) {
                best = placed;
                bestCost = cost;
            }
        }
    }
    return best;
}
