#include "KorvelsInputs.h"

#include "KorvelsNumbers.h"

#include <array>

namespace Korvel {

namespace {

// Computed bounds are compared in whole millimetres: a stored 1.001 m is
// 1000.9999999999999 mm in binary, and the field must accept the 1001 its
// message offers.
double UpperThickness(const TArvutused& r) {
    return WholeMm(r.t);
}
double UpperLength(const TArvutused& r) {
    return WholeMm(r.L);
}
double UpperAlt(const TArvutused& r) {
    return AltUpperMm(r.L, r.bkj);
}

using R = TArvutused;
const std::array<InputField, 22> fields{{
    {"hEdit", &R::h, false, 1000, 1, 10200, nullptr, "%.f",
     "Seina kõrgus peaks olema arv: %.f...%.f", "3000"},
    {"LEdit", &R::L, false, 1000, 1, 12000, nullptr, "%.f",
     "Seina pikkus peaks olema arv: %.f...%.f", "5000"},
    {"rooEdit", &R::roo, true, 1, 0, 2, nullptr, "%.2f",
     "Arvutuskõrguse tegur peaks olema arv: %.2f...%.2f", "1,00"},
    {"PvldEdit", &R::Pvld, true, 1, 0, 700, nullptr, "%.2f",
     "Koormus vahelaelt või laelt peaks olema arv: %.2f...%.2f", "50,00"},
    {"evlEdit", &R::evl, false, 1000, -5000, 5000, nullptr, "%.f",
     "Ekstsentrilisus peaks olema arv: %.f...%.f", "20"},
    {"PydEdit", &R::Pyd, true, 1, 0, 700, nullptr, "%.2f",
     "Koormus ülevalt peaks olema arv: %.2f...%.2f", "10,00"},
    {"eyEdit", &R::ey, false, 1000, -5000, 5000, nullptr, "%.f",
     "Ekstsentrilisus peaks olema arv: %.f...%.f", "10"},
    {"qtdEdit", &R::qtd, true, 1, -10, 10, nullptr, "%.2f",
     "Tuulekoormus peaks olema arv: %.2f...%.2f", "0,60"},
    {"PdEdit", &R::Pd, true, 1, 0, 10000, nullptr, "%.2f",
     "Arvutuslik koondatud jõud peaks olema arv: %.2f...%.2f", "30,00"},
    {"tkjEdit", &R::tkj, false, 1000, 1, 0, UpperThickness, "%.f",
     "Koormuse toetuspinna laius peaks olema arv: %.f...%.f", "200"},
    {"bkjEdit", &R::bkj, false, 1000, 1, 0, UpperLength, "%.f",
     "Koormuse toetuspinna ulatus peaks olema arv: %.f...%.f", "100"},
    {"altEdit", &R::alt, false, 1000, 0, 0, UpperAlt, "%.f",
     "Koormuse toetuspinna kaugus peaks olema arv: %.f...%.f", "600"},
    {"qndEdit", &R::qnd, true, 1, 0, 10000, nullptr, "%.2f",
     "Arvutuslik jaotatud koormus peaks olema arv: %.2f...%.2f", "70,00"},
    {"tnkEdit", &R::tnk, false, 1000, 1, 0, UpperThickness, "%.f",
     "Koormuse toetuspinna laius peaks olema arv: %.f...%.f", "150"},
    {"akaEdit", &R::aka, false, 1000, 0, 0, UpperLength, "%.f",
     "Koormatud ala ulatus peaks olema arv: %.f...%.f", "700"},
    {"qdEdit", &R::qd, true, 1, 0, 1000, nullptr, "%.2f",
     "Tala arvutuslik jaotatud koormus peaks olema arv: %.2f...%.2f", "10,00"},
    {"a1Edit", &R::a1, false, 1000, 0, 1000, nullptr, "%.f",
     "Tala toetuspikkus peaks olema arv: %.f...%.f", "200"},
    {"LtEdit", &R::Lt, false, 1000, 1, 15000, nullptr, "%.f",
     "Tala pikkus peaks olema arv: %.f...%.f", "2500"},
    {"btEdit", &R::bt, false, 1000, 1, 2000, nullptr, "%.f",
     "Tala otsa laius peaks olema arv: %.f...%.f", "200"},
    {"EtEdit", &R::Et, true, 1, 1, 250, nullptr, "%.2f",
     "Tala elastsusmoodul peaks olema arv: %.2f...%.2f", "1,4"},
    {"ItEdit", &R::It, true, 1, 1, 1000000, nullptr, "%.f",
     "Tala inertsimoment peaks olema arv: %.f...%.f", "45000"},
    {"stEdit", &R::st, false, 1000, 0, 0, UpperLength, "%.f",
     "Talade samm peaks olema arv: %.f...%.f", "500"},
}};

const std::array<Block, 18> catalogue{{
    {"Ilvo 50", 0.05, "50", 4.5, 3.5, 1400},
    {"Ilvo 75", 0.075, "75", 4.5, 3.5, 1400},
    {"Ilvo 100", 0.1, "100", 4.5, 3.5, 1400},
    {"Ilvo 150", 0.15, "150", 4.5, 3.5, 1400},
    {"Norvik 100", 0.1, "100", 4.25, 3.0, 1400},
    {"Norvik 150", 0.15, "150", 4.25, 3.0, 1400},
    {"Norvik 200", 0.2, "200", 4.25, 3.0, 1400},
    {"Norvik 250", 0.25, "250", 4.25, 3.0, 1400},
    {"Norvik 300", 0.3, "300", 4.25, 3.0, 1400},
    {"Dursa 150", 0.15, "150", 5.75, 5.0, 2000},
    {"Dursa 200", 0.2, "200", 5.75, 5.0, 2000},
    {"Dursa 250", 0.25, "250", 5.75, 5.0, 2000},
    {"Dursa 300", 0.3, "300", 5.75, 5.0, 2000},
    {"Velvor 300", 0.3, "300", 3.75, 2.5, 1000},
    {"Velvor 375", 0.375, "375", 3.75, 2.5, 1000},
    {"VelvorExtra 300", 0.3, "300", 3.0, 1.8, 1000},
    {"VelvorExtra 375", 0.375, "375", 3.0, 1.8, 1000},
    {"VelvorExtra 500", 0.5, "500", 3.0, 1.8, 1000},
}};

} // namespace

std::span<const InputField> InputFields() {
    return fields;
}

const InputField* FindInputField(std::string_view name) {
    for (const auto& f : fields)
        if (name == f.name) return &f;
    return nullptr;
}

double UpperBound(const InputField& f, const TArvutused& r) {
    return f.upperOf ? f.upperOf(r) : f.upper;
}

std::string RangeMessage(const InputField& f, const TArvutused& r,
                         std::string_view decimalSeparator) {
    return FormatNumbers(f.message, {f.lower, UpperBound(f, r)}, decimalSeparator);
}

bool InRange(const InputField& f, double value, const TArvutused& r) {
    return value <= UpperBound(f, r) && value >= f.lower;
}

const TArvutused& WidestWall() {
    static const TArvutused widest = [] {
        TArvutused r;
        for (const Block& b : catalogue)
            if (b.t > r.t) r.t = b.t;
        const InputField& L = *FindInputField("LEdit");
        const InputField& bkj = *FindInputField("bkjEdit");
        r.L = L.upper / L.factor;
        r.bkj = bkj.lower / bkj.factor;
        return r;
    }();
    return widest;
}

bool IsFileNumber(std::string_view text, bool decimal) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t digits = 0;
    const auto skipDigits = [&] {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, ++digits;
    };
    skipDigits();
    if (decimal && i < text.size() && text[i] == '.') {
        ++i;
        skipDigits();
    }
    return digits > 0 && i == text.size();
}

std::span<const Block> Catalogue() {
    return catalogue;
}

int FindBlock(std::string_view name) {
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (name == catalogue[i].name) return static_cast<int>(i);
    return -1;
}

void ApplyBlock(TArvutused& r, const Block& b) {
    r.t = b.t;
    r.rooP = b.rooP;
    r.fb = b.fb;
    r.E = b.E;
}

} // namespace Korvel
