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

void SetComputed(CheckOutcome& c, std::vector<Comparison> comparisons) {
    c.comparisons = std::move(comparisons);
    c.state = CheckState::Passed;
    for (const Comparison& m : c.comparisons)
        if (!m.Holds()) c.state = CheckState::Failed;
}

void SetUndefined(CheckOutcome& c, const QString& reason) {
    c.state = CheckState::Undefined;
    c.reason = reason;
    c.comparisons.clear();
}

// What the window's fit test marks yellow, as one message naming each field.
QString Misfits(const std::vector<const char*>& fields, const TArvutused& r,
                const Calculation& given, const std::string& separator) {
    QStringList misfits;
    for (const char* field : fields) {
        if (FitsWall(field, r)) continue;
        const InputField& f = *FindInputField(field);
        misfits << QString("kirje \"inputs.%1\" väärtus \"%2\" ei sobi selle seinaga: %3")
                       .arg(field, given.inputs[IndexOf(field)],
                            QString::fromStdString(RangeMessage(f, r, separator)));
    }
    return misfits.join("; ");
}

// The vertical page: its decimal fields rewritten with two decimals, but only
// once the check is known to succeed on them, as the window does.
void Vertical(WallResult& w, const std::string& sep, bool shownTexts) {
    // Looked up once: a wall is checked up to 18 times, once with each block.
    static const std::vector<const InputField*> rewritten = [] {
        std::vector<const InputField*> fields;
        for (const char* field : VerticalRewrittenFields())
            fields.push_back(FindInputField(field));
        return fields;
    }();
    CheckOutcome& c = w.checks[static_cast<std::size_t>(CheckKind::Vertical)];
    TArvutused trial = w.record;
    for (const InputField* f : rewritten) {
        double shown = 0;
        ParseNumberText(FormatFixed(trial.*(f->field), 2), shown);
        trial.*(f->field) = shown;
    }
    try {
        SetComputed(c, VerticalCheck(trial));
    } catch (const EArvutusViga& e) {
        SetUndefined(c, QString::fromUtf8(e.what()));
        return;
    }
    w.record = trial;
    if (!shownTexts) return;
    for (const InputField* f : rewritten)
        w.shown.inputs[static_cast<std::size_t>(f - InputFields().data())] =
            QString::fromStdString(FormatFixed(w.record.*(f->field), 2, sep));
}

// The concentrated-load page: the force, and the corner with it when it is on.
void Concentrated(WallResult& w, const Calculation& given, const std::string& sep) {
    CheckOutcome& force = w.checks[static_cast<std::size_t>(CheckKind::Concentrated)];
    CheckOutcome& corner = w.checks[static_cast<std::size_t>(CheckKind::Corner)];
    const bool withCorner = given.checkBox2;
    const QString misfit = Misfits(ConcentratedFitFields(withCorner), w.record, given, sep);
    try {
        if (!misfit.isEmpty()) {
            SetUndefined(force, misfit);
            if (withCorner) SetUndefined(corner, misfit);
            return;
        }
        std::vector<Comparison> forceComparisons = ConcentratedCheck(w.record);
        // The page shows nothing of a press whose corner cannot be computed.
        if (withCorner) SetComputed(corner, CornerCheck(w.record));
        SetComputed(force, std::move(forceComparisons));
    } catch (const EArvutusViga& e) {
        SetUndefined(force, QString::fromUtf8(e.what()));
        if (withCorner) SetUndefined(corner, QString::fromUtf8(e.what()));
    }
}

// The support node page: the general case, and the free space when it is on.
void Support(WallResult& w, const Calculation& given, const std::string& sep) {
    CheckOutcome& general = w.checks[static_cast<std::size_t>(CheckKind::Support)];
    CheckOutcome& free = w.checks[static_cast<std::size_t>(CheckKind::FreeSpace)];
    try {
        SetComputed(general, SupportCheck(w.record));
    } catch (const EArvutusViga& e) {
        SetUndefined(general, QString::fromUtf8(e.what()));
        if (given.checkBox1) SetUndefined(free, QString::fromUtf8(e.what()));
        return;
    }
    if (!given.checkBox1) return;
    SetDistributionArea(w.record, given.position);
    const QString misfit = Misfits(FreeSpaceFitFields(true, given.position), w.record, given, sep);
    if (!misfit.isEmpty()) {
        SetUndefined(free, misfit);
        return;
    }
    try {
        SetComputed(free, FreeSpaceCheck(w.record));
    } catch (const EArvutusViga& e) {
        SetUndefined(free, QString::fromUtf8(e.what()));
    }
}

} // namespace

