#include "settings/WindowPlacement.h"

#include <algorithm>

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
