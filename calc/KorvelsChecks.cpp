#include "KorvelsChecks.h"

#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace Korvel {

double Comparison::Utilisation() const {
    return limit > 0 ? value / limit : std::numeric_limits<double>::quiet_NaN();
}

int UtilisationPercent(double utilisation, bool holds) {
    // Nine significant digits take off the last bit's noise before rounding
    // up: 0.41 is 41 %, not 42 %.
    const double percent = std::ceil(RoundSignificant(utilisation * 100, 9));
    if (!holds && percent <= 100) return 101;
    if (holds && percent > 100) return 100;
    return static_cast<int>(percent);
}

int PageOfField(const char* field) {
    static constexpr const char* vertical[] = {"PvldEdit", "evlEdit", "PydEdit", "eyEdit",
                                               "qtdEdit"};
    static constexpr const char* concentrated[] = {"PdEdit",  "tkjEdit", "bkjEdit", "altEdit",
                                                   "qndEdit", "tnkEdit", "akaEdit"};
    static constexpr const char* support[] = {"qdEdit", "a1Edit", "LtEdit", "btEdit",
                                              "EtEdit", "ItEdit", "stEdit"};
    for (const char* f : vertical)
        if (std::strcmp(f, field) == 0) return static_cast<int>(Page::Vertical);
    for (const char* f : concentrated)
        if (std::strcmp(f, field) == 0) return static_cast<int>(Page::Concentrated);
    for (const char* f : support)
        if (std::strcmp(f, field) == 0) return static_cast<int>(Page::Support);
    return -1;
}

bool IsLoadField(const char* field) {
    for (const char* f :
         {"PvldEdit", "evlEdit", "PydEdit", "eyEdit", "qtdEdit", "PdEdit", "qndEdit", "qdEdit"})
        if (std::strcmp(f, field) == 0) return true;
    return false;
}

KoondjCase CaseOf(const TArvutused& r) {
    const double ratio = 2 * r.alt / r.h;
    if (ratio == 0) return KoondjCase::End;
    if (!(ratio < 1)) return KoondjCase::Far;
    return KoondjCase::Ordinary;
}

std::vector<Comparison> VerticalCheck(TArvutused& r) {
    r.SisejArvutus();
    r.KandevNRdmArvutus();
    r.KandevNRd1Arvutus();
    r.KandevNRd2Arvutus();
    return {{"N(sd1) <= N(Rd1)", "kN", r.Nsd1, r.NRd1 * 1000},
            {"N(sdm) <= N(Rdm)", "kN", r.Nsdm, r.NRdm * 1000},
            {"N(sd2) <= N(Rd2)", "kN", r.Nsd2, r.NRd2 * 1000}};
}

std::vector<const char*> VerticalRewrittenFields() {
    return {"rooEdit", "PvldEdit", "PydEdit", "qtdEdit"};
}

std::vector<Comparison> ConcentratedCheck(TArvutused& r) {
    r.KoonjArvutus();
    switch (CaseOf(r)) {
    case KoondjCase::End:
        return {{"Sigma(c) <= f(d)", "MPa", r.sigmac, r.fd},
                {"Sigma(c) <= 1,25xf(d)", "MPa", r.sigmac, 1.25 * r.fd}};
    case KoondjCase::Far:
        return {{"Sigma(c) <= 1,50xf(d)", "MPa", r.sigmac, 1.5 * r.fd}};
    case KoondjCase::Ordinary:
        break;
    }
    return {{"Sigma(c) <= Sigma(adm)", "MPa", r.sigmac, r.sigmaadm}};
}

std::vector<Comparison> CornerCheck(TArvutused& r) {
    r.KoonjNurkArvutus();
    return {{"Sigma(t.max) <= 0,8f(t.u)", "MPa", r.sigmatmax, 0.8 * r.ftu}};
}

std::vector<Comparison> SupportCheck(TArvutused& r) {
    r.ToesArvutus();
    return {{"Sigma(max) <= f(d)", "MPa", r.sigmamax, r.fd}};
}

std::vector<Comparison> FreeSpaceCheck(TArvutused& r) {
    r.ToesEfektArvutus();
    return {{"Sigma(max) <= f(loc)", "MPa", r.sigmamax, r.floc}};
}

void SetDistributionArea(TArvutused& r, int position) {
    if (position == 1) r.Ad = (2 * r.t + r.bt) * r.t;
    if (position == 2) r.Ad = (r.t + r.bt) * r.t;
    // The spread beside the beam: the wall thickness, at most half the spacing.
    r.c1 = 2 * WholeMm(r.t) < WholeMm(r.st) ? r.t : r.st / 2;
    if (position == 3) r.Ad = (2 * r.c1 + r.bt) * r.a1;
}

std::vector<const char*> ConcentratedFitFields(bool corner) {
    if (corner) return {"tkjEdit", "bkjEdit", "altEdit", "tnkEdit", "akaEdit"};
    return {"tkjEdit", "bkjEdit", "altEdit"};
}

std::vector<const char*> FreeSpaceFitFields(bool freeSpace, int position) {
    if (freeSpace && position == 3) return {"stEdit"};
    return {};
}

bool FitsWall(const char* field, const TArvutused& r) {
    const InputField* f = FindInputField(field);
    return !f || WholeMm(r.*(f->field)) <= UpperBound(*f, r);
}

} // namespace Korvel
