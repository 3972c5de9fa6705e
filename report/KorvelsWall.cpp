#include "KorvelsWall.h"

#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "KorvelsReport.h"

#include <cmath>
#include <limits>

namespace Korvel {

namespace {

std::size_t IndexOf(const char* field) {
    return static_cast<std::size_t>(FindInputField(field) - InputFields().data());
}

} // namespace

bool CheckOutcome::Passes() const {
    if (!computed) return false;
    for (const Comparison& c : comparisons)
        if (!c.Holds() || !(c.limit > 0)) return false;
    return true;
}

double CheckOutcome::Utilisation() const {
    double worst = std::numeric_limits<double>::quiet_NaN();
    if (!computed || comparisons.empty()) return worst;
    worst = 0;
    for (const Comparison& c : comparisons) {
        const double u = c.Utilisation();
        if (std::isnan(u)) return u;
        worst = std::max(worst, u);
    }
    return worst;
}

bool WallResult::Passes() const {
    if (!error.isEmpty() || !slendernessOk) return false;
    for (const CheckOutcome& c : checks)
        if (!c.Passes()) return false;
    return true;
}

WallResult EvaluateWall(const CheckedCalculation& checked, const QString& separator) {
    WallResult w;
    if (!checked.error.isEmpty()) {
        w.error = checked.error;
        return w;
    }
    w.shown = checked.calculation;
    for (QString& text : w.shown.inputs)
        text.replace('.', separator);
    w.record = checked.record;
    TArvutused& r = w.record;
    const std::string sep = separator.toStdString();
    try {
        // The vertical page shows its decimal fields with two decimals before
        // it computes: the check and the report use the values as shown.
        for (const char* field : VerticalRewrittenFields()) {
            const InputField& f = *FindInputField(field);
            const std::string text = FormatFixed(r.*(f.field), 2);
            double value = 0;
            ParseNumberText(text, value);
            r.*(f.field) = value;
            w.shown.inputs[IndexOf(field)] = QString::fromStdString(FormatFixed(value, 2, sep));
        }
        CheckOutcome vertical{CheckKind::Vertical, "vertical", "Kandevõime", true, {}};
        vertical.comparisons = VerticalCheck(r);
        r.labdaHArvutus();
        w.slenderness = r.lambdah;
        w.slendernessOk = CompareSlenderness(r.lambdah) <= 0;
        // Over the limit the page shows no capacity at all.
        vertical.computed = w.slendernessOk;
        if (!vertical.computed) vertical.comparisons.clear();

        // The fit tests of the two other pages: what the window marks yellow.
        QStringList misfits;
        std::vector<const char*> tested = ConcentratedFitFields(w.shown.checkBox2);
        for (const char* field : FreeSpaceFitFields(w.shown.checkBox1, w.shown.position))
            tested.push_back(field);
        for (const char* field : tested) {
            if (FitsWall(field, r)) continue;
            const InputField& f = *FindInputField(field);
            misfits << QString("kirje \"inputs.%1\" väärtus \"%2\" ei sobi selle seinaga: %3")
                           .arg(field, checked.calculation.inputs[IndexOf(field)],
                                QString::fromStdString(RangeMessage(f, r, sep)));
        }
        if (!misfits.isEmpty()) {
            w.error = misfits.join("; ");
            return w;
        }

        w.checks.push_back(vertical);
        CheckOutcome concentrated{
            CheckKind::Concentrated, "concentrated", "Koondatud jõud", true, {}};
        concentrated.comparisons = ConcentratedCheck(r);
        w.checks.push_back(concentrated);
        if (w.shown.checkBox2) {
            CheckOutcome corner{CheckKind::Corner, "corner", "Nurk", true, {}};
            corner.comparisons = CornerCheck(r);
            w.checks.push_back(corner);
        }
        CheckOutcome support{CheckKind::Support, "support", "Toesõlm", true, {}};
        support.comparisons = SupportCheck(r);
        w.checks.push_back(support);
        if (w.shown.checkBox1) {
            SetDistributionArea(r, w.shown.position);
            CheckOutcome freeSpace{CheckKind::FreeSpace, "freeSpace", "Vaba ruum", true, {}};
            freeSpace.comparisons = FreeSpaceCheck(r);
            w.checks.push_back(freeSpace);
        }
    } catch (const EArvutusViga& e) {
        w.error = QString::fromUtf8(e.what());
        w.checks.clear();
    }
    return w;
}

QStringList WallReport(WallResult& w, const QString& separator) {
    if (!w.error.isEmpty()) return {};
    w.record.labdaHArvutus();
    const bool vertical = CompareSlenderness(w.record.lambdah) < 0;
    return ComposeReport(w.record, w.shown, separator, vertical, true, true);
}

} // namespace Korvel
