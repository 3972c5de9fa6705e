#include "Drawings.h"

#include "DrawKit.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace Draw {

namespace {

Sym S(const QString& main, const QString& sub = {}, const QString& tail = {}) {
    return Sym{main, sub, tail};
}

// Plain upright text such as "2h/5" or "1-1".
Sym Plain(const QString& text, qreal size = 13) {
    return Sym{text, {}, {}, false, size};
}

// Baseline that centres a 13 px symbol vertically on y.
qreal Mid(qreal y) {
    return y + 4.5;
}

void Outline(QPainter& p, QPolygonF poly, const QColor& fill, qreal width = 2,
             const QColor& colour = Ink) {
    for (QPointF& v : poly)
        v = {Snap(v.x(), width), Snap(v.y(), width)};
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(fill));
    p.drawPolygon(poly);
    p.restore();
}

} // namespace

// Wall section of the vertical check. The slab bears on the wall top from the
// right; its mid-plane is the top of the height chain. The band below y 344
// stays white for the figure caption the page lays over it.
void PaintKandev(QPainter& p) {
    const qreal xL = 66, xR = 130, xA = (xL + xR) / 2; // wall faces and axis
    const qreal yS = 62, y1 = 82, y2 = 304;            // slab top, slab underside, wall foot
    const qreal yM = (yS + y1) / 2;                    // slab mid-plane
    const qreal h = y2 - y1;
    const qreal xBear = xA + 2, xSlabEnd = 180; // slab end in the wall, break of the slab
    const qreal ey = 10, evl = 18;              // eccentricities as drawn

    // Masonry, with the slab end let into its top.
    const QPolygonF wall{{xL, yS}, {xBear, yS}, {xBear, y1}, {xR, y1}, {xR, y2}, {xL, y2}};
    Outline(p, wall, Masonry, 2);
    Blocks(p, QRectF(xL, yS, xR - xL, y2 - yS), 20, 0);
    Outline(p, wall, Qt::transparent, 2);

    const QRectF slab(xBear, yS, xSlabEnd - xBear, y1 - yS);
    p.fillRect(slab, Concrete);
    Hatch(p, slab, 6, 45, QColor(150, 150, 150), 0.6);
    Line(p, {xBear, yS}, {xSlabEnd, yS}, 2);
    Line(p, {xBear, y1}, {xSlabEnd, y1}, 2);
    Line(p, {xBear, yS - 1}, {xBear, y1 + 1}, 2);
    p.fillRect(QRectF(xSlabEnd - 1, yS - 6, 12, y1 - yS + 12), Qt::white);
    BreakV(p, xSlabEnd, yS, y1);
    Axis(p, {xBear + 4, yM}, {197, yM});

    // Wall axis, from above the loads to the foot.
    Axis(p, {xA, 28}, {xA, y2 + 14});

    // Foot: the wall stands on the floor below.
    Ground(p, xL - 16, xR + 16, y2);

    // Loads from above and from the slab, with their eccentricities.
    const qreal xY = xA - ey, xV = xA + evl;
    Arrow(p, {xY, 16}, {xY, yS});
    Arrow(p, {xV, 16}, {xV, yS});
    Text(p, xY - 4, 24, S("P", "üd"), Qt::AlignRight, Load);
    Text(p, xV + 4, 24, S("P", "vld"), Qt::AlignLeft, Load);
    DimH(p, xA, xV, 38);
    Text(p, xV + 5, Mid(38), S("e", "vl"));
    DimH(p, xY, xA, 50);
    Text(p, xY - 5, Mid(50), S("e", "ü"), Qt::AlignRight);

    // Wind over the whole height, pressing on the left face.
    const qreal xTail = 20;
    Line(p, {xTail, y1}, {xTail, y2}, 1.2, Load);
    const int arrows = 12;
    for (int i = 0; i < arrows; ++i) {
        const qreal y = y1 + 13 + (h - 26) * i / (arrows - 1);
        Arrow(p, {xTail, y}, {xL - 1, y}, Load, 1, 5, 4);
    }
    Line(p, {xTail, y1}, {xL - 1, y1}, 0.8, Load);
    Line(p, {xTail, y2}, {xL - 1, y2}, 0.8, Load);
    Text(p, 4, 74, S("q", "tuul.d"), Qt::AlignLeft, Load);

    // Sections: 1-1 just under the slab, m-m in the middle fifth, 2-2 at the foot.
    const qreal ySec1 = y1 + 4, ySecM = y1 + h / 2, ySec2 = y2 - 4;
    Section(p, xL, xR, ySec1);
    Section(p, xL, xR, ySecM);
    Section(p, xL, xR, ySec2);
    Text(p, xR + 14, Mid(ySec1) + 6, Plain("1-1"));
    Text(p, xR + 14, Mid(ySecM), Plain("m-m"));
    Text(p, xR + 14, Mid(ySec2) - 6, Plain("2-2"));

    // Height chain at the right: t_vl/2, 2h/5, h/5, 2h/5.
    const qreal xC = 194;
    const qreal levels[] = {yM, y1, y1 + 2 * h / 5, y1 + 3 * h / 5, y2};
    Line(p, {xSlabEnd + 12, y1}, {xC + 3, y1}, 1);
    for (qreal y : {levels[2], levels[3], levels[4]})
        Line(p, {xR + 3, y}, {xC + 3, y}, 1);
    for (int i = 0; i + 1 < 5; ++i)
        DimV(p, xC, levels[i], levels[i + 1]);
    Text(p, xC + 6, Mid(yM) + 2, S("t", "vl", "/2"));
    Text(p, xC + 6, Mid((levels[1] + levels[2]) / 2), Plain("2h/5"));
    Text(p, xC + 6, Mid((levels[2] + levels[3]) / 2), Plain("h/5"));
    Text(p, xC + 6, Mid((levels[3] + levels[4]) / 2), Plain("2h/5"));

    // Wall thickness at the foot.
    Line(p, {xL, y2 + 8}, {xL, 334}, 1);
    Line(p, {xR, y2 + 8}, {xR, 334}, 1);
    DimH(p, xL, xR, 330);
    Text(p, xA, 326, S("t"), Qt::AlignHCenter);
}

