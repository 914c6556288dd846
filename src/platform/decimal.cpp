// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/decimal.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/decimal_internal.h"

namespace tallimer {

namespace {

// 2^96 * 10^k for k = 0..9; every 128-bit value is below 2^96 * 10^10.
constexpr std::array<uint128, 10> kFitLimit = [] {
    std::array<uint128, 10> t{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        t[k] = (uint128(1) << 96) * kPow10Wide[k];
    }
    return t;
}();

// Magnitude * 10^count (count <= 28), or false when that reaches 2^128.
bool scaleUp(uint128& magnitude, int count) {
    if (bitWidth(magnitude) + kPow10Bits[count] > 128 &&
        magnitude > ~uint128(0) / kPow10Wide[count]) {
        return false;
    }
    magnitude *= kPow10Wide[count];
    return true;
}

}  // namespace

DecStatus fitResult(const WideUInt& value, int scale, bool negative, Tail tail, Decimal& out) {
    if (value.fitsIn128()) {
        return fitNarrow(value.low128(), scale, negative, tail, out);
    }
    // 77/256 is just below log10(2): at least this many digits must go.
    int drop = ((value.bitLength() - 97) * 77) >> 8;
    drop = scale - Decimal::kMaxScale > drop ? scale - Decimal::kMaxScale : drop;
    if (drop > scale) {
        return DecStatus::Overflow;
    }
    WideUInt w = value;
    while (drop > 0 && !w.fitsIn128()) {
        const int step = drop < 19 ? drop : 19;
        tail = dropDigits(w, step, tail);
        drop -= step;
        scale -= step;
    }
    while (!w.fitsIn128()) {
        if (scale == 0) {
            return DecStatus::Overflow;
        }
        tail = dropDigits(w, 1, tail);
        --scale;
    }
    return fitNarrow(w.low128(), scale, negative, tail, out);
}

DecStatus fitNarrow(uint128 q, int scale, bool negative, Tail tail, Decimal& out) {
    int drop = scale > Decimal::kMaxScale ? scale - Decimal::kMaxScale : 0;
    // Digits q must lose to fit 96 bits: q < 2^96 * 10^k.
    if (q > Decimal::kMaxMagnitude) {
        int fit = 1;
        while (fit < 10 && q >= kFitLimit[std::size_t(fit)]) {
            ++fit;
        }
        drop = fit > drop ? fit : drop;
    }
    if (drop > scale) {
        return DecStatus::Overflow;
    }
    tail = dropDigits(q, drop, tail);
    scale -= drop;
    if (roundKeptDigits(q, scale, tail) != DecStatus::Ok) {
        return DecStatus::Overflow;
    }
    out = DecimalAccess::make(q, scale, negative);
    return DecStatus::Ok;
}

void stripTrailingZeros(uint128& magnitude, int& scale) {
    if (magnitude == 0) {
        scale = 0;
        return;
    }
    while (scale > 0 && (magnitude >> 64) != 0) {
        // 2^64 = 6 (mod 10)
        const unsigned digit = unsigned(
            (std::uint64_t(magnitude >> 64) % 10 * 6 + std::uint64_t(magnitude) % 10) % 10);
        if (digit != 0) {
            return;
        }
        std::uint64_t unused;
        magnitude = dividePow10(magnitude, 1, unused);
        --scale;
    }
    std::uint64_t small = std::uint64_t(magnitude);
    if (small == magnitude) {
        while (scale > 0 && small % 10 == 0) {
            small /= 10;
            --scale;
        }
        magnitude = small;
    }
}

Decimal Decimal::fromInt(std::int64_t value) {
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    return Decimal(magnitude, 0, value < 0);
}

DecStatus Decimal::fromDouble(double value, Decimal& out) {
    if (!std::isfinite(value)) {
        return DecStatus::Overflow;
    }
    if (value == 0) {
        out = Decimal();
        return DecStatus::Ok;
    }
    // "d.ddddddddddddddde+x": the exact 15 significant digits, correctly rounded.
    char text[40];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    const char* p = text;
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    std::uint64_t mantissa = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            mantissa = mantissa * 10 + unsigned(*p - '0');
        }
    }
    ++p;
    if (*p == '+') {
        ++p;
    }
    int exponent = 0;
    std::from_chars(p, result.ptr, exponent);
    int scale = 14 - exponent;
    uint128 magnitude = mantissa;
    if (scale < 0) {
        if (-scale > kMaxScale || !scaleUp(magnitude, -scale) || magnitude > kMaxMagnitude) {
            return DecStatus::Overflow;
        }
        scale = 0;
    }
    if (scale > kMaxScale) {
        return fitNarrow(magnitude, scale, negative, Tail::Zero, out);
    }
    stripTrailingZeros(magnitude, scale);
    out = Decimal(magnitude, scale, negative);
    return DecStatus::Ok;
}

