// One wall checked as the window checks it, without any window: the three
// pages' "ARVUTA" in order on a checked calculation, with their fit tests,
// their rewrites and their undefined cases, and the outcome of every check.
#pragma once

#include "KorvelsArvut.h"
#include "KorvelsChecks.h"
#include "KorvelsFile.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Korvel {

enum class CheckKind { Vertical, Concentrated, Corner, Support, FreeSpace };

struct CheckOutcome {
    CheckKind kind;
    const char* key;   // "vertical", "concentrated", "corner", "support", "freeSpace"
    const char* title; // Estonian, as the pages name the check
    // False where the page shows no markers: the vertical capacity of a wall
    // more slender than 27.
    bool computed = true;
    std::vector<Comparison> comparisons;
    // Every comparison holds and has a positive resistance.
    bool Passes() const;
    // The largest effect over resistance; NaN when a resistance is not
    // positive or nothing was computed.
    double Utilisation() const;
};

struct WallResult {
    QString error; // not empty: the wall could not be checked, and why
    // The fields as the window shows them after the three "ARVUTA" (the
    // vertical page rewrites its decimal fields), with the locale's separator.
    Calculation shown;
    TArvutused record;
    double slenderness = 0;
    bool slendernessOk = false; // at most 27
    // In the pages' order; the corner and the free space only when their option is on.
    std::vector<CheckOutcome> checks;
    // The slenderness and every check pass.
    bool Passes() const;
};

WallResult EvaluateWall(const CheckedCalculation& c, const QString& separator);

// The report as "Kuva" composes it with every box that can be ticked: the
// vertical capacity only while the slenderness is below 27.
QStringList WallReport(WallResult& w, const QString& separator);

} // namespace Korvel
