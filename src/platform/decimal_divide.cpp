// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/decimal.h"
#include "platform/decimal_internal.h"

// Division: the quotient carries as many digits as fit 96 bits at scale 28 or less, the last
// one rounded half to even, and loses its trailing zeros.
namespace tallimer {

namespace {

// floor(2^96 / 10^k): a quotient below this takes k more digits, whatever they are.
constexpr std::array<uint128, 29> kDigitRoom = [] {
    std::array<uint128, 29> t{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        t[k] = (uint128(1) << 96) / kPow10Wide[k];
    }
    return t;
}();

class LongDivision {
public:
    LongDivision(uint128 dividend, uint128 divisor)
        : m_divisor(divisor), m_narrow((divisor >> 64) == 0) {
        if (((dividend | divisor) >> 64) == 0) {
            m_quotient = std::uint64_t(dividend) / std::uint64_t(divisor);
            m_remainder = std::uint64_t(dividend) % std::uint64_t(divisor);
        } else {
            m_quotient = dividend / divisor;
            m_remainder = dividend - m_quotient * divisor;
        }
    }

    uint128 quotient() const { return m_quotient; }
    void setQuotient(uint128 q) { m_quotient = q; }
    bool exact() const { return m_remainder == 0; }
    // Most digits one step may produce, keeping remainder * 10^n below 2^128.
    int maxStep() const { return m_narrow ? 19 : 9; }

    // The next `count` digits of the quotient; the remainder moves on.
    std::uint64_t nextDigits(int count) {
        const uint128 t = m_remainder * kPow10Wide[count];
        if (m_narrow) {
            // t < divisor * 10^19, so its high word is below the divisor.
            std::uint64_t rem;
            const std::uint64_t digits =
                divideWord(std::uint64_t(t >> 64), std::uint64_t(t), std::uint64_t(m_divisor), rem);
            m_remainder = rem;
            return digits;
        }
        const uint128 digits = t / m_divisor;
        m_remainder = t - digits * m_divisor;
        return std::uint64_t(digits);
    }

    // Appends `count` digits to the quotient, dropping those of them that end it in zeros once
    // the division comes out exact; returns how many were kept.
    int appendDigits(int count) {
        std::uint64_t digits = nextDigits(count);
        if (m_remainder == 0) {
            while (count > 0 && digits % 10 == 0) {
                digits /= 10;
                --count;
            }
        }
        m_quotient = m_quotient * kPow10Wide[count] + digits;
        return count;
    }

    // Remainder against half the divisor.
    Tail tail() const {
        if (m_remainder == 0) {
            return Tail::Zero;
        }
        const uint128 twice = m_remainder << 1;
        return twice < m_divisor ? Tail::Below : (twice == m_divisor ? Tail::Half : Tail::Above);
    }

private:
    uint128 m_divisor;
    bool m_narrow;
    uint128 m_quotient;
    uint128 m_remainder;
};

}  // namespace

DecStatus divide(const Decimal& a, const Decimal& b, Decimal& out) {
    if (b.isZero()) {
        return DecStatus::DivideByZero;
    }
    const bool negative = a.isNegative() != b.isNegative();
    if (a.isZero()) {
        out = Decimal();
        return DecStatus::Ok;
    }
    LongDivision division(a.magnitude(), b.magnitude());
    int scale = a.scale() - b.scale();

    // A divisor with more decimals than the dividend: digits up to scale 0 are required.
    while (scale < 0) {
        const int step = -scale < 9 ? -scale : 9;
        const uint128 before = division.quotient();
        const std::uint64_t digits = division.nextDigits(step);
        const uint128 q = before * kPow10Wide[step] + digits;
        if (q > Decimal::kMaxMagnitude) {
            return DecStatus::Overflow;
        }
        division.setQuotient(q);
        scale += step;
    }

    // Then as many digits as fit, up to scale 28.
    while (!division.exact() && scale < Decimal::kMaxScale) {
        const int room = Decimal::kMaxScale - scale;
        int step = room < division.maxStep() ? room : division.maxStep();
        while (step > 0 && division.quotient() >= kDigitRoom[step]) {
            --step;
        }
        if (step > 0) {
            scale += division.appendDigits(step);
            continue;
        }
        // One more digit may still fit, depending on its value.
        LongDivision trial = division;
        const uint128 q = division.quotient() * 10 + trial.nextDigits(1);
        if (q > Decimal::kMaxMagnitude) {
            break;
        }
        trial.setQuotient(q);
        division = trial;
        ++scale;
    }

    uint128 q = division.quotient();
    if (roundKeptDigits(q, scale, division.tail()) != DecStatus::Ok) {
        return DecStatus::Overflow;
    }
    stripTrailingZeros(q, scale);
    out = DecimalAccess::make(q, scale, negative);
    return DecStatus::Ok;
}

}  // namespace tallimer
