// Calculation files (".korvel"): UTF-8 JSON that holds the block, the texts of
// the 22 numeric fields, the three options and the seven project fields.
// Reading checks a file whole, every value by the same definitions the
// window's fields use, before anything is taken from it.
#pragma once

#include "KorvelsArvut.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <string_view>

namespace Korvel {

inline constexpr qint64 MaxCalculationFileSize = 1 << 20;
inline constexpr const char* CalculationSuffix = "korvel";
inline constexpr int InputCount = 22;
inline constexpr int ProjectFieldCount = 7;

// The project fields' names, in the order of the dialog and of the file.
extern const std::array<const char*, ProjectFieldCount> ProjectKeys;

// What a calculation file holds. Inputs are the fields' texts with a point
// as the decimal separator, in the order of InputFields().
struct Calculation {
    QString block;
    std::array<QString, InputCount> inputs;
    bool checkBox1 = false;
    bool checkBox2 = false;
    int position = 2; // RadioButton1..3
    std::array<QString, ProjectFieldCount> project;
    // The wall's checks that apply, one a page (Page): only those are
    // checked, reported and counted; the others' inputs are not used.
    std::array<bool, 3> checks{true, true, true};

    // The start values: what the window shows at start, project data empty.
    static Calculation Start();
    bool operator==(const Calculation&) const = default;
    // The same calculation: numeric texts compared by their values ("1" and
    // "1.00" are one value), everything else as it stands.
    bool SameValues(const Calculation& other) const;
};

// A calculation checked whole, or why it was refused.
struct CheckedCalculation {
    QString error; // empty when accepted
    Calculation calculation;
    TArvutused record; // start record with the block and the 22 values
};

// The file's bytes as written: key order fixed, two blanks of indentation.
QByteArray WriteCalculation(const Calculation& c);

// Reads and checks the bytes of a file; range messages show numbers with
// decimalSeparator, as the window does.
CheckedCalculation ReadCalculation(const QByteArray& bytes, std::string_view decimalSeparator);

// Checks values already split into a Calculation (e.g. from a table row).
CheckedCalculation CheckCalculation(const Calculation& c, std::string_view decimalSeparator);

// Reads the file at path: its size is checked before it is read.
CheckedCalculation ReadCalculationFile(const QString& path, std::string_view decimalSeparator);

} // namespace Korvel
