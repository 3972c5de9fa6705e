#include "KorvelsNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace Korvel {

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (decimals < 0) decimals = 0;

    // Shortest round-trip digits: d.ddd e±x
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (sci[i] != '.') digits += sci[i];
    const int exponent = std::atoi(sci.c_str() + ePos + 1);

    // Integer digits of |value| * 10^decimals, rounded half away from zero.
    const long k = static_cast<long>(exponent) + 1 + decimals;
    std::string scaled;
    if (k <= 0) {
        scaled.assign(1, (k == 0 && digits[0] >= '5') ? '1' : '0');
    } else {
        const auto n = static_cast<long>(digits.size());
        scaled = digits.substr(0, static_cast<std::size_t>(std::min(k, n)));
        if (k > n) scaled.append(static_cast<std::size_t>(k - n), '0');
        if (k < n && digits[static_cast<std::size_t>(k)] >= '5') {
            long i = k - 1;
            while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') {
                scaled[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0)
                scaled = '1' + scaled;
            else
                ++scaled[static_cast<std::size_t>(i)];
        }
    }
    if (static_cast<long>(scaled.size()) <= decimals)
        scaled = std::string(static_cast<std::size_t>(decimals + 1) - scaled.size(), '0') + scaled;

    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !zero) out += '-';
    out += scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        out += decimalSeparator;
        out += scaled.substr(scaled.size() - static_cast<std::size_t>(decimals));
    }
    return out;
}

std::string FormatNumbers(std::string_view pattern, std::initializer_list<double> values,
                          std::string_view decimalSeparator) {
    std::string out;
    auto next = values.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (pattern[i] == '%' && i + 2 < pattern.size() && pattern[i + 1] == '.') {
            std::size_t j = i + 2;
            int decimals = 0;
            while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9')
                decimals = decimals * 10 + (pattern[j++] - '0');
            if (j < pattern.size() && pattern[j] == 'f' && next != values.end()) {
                out += FormatFixed(*next++, decimals, decimalSeparator);
                i = j + 1;
                continue;
            }
        }
        out += pattern[i++];
    }
    return out;
}

bool ParseNumberText(std::string_view text, double& value) {
    value = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    auto isDigit = [&](std::size_t p) {
        return p < text.size() && text[p] >= '0' && text[p] <= '9';
    };
    std::size_t mantissaDigits = 0;
    while (isDigit(i))
        ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (isDigit(i))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!isDigit(i)) return false;
        while (isDigit(i))
            ++i;
    }
    if (i != text.size()) return false;

    // from_chars takes no '+'; an exponent sign '+' it does take.
    double parsed = 0;
    auto res = std::from_chars(text.data() + start, text.data() + text.size(), parsed,
                               std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow gives a tiny number, overflow an infinite one.
        const auto e = text.find_first_of("eE", start);
        if (e != std::string_view::npos && text[e + 1] == '-') {
            value = negative ? -0.0 : 0.0;
            return true;
        }
        return false;
    }
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(parsed))
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

bool HasThousandsGroup(std::string_view text, char other) {
    const std::size_t at = text.find(other);
    if (at == std::string_view::npos || text.size() - at - 1 != 3) return false;
    std::size_t start = 0;
    while (start < at && text[start] == '-')
        ++start;
    bool nonZero = false;
    for (std::size_t i = start; i < at; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        nonZero = nonZero || text[i] != '0';
    }
    for (std::size_t i = at + 1; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return nonZero;
}

double RoundSignificant(double value, int digits) {
    if (!std::isfinite(value) || value == 0 || digits < 1) return value;
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    double out = value;
    std::from_chars(buf, res.ptr, out, std::chars_format::scientific);
    return out;
}

int CompareSlenderness(double lambdah) {
    const double r = RoundSignificant(lambdah, 9);
    if (r < 27) return -1;
    if (r == 27) return 0;
    return 1;
}

double WholeMm(double metres) {
    return std::round(metres * 1000);
}

double AltUpperMm(double L, double bkj) {
    const double halfL = WholeMm(L) / 2, length = WholeMm(bkj);
    return halfL < length ? 0 : std::floor(halfL - length);
}

} // namespace Korvel
