// The pictures of the program: three calculation schemes and two About box
// logos, each painted in the 1x picture's pixel coordinates.
#pragma once

#include <QPainter>
#include <QSize>

namespace Draw {

struct Picture {
    const char* name; // file name without ".jpg"
    QSize size;       // 1x size in pixels
    void (*paint)(QPainter&);
};

// Vertical capacity: wall section with loads, wind, sections and the height chain.
void PaintKandev(QPainter& p);
// Concentrated load: load spread under three bearing plates, and the loaded corner.
void PaintKoondj(QPainter& p);
// Beam bearing: the beam on the wall, and its rotated end.
void PaintToes(QPainter& p);
void PaintKorvelLogo(QPainter& p);
void PaintCompanyLogo(QPainter& p);

inline const Picture Pictures[] = {
    {"kandev", {240, 377}, PaintKandev},
    {"koondj", {354, 378}, PaintKoondj},
    {"toes", {194, 366}, PaintToes},
    {"korvel_logo", {90, 24}, PaintKorvelLogo},
    {"company_logo", {64, 48}, PaintCompanyLogo},
};

} // namespace Draw
