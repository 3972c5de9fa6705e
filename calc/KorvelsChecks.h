// The design checks as the pages run them at "ARVUTA": what each computes and
// the comparisons its markers show, the fit tests of the inputs that depend
// on the wall, and the distribution area of the beam positions. The window's
// markers, the report's verdicts and the command line's checks all come from
// here, so that they cannot disagree.
#pragma once

#include "KorvelsArvut.h"

#include <string>
#include <vector>

namespace Korvel {

// One comparison of an effect with its resistance, in the units shown.
struct Comparison {
    const char* name; // "N(sd1) <= N(Rd1)", for scripts
    const char* unit; // "kN", "MPa"
    double value;     // the effect
    double limit;     // the resistance
    // -1 below, 0 at, 1 above the limit: the marker's "<", "=", ">".
    int Sign() const { return value < limit ? -1 : (value == limit ? 0 : 1); }
    // The verdict of the marker, the report, the table and the exit status:
    // equality passes, and a section whose resistance is not positive carries
    // nothing, so it fails whatever it is asked to carry.
    bool Holds() const { return value <= limit && limit > 0; }
    // Effect over resistance; not defined (NaN) when the resistance is not positive.
    double Utilisation() const;
};

// A utilisation as a whole per cent, rounded up: a failing check never shows
// 100 % or less and a passing one never more than 100 %. holds: the verdict.
int UtilisationPercent(double utilisation, bool holds);

// The three checks a wall can have, one a page.
enum class Page { Vertical, Concentrated, Support };
inline constexpr int PageCount = 3;
// The page whose check takes the input field (by the edit's name), or -1 for
// the wall's own inputs (h, L, roo) and unknown names.
int PageOfField(const char* field);
// A load, eccentricity or wind field: an empty spreadsheet cell of it means 0.
bool IsLoadField(const char* field);

// The load-position case of the concentrated load: the bearing area at the
// wall end (2 alt / h = 0), far from it (>= 1) or in between.
enum class KoondjCase { End, Ordinary, Far };
KoondjCase CaseOf(const TArvutused& r);

// Each runs the page's operations on r (throwing EArvutusViga where a value
// is undefined) and returns the comparisons the page's markers show.
std::vector<Comparison> VerticalCheck(TArvutused& r); // N(sd) against N(Rd), 3 sections
// The decimal fields the vertical page shows with two decimals before it
// computes, so that the check uses the values as shown.
std::vector<const char*> VerticalRewrittenFields();
std::vector<Comparison> ConcentratedCheck(TArvutused& r); // stress under the force, by case
std::vector<Comparison> CornerCheck(TArvutused& r);       // tensile stress in the corner
std::vector<Comparison> SupportCheck(TArvutused& r);      // the general case
std::vector<Comparison> FreeSpaceCheck(TArvutused& r);    // with free space beside the beam

// The distribution area Ad and the spread c1 for beam position 1, 2 or 3.
void SetDistributionArea(TArvutused& r, int position);

// The inputs the fit tests at "ARVUTA" look at, by the edits' names, in the
// order the pages test them: the concentrated load's bearing area (and the
// corner's when it is checked), and the beam spacing for position 3 with
// free space. A field fits when its whole millimetres lie within the bound
// its wall gives it now.
std::vector<const char*> ConcentratedFitFields(bool corner);
std::vector<const char*> FreeSpaceFitFields(bool freeSpace, int position);
bool FitsWall(const char* field, const TArvutused& r);

} // namespace Korvel
