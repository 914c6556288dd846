// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_read_plain.h"

#include <cstdint>

namespace tallimer {

bool readPlainNumber(QByteArrayView text, QChar decimalSymbol, Decimal& out) {
    constexpr int kMaxDigits = 19;  // always fits 64 bits
    if (decimalSymbol.unicode() > 0xFF || decimalSymbol.isDigit()) {
        return false;
    }
    const char point = static_cast<char>(decimalSymbol.unicode());
    qsizetype pos = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    pos += negative ? 1 : 0;
    std::uint64_t magnitude = 0;
    int digits = 0;
    int scale = 0;
    bool fraction = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (++digits > kMaxDigits) {
                return false;
            }
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
            scale += fraction ? 1 : 0;
        } else if (c == point && !fraction && digits > 0) {
            fraction = true;
        } else {
            return false;
        }
    }
    if (magnitude == 0 || (fraction && scale == 0)) {
        return false;
    }
    // Trailing zeros of the fraction are dropped, as the regional reading does.
    while (scale > 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        --scale;
    }
    out = *Decimal::fromParts(magnitude, scale, negative);
    return true;
}

}  // namespace tallimer
