// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decimal_reference.h"

#include <algorithm>
#include <vector>

namespace tallimer::reference {

namespace {

const Digits kMax = "79228162514264337593543950335";

Digits trimmed(Digits d) {
    const auto first = d.find_first_not_of('0');
    return first == Digits::npos ? "0" : d.substr(first);
}

bool isZero(const Digits& d) {
    return d == "0";
}

// Splits n into n / 10^k and n % 10^k (the remainder as exactly k digits).
void splitPow10(const Digits& n, int k, Digits& quotient, Digits& remainder) {
    Digits padded(std::size_t(k), '0');
    padded.append(n);
    quotient = trimmed(padded.substr(0, padded.size() - std::size_t(k)));
    remainder = padded.substr(padded.size() - std::size_t(k));
}

// Rounds n / 10^k half to even.
Digits roundHalfEven(const Digits& n, int k) {
    if (k == 0) {
        return n;
    }
    Digits q, r;
    splitPow10(n, k, q, r);
    Digits half(std::size_t(k), '0');
    half[0] = '5';
    const int c = compare(trimmed(r), trimmed(half));
    const bool odd = (q.back() - '0') % 2 == 1;
    if (c > 0 || (c == 0 && odd)) {
        q = add(q, "1");
    }
    return q;
}

// The exact n / 10^scale at the largest scale <= 28 whose half-even rounding fits.
std::optional<Value> fit(bool negative, const Digits& n, int scale) {
    for (int t = std::min(scale, 28); t >= 0; --t) {
        const Digits r = roundHalfEven(n, scale - t);
        if (compare(r, kMax) <= 0) {
            return Value{negative, r, t};
        }
    }
    return std::nullopt;
}

std::optional<Value> addSigned(const Value& a, const Value& b, bool bNegative) {
    const int scale = std::max(a.scale, b.scale);
    const Digits ma = shiftUp(a.magnitude, scale - a.scale);
    const Digits mb = shiftUp(b.magnitude, scale - b.scale);
    if (a.negative == bNegative) {
        return fit(a.negative, add(ma, mb), scale);
    }
    if (compare(ma, mb) >= 0) {
        return fit(a.negative, subtract(ma, mb), scale);
    }
    return fit(bNegative, subtract(mb, ma), scale);
}

}  // namespace

Digits fromUInt128(uint128 value) {
    Digits d;
    do {
        d.insert(d.begin(), char('0' + int(value % 10)));
        value /= 10;
    } while (value != 0);
    return d;
}

int compare(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a < b ? -1 : (a == b ? 0 : 1);
}

Digits add(const Digits& a, const Digits& b) {
    Digits r;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int s = carry;
        s += i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        s += i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        r.push_back(char('0' + s % 10));
        carry = s / 10;
    }
    std::reverse(r.begin(), r.end());
    return trimmed(r);
}

Digits subtract(const Digits& a, const Digits& b) {
    Digits r;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int s = a[a.size() - 1 - i] - '0' - borrow;
        s -= i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        borrow = s < 0 ? 1 : 0;
        r.push_back(char('0' + s + 10 * borrow));
    }
    std::reverse(r.begin(), r.end());
    return trimmed(r);
}

Digits multiply(const Digits& a, const Digits& b) {
    // Column sums of the digit products, least significant column first.
    std::vector<int> columns(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            columns[i + j] += (a[a.size() - 1 - i] - '0') * (b[b.size() - 1 - j] - '0');
        }
    }
    Digits r;
    int carry = 0;
    for (int column : columns) {
        const int s = column + carry;
        r.push_back(char('0' + s % 10));
        carry = s / 10;
    }
    std::reverse(r.begin(), r.end());
    return trimmed(r);
}

Digits shiftUp(const Digits& a, int places) {
    return isZero(a) ? a : a + Digits(std::size_t(places), '0');
}

void divide(const Digits& a, const Digits& b, Digits& quotient, Digits& remainder) {
    quotient.clear();
    remainder.assign(1, '0');
    for (char digit : a) {
        remainder = trimmed(remainder + digit);
        int count = 0;
        while (compare(remainder, b) >= 0) {
            remainder = subtract(remainder, b);
            ++count;
        }
        quotient += char('0' + count);
    }
    quotient = trimmed(quotient);
}

Value fromDecimal(const Decimal& d) {
    return Value{d.isNegative(), fromUInt128(d.magnitude()), d.scale()};
}

std::string text(const Value& v) {
    Digits padded = v.magnitude;
    if (padded.size() <= std::size_t(v.scale)) {
        padded.insert(0, std::size_t(v.scale) + 1 - padded.size(), '0');
    }
    std::string out = v.negative && !isZero(v.magnitude) ? "-" : "";
    out.append(padded, 0, padded.size() - std::size_t(v.scale));
    if (v.scale > 0) {
        out.push_back('.');
        out.append(padded, padded.size() - std::size_t(v.scale));
    }
    return out;
}

Value normalized(Value v) {
    if (isZero(v.magnitude)) {
        v.scale = 0;
    }
    while (v.scale > 0 && v.magnitude.back() == '0') {
        v.magnitude.pop_back();
        --v.scale;
    }
    return v;
}

Value roundedAwayFromZero(Value v, int places) {
    if (v.scale <= places) {
        return v;
    }
    const int k = v.scale - places;
    Digits q, r;
    splitPow10(v.magnitude, k, q, r);
    if (r[0] >= '5') {  // the dropped digits are at least one half
        q = add(q, "1");
    }
    return Value{v.negative, q, places};
}

std::optional<Value> add(const Value& a, const Value& b) {
    return addSigned(a, b, b.negative);
}

std::optional<Value> subtract(const Value& a, const Value& b) {
    return addSigned(a, b, !b.negative);
}

std::optional<Value> multiply(const Value& a, const Value& b) {
    return fit(a.negative != b.negative, multiply(a.magnitude, b.magnitude), a.scale + b.scale);
}

std::optional<Value> divide(const Value& a, const Value& b) {
    // a / b = num / den with both integers.
    const Digits num = shiftUp(a.magnitude, b.scale);
    const Digits den = shiftUp(b.magnitude, a.scale);
    const bool negative = a.negative != b.negative;
    // floor(x * 10^s) is floor(x * 10^28) without its last 28 - s digits.
    Digits q28, r;
    divide(shiftUp(num, 28), den, q28, r);
    int s = 28;
    for (; s >= 0; --s) {
        Digits q, unused;
        splitPow10(q28, 28 - s, q, unused);
        if (compare(q, kMax) <= 0) {
            break;
        }
    }
    if (s < 0) {
        return std::nullopt;
    }
    for (; s >= 0; --s) {
        Digits q;
        divide(shiftUp(num, s), den, q, r);
        const int c = compare(add(r, r), den);
        if (c > 0 || (c == 0 && (q.back() - '0') % 2 == 1)) {
            q = add(q, "1");
        }
        if (compare(q, kMax) <= 0) {
            return normalized(Value{negative, q, s});
        }
    }
    return std::nullopt;
}

}  // namespace tallimer::reference