namespace {

const qreal Spread = 1 / std::tan(qDegreesToRadians(60.0)); // run per unit depth at 60°

struct Plate {
    qreal x0, x1;
};

// One force on a bearing plate with its 60° spread lines, clipped to the wall.
void Spreading(QPainter& p, const QRectF& wall, const Plate& plate, qreal yMid) {
    const qreal depth = yMid - wall.top();
    p.fillRect(QRectF(plate.x0, wall.top() - 4, plate.x1 - plate.x0, 4), Ink);
    const qreal xc = (plate.x0 + plate.x1) / 2;
    Arrow(p, {xc, wall.top() - 28}, {xc, wall.top() - 4});
    Text(p, xc - 4, wall.top() - 14, S("P", "d"), Qt::AlignRight, Load);
    p.save();
    p.setClipRect(wall);
    Dashed(p, {plate.x0, wall.top()}, {plate.x0 - depth * Spread, yMid}, 1);
    Dashed(p, {plate.x1, wall.top()}, {plate.x1 + depth * Spread, yMid}, 1);
    p.restore();
}

// Effective length at mid-height between the spread lines or the wall end.
void EffectiveLength(QPainter& p, qreal x0, qreal x1, qreal y) {
    DimH(p, x0, x1, y);
    Text(p, (x0 + x1) / 2, y - 4, S("L", "ef"), Qt::AlignHCenter, Ink, true);
}

void DistanceToEnd(QPainter& p, qreal plateEdge, qreal wallEnd, qreal wallTop) {
    const qreal y = wallTop - 10;
    Line(p, {plateEdge, wallTop - 6}, {plateEdge, y - 4}, 1);
    Line(p, {wallEnd, wallTop - 2}, {wallEnd, y - 4}, 1);
    DimH(p, plateEdge, wallEnd, y);
    Text(p, (plateEdge + wallEnd) / 2, y - 5, S("a", "lt"), Qt::AlignHCenter);
}

void Elevation(QPainter& p, const QRectF& wall, bool breakLeft) {
    p.fillRect(wall, Masonry);
    Blocks(p, wall, 15, 40, breakLeft ? 12 : 0);
    Line(p, wall.topLeft() - QPointF(breakLeft ? 0 : 1, 0), wall.topRight() + QPointF(1, 0), 2);
    Line(p, wall.topRight(), wall.bottomRight(), 2);
    if (!breakLeft) Line(p, wall.topLeft(), wall.bottomLeft(), 2);
    if (breakLeft) BreakV(p, wall.left(), wall.top(), wall.bottom());
    Ground(p, wall.left() - (breakLeft ? 0 : 8), wall.right() + 8, wall.bottom());
}

} // namespace

