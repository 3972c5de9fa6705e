#include "DrawKit.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace Draw {

namespace {

// Subscripts are about two thirds of the symbol and sit a third of it lower.
constexpr qreal SubScale = 0.7;
constexpr qreal SubDrop = 0.28;

QFont SubFont(const Sym& s) {
    return TextFont(s.size * SubScale);
}

QFont MainFont(const Sym& s) {
    return TextFont(s.size, s.italic);
}

void Stroke(QPainter& p, qreal width, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
}

} // namespace

QFont TextFont(qreal pixelSize, bool italic, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(qRound(pixelSize));
    f.setItalic(italic);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

qreal Width(const Sym& s) {
    qreal w = QFontMetricsF(MainFont(s)).horizontalAdvance(s.main);
    if (!s.sub.isEmpty()) w += 0.5 + QFontMetricsF(SubFont(s)).horizontalAdvance(s.sub);
    if (!s.tail.isEmpty()) w += QFontMetricsF(TextFont(s.size)).horizontalAdvance(s.tail);
    return w;
}

void Text(QPainter& p, qreal x, qreal y, const Sym& s, Qt::Alignment align, const QColor& colour,
          bool halo) {
    const qreal w = Width(s);
    if (align & Qt::AlignHCenter)
        x -= w / 2;
    else if (align & Qt::AlignRight)
        x -= w;

    struct Run {
        QFont font;
        QString text;
        QPointF at;
    };
    const QFont main = MainFont(s);
    Run runs[3] = {{main, s.main, {x, y}}, {}, {}};
    qreal cx = x + QFontMetricsF(main).horizontalAdvance(s.main);
    if (!s.sub.isEmpty()) {
        cx += 0.5;
        runs[1] = {SubFont(s), s.sub, {cx, y + s.size * SubDrop}};
        cx += QFontMetricsF(runs[1].font).horizontalAdvance(s.sub);
    }
    if (!s.tail.isEmpty()) runs[2] = {TextFont(s.size), s.tail, {cx, y}};

    p.save();
    if (halo) {
        QPainterPath path;
        for (const Run& r : runs)
            if (!r.text.isEmpty()) path.addText(r.at, r.font, r.text);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    p.setPen(colour);
    for (const Run& r : runs) {
        if (r.text.isEmpty()) continue;
        p.setFont(r.font);
        p.drawText(r.at, r.text);
    }
    p.restore();
}

qreal Snap(qreal c, qreal width) {
    const int w = std::max(1, qRound(width));
    return (w % 2) ? std::floor(c) + 0.5 : std::round(c);
}

namespace {

void SnappedLine(QPainter& p, QPointF a, QPointF b, const QPen& pen) {
    if (a.x() == b.x()) a.rx() = b.rx() = Snap(a.x(), pen.widthF());
    if (a.y() == b.y()) a.ry() = b.ry() = Snap(a.y(), pen.widthF());
    p.save();
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

QPen Pattern(const QColor& colour, qreal width, QList<qreal> pattern) {
    QPen pen(colour, width, Qt::CustomDashLine, Qt::FlatCap);
    for (qreal& d : pattern)
        d /= width;
    pen.setDashPattern(pattern);
    return pen;
}

} // namespace

void Line(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour,
          Qt::PenStyle style) {
    SnappedLine(p, a, b, QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin));
}

void Dashed(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour) {
    SnappedLine(p, a, b, Pattern(colour, width, {4, 3}));
}

QPen AxisPen(const QColor& colour) {
    return Pattern(colour, 1, {12, 2.5, 2, 2.5});
}

void Axis(QPainter& p, QPointF a, QPointF b, const QColor& colour) {
    SnappedLine(p, a, b, AxisPen(colour));
}

void Arrow(QPainter& p, QPointF tail, QPointF tip, const QColor& colour, qreal width,
           qreal headLength, qreal headWidth) {
    const QPointF d = tip - tail;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * headLength;
    Line(p, tail, base + u * 0.5, width, colour);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{tip, base + n * (headWidth / 2), base - n * (headWidth / 2)});
    p.restore();
}

namespace {
void Tick(QPainter& p, QPointF at) {
    Line(p, at + QPointF(-3, 3), at + QPointF(3, -3), 1.5);
}
} // namespace

void DimH(QPainter& p, qreal x1, qreal x2, qreal y) {
    y = Snap(y, 1);
    Line(p, {x1 - 3, y}, {x2 + 3, y}, 1);
    Tick(p, {x1, y});
    Tick(p, {x2, y});
}

void DimV(QPainter& p, qreal x, qreal y1, qreal y2) {
    x = Snap(x, 1);
    Line(p, {x, y1 - 3}, {x, y2 + 3}, 1);
    Tick(p, {x, y1});
    Tick(p, {x, y2});
}

void BreakV(QPainter& p, qreal x, qreal y1, qreal y2, const QColor& colour) {
    x = Snap(x, 1);
    const qreal m = (y1 + y2) / 2;
    QPolygonF z{{x, y1 - 4},      {x, m - 4}, {x + 3, m - 1.5},
                {x - 3, m + 1.5}, {x, m + 4}, {x, y2 + 4}};
    p.save();
    Stroke(p, 1, colour);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(z);
    p.restore();
}

void BreakH(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& colour) {
    y = Snap(y, 1);
    const qreal m = (x1 + x2) / 2;
    QPolygonF z{{x1 - 4, y},      {m - 4, y}, {m - 1.5, y - 3},
                {m + 1.5, y + 3}, {m + 4, y}, {x2 + 4, y}};
    p.save();
    Stroke(p, 1, colour);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(z);
    p.restore();
}

void Hatch(QPainter& p, const QRectF& r, qreal spacing, qreal angle, const QColor& colour,
           qreal width) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    Stroke(p, width, colour);
    const qreal reach = r.width() + r.height();
    const qreal dx = std::cos(qDegreesToRadians(angle));
    const qreal dy = -std::sin(qDegreesToRadians(angle));
    // Lines through points spaced along the normal of the hatch direction.
    const QPointF n(-dy, dx);
    const QPointF c = r.center();
    for (qreal s = -reach; s <= reach; s += spacing) {
        const QPointF o = c + n * s;
        p.drawLine(o - QPointF(dx, dy) * reach, o + QPointF(dx, dy) * reach);
    }
    p.restore();
}

