#include "WallChecks.h"

#include "KorvelsCsv.h"
#include "KorvelsFile.h"
#include "KorvelsNumbers.h"
#include "SingleLine.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>

namespace Korvel {

namespace {

const QString Dash = QString::fromUtf8("–");

// Short column names: the pages' own titles are too long for a table row.
QString ShortName(CheckKind kind) {
    switch (kind) {
    case CheckKind::Vertical:
        return QString::fromUtf8("kandevõime");
    case CheckKind::Concentrated:
        return QString::fromUtf8("koondjõud");
    case CheckKind::Corner:
        return QString::fromUtf8("nurk");
    case CheckKind::Support:
        return QString::fromUtf8("tala tugi");
    case CheckKind::FreeSpace:
        return QString::fromUtf8("vaba ruum");
    }
    return {};
}

constexpr CheckKind Columns[] = {CheckKind::Vertical, CheckKind::Concentrated, CheckKind::Corner,
                                 CheckKind::Support, CheckKind::FreeSpace};

CheckedWall Refused(const QString& name, const QString& why) {
    CheckedWall w;
    w.name = name;
    w.error = LineBreaksAsBlanks(why);
    return w;
}

CheckedWall Evaluated(const QString& name, const CheckedCalculation& c, const QString& separator) {
    WallResult result = EvaluateWall(c, separator);
    if (!result.error.isEmpty()) return Refused(name, result.error);
    CheckedWall w;
    w.name = name;
    w.slenderness = result.slenderness;
    w.slendernessOk = result.slendernessOk;
    w.checks = std::move(result.checks);
    return w;
}

QString Percent(double utilisation) {
    if (!std::isfinite(utilisation)) return Dash;
    return QString::fromStdString(FormatFixed(utilisation * 100, 0)) + " %";
}

QString Cell(const CheckOutcome& c) {
    if (!c.computed) return Dash;
    return QString(c.Passes() ? "OK " : "NB ") + Percent(c.Utilisation()).rightJustified(6);
}

struct Governing {
    const CheckedWall* wall = nullptr;
    const CheckOutcome* check = nullptr;
    double utilisation = 0;
};

Governing FindGoverning(const std::vector<CheckedWall>& walls) {
    Governing g;
    for (const CheckedWall& w : walls)
        for (const CheckOutcome& c : w.checks) {
            const double u = c.Utilisation();
            if (std::isfinite(u) && (!g.wall || u > g.utilisation)) g = {&w, &c, u};
        }
    return g;
}

struct Counts {
    int ok = 0, fail = 0, error = 0;
};

Counts Count(const std::vector<CheckedWall>& walls) {
    Counts n;
    for (const CheckedWall& w : walls)
        ++(!w.error.isEmpty() ? n.error : w.Passes() ? n.ok : n.fail);
    return n;
}

QJsonValue Number(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

QString FailReason(const CheckedWall& w) {
    QStringList failing;
    if (!w.slendernessOk) failing << "saledus";
    for (const CheckOutcome& c : w.checks)
        if (!c.Passes()) failing << ShortName(c.kind);
    return failing.isEmpty() ? QString() : "ei vasta: " + failing.join(", ");
}

} // namespace

bool CheckedWall::Passes() const {
    if (!error.isEmpty() || !slendernessOk) return false;
    for (const CheckOutcome& c : checks)
        if (!c.Passes()) return false;
    return true;
}

std::vector<CheckedWall> CheckWalls(const QStringList& paths, const QString& separator) {
    const std::string sep = separator.toStdString();
    std::vector<CheckedWall> walls;
    for (const QString& path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String(CalculationSuffix)) {
            const CheckedCalculation c = ReadCalculationFile(path, sep);
            walls.push_back(c.error.isEmpty() ? Evaluated(path, c, separator)
                                              : Refused(path, "faili ei saa avada: " + c.error));
        } else if (suffix == QLatin1String("csv")) {
            // Each row is checked as it is read: only its outcome is kept.
            const std::size_t first = walls.size();
            const QString error = ReadCsvFileRows(path, sep, [&](const CsvWall& row) {
                const QString name = path + ": " + row.name;
                walls.push_back(row.error.isEmpty() ? Evaluated(name, row.checked, separator)
                                                    : Refused(name, row.error));
            });
            if (!error.isEmpty()) {
                walls.resize(first);
                walls.push_back(Refused(path, "faili ei saa avada: " + error));
            }
        } else {
            walls.push_back(Refused(path, "tundmatu faili tüüp: kontrollitakse .korvel- ja "
                                          ".csv-faile"));
        }
    }
    return walls;
}

int CheckStatus(const std::vector<CheckedWall>& walls) {
    const Counts n = Count(walls);
    return n.error ? 2 : n.fail ? 1 : 0;
}

QByteArray CheckTable(const std::vector<CheckedWall>& walls, const QString& separator) {
    const std::string sep = separator.toStdString();
    const QString headers[] = {"Sein", "Saledus",   "Kandevõime", "Koondjõud",
                               "Nurk", "Tala tugi", "Vaba ruum"};
    constexpr int columnCount = 7;
    // The cells first, for the column widths.
    std::vector<std::array<QString, columnCount>> rows;
    rows.reserve(walls.size());
    int widths[columnCount];
    for (int i = 0; i < columnCount; ++i)
        widths[i] = static_cast<int>(headers[i].size());
    for (const CheckedWall& w : walls) {
        std::array<QString, columnCount> row;
        row[0] = w.name;
        if (w.error.isEmpty()) {
            row[1] = QString::fromStdString(FormatFixed(w.slenderness, 2, sep)).rightJustified(6) +
                     (w.slendernessOk ? " OK" : " NB");
            for (const CheckOutcome& c : w.checks)
                for (int i = 0; i < 5; ++i)
                    if (Columns[i] == c.kind) row[static_cast<std::size_t>(i) + 2] = Cell(c);
        }
        for (int i = 0; i < (w.error.isEmpty() ? columnCount : 1); ++i)
            widths[i] =
                std::max(widths[i], static_cast<int>(row[static_cast<std::size_t>(i)].size()));
        rows.push_back(std::move(row));
    }

    QString out;
    out.reserve(static_cast<qsizetype>(walls.size() + 3) * 100);
    auto line = [&](const auto& cells) {
        const qsizetype start = out.size();
        for (int i = 0; i < columnCount; ++i) {
            const QString& cell = cells[static_cast<std::size_t>(i)];
            out += cell;
            out.resize(out.size() + widths[i] - cell.size() + 2, QChar(' '));
        }
        while (out.size() > start && out.back() == ' ')
            out.chop(1);
        out += '\n';
    };
    line(headers);
    for (std::size_t k = 0; k < walls.size(); ++k) {
        if (walls[k].error.isEmpty())
            line(rows[k]);
        else
            out += walls[k].name.leftJustified(widths[0]) +
                   "  ei saa kontrollida: " + walls[k].error + '\n';
    }

    const Counts n = Count(walls);
    out += QString("Seinu %1: vastab %2, ei vasta %3, ei saa kontrollida %4.")
               .arg(walls.size())
               .arg(n.ok)
               .arg(n.fail)
               .arg(n.error);
    if (const Governing g = FindGoverning(walls); g.wall)
        out += QString(" Suurim kasutusaste %1: %2, %3.")
                   .arg(Percent(g.utilisation), g.wall->name, ShortName(g.check->kind));
    out += '\n';
    return out.toUtf8();
}

QByteArray CheckJson(const std::vector<CheckedWall>& walls) {
    QJsonArray list;
    for (const CheckedWall& w : walls) {
        QJsonObject o{{"name", w.name}};
        if (!w.error.isEmpty()) {
            o["status"] = "error";
            o["reason"] = w.error;
            o["slenderness"] = QJsonValue::Null;
            o["checks"] = QJsonArray();
            list.append(o);
            continue;
        }
        o["status"] = w.Passes() ? "ok" : "fail";
        o["reason"] = FailReason(w);
        o["slenderness"] = QJsonObject{{"value", Number(w.slenderness)},
                                       {"limit", 27},
                                       {"verdict", w.slendernessOk ? "OK" : "NB"}};
        QJsonArray checks;
        for (const CheckOutcome& c : w.checks) {
            QJsonArray comparisons;
            for (const Comparison& m : c.comparisons)
                comparisons.append(QJsonObject{{"name", QString::fromUtf8(m.name)},
                                               {"value", Number(m.value)},
                                               {"limit", Number(m.limit)},
                                               {"unit", QString::fromUtf8(m.unit)},
                                               {"verdict", m.Holds() ? "OK" : "NB"}});
            checks.append(QJsonObject{
                {"key", QString::fromUtf8(c.key)},
                {"title", QString::fromUtf8(c.title)},
                {"computed", c.computed},
                {"verdict", c.computed ? QJsonValue(c.Passes() ? "OK" : "NB") : QJsonValue()},
                {"utilisation", Number(c.Utilisation())},
                {"comparisons", comparisons}});
        }
        o["checks"] = checks;
        list.append(o);
    }
    const Counts n = Count(walls);
    QJsonObject doc{{"walls", list},
                    {"counts", QJsonObject{{"walls", static_cast<int>(walls.size())},
                                           {"ok", n.ok},
                                           {"fail", n.fail},
                                           {"error", n.error}}}};
    const Governing g = FindGoverning(walls);
    doc["governing"] = g.wall ? QJsonValue(QJsonObject{{"name", g.wall->name},
                                                       {"check", QString::fromUtf8(g.check->key)},
                                                       {"utilisation", g.utilisation}})
                              : QJsonValue();
    return QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

} // namespace Korvel
