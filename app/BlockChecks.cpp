#include "BlockChecks.h"

#include "KorvelsBlocks.h"
#include "KorvelsInputs.h"
#include "SingleLine.h"
#include "WallChecks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <array>
#include <cmath>

namespace Korvel {

namespace {

QJsonValue Number(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

double Largest(const WallOutcome& w) {
    const CheckOutcome* c = LargestCheck(w);
    return c ? c->Utilisation() : std::nan("");
}

const char* StateName(const CheckOutcome& c) {
    switch (c.state) {
    case CheckState::Passed:
        return "passed";
    case CheckState::Failed:
        return "failed";
    case CheckState::Undefined:
        return DoesNotFit(c) ? "doesNotFit" : "undefined";
    case CheckState::Hidden:
        return "hidden";
    case CheckState::NotApplying:
        break;
    }
    return "notApplying";
}

QJsonObject ProductJson(const ProductOutcome& p) {
    QJsonArray checks;
    for (const CheckOutcome& c : p.checks) {
        if (!c.Applies()) continue;
        QJsonObject check{{"key", QString::fromUtf8(c.key)},
                          {"state", StateName(c)},
                          {"verdict", c.Computed()
                                          ? QJsonValue(c.state == CheckState::Passed ? "OK" : "NB")
                                          : QJsonValue()},
                          {"utilisation", Number(c.Utilisation())}};
        if (c.state == CheckState::Undefined) check["reason"] = LineBreaksAsBlanks(c.reason);
        checks.append(check);
    }
    return {{"block", QString::fromUtf8(Catalogue()[static_cast<std::size_t>(p.block)].name)},
            {"passes", p.Passes()},
            {"utilisation", Number(Largest(p))},
            {"slenderness", QJsonObject{{"value", Number(p.slenderness)},
                                        {"limit", 27},
                                        {"verdict", p.slendernessOk ? "OK" : "NB"}}},
            {"checks", checks}};
}

WallBlocks Chosen(const QString& name, const CheckedCalculation& c, const QString& separator,
                  bool json) {
    WallBlocks w;
    w.name = name;
    const BlockChoice choice = ChooseBlock(c, separator);
    if (!choice.error.isEmpty()) {
        w.error = LineBreaksAsBlanks(choice.error);
        return w;
    }
    const ProductOutcome& own = choice.products[static_cast<std::size_t>(choice.current)];
    w.block = c.calculation.block;
    w.ownPasses = own.Passes();
    QString percent = LargestText(own);
    w.ownCell = (w.ownPasses ? "OK " : "NB ") +
                (percent.size() > 1 ? percent.rightJustified(5) : "  " + percent);
    const ProductOutcome* best = nullptr;
    if (choice.recommended >= 0) {
        best = &choice.products[static_cast<std::size_t>(choice.recommended)];
        w.recommended = QString::fromUtf8(Catalogue()[static_cast<std::size_t>(best->block)].name);
        w.recommendedCell = LargestText(*best);
    }
    if (!json) return w;
    QJsonArray products;
    for (const ProductOutcome& p : choice.products)
        products.append(ProductJson(p));
    w.json = {{"block", w.block},
              {"passes", w.ownPasses},
              {"utilisation", Number(Largest(own))},
              {"recommended", best
                                  ? QJsonValue(QJsonObject{{"block", w.recommended},
                                                           {"utilisation", Number(Largest(*best))}})
                                  : QJsonValue()},
              {"products", products}};
    return w;
}

struct Counts {
    int own = 0, other = 0, none = 0, refused = 0;
};

Counts Count(const std::vector<WallBlocks>& walls) {
    Counts n;
    for (const WallBlocks& w : walls) {
        if (!w.error.isEmpty())
            ++n.refused;
        else if (w.ownPasses)
            ++n.own;
        else if (!w.recommended.isEmpty())
            ++n.other;
        else
            ++n.none;
    }
    return n;
}

const char* StatusName(const WallBlocks& w) {
    if (!w.error.isEmpty()) return "error";
    if (w.ownPasses) return "own";
    return w.recommended.isEmpty() ? "none" : "other";
}

} // namespace

std::vector<WallBlocks> ChooseBlocks(const QStringList& paths, const QString& separator,
                                     bool json) {
    std::vector<WallBlocks> walls;
    ForEachWall(
        paths, separator,
        [&](const QString& name, const CheckedCalculation& c) {
            walls.push_back(Chosen(name, c, separator, json));
        },
        [&](std::size_t count) { walls.resize(walls.size() - count); });
    return walls;
}

int BlocksStatus(const std::vector<WallBlocks>& walls) {
    const Counts n = Count(walls);
    return n.refused > 0 ? 2 : n.none > 0 ? 1 : 0;
}

QByteArray BlocksTable(const std::vector<WallBlocks>& walls) {
    constexpr std::size_t columns = 5;
    using Cells = std::array<QString, columns>;
    const Cells headers{"Sein", "Plokk", "Suurim", "Sobivaim plokk", "Suurim"};
    std::array<qsizetype, columns> widths{};
    for (std::size_t i = 0; i < columns; ++i)
        widths[i] = headers[i].size();
    const auto cells = [](const WallBlocks& w) {
        return Cells{w.name, w.block, w.ownCell,
                     w.recommended.isEmpty() ? QString("ükski ei sobi") : w.recommended,
                     w.recommendedCell};
    };
    for (const WallBlocks& w : walls) {
        const Cells row = cells(w);
        for (std::size_t i = 0; i < (w.error.isEmpty() ? columns : 1); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }

    QString out;
    const auto line = [&](const Cells& row) {
        QString text;
        for (std::size_t i = 0; i < columns; ++i)
            text += row[i].leftJustified(widths[i]) + "  ";
        while (text.endsWith(' '))
            text.chop(1);
        out += text + '\n';
    };
    line(headers);
    for (const WallBlocks& w : walls) {
        if (w.error.isEmpty())
            line(cells(w));
        else
            out += w.name.leftJustified(widths[0]) + "  ei saa kontrollida: " + w.error + '\n';
    }
    const Counts n = Count(walls);
    out += QString("Seinu %1: oma plokk sobib %2, sobib teine plokk %3, ükski plokk ei sobi %4")
               .arg(walls.size())
               .arg(n.own)
               .arg(n.other)
               .arg(n.none);
    if (n.refused > 0) out += QString(", ei saa kontrollida %1").arg(n.refused);
    out += ".\n";
    return out.toUtf8();
}

QByteArray BlocksJson(const std::vector<WallBlocks>& walls) {
    QJsonArray list;
    for (const WallBlocks& w : walls) {
        QJsonObject o = w.json;
        o["name"] = w.name;
        o["status"] = StatusName(w);
        if (!w.error.isEmpty()) o["reason"] = w.error;
        list.append(o);
    }
    const Counts n = Count(walls);
    const QJsonObject doc{{"walls", list},
                          {"counts", QJsonObject{{"walls", static_cast<int>(walls.size())},
                                                 {"own", n.own},
                                                 {"other", n.other},
                                                 {"none", n.none},
                                                 {"error", n.refused}}}};
    return QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

} // namespace Korvel
