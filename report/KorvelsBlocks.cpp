#include "KorvelsBlocks.h"

#include "KorvelsInputs.h"
#include "KorvelsTable.h"

#include <cmath>
#include <tuple>

namespace Korvel {

BlockChoice ChooseBlock(const CheckedCalculation& wall, const QString& separator) {
    BlockChoice choice;
    if (!wall.error.isEmpty()) {
        choice.error = wall.error;
        return choice;
    }
    choice.current = FindBlock(wall.calculation.block.toStdString());
    const auto catalogue = Catalogue();
    choice.products.reserve(catalogue.size());
    // The wall with another block, as checking it whole would give it: the
    // block enters the record only through ApplyBlock, and the values' bounds
    // that depend on the wall were taken on the widest one. Checking the
    // values again for each product would cost more than the checks.
    CheckedCalculation trial = wall;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        trial.calculation.block = QString::fromUtf8(catalogue[i].name);
        ApplyBlock(trial.record, catalogue[i]);
        ProductOutcome p;
        static_cast<WallOutcome&>(p) = EvaluateWall(trial, separator, false);
        p.block = static_cast<int>(i);
        choice.products.push_back(std::move(p));
    }
    const auto rank = [&](int i) {
        const Block& b = catalogue[static_cast<std::size_t>(i)];
        return std::tuple(b.t, b.rooP, i);
    };
    for (const ProductOutcome& p : choice.products)
        if (p.Passes() && (choice.recommended < 0 || rank(p.block) < rank(choice.recommended)))
            choice.recommended = p.block;
    return choice;
}

BlockChoice ChooseBlock(const Calculation& wall, const QString& separator) {
    return ChooseBlock(CheckCalculation(wall, separator.toStdString()), separator);
}

bool DoesNotFit(const CheckOutcome& c) {
    return c.state == CheckState::Undefined && c.reason.contains("ei sobi selle seinaga");
}

QString ProductCell(const CheckOutcome& c) {
    return DoesNotFit(c) ? QString("ei mahu") : CheckCell(c);
}

const CheckOutcome* LargestCheck(const WallOutcome& w) {
    const CheckOutcome* largest = nullptr;
    double most = 0;
    for (const CheckOutcome& c : w.checks) {
        if (!c.Computed()) continue;
        // A resistance that is not positive carries nothing: no utilisation is larger.
        const double u = c.Utilisation();
        const double rank = std::isnan(u) ? INFINITY : u;
        if (!largest || rank > most) largest = &c, most = rank;
    }
    return largest;
}

QString LargestText(const WallOutcome& w) {
    const CheckOutcome* c = LargestCheck(w);
    return c ? UtilisationText(*c) : QString::fromUtf8("–");
}

} // namespace Korvel
