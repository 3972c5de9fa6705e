// Which block carries a wall: every product of the catalogue tried on it, the
// rest of the wall unchanged, each checked as "--check" checks the wall with
// that block, and the thinnest product that passes. The window's dialog and
// the command line both ask this.
#pragma once

#include "KorvelsFile.h"
#include "KorvelsWall.h"

#include <QString>
#include <vector>

namespace Korvel {

struct ProductOutcome : WallOutcome {
    int block = -1; // in Catalogue()
    // The slenderness and every applying check pass; a check that could not
    // be computed, a bearing area that does not fit included, fails it.
    bool Passes() const { return Verdict() == WallVerdict::Passed; }
};

struct BlockChoice {
    QString error;    // not empty: the wall was refused whole, and why
    int current = -1; // the wall's own block
    // The thinnest passing product, then the lightest, then the catalogue's
    // first; -1 when none passes.
    int recommended = -1;
    std::vector<ProductOutcome> products; // every product, in the catalogue's order
};

BlockChoice ChooseBlock(const CheckedCalculation& wall, const QString& separator);
BlockChoice ChooseBlock(const Calculation& wall, const QString& separator);

// An input of the check does not fit the product (a bearing area wider than
// the wall): the product does not take the check at all.
bool DoesNotFit(const CheckOutcome& c);

// A check's cell in the product table: "ei mahu" where the check does not
// fit the product, else as the building table shows it.
QString ProductCell(const CheckOutcome& c);

// The computed check with the largest utilisation, one with a resistance
// that is not positive before all; null when none was computed.
const CheckOutcome* LargestCheck(const WallOutcome& w);
// Its utilisation as the tables show it ("41 %"), "–" when there is none.
QString LargestText(const WallOutcome& w);

} // namespace Korvel
