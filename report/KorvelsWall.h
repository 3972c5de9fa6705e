// One wall checked as the window checks it, without any window: the "ARVUTA"
// of each page whose check applies, in order, on a checked calculation, with
// their fit tests, their rewrites and their undefined cases, and the outcome
// of every check on its own.
#pragma once

#include "KorvelsArvut.h"
#include "KorvelsChecks.h"
#include "KorvelsFile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace Korvel {

enum class CheckKind { Vertical, Concentrated, Corner, Support, FreeSpace };
inline constexpr int CheckKindCount = 5;

enum class CheckState {
    Passed,     // computed: every comparison holds
    Failed,     // computed: some comparison does not hold
    Undefined,  // could not be computed: reason says why
    Hidden,     // the vertical capacity above a slenderness of 27: the page shows none
    NotApplying // the wall does not have this check, or its option is off
};

struct CheckOutcome {
    CheckKind kind;
    const char* key;    // "vertical", "concentrated", "corner", "support", "freeSpace"
    const char* title;  // Estonian, as the pages name the check
    const char* column; // the table's column, "Kandevõime"
    CheckState state = CheckState::NotApplying;
    QString reason;                      // Undefined: the message the window would show
    std::vector<Comparison> comparisons; // when computed

    bool Applies() const { return state != CheckState::NotApplying; }
    bool Computed() const { return state == CheckState::Passed || state == CheckState::Failed; }
    // The largest effect over resistance; NaN when not computed or a
    // resistance is not positive.
    double Utilisation() const;
};

// Every check of a wall, none applying yet, in CheckKind's order.
std::array<CheckOutcome, CheckKindCount> NoChecks();

enum class WallVerdict { Passed, Failed, Unchecked };

// What became of a wall: refused whole, or its slenderness and every check.
struct WallOutcome {
    QString error; // not empty: the wall was refused whole, and why
    double slenderness = 0;
    bool slendernessOk = false; // at most 27
    // Every check in CheckKind's order, applying or not.
    std::array<CheckOutcome, CheckKindCount> checks = NoChecks();

    // Failed when the slenderness or any computed check fails; otherwise
    // Unchecked when the wall was refused or an applying check could not be
    // computed; otherwise Passed.
    WallVerdict Verdict() const;
    // Refused, or an applying check could not be computed.
    bool Incomplete() const;
    const CheckOutcome& Check(CheckKind kind) const {
        return checks[static_cast<std::size_t>(kind)];
    }
};

// 0 when every applying check of every wall passes, 1 when any fails (the
// slenderness included), 2 when a wall was refused or a check could not be
// computed.
int ExitStatus(const std::vector<const WallOutcome*>& walls);

struct WallResult : WallOutcome {
    // The fields as the window shows them after the pages' "ARVUTA" (the
    // vertical page rewrites its decimal fields), with the locale's separator.
    Calculation shown;
    TArvutused record;
};

// shownTexts false leaves shown empty, for callers that keep only the outcome.
WallResult EvaluateWall(const CheckedCalculation& c, const QString& separator,
                        bool shownTexts = true);

// The report as "Kuva" composes it with every box that can be ticked: the
// sections of the computed checks (the vertical capacity only up to a
// slenderness of 27; the support node only with its free space when that is on).
QStringList WallReport(WallResult& w, const QString& separator);

} // namespace Korvel
