// Drawing primitives for the calculation-scheme pictures: symbols with real
// subscripts, load arrows, dimension lines with ticks, break lines, axes and
// the masonry pattern. All coordinates are in the 1x picture's pixels; the
// painter's transform takes care of the 2x version.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace Draw {

inline const QColor Ink(0, 0, 0);
inline const QColor Load(208, 0, 0);
inline const QColor Beam(0, 60, 170);
inline const QColor Joint(178, 178, 178);
inline const QColor Concrete(226, 226, 226);
inline const QColor Masonry(246, 244, 238);

QFont TextFont(qreal pixelSize, bool italic = false, bool bold = false);

// A quantity as written on a drawing: the italic main symbol, an upright
// lowered subscript and an optional upright tail ("t", "vl", "/2").
struct Sym {
    QString main;
    QString sub;
    QString tail;
    bool italic = true;
    qreal size = 13;
};

qreal Width(const Sym& s);
// Draws s with its baseline at y; x is its left end, centre or right end
// depending on align (Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight).
// A white halo keeps it legible over line work.
void Text(QPainter& p, qreal x, qreal y, const Sym& s, Qt::Alignment align = Qt::AlignLeft,
          const QColor& colour = Ink, bool halo = false);

// Moves a coordinate so that a line of this width covers whole pixels at 1x
// (and so also at 2x).
qreal Snap(qreal c, qreal width);

// Axis-parallel lines are snapped to whole pixels.
void Line(QPainter& p, QPointF a, QPointF b, qreal width = 1, const QColor& colour = Ink,
          Qt::PenStyle style = Qt::SolidLine);
void Dashed(QPainter& p, QPointF a, QPointF b, qreal width = 1, const QColor& colour = Ink);
QPen AxisPen(const QColor& colour = Ink);
void Axis(QPainter& p, QPointF a, QPointF b, const QColor& colour = Ink);

// A load arrow whose filled head touches tip.
void Arrow(QPainter& p, QPointF tail, QPointF tip, const QColor& colour = Load, qreal width = 1.2,
           qreal headLength = 6, qreal headWidth = 4.5);

// Dimension lines with oblique ticks; the extension lines are drawn by the caller.
void DimH(QPainter& p, qreal x1, qreal x2, qreal y);
void DimV(QPainter& p, qreal x, qreal y1, qreal y2);

// Zigzag break marks across a vertical or a horizontal edge.
void BreakV(QPainter& p, qreal x, qreal y1, qreal y2, const QColor& colour = Ink);
void BreakH(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& colour = Ink);

// Parallel hatch lines at angle (degrees) clipped to r.
void Hatch(QPainter& p, const QRectF& r, qreal spacing, qreal angle, const QColor& colour = Ink,
           qreal width = 0.6);
// Running-bond joints of a block wall in elevation.
void Blocks(QPainter& p, const QRectF& r, qreal course, qreal blockLength, qreal offset = 0);
// Ground hatch under a bearing line from x1 to x2 at y.
void Ground(QPainter& p, qreal x1, qreal x2, qreal y);

// Section mark: a dash-dot line across the wall from x1 to x2 with heavy
// strokes just outside both faces.
void Section(QPainter& p, qreal x1, qreal x2, qreal y);

} // namespace Draw