double Decimal::toDouble() const {
    static constexpr double kPow10Double[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    double result;
    if (m_magnitude < (uint128(1) << 53) && m_scale <= 22) {
        // Both exact, so one correctly rounded division.
        result = double(std::uint64_t(m_magnitude)) / kPow10Double[m_scale];
    } else {
        char text[48];
        int length = writeDigits(text);
        text[length++] = 'e';
        text[length++] = '-';
        length = int(std::to_chars(text + length, text + sizeof text, int(m_scale)).ptr - text);
        std::from_chars(text, text + length, result);
    }
    return isNegative() ? -result : result;
}

int Decimal::writeDigits(char* buffer) const {
    if ((m_magnitude >> 64) == 0) {
        return int(std::to_chars(buffer, buffer + kMaxDigits, std::uint64_t(m_magnitude)).ptr -
                   buffer);
    }
    // Below 2^96, so at most 10 digits above the lowest 19.
    std::uint64_t low;
    const std::uint64_t high = std::uint64_t(dividePow10(m_magnitude, 19, low));
    const int length = int(std::to_chars(buffer, buffer + kMaxDigits, high).ptr - buffer);
    for (int i = length + 18; i >= length; --i) {
        buffer[i] = char('0' + low % 10);
        low /= 10;
    }
    return length + 19;
}

std::string Decimal::digits() const {
    char buffer[kMaxDigits];
    return std::string(buffer, std::size_t(writeDigits(buffer)));
}

Decimal Decimal::normalized() const {
    uint128 magnitude = m_magnitude;
    int scale = m_scale;
    stripTrailingZeros(magnitude, scale);
    return Decimal(magnitude, scale, m_negative);
}

Decimal Decimal::roundedAwayFromZero(int places) const {
    if (places < 0) {
        places = 0;
    }
    if (m_scale <= places) {
        return *this;
    }
    uint128 q = m_magnitude;
    const Tail tail = dropDigits(q, m_scale - places, Tail::Zero);
    if (tail == Tail::Half || tail == Tail::Above) {
        ++q;
    }
    return Decimal(q, places, m_negative);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const int sa = a.signum(), sb = b.signum();
    if (sa != sb || sa == 0) {
        return sa <=> sb;
    }
    uint128 ma = a.m_magnitude, mb = b.m_magnitude;
    std::strong_ordering order = std::strong_ordering::equal;
    if (a.m_scale == b.m_scale) {
        order = ma <=> mb;
    } else if (a.m_scale < b.m_scale) {
        // A magnitude scaled past 2^128 exceeds any 96-bit one.
        order = scaleUp(ma, b.m_scale - a.m_scale) ? ma <=> mb : std::strong_ordering::greater;
    } else {
        order = scaleUp(mb, a.m_scale - b.m_scale) ? ma <=> mb : std::strong_ordering::less;
    }
    return sa > 0 ? order : 0 <=> order;
}

}  // namespace tallimer