// Upper figure: load spread under three bearing plates down to mid-height;
// lower figure: the loaded wall corner with its tensile stress. The white
// bands at y 168..194 (left half) and 354..378 carry the page's captions.
void PaintKoondj(QPainter& p) {
    {
        const QRectF wall(34, 40, 216, 110);
        const qreal yMid = wall.top() + wall.height() / 2;
        const qreal run = (yMid - wall.top()) * Spread;
        Elevation(p, wall, false);

        const Plate end{42, 56}, field{128, 142}, near{218, 232};
        for (const Plate& pl : {end, field, near})
            Spreading(p, wall, pl, yMid);
        EffectiveLength(p, wall.left(), end.x1 + run, yMid);
        EffectiveLength(p, field.x0 - run, field.x1 + run, yMid);
        EffectiveLength(p, near.x0 - run, wall.right(), yMid);
        DistanceToEnd(p, near.x1, wall.right(), wall.top());

        // The spread angle, once, at the field plate.
        const QPointF edge(field.x1, wall.top());
        const qreal r = 13;
        p.save();
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(edge.x() - r, edge.y() - r, 2 * r, 2 * r), 0, -60 * 16);
        p.restore();
        Text(p, edge.x() + r + 3, edge.y() + 13, Plain("60°", 11), Qt::AlignLeft, Ink, true);

        // Mid-height and height at the left end.
        const qreal xD = 24;
        for (qreal y : {wall.top(), yMid, wall.bottom()})
            Line(p, {wall.left() - 3, y}, {xD - 4, y}, 1);
        DimV(p, xD, wall.top(), yMid);
        DimV(p, xD, yMid, wall.bottom());
        Text(p, xD - 4, Mid((wall.top() + yMid) / 2), S("h", {}, "/2"), Qt::AlignRight);
        Text(p, xD - 4, Mid((yMid + wall.bottom()) / 2), S("h", {}, "/2"), Qt::AlignRight);

        // The end situation again, on its own.
        const QRectF detail(272, 40, 72, 110);
        Elevation(p, detail, true);
        const Plate last{detail.right() - 30, detail.right() - 16};
        Spreading(p, detail, last, yMid);
        EffectiveLength(p, last.x0 - run, detail.right(), yMid);
        DistanceToEnd(p, last.x1, detail.right(), detail.top());
    }
    {
        const QRectF wall(34, 236, 266, 90);
        const qreal xCorner = wall.right() - 14;
        Elevation(p, wall, false);
        // The cross wall of the corner.
        p.fillRect(QRectF(xCorner, wall.top(), wall.right() - xCorner, wall.height()), Concrete);
        Line(p, {xCorner, wall.top()}, {xCorner, wall.bottom()}, 1);
        Line(p, wall.topRight(), wall.bottomRight(), 1.3);

        // Distributed load over a_ka at the corner.
        const qreal aka = 80, xLoad = wall.right() - aka, yTail = wall.top() - 24;
        Line(p, {xLoad, yTail}, {wall.right(), yTail}, 1.2, Load);
        for (int i = 0; i <= 8; ++i) {
            const qreal x = xLoad + aka * i / 8;
            Arrow(p, {x, yTail}, {x, wall.top()}, Load, 1, 5, 4);
        }
        Text(p, wall.right() + 5, yTail + 14, S("q", "nd"), Qt::AlignLeft, Load);
        const qreal yDim = yTail - 10;
        Line(p, {xLoad, yTail - 3}, {xLoad, yDim - 4}, 1);
        Line(p, {wall.right(), yTail - 3}, {wall.right(), yDim - 4}, 1);
        DimH(p, xLoad, wall.right(), yDim);
        Text(p, xLoad + aka / 2, yDim - 5, S("a", "ka"), Qt::AlignHCenter);

        // Horizontal tensile stress under the edge of the loaded length:
        // largest at the top, nothing below the depth b.
        const qreal b = 62, smax = 46;
        QPainterPath diagram;
        diagram.moveTo(xLoad, wall.top());
        for (int i = 0; i <= 40; ++i) {
            const qreal s = i / 40.0;
            diagram.lineTo(xLoad - smax * (1 - s) * (1 - s), wall.top() + b * s);
        }
        diagram.closeSubpath();
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(diagram);
        p.setClipPath(diagram);
        p.setPen(QPen(Ink, 0.6));
        for (qreal y = wall.top() + 4; y < wall.top() + b; y += 4)
            p.drawLine(QPointF(xLoad - smax, y), QPointF(xLoad, y));
        p.restore();
        p.save();
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(diagram);
        p.restore();
        Text(p, xLoad - smax / 2, wall.top() - 8, S("σ", "max"), Qt::AlignHCenter);

        const qreal xB = xLoad + 10;
        Line(p, {xLoad, wall.top() + b}, {xB + 4, wall.top() + b}, 1);
        DimV(p, xB, wall.top(), wall.top() + b);
        Text(p, xB + 4, Mid(wall.top() + b / 2), S("b"), Qt::AlignLeft, Ink, true);

        // Height and length of the wall.
        const qreal xD = 24;
        Line(p, {wall.left() - 3, wall.top()}, {xD - 4, wall.top()}, 1);
        Line(p, {wall.left() - 3, wall.bottom()}, {xD - 4, wall.bottom()}, 1);
        DimV(p, xD, wall.top(), wall.bottom());
        Text(p, xD - 5, Mid(wall.center().y()), S("h"), Qt::AlignRight);
        const qreal yL = wall.bottom() + 18;
        Line(p, {wall.left(), wall.bottom() + 6}, {wall.left(), yL + 4}, 1);
        Line(p, {wall.right(), wall.bottom() + 6}, {wall.right(), yL + 4}, 1);
        DimH(p, wall.left(), wall.right(), yL);
        Text(p, wall.center().x(), yL - 4, S("L"), Qt::AlignHCenter, Ink, true);
    }
}

