// Typed numbers: the parser never crashes, accepts only finite numbers, and
// what it accepts formats and parses back to the value the formatter shows.
#include "KorvelsNumbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    if (!Korvel::ParseNumberText(text, value)) return 0;
    if (!std::isfinite(value)) std::abort();
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const std::string shown = Korvel::FormatFixed(value, decimals, ",");
        std::string back = shown;
        for (char& c : back)
            if (c == ',') c = '.';
        double reparsed = 0;
        if (!Korvel::ParseNumberText(back, reparsed)) std::abort();
        // The shown value is the value rounded to the decimals.
        if (std::fabs(reparsed - value) >
            0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-15)
            std::abort();
    }
    return 0;
}
