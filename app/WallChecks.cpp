#include "WallChecks.h"

#include "KorvelsBuilding.h"
#include "KorvelsCsv.h"
#include "KorvelsFile.h"
#include "SingleLine.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace Korvel {

namespace {

CheckedWall Refused(const QString& name, const QString& why) {
    CheckedWall w;
    w.name = name;
    w.error = LineBreaksAsBlanks(why);
    return w;
}

CheckedWall Evaluated(const QString& name, const CheckedCalculation& c, const QString& separator) {
    CheckedWall w;
    static_cast<WallOutcome&>(w) = EvaluateWall(c, separator);
    w.name = name;
    w.block = c.calculation.block;
    w.error = LineBreaksAsBlanks(w.error);
    return w;
}

QJsonValue Number(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

// The computed checks that fail, and the slenderness.
QString FailReason(const CheckedWall& w) {
    QStringList failing;
    if (!w.slendernessOk) failing << "saledus";
    for (const CheckOutcome& c : w.checks)
        if (c.state == CheckState::Failed) failing << QString::fromUtf8(c.column).toLower();
    return failing.isEmpty() ? QString() : "ei vasta: " + failing.join(", ");
}

const char* StateName(CheckState s) {
    switch (s) {
    case CheckState::Passed:
        return "passed";
    case CheckState::Failed:
        return "failed";
    case CheckState::Undefined:
        return "undefined";
    case CheckState::Hidden:
        return "hidden";
    case CheckState::NotApplying:
        break;
    }
    return "notApplying";
}

const char* VerdictName(WallVerdict v) {
    switch (v) {
    case WallVerdict::Passed:
        return "ok";
    case WallVerdict::Failed:
        return "fail";
    case WallVerdict::Unchecked:
        break;
    }
    return "error";
}

} // namespace

void ForEachWall(const QStringList& paths, const QString& separator,
                 const std::function<void(const QString& name, const CheckedCalculation&)>& take,
                 const std::function<void(std::size_t count)>& withdraw) {
    const std::string sep = separator.toStdString();
    const auto refused = [&](const QString& name, const QString& why) {
        CheckedCalculation c;
        c.error = why;
        take(name, c);
    };
    for (const QString& path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String(CalculationSuffix)) {
            const CheckedBuilding b = ReadBuildingFile(path, sep);
            if (!b.error.isEmpty()) {
                refused(path, "faili ei saa avada: " + b.error);
                continue;
            }
            // A calculation of one wall is named by its file, a building's
            // walls by the file and their names.
            for (std::size_t i = 0; i < b.building.walls.size(); ++i)
                take(b.version == 1 ? path : path + ": " + b.building.walls[i].name,
                     b.building.Checked(i));
        } else if (suffix == QLatin1String("csv")) {
            // Each row is handed over as it is read: only its outcome is kept.
            std::size_t handed = 0;
            const QString error = ReadCsvFileRows(path, sep, [&](const CsvWall& row) {
                const QString name = path + ": " + row.name;
                if (row.error.isEmpty())
                    take(name, row.checked);
                else
                    refused(name, row.error);
                ++handed;
            });
            if (!error.isEmpty()) {
                if (handed > 0) withdraw(handed);
                refused(path, "faili ei saa avada: " + error);
            }
        } else {
            refused(path, "tundmatu faili tüüp: kontrollitakse .korvel- ja .csv-faile");
        }
    }
}

std::vector<CheckedWall> CheckWalls(const QStringList& paths, const QString& separator) {
    std::vector<CheckedWall> walls;
    ForEachWall(
        paths, separator,
        [&](const QString& name, const CheckedCalculation& c) {
            walls.push_back(c.error.isEmpty() ? Evaluated(name, c, separator)
                                              : Refused(name, c.error));
        },
        [&](std::size_t count) { walls.resize(walls.size() - count); });
    return walls;
}

int CheckStatus(const std::vector<CheckedWall>& walls) {
    std::vector<const WallOutcome*> outcomes;
    outcomes.reserve(walls.size());
    for (const CheckedWall& w : walls)
        outcomes.push_back(&w);
    return ExitStatus(outcomes);
}

QByteArray CheckTable(const std::vector<CheckedWall>& walls, const QString& separator) {
    QStringList lines = TableRows(walls, separator);
    lines << UndefinedChecks(walls);
    lines << Summary(walls).join(' ');
    return (lines.join('\n') + '\n').toUtf8();
}

QByteArray CheckJson(const std::vector<CheckedWall>& walls) {
    QJsonArray list;
    for (const CheckedWall& w : walls) {
        QJsonObject o{{"name", w.name}, {"block", w.block}};
        o["status"] = VerdictName(w.Verdict());
        if (!w.error.isEmpty()) {
            o["reason"] = w.error;
            o["slenderness"] = QJsonValue::Null;
            o["checks"] = QJsonArray();
            list.append(o);
            continue;
        }
        o["reason"] = FailReason(w);
        o["slenderness"] = QJsonObject{{"value", Number(w.slenderness)},
                                       {"limit", 27},
                                       {"verdict", w.slendernessOk ? "OK" : "NB"}};
        QJsonArray checks;
        for (const CheckOutcome& c : w.checks) {
            if (!c.Applies()) continue;
            QJsonArray comparisons;
            for (const Comparison& m : c.comparisons)
                comparisons.append(QJsonObject{{"name", QString::fromUtf8(m.name)},
                                               {"value", Number(m.value)},
                                               {"limit", Number(m.limit)},
                                               {"unit", QString::fromUtf8(m.unit)},
                                               {"verdict", m.Holds() ? "OK" : "NB"}});
            QJsonObject check{
                {"key", QString::fromUtf8(c.key)},
                {"title", QString::fromUtf8(c.title)},
                {"state", StateName(c.state)},
                {"computed", c.Computed()},
                {"verdict", c.Computed() ? QJsonValue(c.state == CheckState::Passed ? "OK" : "NB")
                                         : QJsonValue()},
                {"utilisation", Number(c.Utilisation())},
                {"comparisons", comparisons}};
            if (c.state == CheckState::Undefined) check["reason"] = c.reason;
            checks.append(check);
        }
        o["checks"] = checks;
        list.append(o);
    }
    const WallCounts n = CountWalls(walls);
    QJsonObject doc{{"walls", list},
                    {"counts", QJsonObject{{"walls", static_cast<int>(walls.size())},
                                           {"ok", n.passed},
                                           {"fail", n.failed},
                                           {"error", n.unchecked}}}};
    const Governing g = FindGoverning(walls);
    doc["governing"] = g.wall ? QJsonValue(QJsonObject{{"name", g.wall->name},
                                                       {"check", QString::fromUtf8(g.check->key)},
                                                       {"utilisation", g.utilisation}})
                              : QJsonValue();
    return QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

} // namespace Korvel
