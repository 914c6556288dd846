#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "platform/decimal_internal.h"
#include "platform/number_text.h"

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

class PointReader {
public:
    explicit PointReader(QStringView text) : m_text(text) {}

    double read() {
        if (skipToNext() && (current() == u'+' || current() == u'-')) {
            if (current() == u'-') {
                m_number.push_back('-');
            }
            ++m_pos;
        }
        bool point = false;
        int integerDigits = 0;  // significant ones, for the out-of-range case
        int leadingFractionZeros = 0;
        bool nonZeroSeen = false;
        int digits = 0;
        while (skipToNext()) {
            const QChar c = current();
            if (isDigit(c)) {
                m_number.push_back(char(c.unicode()));
                ++digits;
                nonZeroSeen = nonZeroSeen || c != u'0';
                if (!point && nonZeroSeen) {
                    ++integerDigits;
                } else if (point && !nonZeroSeen) {
                    ++leadingFractionZeros;
                }
            } else if (c == u'.' && !point) {
                m_number.push_back('.');
                point = true;
            } else {
                break;
            }
            ++m_pos;
        }
        if (digits == 0) {
            return 0.0;
        }
        const int exponent = readExponent();
        if (exponent != 0) {
            m_number.push_back('e');
            m_number.append(std::to_string(exponent));
        }
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(m_number.data(), m_number.data() + m_number.size(), value);
        if (error == std::errc::result_out_of_range) {
            // Beyond the double range: infinity for a huge value (a later conversion then
            // reports the overflow), zero for a tiny one.
            const int magnitude =
                integerDigits > 0 ? integerDigits + exponent : exponent - leadingFractionZeros;
            value = magnitude > 0 ? HUGE_VAL : 0.0;
            if (m_number.front() == '-') {
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
    std::string m_number;
};

}  // namespace

double readPoint(QStringView text) {
    return PointReader(text).read();
}

}  // namespace tallimer
