// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/decimal_internal.h"
#include "platform/number_grammar.h"

// The grammar every way a number comes in shares, under one convention.
namespace tallimer {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}

// The digits of the number as an integer mantissa and a power of ten. Digits beyond the 38
// the mantissa holds only count as a non-zero tail: the result keeps at most 29.
class DigitCollector {
public:
    void push(int digit, bool fraction) {
        if (!m_started) {
            if (digit == 0) {
                m_exponent -= fraction ? 1 : 0;
                return;
            }
            m_started = true;
        }
        if (m_kept < 38) {
            // Nineteen digits at a time in one word keep the loop cheap.
            m_chunk = m_chunk * 10 + unsigned(digit);
            if (++m_chunkDigits == 19) {
                flush();
            }
            ++m_kept;
            m_exponent -= fraction ? 1 : 0;
        } else {
            m_exponent += fraction ? 0 : 1;
            m_sticky = m_sticky || digit != 0;
        }
    }

    ReadStatus finish(int exponent, bool negative, Decimal& out) {
        flush();
        if (m_mantissa == 0) {
            out = Decimal();
            return ReadStatus::Ok;
        }
        const int power = m_exponent + exponent;
        Decimal result;
        if (power >= 0) {
            if (power > Decimal::kMaxScale) {
                return ReadStatus::Overflow;
            }
            if (m_mantissa > Decimal::kMaxMagnitude) {
                return ReadStatus::Overflow;
            }
            // Below 2^96 * 10^28: inside 192 bits.
            WideUInt w(m_mantissa);
            w.multiplySmall(kPow10Word[power < 19 ? power : 19]);
            if (power > 19) {
                w.multiplySmall(kPow10Word[power - 19]);
            }
            if (!w.fitsIn128() || w.low128() > Decimal::kMaxMagnitude) {
                return ReadStatus::Overflow;
            }
            result = *Decimal::fromParts(w.low128(), 0, negative);
        } else if (-power <= Decimal::kMaxScale && m_mantissa <= Decimal::kMaxMagnitude &&
                   !m_sticky) {
            result = *Decimal::fromParts(m_mantissa, -power, negative);
        } else if (fitNarrow(m_mantissa, -power, negative, m_sticky ? Tail::Below : Tail::Zero,
                             result) != DecStatus::Ok) {
            return ReadStatus::Overflow;
        }
        out = result.normalized();
        return ReadStatus::Ok;
    }

private:
    void flush() {
        m_mantissa = m_mantissa * kPow10Word[m_chunkDigits] + m_chunk;
        m_chunk = 0;
        m_chunkDigits = 0;
    }

    uint128 m_mantissa = 0;
    std::uint64_t m_chunk = 0;
    int m_chunkDigits = 0;
    bool m_started = false;
    int m_kept = 0;
    int m_exponent = 0;  // value = (mantissa + tail) * 10^exponent
    bool m_sticky = false;
};

// Whole groups between group symbols: the first of 1 to `secondary` digits, the middle ones of
// `secondary`, the last of `primary`.
class GroupSizes {
public:
    GroupSizes(int primary, int secondary) : m_primary(primary), m_secondary(secondary) {}

    void groupEnds(qsizetype digits) {
        if (m_groups == 0) {
            m_ok = digits >= 1 && digits <= m_secondary;
        } else {
            m_ok = m_ok && digits == m_secondary;
        }
        ++m_groups;
    }
    bool wholeWith(qsizetype lastDigits) const {
        return m_groups == 0 || (m_ok && lastDigits == m_primary);
    }

private:
    int m_primary;
    int m_secondary;
    int m_groups = 0;
    bool m_ok = true;
};

class NumberGrammar {
public:
    NumberGrammar(QStringView text, const Convention& convention)
        : m_text(text), m_convention(convention) {}

