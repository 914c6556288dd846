// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "platform/decimal.h"

// A slow, plainly written model of the 96-bit decimal type for checking the fast one: numbers
// are strings of decimal digits and every rule is applied to the exact value by brute force.
namespace tallimer::reference {

// Non-negative integer as decimal digits, most significant first, no leading zeros ("0").
using Digits = std::string;

Digits fromUInt128(uint128 value);
int compare(const Digits& a, const Digits& b);
Digits add(const Digits& a, const Digits& b);
Digits subtract(const Digits& a, const Digits& b);  // a >= b
Digits multiply(const Digits& a, const Digits& b);
Digits shiftUp(const Digits& a, int places);  // a * 10^places
// a / b and a % b by schoolbook long division; b non-zero.
void divide(const Digits& a, const Digits& b, Digits& quotient, Digits& remainder);

struct Value {
    bool negative = false;
    Digits magnitude = "0";
    int scale = 0;
};

Value fromDecimal(const Decimal& d);
// "-12.50": every digit of the scale kept; zero without a sign.
std::string text(const Value& v);
// The same value without trailing fractional zeros (zero at scale 0).
Value normalized(Value v);
// Rounded half away from zero to at most `places` decimals (a shorter scale is kept).
Value roundedAwayFromZero(Value v, int places);

// nullopt: overflow (division by zero is not modelled here).
std::optional<Value> add(const Value& a, const Value& b);
std::optional<Value> subtract(const Value& a, const Value& b);
std::optional<Value> multiply(const Value& a, const Value& b);
std::optional<Value> divide(const Value& a, const Value& b);

}  // namespace tallimer::reference
