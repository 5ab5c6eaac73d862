#include "Icons.h"

#include "calendar/CalendarRow.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

constexpr int kMaxPixels = 1024;

// A limited palette shared by every drawing.
const QColor kInk(0x38, 0x42, 0x4e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kRingFace(0xd5, 0xdb, 0xe2);
const QColor kGregorianBlue(0x2f, 0x6f, 0xcf);
const QColor kJulianBrown(0x9a, 0x62, 0x2e);
const QColor kRomanPurple(0x7d, 0x3c, 0x98);
const QColor kFrenchBlue(0x1f, 0x4f, 0xb0);
const QColor kFrenchRed(0xe0, 0x3a, 0x30);
const QColor kJewishTeal(0x17, 0x80, 0x88);
const QColor kMuslimGreen(0x2e, 0x8b, 0x3e);
const QColor kSunGold(0xf2, 0xb1, 0x1b);
const QColor kAlertRed(0xd6, 0x28, 0x28);
const QColor kMarkerOrange(0xee, 0x8a, 0x10);
const QColor kArrowGreen(0x2f, 0x9a, 0x5a);
const QColor kEggLilac(0xa9, 0x7e, 0xd9);
const QColor kSkin(0xf3, 0xc8, 0x8c);
const QColor kGridGrey(0xc4, 0xcb, 0xd3);

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Maps the 16-unit design grid onto a square of n device pixels.
class CCanvas {
public:
    CCanvas(QPainter& painter, int pixels) : p(painter), m_px(pixels), m_u(pixels / 16.0) {}

    double U(double units) const { return units * m_u; }
    QPointF P(double x, double y) const { return {x * m_u, y * m_u}; }
    // Edges rounded to whole pixels so flat sides stay sharp at any size.
    QRectF Snap(double x, double y, double w, double h) const {
        const double l = std::round(x * m_u);
        const double t = std::round(y * m_u);
        const double r = std::max(l + 1, std::round((x + w) * m_u));
        const double b = std::max(t + 1, std::round((y + h) * m_u));
        return QRectF(QPointF(l, t), QPointF(r, b));
    }
    // Outlines grow by whole pixels, not smoothly, so they stay crisp.
    double Line() const { return std::max(1.0, std::round(m_px / 18.0)); }
    // Room enough for the finer parts of a drawing.
    bool Detailed() const { return m_px >= 28; }
    int Pixels() const { return m_px; }

    QPainter& p;

private:
    int m_px;
    double m_u;
};

// Fills a path and rings it with an outline lying just outside it.
void FillOutlined(CCanvas& c, const QPainterPath& path, const QColor& fill,
                  const QColor& ink = kInk) {
    c.p.strokePath(path, QPen(ink, 2 * c.Line(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    c.p.fillPath(path, fill);
}

void StrokeLine(CCanvas& c, const QPainterPath& path, const QColor& colour, double width) {
    c.p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Circle(const QPointF& centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Polygon(CCanvas& c, std::initializer_list<QPointF> designPoints) {
    QPolygonF polygon;
    for (const QPointF& point : designPoints)
        polygon << QPointF(std::round(c.U(point.x())), std::round(c.U(point.y())));
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Star(const QPointF& centre, double outer, double inner, double turn = -90) {
    QPolygonF polygon;
    for (int i = 0; i < 10; ++i) {
        const double angle = (turn + i * 36.0) * std::numbers::pi / 180.0;
        const double radius = i % 2 == 0 ? outer : inner;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

struct CPageLook {
    std::vector<QColor> header; // one colour, or vertical stripes
    bool dashed = false;
    bool rings = true;
};

// A calendar page with a coloured header and binder rings, placed on the
// design grid; returns the blank body under the header in device pixels.
QRectF DrawPage(CCanvas& c, double x, double y, double w, double h, const CPageLook& look) {
    QPainter& p = c.p;
    const double line = c.Line();
    const QRectF outer = c.Snap(x, y, w, h);
    const double radius = std::max(1.0, c.U(1.0));
    QPainterPath outerPath;
    outerPath.addRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(line, line, -line, -line);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, std::max(0.0, radius - line), std::max(0.0, radius - line));

    if (!look.dashed)
        p.fillPath(outerPath, kInk);
    p.fillPath(innerPath, kPaper);

    const double headerBottom = std::round(c.U(y + h * 4.0 / 13.0));
    const QRectF header(inner.left(), inner.top(), inner.width(), headerBottom - inner.top());
    p.save();
    p.setClipPath(innerPath);
    const int stripes = static_cast<int>(look.header.size());
    for (int i = 0; i < stripes; ++i) {
        const double left = std::round(header.left() + header.width() * i / stripes);
        const double right = std::round(header.left() + header.width() * (i + 1) / stripes);
        p.fillRect(QRectF(left, header.top(), right - left, header.height()), look.header[i]);
    }
    p.restore();

    if (look.dashed) {
        QPen pen(kInk, line, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setDashPattern({2.0, 1.0});
        const double half = line / 2;
        QPainterPath edge;
        edge.addRoundedRect(outer.adjusted(half, half, -half, -half), radius, radius);
        p.strokePath(edge, pen);
    }

    // Binder rings over the top edge.
    for (double ringX : {x + w * 0.25, x + w * 0.75}) {
        if (!look.rings)
            break;
        const double ringW = c.Detailed() ? 1.3 : 1.0;
        const QRectF ring = c.Snap(ringX - ringW / 2, y - 1.0, ringW, c.Detailed() ? 2.4 : 2.6);
        if (c.Detailed()) {
            QPainterPath ringPath;
            ringPath.addRoundedRect(ring, ring.width() / 2, ring.width() / 2);
            FillOutlined(c, ringPath, kRingFace);
        } else {
            p.fillRect(ring, kInk);
        }
    }
    return QRectF(inner.left(), headerBottom, inner.width(), inner.bottom() - headerBottom);
}

QRectF DrawRowPage(CCanvas& c, const CPageLook& look) {
    return DrawPage(c, 1, 2, 14, 13, look);
}

double EmblemPen(CCanvas& c) {
    return std::max(1.25, c.U(1.45));
}

void DrawLetterG(CCanvas& c, const QPointF& centre, const QColor& colour) {
    const double r = c.U(2.75);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(box, 50);
    path.arcTo(box, 50, 310);
    path.lineTo(centre.x() + c.U(0.4), centre.y());
    StrokeLine(c, path, colour, EmblemPen(c));
}

void DrawLetterJ(CCanvas& c, const QPointF& centre, const QColor& colour) {
    const double top = centre.y() - c.U(2.75);
    const double bottom = centre.y() + c.U(2.75);
    const double stem = centre.x() + c.U(1.2);
    const double hook = c.U(1.7);
    QPainterPath path;
    path.moveTo(centre.x() - c.U(0.8), top);
    path.lineTo(centre.x() + c.U(2.8), top);
    path.moveTo(stem, top);
    path.lineTo(stem, bottom - hook);
    path.arcTo(QRectF(stem - 2 * hook, bottom - 2 * hook, 2 * hook, 2 * hook), 0, -180);
    StrokeLine(c, path, colour, EmblemPen(c));
}

// A classical column: capital, fluted shaft, base.
void DrawColumn(CCanvas& c, const QRectF& body, const QColor& colour) {
    const double cx = body.center().x() / c.U(1);
    const double top = body.top() / c.U(1) + 1.0;
    const double bottom = body.bottom() / c.U(1) - 1.0;
    const QRectF capital = c.Snap(cx - 3.2, top, 6.4, 1.2);
    const QRectF base = c.Snap(cx - 3.2, bottom - 1.2, 6.4, 1.2);
    const QRectF shaft(c.Snap(cx - 1.9, 0, 3.8, 1).left(), capital.bottom(),
                       c.Snap(cx - 1.9, 0, 3.8, 1).width(), base.top() - capital.bottom());
    c.p.fillRect(capital, colour);
    c.p.fillRect(base, colour);
    c.p.fillRect(shaft, Mix(colour, kPaper, 0.25));
    if (c.Detailed()) {
        // Volutes at the capital's ends and flutes down the shaft.
        for (double side : {-1.0, 1.0}) {
            const QPointF volute(capital.center().x() + side * (capital.width() / 2 - c.U(0.3)),
                                 capital.bottom() + c.U(0.1));
            c.p.fillPath(Circle(volute, c.U(0.65)), colour);
        }
        const double flute = std::max(1.0, std::round(c.U(0.35)));
        for (double f : {0.25, 0.5, 0.75}) {
            const double fx = std::round(shaft.left() + shaft.width() * f - flute / 2);
            c.p.fillRect(QRectF(fx, shaft.top() + c.U(0.5), flute, shaft.height() - c.U(1.0)),
                         Mix(colour, kPaper, 0.75));
        }
    } else {
        const double fx = std::round(shaft.center().x() - 0.5);
        c.p.fillRect(QRectF(fx, shaft.top(), 1, shaft.height()), Mix(colour, kPaper, 0.75));
    }
}

// The tricolour cockade.
void DrawCockade(CCanvas& c, const QPointF& centre, double fade) {
    c.p.fillPath(Circle(centre, c.U(3.1)), Mix(kFrenchBlue, kPaper, fade));
    c.p.fillPath(Circle(centre, c.U(2.05)), kPaper);
    c.p.fillPath(Circle(centre, c.U(1.05)), Mix(kFrenchRed, kPaper, fade));
}

QPainterPath Crescent(const QPointF& centre, double radius, const QPointF& biteCentre,
                      double biteRadius) {
    return Circle(centre, radius).subtracted(Circle(biteCentre, biteRadius));
}

void DrawSunAndMoon(CCanvas& c, const QPointF& centre) {
    const QPointF sun = centre + QPointF(-c.U(1.9), c.U(0.4));
    if (c.Detailed()) {
        QPainterPath rays;
        for (int i = 0; i < 8; ++i) {
            const double angle = i * std::numbers::pi / 4;
            const QPointF dir(std::cos(angle), std::sin(angle));
            rays.moveTo(sun + dir * c.U(2.0));
            rays.lineTo(sun + dir * c.U(2.8));
        }
        StrokeLine(c, rays, kSunGold, std::max(1.0, c.U(0.45)));
        c.p.fillPath(Circle(sun, c.U(1.55)), kSunGold);
        const QPointF moon = centre + QPointF(c.U(1.9), -c.U(0.3));
        c.p.fillPath(Crescent(moon, c.U(2.6), moon + QPointF(c.U(1.2), -c.U(0.7)), c.U(2.0)),
                     kJewishTeal);
    } else {
        // Fewer pixels: a smaller sun leaves the crescent room to read.
        c.p.fillPath(Circle(sun + QPointF(-c.U(0.4), 0), c.U(1.8)), kSunGold);
        const QPointF moon = centre + QPointF(c.U(1.8), -c.U(0.1));
        c.p.fillPath(Crescent(moon, c.U(3.0), moon + QPointF(c.U(1.4), -c.U(0.8)), c.U(2.2)),
                     kJewishTeal);
    }
}

void DrawCrescentAndStar(CCanvas& c, const QPointF& centre) {
    const QPointF moon = centre + QPointF(-c.U(0.9), 0);
    c.p.fillPath(Crescent(moon, c.U(3.1), moon + QPointF(c.U(1.2), -c.U(0.3)), c.U(2.4)),
                 kMuslimGreen);
    const QPointF star = centre + QPointF(c.U(2.0), -c.U(0.2));
    if (c.Detailed())
        c.p.fillPath(Star(star, c.U(1.35), c.U(0.55)), kMuslimGreen);
    else
        c.p.fillPath(Star(star, c.U(1.5), c.U(0.75)), kMuslimGreen);
}

void DrawCalendar(CCanvas& c, QuindorIcon id) {
    switch (id) {
    case QuindorIcon::Gregorian: {
        const QRectF body = DrawRowPage(c, {{kGregorianBlue}});
        DrawLetterG(c, body.center(), kGregorianBlue);
        break;
    }
    case QuindorIcon::Julian: {
        const QRectF body = DrawRowPage(c, {{kJulianBrown}});
        DrawLetterJ(c, body.center(), kJulianBrown);
        break;
    }
    case QuindorIcon::Roman: {
        const QRectF body = DrawRowPage(c, {{kRomanPurple}});
        DrawColumn(c, body, kRomanPurple);
        break;
    }
    case QuindorIcon::Republican: {
        const QRectF body = DrawRowPage(c, {{kFrenchBlue, kPaper, kFrenchRed}});
        DrawCockade(c, body.center(), 0.0);
        break;
    }
    case QuindorIcon::RepublicanSimulated: {
        // Same page, washed out and with a dashed edge: computed, not historical.
        const double fade = 0.55;
        const QRectF body = DrawRowPage(
            c, {{Mix(kFrenchBlue, kPaper, fade), kPaper, Mix(kFrenchRed, kPaper, fade)}, true});
        DrawCockade(c, body.center(), fade);
        break;
    }
    case QuindorIcon::Jewish: {
        const QRectF body = DrawRowPage(c, {{kJewishTeal}});
        DrawSunAndMoon(c, body.center());
        break;
    }
    case QuindorIcon::Muslim: {
        const QRectF body = DrawRowPage(c, {{kMuslimGreen}});
        DrawCrescentAndStar(c, body.center());
        break;
    }
    default:
        break;
    }
}

QuindorIcon LegalCounterpart(QuindorIcon id) {
    switch (id) {
    case QuindorIcon::IllegalJulian:
        return QuindorIcon::Julian;
    case QuindorIcon::IllegalRoman:
        return QuindorIcon::Roman;
    case QuindorIcon::IllegalRepublican:
        return QuindorIcon::Republican;
    case QuindorIcon::IllegalJewish:
        return QuindorIcon::Jewish;
    case QuindorIcon::IllegalMuslim:
        return QuindorIcon::Muslim;
    default:
        return QuindorIcon::Gregorian;
    }
}

// The row's page struck through by a red cross; the page stays in full
// colour so the row can still be told at a glance.
void DrawIllegal(CCanvas& c, QuindorIcon id) {
    DrawCalendar(c, LegalCounterpart(id));
    QPainterPath cross;
    cross.moveTo(c.P(3.5, 5));
    cross.lineTo(c.P(12.5, 14));
    cross.moveTo(c.P(12.5, 5));
    cross.lineTo(c.P(3.5, 14));
    const double width = std::max(1.6, c.U(1.7));
    StrokeLine(c, cross, QColor(255, 255, 255, 200), width + c.Line());
    StrokeLine(c, cross, kAlertRed, width);
}

void DrawCivilMarker(CCanvas& c) {
    FillOutlined(c, Polygon(c, {{3, 3}, {14, 8}, {3, 13}, {6, 8}}), kMarkerOrange,
                 Mix(kMarkerOrange, kInk, 0.6));
}

void DrawToday(CCanvas& c) {
    const QRectF body = DrawRowPage(c, {{kAlertRed}});
    if (c.Detailed()) {
        // A small month grid with today picked out.
        const double cell = std::round(c.U(1.2));
        const double gapX = (body.width() - 4 * cell) / 5;
        const double gapY = (body.height() - 3 * cell) / 4;
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col) {
                const QRectF square(std::round(body.left() + gapX + col * (cell + gapX)),
                                    std::round(body.top() + gapY + row * (cell + gapY)), cell,
                                    cell);
                if (row == 1 && col == 2)
                    c.p.fillPath(Circle(square.center(), c.U(1.6)), kAlertRed);
                else
                    c.p.fillRect(square, kGridGrey);
            }
    } else {
        c.p.fillPath(Circle(body.center(), c.U(2.2)), kAlertRed);
    }
}

void DrawDayArrow(CCanvas& c, bool next) {
    QPainterPath arrow = Polygon(
        c, {{1.5, 8}, {7.5, 2}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 10.5}, {7.5, 10.5}, {7.5, 14}});
    if (next) {
        QTransform mirror;
        mirror.translate(c.Pixels(), 0);
        mirror.scale(-1, 1);
        arrow = mirror.map(arrow);
    }
    FillOutlined(c, arrow, kArrowGreen, Mix(kArrowGreen, kInk, 0.6));
    if (c.Detailed()) {
        // A lighter top half gives the arrow some body.
        c.p.save();
        c.p.setClipRect(QRectF(0, 0, c.Pixels(), c.U(8)));
        c.p.fillPath(arrow, Mix(kArrowGreen, kPaper, 0.3));
        c.p.restore();
    }
}

// A Gregorian page with an arrow jumping over the days dropped at the reform.
void DrawReform(CCanvas& c) {
    const QRectF body = DrawRowPage(c, {{kGregorianBlue}});
    const double u = c.U(1);
    const QPointF from(body.left() + 1.6 * u, body.bottom() - 1.4 * u);
    const QPointF to(body.right() - 1.6 * u, body.bottom() - 1.4 * u);
    if (c.Detailed()) {
        for (double f : {0.38, 0.5, 0.62})
            c.p.fillPath(Circle(QPointF(body.left() + body.width() * f, from.y()), 0.45 * u),
                         kGridGrey);
    }
    c.p.fillPath(Circle(from, 1.0 * u), kGregorianBlue);
    QPainterPath jump;
    jump.moveTo(from);
    jump.cubicTo(from + QPointF(0.5 * u, -5.0 * u), to + QPointF(-1.5 * u, -5.0 * u),
                 to + QPointF(-0.2 * u, -1.6 * u));
    StrokeLine(c, jump, kAlertRed, std::max(1.3, 1.2 * u));
    QPainterPath head;
    const QPointF tip = to + QPointF(0.2 * u, 0.2 * u);
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-3.0 * u, -2.2 * u));
    head.lineTo(tip + QPointF(0.6 * u, -3.4 * u));
    head.closeSubpath();
    c.p.fillPath(head, kAlertRed);
}

// An Easter egg.
void DrawEgg(CCanvas& c) {
    const double u = c.U(1);
    const QPointF top(8 * u, 1.3 * u);
    const QPointF bottom(8 * u, 14.8 * u);
    const double half = 5.0 * u;
    const double midY = 9.3 * u;
    QPainterPath egg;
    egg.moveTo(top);
    egg.cubicTo(top + QPointF(3.0 * u, 0), QPointF(8 * u + half, midY - 4.2 * u),
                QPointF(8 * u + half, midY));
    egg.cubicTo(QPointF(8 * u + half, midY + 3.0 * u), bottom + QPointF(2.9 * u, 0), bottom);
    egg.cubicTo(bottom + QPointF(-2.9 * u, 0), QPointF(8 * u - half, midY + 3.0 * u),
                QPointF(8 * u - half, midY));
    egg.cubicTo(QPointF(8 * u - half, midY - 4.2 * u), top + QPointF(-3.0 * u, 0), top);
    egg.closeSubpath();
    FillOutlined(c, egg, kEggLilac, Mix(kEggLilac, kInk, 0.65));

    c.p.save();
    c.p.setClipPath(egg);
    // A zigzag band round the middle.
    const int teeth = c.Detailed() ? 6 : 4;
    const double step = 12.0 * u / teeth;
    const double amp = c.Detailed() ? 1.0 * u : 1.2 * u;
    QPolygonF zig;
    for (int i = 0; i <= 2 * teeth; ++i)
        zig << QPointF(2 * u + i * step / 2, 8.8 * u + (i % 2 == 0 ? -amp : amp));
    QPainterPath zigPath;
    zigPath.addPolygon(zig);
    StrokeLine(c, zigPath, kSunGold, std::max(1.5, 1.5 * u));
    if (c.Detailed()) {
        c.p.fillRect(QRectF(0, std::round(4.6 * u), c.Pixels(), std::max(1.0, std::round(0.6 * u))),
                     kPaper);
        c.p.fillRect(
            QRectF(0, std::round(12.4 * u), c.Pixels(), std::max(1.0, std::round(0.6 * u))),
            kPaper);
        for (double x : {5.0, 8.0, 11.0})
            c.p.fillPath(Circle(QPointF(x * u, 3.4 * u), 0.55 * u), kSunGold);
    }
    c.p.restore();
}

// A saint: a figure with a golden halo.
void DrawSaint(CCanvas& c) {
    const double u = c.U(1);
    c.p.fillPath(Circle(QPointF(8 * u, 5.3 * u), 4.4 * u), kSunGold);
    if (c.Detailed()) {
        QPainterPath ring = Circle(QPointF(8 * u, 5.3 * u), 3.7 * u);
        c.p.strokePath(ring, QPen(Mix(kSunGold, kPaper, 0.5), std::max(1.0, 0.35 * u)));
    }
    QPainterPath robe;
    robe.moveTo(2.5 * u, 15 * u);
    robe.cubicTo(2.5 * u, 10.2 * u, 5 * u, 9.2 * u, 8 * u, 9.2 * u);
    robe.cubicTo(11 * u, 9.2 * u, 13.5 * u, 10.2 * u, 13.5 * u, 15 * u);
    robe.closeSubpath();
    FillOutlined(c, robe, kJulianBrown);
    if (c.Detailed()) {
        QPainterPath fold;
        fold.moveTo(8 * u, 10.5 * u);
        fold.lineTo(8 * u, 15 * u);
        StrokeLine(c, fold, Mix(kJulianBrown, kInk, 0.5), c.Line());
    }
    FillOutlined(c, Circle(QPointF(8 * u, 5.9 * u), 2.4 * u), kSkin);
}

void DrawAbout(CCanvas& c) {
    const double u = c.U(1);
    FillOutlined(c, Circle(QPointF(8 * u, 8 * u), 6.6 * u), kGregorianBlue,
                 Mix(kGregorianBlue, kInk, 0.6));
    c.p.fillPath(Circle(QPointF(8 * u, 4.6 * u), 1.2 * u), kPaper);
    c.p.fillRect(c.Snap(7, 6.9, 2, 5.6), kPaper);
    if (c.Detailed()) {
        c.p.fillRect(c.Snap(6.2, 6.9, 1.6, 0.8), kPaper);
        c.p.fillRect(c.Snap(6.2, 11.7, 3.6, 0.8), kPaper);
    }
}

// A question mark on the About icon's disc: the help.
void DrawHelp(CCanvas& c) {
    const double u = c.U(1);
    FillOutlined(c, Circle(QPointF(8 * u, 8 * u), 6.6 * u), kGregorianBlue,
                 Mix(kGregorianBlue, kInk, 0.6));
    QPainterPath hook;
    hook.moveTo(5.6 * u, 6.2 * u);
    hook.cubicTo(5.6 * u, 3.2 * u, 10.4 * u, 3.2 * u, 10.4 * u, 6.0 * u);
    hook.cubicTo(10.4 * u, 7.6 * u, 8.0 * u, 7.8 * u, 8.0 * u, 9.6 * u);
    c.p.strokePath(hook, QPen(kPaper, std::max(1.0, std::round(1.7 * u)), Qt::SolidLine,
                              Qt::FlatCap, Qt::RoundJoin));
    c.p.fillPath(Circle(QPointF(8 * u, 12 * u), 1.1 * u), kPaper);
}

// Three calendars stacked: the program's own icon.
void DrawApp(CCanvas& c) {
    if (c.Detailed()) {
        DrawPage(c, 4.5, 1.5, 10.5, 10, {{kMuslimGreen}, false, false});
        DrawPage(c, 2.75, 3.25, 10.5, 10, {{kFrenchBlue, kPaper, kFrenchRed}, false, false});
    } else {
        DrawPage(c, 4, 1.5, 11, 10, {{kFrenchBlue, kPaper, kFrenchRed}, false, false});
    }
    const QRectF body = c.Detailed() ? DrawPage(c, 1, 5, 10.5, 10, {{kGregorianBlue}})
                                     : DrawPage(c, 1, 5, 11, 10, {{kGregorianBlue}});
    if (c.Detailed()) {
        const double cell = std::max(1.0, std::round(c.U(0.9)));
        const double gapX = (body.width() - 4 * cell) / 5;
        const double gapY = (body.height() - 3 * cell) / 4;
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                c.p.fillRect(QRectF(std::round(body.left() + gapX + col * (cell + gapX)),
                                    std::round(body.top() + gapY + row * (cell + gapY)), cell,
                                    cell),
                             row == 1 && col == 1 ? kAlertRed : kGridGrey);
    } else {
        c.p.fillPath(Circle(body.center(), c.U(1.5)), kAlertRed);
    }
}

void Draw(CCanvas& c, QuindorIcon id) {
    switch (id) {
    case QuindorIcon::Gregorian:
    case QuindorIcon::Julian:
    case QuindorIcon::Roman:
    case QuindorIcon::Republican:
    case QuindorIcon::RepublicanSimulated:
    case QuindorIcon::Jewish:
    case QuindorIcon::Muslim:
        DrawCalendar(c, id);
        break;
    case QuindorIcon::IllegalGregorian:
    case QuindorIcon::IllegalJulian:
    case QuindorIcon::IllegalRoman:
    case QuindorIcon::IllegalRepublican:
    case QuindorIcon::IllegalJewish:
    case QuindorIcon::IllegalMuslim:
        DrawIllegal(c, id);
        break;
    case QuindorIcon::CivilMarker:
        DrawCivilMarker(c);
        break;
    case QuindorIcon::Today:
        DrawToday(c);
        break;
    case QuindorIcon::PreviousDay:
        DrawDayArrow(c, false);
        break;
    case QuindorIcon::NextDay:
        DrawDayArrow(c, true);
        break;
    case QuindorIcon::GregorianReform:
        DrawReform(c);
        break;
    case QuindorIcon::MovableFeasts:
        DrawEgg(c);
        break;
    case QuindorIcon::Saints:
        DrawSaint(c);
        break;
    case QuindorIcon::About:
        DrawAbout(c);
        break;
    case QuindorIcon::Help:
        DrawHelp(c);
        break;
    case QuindorIcon::App:
        DrawApp(c);
        break;
    }
}

// Greyed and faded, the way a disabled command should look.
void MakeDisabled(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = line[x];
            const int grey = 80 + qGray(px) * 5 / 8;
            line[x] = qRgba(grey, grey, grey, qAlpha(px) * 3 / 5);
        }
    }
}

QImage Render(QuindorIcon id, int pixels, QIcon::Mode mode) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        CCanvas canvas(painter, pixels);
        Draw(canvas, id);
    }
    if (mode == QIcon::Disabled)
        MakeDisabled(image);
    return image;
}

QPixmap DevicePixmap(QuindorIcon id, int pixels, QIcon::Mode mode) {
    pixels = std::clamp(pixels, 1, kMaxPixels);
    const QString key = QStringLiteral("quindor-icon:%1:%2:%3")
                            .arg(static_cast<int>(id))
                            .arg(pixels)
                            .arg(mode == QIcon::Disabled ? 1 : 0);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(Render(id, pixels, mode));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

class CQuindorIconEngine : public QIconEngine {
public:
    explicit CQuindorIconEngine(QuindorIcon id) : m_id(id) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        if (side <= 0)
            return;
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pixmap = DevicePixmap(m_id, static_cast<int>(std::lround(side * dpr)), mode);
        const QRect square(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(square, pixmap);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    // Asked for in device pixels; QIcon sets the pixel ratio afterwards.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return {};
        return DevicePixmap(m_id, side, mode);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(20, 20), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }

    QString key() const override { return QStringLiteral("QuindorIcon"); }
    QIconEngine* clone() const override { return new CQuindorIconEngine(m_id); }
    bool isNull() override { return false; }

private:
    QuindorIcon m_id;
};

} // namespace

QIcon MakeIcon(QuindorIcon id) {
    return QIcon(new CQuindorIconEngine(id));
}

QPixmap MakePixmap(QuindorIcon id, int logicalSize, qreal dpr, QIcon::Mode mode) {
    if (!(dpr > 0) || !std::isfinite(dpr))
        dpr = 1.0;
    const double wanted = std::max(1, logicalSize) * dpr;
    const int pixels = static_cast<int>(std::lround(std::min<double>(wanted, kMaxPixels)));
    QPixmap pixmap = DevicePixmap(id, pixels, mode);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QuindorIcon RowValidIcon(CalendarRow row) {
    static constexpr QuindorIcon kValid[] = {QuindorIcon::Gregorian, QuindorIcon::Julian,
                                             QuindorIcon::Roman,     QuindorIcon::Republican,
                                             QuindorIcon::Jewish,    QuindorIcon::Muslim};
    return IsRow(row) ? kValid[RowIndex(row)] : QuindorIcon::Gregorian;
}

QuindorIcon RowIllegalIcon(CalendarRow row) {
    static constexpr QuindorIcon kIllegal[] = {
        QuindorIcon::IllegalGregorian,  QuindorIcon::IllegalJulian, QuindorIcon::IllegalRoman,
        QuindorIcon::IllegalRepublican, QuindorIcon::IllegalJewish, QuindorIcon::IllegalMuslim};
    return IsRow(row) ? kIllegal[RowIndex(row)] : QuindorIcon::IllegalGregorian;
}

std::optional<QuindorIcon> CommandIcon(int commandId) {
    switch (commandId) {
    case 32771:
        return QuindorIcon::Today;
    case 32778:
        return QuindorIcon::PreviousDay;
    case 32779:
        return QuindorIcon::NextDay;
    case 32772:
        return QuindorIcon::GregorianReform;
    case 32776:
        return QuindorIcon::MovableFeasts;
    case 32792:
        return QuindorIcon::Saints;
    case 57664:
        return QuindorIcon::About;
    case 57667:
        return QuindorIcon::Help;
    default:
        return std::nullopt;
    }
}

QString PanelIconName(int id, const QString& tooltip) {
    // The civil-use markers have no tooltip of their own.
    switch (id) {
    case 1064:
        return QCoreApplication::translate("CPanelIcons", "Gregorian calendar in civil use");
    case 1065:
        return QCoreApplication::translate("CPanelIcons", "Julian calendar in civil use");
    default:
        return tooltip;
    }
}

QString ToolTipWithKey(const QString& tip, const QKeySequence& key) {
    return key.isEmpty() ? tip
                         : QCoreApplication::translate("CMainFrame", "%1 (%2)")
                               .arg(tip, key.toString(QKeySequence::NativeText));
}
