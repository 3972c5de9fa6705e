// A building: the project data and every wall of a house, in one file
// (format version 2). A wall is what the window's fields and options hold,
// with its name and the checks that apply to it. A version 1 file reads as a
// building of one wall named after the file.
#pragma once

#include "KorvelsFile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <string_view>
#include <vector>

namespace Korvel {

inline constexpr qint64 MaxBuildingFileSize = qint64(16) << 20;
inline constexpr int MaxBuildingWalls = 2000;
inline constexpr int MaxWallNameLength = 60;

struct BuildingWall {
    QString name;
    // The wall's values; its project data are the building's.
    Calculation calculation;
    TArvutused record; // start record with the block and the 22 values
    bool operator==(const BuildingWall& other) const {
        return name == other.name && calculation == other.calculation;
    }
};

struct Building {
    std::array<QString, ProjectFieldCount> project;
    std::vector<BuildingWall> walls;
    bool operator==(const Building&) const = default;

    // The wall as a checked calculation, with the building's project data.
    CheckedCalculation Checked(std::size_t wall) const;
    // The index of the wall named name, or -1.
    int Find(const QString& name) const;
};

struct CheckedBuilding {
    QString error; // empty when accepted
    int version = 2;
    Building building;
};

// Why name cannot name a wall (empty, over 60 characters, a control
// character, a blank at either end), or empty when it can. Uniqueness is the
// building's matter.
QString WallNameProblem(const QString& name);

// The file's bytes as written, version 2: fixed key order, two blanks of
// indentation, one key per line, every key written.
QByteArray WriteBuilding(const Building& b);

// Reads and checks a file of version 1 or 2 whole; fileName names the wall
// of a version 1 file (its name without ".korvel"). Range messages show
// numbers with decimalSeparator.
CheckedBuilding ReadBuilding(const QByteArray& bytes, std::string_view decimalSeparator,
                             const QString& fileName);

// Reads the file at path: its size is checked before it is read.
CheckedBuilding ReadBuildingFile(const QString& path, std::string_view decimalSeparator);

} // namespace Korvel
