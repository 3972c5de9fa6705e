#include "KorvelsTable.h"

#include "KorvelsNumbers.h"

#include <array>
#include <cmath>

namespace Korvel {

namespace {

const QString Dash = QString::fromUtf8("–");

QString Lower(const CheckOutcome& c) {
    return QString::fromUtf8(c.column).toLower();
}

} // namespace

QString UtilisationText(const CheckOutcome& c) {
    const double u = c.Utilisation();
    if (!std::isfinite(u)) return Dash;
    return QString::number(UtilisationPercent(u, c.state == CheckState::Passed)) + " %";
}

QString ComputedWords(const CheckOutcome& c) {
    QString words = c.state == CheckState::Passed ? "vastab" : "ei vasta";
    if (const QString percent = UtilisationText(c); percent != Dash)
        words += ", kasutusaste " + percent;
    return words;
}

QString CheckCell(const CheckOutcome& c) {
    switch (c.state) {
    case CheckState::Passed:
    case CheckState::Failed: {
        QString percent = UtilisationText(c);
        if (percent == Dash)
            percent = "  " + Dash;
        else
            percent = percent.rightJustified(5);
        return QString(c.state == CheckState::Passed ? "OK " : "NB ") + percent;
    }
    case CheckState::Undefined:
    case CheckState::Hidden:
        return Dash;
    case CheckState::NotApplying:
        break;
    }
    return {};
}

QStringList TableRows(const std::vector<CheckedWall>& walls, const QString& separator) {
    const std::string sep = separator.toStdString();
    constexpr int columnCount = 3 + CheckKindCount;
    std::array<QString, columnCount> headers{"Sein", "Plokk", "Saledus"};
    const WallOutcome none;
    for (std::size_t i = 0; i < none.checks.size(); ++i)
        headers[i + 3] = QString::fromUtf8(none.checks[i].column);

    // The cells first, for the column widths.
    std::vector<std::array<QString, columnCount>> rows;
    rows.reserve(walls.size());
    std::array<qsizetype, columnCount> widths{};
    for (int i = 0; i < columnCount; ++i)
        widths[static_cast<std::size_t>(i)] = headers[static_cast<std::size_t>(i)].size();
    for (const CheckedWall& w : walls) {
        std::array<QString, columnCount> row;
        row[0] = w.name;
        row[1] = w.block;
        if (w.error.isEmpty()) {
            row[2] = QString::fromStdString(FormatFixed(w.slenderness, 2, sep)).rightJustified(6) +
                     (w.slendernessOk ? " OK" : " NB");
            for (std::size_t i = 0; i < w.checks.size(); ++i)
                row[i + 3] = CheckCell(w.checks[i]);
        }
        for (std::size_t i = 0; i < (w.error.isEmpty() ? row.size() : 1); ++i)
            widths[i] = std::max(widths[i], row[i].size());
        rows.push_back(std::move(row));
    }

    QStringList lines;
    lines.reserve(static_cast<qsizetype>(walls.size()) + 1);
    const auto line = [&](const std::array<QString, columnCount>& cells) {
        QString out;
        out.reserve(200);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out += cells[i];
            out.resize(out.size() + widths[i] - cells[i].size() + 2, QChar(' '));
        }
        while (out.endsWith(' '))
            out.chop(1);
        lines << out;
    };
    line(headers);
    for (std::size_t k = 0; k < walls.size(); ++k) {
        if (walls[k].error.isEmpty())
            line(rows[k]);
        else
            lines << walls[k].name.leftJustified(widths[0]) +
                         "  ei saa kontrollida: " + walls[k].error;
    }
    return lines;
}

QStringList UndefinedChecks(const std::vector<CheckedWall>& walls) {
    QStringList lines;
    for (const CheckedWall& w : walls)
        for (const CheckOutcome& c : w.checks)
            if (c.state == CheckState::Undefined)
                lines << w.name + ", " + Lower(c) + ": " + c.reason;
    return lines;
}

WallCounts CountWalls(const std::vector<CheckedWall>& walls) {
    WallCounts n;
    for (const CheckedWall& w : walls) {
        switch (w.Verdict()) {
        case WallVerdict::Passed:
            ++n.passed;
            break;
        case WallVerdict::Failed:
            ++n.failed;
            break;
        case WallVerdict::Unchecked:
            ++n.unchecked;
            break;
        }
    }
    return n;
}

Governing FindGoverning(const std::vector<CheckedWall>& walls) {
    Governing g;
    for (const CheckedWall& w : walls)
        for (const CheckOutcome& c : w.checks) {
            const double u = c.Utilisation();
            if (std::isfinite(u) && (!g.wall || u > g.utilisation)) g = {&w, &c, u};
        }
    return g;
}

QStringList Summary(const std::vector<CheckedWall>& walls) {
    const WallCounts n = CountWalls(walls);
    QStringList lines{QString("Seinu %1: vastab %2, ei vasta %3, ei saa kontrollida %4.")
                          .arg(walls.size())
                          .arg(n.passed)
                          .arg(n.failed)
                          .arg(n.unchecked)};
    if (const Governing g = FindGoverning(walls); g.wall)
        lines << QString("Suurim kasutusaste %1: %2, %3.")
                     .arg(UtilisationText(*g.check), g.wall->name, Lower(*g.check));
    return lines;
}

} // namespace Korvel