void Blocks(QPainter& p, const QRectF& r, qreal course, qreal blockLength, qreal offset) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    int row = 0;
    for (qreal y = r.bottom() - course; y > r.top() - course; y -= course, ++row) {
        if (y > r.top()) Line(p, {r.left(), y}, {r.right(), y}, 1, Joint);
        if (blockLength <= 0) continue;
        const qreal shift = offset + ((row % 2) ? blockLength / 2 : 0);
        for (qreal x = r.left() + shift; x < r.right(); x += blockLength)
            if (x > r.left() + 1) Line(p, {x, std::max(y, r.top())}, {x, y + course}, 1, Joint);
    }
    p.restore();
}

void Ground(QPainter& p, qreal x1, qreal x2, qreal y) {
    Line(p, {x1, y}, {x2, y}, 2);
    p.save();
    Stroke(p, 0.8, Ink);
    for (qreal x = x1 + 2; x <= x2; x += 5)
        p.drawLine(QPointF(x, y), QPointF(x - 4, y + 4));
    p.restore();
}

void Section(QPainter& p, qreal x1, qreal x2, qreal y) {
    Axis(p, {x1 - 3, y}, {x2 + 3, y});
    Line(p, {x1 - 11, y}, {x1 - 3, y}, 3);
    Line(p, {x2 + 3, y}, {x2 + 11, y}, 3);
}

} // namespace Draw