std::array<CheckOutcome, CheckKindCount> NoChecks() {
    const auto none = [](CheckKind kind, const char* key, const char* title, const char* column) {
        CheckOutcome c{kind, key, title, column, CheckState::NotApplying, {}, {}};
        return c;
    };
    return {none(CheckKind::Vertical, "vertical", "Kandevõime", "Kandevõime"),
            none(CheckKind::Concentrated, "concentrated", "Koondatud jõud", "Koondjõud"),
            none(CheckKind::Corner, "corner", "Nurk", "Nurk"),
            none(CheckKind::Support, "support", "Toesõlm", "Tala tugi"),
            none(CheckKind::FreeSpace, "freeSpace", "Vaba ruum", "Vaba ruum")};
}

double CheckOutcome::Utilisation() const {
    double worst = std::numeric_limits<double>::quiet_NaN();
    if (!Computed() || comparisons.empty()) return worst;
    worst = 0;
    for (const Comparison& c : comparisons) {
        const double u = c.Utilisation();
        if (std::isnan(u)) return u;
        worst = std::max(worst, u);
    }
    return worst;
}

bool WallOutcome::Incomplete() const {
    if (!error.isEmpty()) return true;
    for (const CheckOutcome& c : checks)
        if (c.state == CheckState::Undefined) return true;
    return false;
}

WallVerdict WallOutcome::Verdict() const {
    if (!error.isEmpty()) return WallVerdict::Unchecked;
    if (!slendernessOk) return WallVerdict::Failed;
    for (const CheckOutcome& c : checks)
        if (c.state == CheckState::Failed) return WallVerdict::Failed;
    return Incomplete() ? WallVerdict::Unchecked : WallVerdict::Passed;
}

int ExitStatus(const std::vector<const WallOutcome*>& walls) {
    int status = 0;
    for (const WallOutcome* w : walls) {
        if (w->Incomplete()) return 2;
        if (w->Verdict() == WallVerdict::Failed) status = 1;
    }
    return status;
}

WallResult EvaluateWall(const CheckedCalculation& checked, const QString& separator,
                        bool shownTexts) {
    WallResult w;
    if (!checked.error.isEmpty()) {
        w.error = checked.error;
        return w;
    }
    const Calculation& given = checked.calculation;
    if (shownTexts) {
        w.shown = given;
        for (QString& text : w.shown.inputs)
            text.replace('.', separator);
    }
    w.record = checked.record;
    const std::string sep = separator.toStdString();
    const auto applies = [&](Page p) { return given.checks[static_cast<std::size_t>(p)]; };

    if (applies(Page::Vertical)) Vertical(w, sep, shownTexts);
    // The slenderness is the wall's own: always computed and judged.
    w.record.labdaHArvutus();
    w.slenderness = w.record.lambdah;
    w.slendernessOk = CompareSlenderness(w.record.lambdah) <= 0;
    CheckOutcome& vertical = w.checks[static_cast<std::size_t>(CheckKind::Vertical)];
    if (vertical.Computed() && !w.slendernessOk) {
        vertical.state = CheckState::Hidden;
        vertical.comparisons.clear();
    }
    if (applies(Page::Concentrated)) Concentrated(w, given, sep);
    if (applies(Page::Support)) Support(w, given, sep);
    return w;
}

QStringList WallReport(WallResult& w, const QString& separator) {
    if (!w.error.isEmpty()) return {};
    const bool vertical = w.Check(CheckKind::Vertical).Computed();
    const bool concentrated = w.Check(CheckKind::Concentrated).Computed();
    const CheckOutcome& free = w.Check(CheckKind::FreeSpace);
    const bool support =
        w.Check(CheckKind::Support).Computed() && (!free.Applies() || free.Computed());
    return ComposeReport(w.record, w.shown, separator, vertical, concentrated, support);
}

} // namespace Korvel