    ReadStatus read(Decimal& out) {
        // Leading blanks, one sign or an opening parenthesis.
        QChar sign;
        bool parenthesis = false;
        for (skipBlanks(); m_pos < m_text.size(); skipBlanks()) {
            const QChar c = m_text[m_pos];
            if (isSign(c) && sign.isNull() && !parenthesis) {
                sign = c;
            } else if (c == u'(' && sign.isNull() && !parenthesis) {
                parenthesis = true;
            } else {
                break;
            }
            ++m_pos;
        }
        DigitCollector digits;
        if (!readMantissa(digits)) {
            return ReadStatus::Invalid;
        }
        int exponent = 0;
        if (!readExponent(exponent)) {
            return ReadStatus::Invalid;
        }
        // A trailing sign, the closing parenthesis, trailing blanks.
        skipBlanks();
        if (m_pos < m_text.size() && isSign(m_text[m_pos]) && sign.isNull() && !parenthesis) {
            sign = m_text[m_pos++];
            skipBlanks();
        }
        if (parenthesis) {
            if (m_pos == m_text.size() || m_text[m_pos] != u')') {
                return ReadStatus::Invalid;
            }
            ++m_pos;
            skipBlanks();
        }
        if (m_pos != m_text.size()) {
            return ReadStatus::Invalid;
        }
        return digits.finish(exponent, parenthesis || sign == u'-', out);
    }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    bool isDecimal(QChar c) const { return c == m_convention.decimal || c == kArabicDecimal; }

    // A pasted space-like group symbol may come as any space between digits, a Swiss
    // apostrophe as the ASCII one.
    bool isGroup(QChar c) const {
        const QChar group = m_convention.group;
        if (c == group || c == kArabicGroup) {
            return true;
        }
        if (m_convention.grouping != Grouping::Strict) {
            return false;
        }
        if (group.isSpace() && (c == u' ' || c == u'\u00A0' || c == u'\u202F')) {
            return m_pos + 1 < m_text.size() && digitValueOf(m_text[m_pos + 1]) >= 0;
        }
        return group == u'\u2019' && c == u'\'';
    }

    // Digits, group symbols where the convention lets them stand, the decimal symbol once.
    bool readMantissa(DigitCollector& digits) {
        const Grouping grouping = m_convention.grouping;
        GroupSizes own(m_convention.primary, m_convention.secondary);
        GroupSizes threes(3, 3);
        bool anyDigit = false;
        bool fraction = false;
        qsizetype run = 0;  // digits since the last group symbol
        for (; m_pos < m_text.size(); ++m_pos) {
            const QChar c = m_text[m_pos];
            if (const int digit = digitValueOf(c); digit >= 0) {
                digits.push(digit, fraction);
                anyDigit = true;
                ++run;
            } else if (isDecimal(c) && !fraction) {
                fraction = true;
                if (!own.wholeWith(run) && !threes.wholeWith(run)) {
                    return false;
                }
            } else if (!fraction && isGroup(c) &&
                       (grouping == Grouping::BeforeDecimal || anyDigit)) {
                if (grouping == Grouping::Strict) {
                    own.groupEnds(run);
                    threes.groupEnds(run);
                    run = 0;
                }
            } else {
                break;
            }
        }
        if (!fraction && !own.wholeWith(run) && !threes.wholeWith(run)) {
            return false;
        }
        return anyDigit;
    }

    // "E" or "e", an optional sign and at least one digit; absent is fine.
    bool readExponent(int& exponent) {
        if (m_pos == m_text.size() || (m_text[m_pos] != u'E' && m_text[m_pos] != u'e')) {
            return true;
        }
        ++m_pos;
        bool negative = false;
        if (m_pos < m_text.size() && isSign(m_text[m_pos])) {
            negative = m_text[m_pos++] == u'-';
        }
        const qsizetype start = m_pos;
        int value = 0;
        for (int digit = 0; m_pos < m_text.size() && (digit = digitValueOf(m_text[m_pos])) >= 0;
             ++m_pos) {
            value = exponentWithDigit(value, digit);
        }
        exponent = negative ? -value : value;
        return m_pos > start;
    }

    QStringView m_text;
    const Convention& m_convention;
    qsizetype m_pos = 0;
};

}  // namespace

ReadStatus readNumber(QStringView text, const Convention& convention, Decimal& out) {
    return NumberGrammar(text, convention).read(out);
}

}  // namespace tallimer
