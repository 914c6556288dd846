// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "platform/decimal_internal.h"
#include "platform/number_reader.h"

// Point reading: the longest leading number with "." as the decimal point, blanks skipped
// wherever they occur ("5\n3" is 53, "1,234.50" is 1, "abc" is 0).
namespace tallimer {

namespace {

bool isSkipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// More significant digits than any double needs to round correctly (767).
constexpr std::size_t kKeptDigits = 800;

class PointReader {
public:
    explicit PointReader(QStringView text) : m_text(text) {}

    double read() {
        bool negative = false;
        if (skipToNext() && (current() == u'+' || current() == u'-')) {
            negative = current() == u'-';
            ++m_pos;
        }
        // The significant digits as an integer and its power of ten. Beyond the digits a
        // double can ever need, the rest only counts: their places, and whether any is non-zero,
        // so that a line of millions of digits reads in one pass and rounds the same.
        bool point = false;
        bool anyDigit = false;
        bool sticky = false;
        int power = 0;
        while (skipToNext()) {
            const QChar c = current();
            if (isDigit(c)) {
                anyDigit = true;
                const char digit = char(c.unicode());
                if (m_digits.empty() && digit == '0') {
                    power -= point ? 1 : 0;
                } else if (m_digits.size() < kKeptDigits) {
                    m_digits.push_back(digit);
                    power -= point ? 1 : 0;
                } else {
                    power += point ? 0 : 1;
                    sticky = sticky || digit != '0';
                }
            } else if (c == u'.' && !point) {
                point = true;
            } else {
                break;
            }
            ++m_pos;
        }
        if (!anyDigit) {
            return 0.0;
        }
        const int exponent = readExponent();
        if (m_digits.empty()) {
            return 0.0;
        }
        if (sticky) {
            m_digits.push_back('1');
            --power;
        }
        const int scale = power + exponent;
        std::string number = negative ? "-" : "";
        number += m_digits;
        number += 'e';
        number += std::to_string(scale);
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc::result_out_of_range) {
            // Beyond the double range: infinity for a huge value (a later conversion then
            // reports the overflow), zero for a tiny one.
            const int leadingPlace = static_cast<int>(m_digits.size()) - 1 + scale;
            value = leadingPlace >= 0 ? HUGE_VAL : 0.0;
            if (negative) {
                value = -value;
            }
        }
        return value == 0 ? 0.0 : value;
    }

private:
    bool skipToNext() {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos])) {
            ++m_pos;
        }
        return m_pos < m_text.size();
    }

    QChar current() const { return m_text[m_pos]; }

    // "E" or "D", an optional sign, digits; without digits there is no exponent.
    int readExponent() {
        if (!skipToNext()) {
            return 0;
        }
        const QChar c = current();
        if (c != u'E' && c != u'e' && c != u'D' && c != u'd') {
            return 0;
        }
        ++m_pos;
        bool negative = false;
        if (skipToNext() && (current() == u'+' || current() == u'-')) {
            negative = current() == u'-';
            ++m_pos;
        }
        int value = 0;
        while (skipToNext() && isDigit(current())) {
            value = exponentWithDigit(value, current().unicode() - u'0');
            ++m_pos;
        }
        return negative ? -value : value;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    std::string m_digits;
};

}  // namespace

double readPoint(QStringView text) {
    return PointReader(text).read();
}

}  // namespace tallimer
