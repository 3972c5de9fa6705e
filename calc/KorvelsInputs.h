// What the 22 numeric inputs and the block catalogue accept, without any
// window: each field's unit factor, bounds (some computed from the wall) and
// range message, and the catalogue's products. The window's input mechanism
// and the calculation files check values by these same definitions.
#pragma once

#include "KorvelsArvut.h"

#include <span>
#include <string>
#include <string_view>

namespace Korvel {

struct InputField {
    const char* name; // the edit's objectName and the file's key
    double TArvutused::*field;
    bool decimal;                         // decimal or whole-number field
    double factor;                        // shown value = stored value * factor
    double lower;                         // shown units
    double upper;                         // shown units, unless upperOf computes it
    double (*upperOf)(const TArvutused&); // whole millimetres, from the wall
    const char* restoreFormat;            // the previous value's text
    const char* message;                  // range message, two bounds
    const char* startText;                // as the field shows it at start
};

// The 22 fields in an order where every computed bound's inputs come first.
std::span<const InputField> InputFields();
const InputField* FindInputField(std::string_view name);

double UpperBound(const InputField& f, const TArvutused& r);
// The field's range message with its bounds for the wall in r.
std::string RangeMessage(const InputField& f, const TArvutused& r,
                         std::string_view decimalSeparator);
// Whether value (shown units) lies in the field's range for the wall in r.
bool InRange(const InputField& f, double value, const TArvutused& r);

// The wall on which every computed bound is at its widest: the thickest block
// and the longest wall. A value the window can hold (typed on one wall, the
// wall changed afterwards) lies within the bounds on this wall; whether it
// fits the wall it stands in is the pages' fit test at "ARVUTA".
const TArvutused& WidestWall();

// A field's text in a calculation file: an optional minus, digits and, in a
// decimal field, a point with digits before or after it or both, as the
// window's field accepts it ("45000.", ".5"). Nothing else is a number there.
bool IsFileNumber(std::string_view text, bool decimal);

struct Block {
    const char* name;
    double t;          // m
    const char* tItem; // wall thickness list item, mm
    double rooP;       // kN/m3
    double fb;         // MPa
    double E;          // MPa
};

std::span<const Block> Catalogue();
inline constexpr int StartBlock = 3; // "Ilvo 150"
// Index of the product named name, or -1.
int FindBlock(std::string_view name);
// The block's values into the record.
void ApplyBlock(TArvutused& r, const Block& b);

} // namespace Korvel
