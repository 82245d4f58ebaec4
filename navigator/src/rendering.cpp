#include "rendering.h"

#include <cmath>
#include <cstdio>

namespace hivewalk {

std::string BinaryText(const Bytes& data) {
    std::string text;
    for (std::uint8_t byte : data) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%X", byte);
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

double DwordNumber(const Bytes& data) {
    // Horner's scheme from the most significant byte: no 0 * infinity, so a
    // long value overflows to infinity rather than to NaN.
    double number = 0;
    for (auto byte = data.rbegin(); byte != data.rend(); ++byte) number = number * 256 + *byte;
    return number;
}

std::string DwordHex(const Bytes& data) {
    std::string text;
    const std::size_t n = data.size();
    // Pairs from the most significant end; the first pair of odd-length data
    // has only its low byte.
    std::size_t high = n % 2 == 0 ? n : n + 1;
    for (; high >= 2; high -= 2) {
        const unsigned hi = high - 1 < n ? data[high - 1] : 0;
        const unsigned lo = data[high - 2];
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04X", hi * 256 + lo);
        text += digits;
    }
    return text;
}

std::size_t StringLength(const Bytes& data) {
    return !data.empty() && data.back() == 0 ? data.size() - 1 : data.size();
}

std::string StringText(const Bytes& data) {
    return std::string(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(StringLength(data)));
}

std::string FormatTenDigitGroups(double number, const std::string& separator) {
    if (!std::isfinite(number)) return "Overflow";
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%010.0f", number);
    const std::string digits = buffer;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return text;
}

}  // namespace hivewalk