namespace {

// The top of the wall as a column of blocks, broken off at the bottom.
void BlockColumn(QPainter& p, qreal x0, qreal x1, qreal top, qreal bottom) {
    const qreal course = 19;
    p.fillRect(QRectF(x0, top, x1 - x0, bottom - top), Masonry);
    for (qreal y = top + course; y < bottom - 4; y += course)
        Line(p, {x0, y}, {x1, y}, 1);
    Line(p, {x0 - 1, top}, {x1 + 1, top}, 2);
    Line(p, {x0, top}, {x0, bottom}, 2);
    Line(p, {x1, top}, {x1, bottom}, 2);
    p.fillRect(QRectF(x0 - 6, bottom - 1, x1 - x0 + 12, 8), Qt::white);
    BreakH(p, x0, x1, bottom);
}

} // namespace

// Upper sketch: the beam on the wall with its bearing length and load; lower
// sketch: the beam bent under load, its end turned on the support by α.
// The band below y 340 stays white for the caption.
void PaintToes(QPainter& p) {
    const qreal x0 = 26, x1 = 76; // wall faces; x1 is the face towards the span
    const qreal beamDepth = 20, a1 = 40, xRight = 184;
    {
        const qreal top = 72;
        BlockColumn(p, x0, x1, top, 158);
        const QRectF beam(x1 - a1, top - beamDepth, xRight - (x1 - a1), beamDepth);
        p.fillRect(beam, Qt::white);
        Line(p, beam.topLeft() - QPointF(1, 0), beam.topRight(), 2, Beam);
        Line(p, beam.bottomLeft() - QPointF(1, 0), beam.bottomRight(), 2, Beam);
        Line(p, beam.topLeft(), beam.bottomLeft(), 2, Beam);
        p.fillRect(QRectF(xRight - 1, beam.top() - 6, 12, beamDepth + 12), Qt::white);
        BreakV(p, xRight, beam.top(), beam.bottom(), Beam);

        // Bearing length a1 at the top left.
        const qreal yDim = beam.top() - 14;
        Line(p, {beam.left(), beam.top() - 2}, {beam.left(), yDim - 4}, 1);
        Line(p, {x1, beam.top() - 2}, {x1, yDim - 4}, 1);
        DimH(p, beam.left(), x1, yDim);
        Text(p, (beam.left() + x1) / 2, yDim - 5, S("a", "1"), Qt::AlignHCenter);

        // Distributed load on the beam.
        const qreal yTail = beam.top() - 26, xq0 = x1 + 8, xq1 = xRight - 6;
        Line(p, {xq0, yTail}, {xq1, yTail}, 1.2, Load);
        for (int i = 0; i <= 8; ++i) {
            const qreal x = xq0 + (xq1 - xq0) * i / 8;
            Arrow(p, {x, yTail}, {x, beam.top() - 1}, Load, 1, 5, 4);
        }
        Text(p, (xq0 + xq1) / 2, yTail - 5, S("q", "d"), Qt::AlignHCenter, Load);
    }
    {
        const qreal top = 252;
        BlockColumn(p, x0, x1, top, 332);
        const qreal alpha = qDegreesToRadians(15.0);
        const QPointF pivot(x1, top);
        const QPointF along(std::cos(alpha), std::sin(alpha)); // down the span
        const QPointF up(along.y(), -along.x());               // towards the beam top

        // The bent beam: the bottom leaves the edge at alpha and flattens out.
        const qreal run = xRight - x1;
        auto bottomAt = [&](qreal s) { // s = 0 .. run
            const qreal k = std::tan(alpha);
            return QPointF(x1 + s, top + k * (s - 0.3 * s * s / run));
        };
        auto normalAt = [&](qreal s) {
            const qreal k = std::tan(alpha) * (1 - 0.6 * s / run);
            const qreal n = std::hypot(1.0, k);
            return QPointF(k / n, -1 / n);
        };
        QPolygonF bottom, topEdge, axis;
        for (int i = 0; i <= 40; ++i) {
            const qreal s = run * i / 40;
            bottom << bottomAt(s);
            topEdge << bottomAt(s) + normalAt(s) * beamDepth;
            axis << bottomAt(s) + normalAt(s) * (beamDepth / 2);
        }
        QPolygonF body = bottom;
        for (auto it = topEdge.crbegin(); it != topEdge.crend(); ++it)
            body << *it;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(body);
        p.setPen(QPen(Beam, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(bottom);
        p.drawPolyline(topEdge);
        p.restore();
        const QPointF endBottom = bottom.last(), endTop = topEdge.last();
        p.fillRect(QRectF(endBottom.x() - 1, endTop.y() - 6, 12, endBottom.y() - endTop.y() + 12),
                   Qt::white);
        BreakV(p, endBottom.x(), endTop.y(), endBottom.y(), Beam);

        // The beam end on the wall, turned with the beam about the edge.
        const QPointF backBottom = pivot - along * a1;
        const QPointF backTop = backBottom + up * beamDepth;
        const QPointF frontTop = pivot + up * beamDepth;
        p.save();
        QPen dashed(Beam, 1.2, Qt::CustomDashLine, Qt::FlatCap);
        dashed.setDashPattern({3.5, 2.5});
        p.setPen(dashed);
        p.drawPolyline(QPolygonF{frontTop, backTop, backBottom, pivot});
        p.restore();

        // Beam axis through the turned end and along the bent beam.
        QPolygonF fullAxis{pivot + up * (beamDepth / 2) - along * (a1 + 8)};
        fullAxis << axis;
        p.save();
        p.setPen(AxisPen());
        p.drawPolyline(fullAxis);
        p.restore();

        // The turn of the beam end on the edge: between the wall top and the
        // underside of the turned end, the same angle as the axis leaving the support.
        const qreal r = 50;
        Line(p, {x0, top}, pivot - QPointF(r + 12, 0), 1);
        Line(p, backBottom, pivot - along * (r + 12), 1);
        p.save();
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(pivot.x() - r, pivot.y() - r, 2 * r, 2 * r), 180 * 16,
                  -qRound(qRadiansToDegrees(alpha) * 16));
        p.restore();
        const QPointF mark = pivot - QPointF(std::cos(alpha / 2), std::sin(alpha / 2)) * (r + 6);
        Text(p, mark.x(), Mid(mark.y()) - 0.5, S("α"), Qt::AlignHCenter);
    }
}

void PaintKorvelLogo(QPainter& p) {
    const QRectF band(0, 0, 90, 24);
    p.fillRect(band, QColor(24, 72, 140));
    p.fillRect(QRectF(0, 21, 90, 3), QColor(230, 150, 30));
    QPainterPath word;
    word.addText(0, 0, TextFont(20, false, true), "KORVEL");
    const QRectF box = word.boundingRect();
    const QRectF target(4, 3, 82, 15.5);
    QTransform fit;
    fit.translate(target.left(), target.top());
    fit.scale(target.width() / box.width(), target.height() / box.height());
    fit.translate(-box.left(), -box.top());
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(fit.map(word));
    p.restore();
}

void PaintCompanyLogo(QPainter& p) {
    // A birch leaf and a field stone over the initials of the two names.
    const QColor green(58, 125, 44), stone(118, 118, 112), light(170, 170, 162);
    p.save();
    p.setPen(QPen(green, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 28), QPointF(15, 23.5));
    p.setPen(Qt::NoPen);
    QPainterPath leaf;
    leaf.moveTo(15, 24);
    leaf.cubicTo(5, 19, 9, 7, 27, 4);
    leaf.cubicTo(29, 14, 25, 23, 15, 24);
    p.setBrush(green);
    p.drawPath(leaf);
    p.setPen(QPen(Qt::white, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 23), QPointF(25, 7));
    p.setPen(Qt::NoPen);
    QPainterPath rock;
    rock.moveTo(31, 28);
    rock.cubicTo(30, 20, 36, 13, 44, 12);
    rock.cubicTo(52, 11, 58, 17, 59.5, 23);
    rock.cubicTo(60, 26, 60, 27.5, 59, 28);
    rock.closeSubpath();
    p.setBrush(stone);
    p.drawPath(rock);
    p.setBrush(light);
    p.drawEllipse(QRectF(38, 15, 9, 4));
    p.restore();
    Line(p, {4, 30}, {60, 30}, 1, QColor(60, 60, 60));
    p.save();
    p.setPen(QColor(40, 40, 40));
    p.setFont(TextFont(14, false, true));
    p.drawText(QRectF(0, 31, 64, 17), Qt::AlignCenter, "K&K");
    p.restore();
}

} // namespace Draw
