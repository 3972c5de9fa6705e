// "--blocks": for each wall of the files, whether its own block carries it and
// the thinnest product that does, as an aligned table or one JSON document.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace Korvel {

// What is kept of one wall: a table row, and every product only for JSON.
struct WallBlocks {
    QString name;
    QString error; // not empty: refused whole
    QString block; // its own
    bool ownPasses = false;
    QString ownCell;         // "OK  41 %", its largest utilisation
    QString recommended;     // the thinnest passing product; empty when none passes
    QString recommendedCell; // "41 %"
    QJsonObject json;        // every product's outcome, when asked for
};

// Every wall of the files as ForEachWall hands them over.
std::vector<WallBlocks> ChooseBlocks(const QStringList& paths, const QString& separator, bool json);

// 0 every wall has a passing product, 1 some wall has none, 2 a wall was refused.
int BlocksStatus(const std::vector<WallBlocks>& walls);

// The header, one line per wall and the counts.
QByteArray BlocksTable(const std::vector<WallBlocks>& walls);

QByteArray BlocksJson(const std::vector<WallBlocks>& walls);

} // namespace Korvel
