// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <cstdint>

#include "platform/decimal.h"
#include "platform/regional.h"

// The one place where text becomes a number, with an entry for each way a number comes in.
// They share one grammar: blanks around the number; one sign, leading or trailing, or
// parentheses for a negative value; digits of any script; "\u066B" a decimal and "\u066C" a
// group symbol under every setting; an exponent ("1E3", "2.5e-2"); trailing zeros dropped. A
// text is the one number it can be or no number (Invalid), never another; `out` is written
// only on Ok. Every entry takes time linear in the text.
namespace tallimer {

enum class ReadStatus : std::uint8_t { Ok, Overflow, Invalid };

// A row's text as the user typed it, in the user's convention: group symbols before the
// decimal symbol are dropped, none may follow it.
ReadStatus readTyped(QStringView text, const RegionalSettings& settings, Decimal& out);

// Text from outside (a paste into a row or onto the tape): in the user's convention with group
// symbols only between groups of three digits (or the user's own group sizes) and at most one
// decimal symbol; failing that, by the same rule in the other convention ("." and "," swapped;
// "." the decimal symbol when the user's is neither); failing that, no number.
ReadStatus readPasted(QStringView text, const RegionalSettings& settings, Decimal& out);

// A value of a calculation file (single-byte text). Files hold no grouping, so a lone "." or
// "," is the decimal point whatever the settings; any other value is read with the user's
// symbols, group symbols after its first digit.
ReadStatus readFileValue(QByteArrayView latin1, const RegionalSettings& settings, Decimal& out);

// The settings values are written to a file with: the user's, with "." for a decimal symbol a
// single-byte file cannot hold.
RegionalSettings fileSettings(const RegionalSettings& settings);

// The amount of a pasted record: the longest leading part of the text that forms a number with
// "." as the decimal point and an optional sign, blanks, tabs and line feeds skipped wherever
// they occur; no such part reads as 0.
double readPoint(QStringView text);

// The character a typed one stands for: a digit of any script is its ASCII digit; "\u066B",
// and a "." or "," the user's settings give no meaning, is the decimal symbol ("." on a French
// numpad, an Arabic keyboard's "." and ","); "\u066C" is the group symbol; the numpad's
// decimal key types the decimal symbol whatever it sends. Other codes come back unchanged.
int typedCharacter(int c, bool numpadDecimalKey, const RegionalSettings& settings);

// Whether a row may hold `text`: at most one decimal symbol and no group symbol after it, so
// the row never shows a text that reads as another number than the one stored.
bool isTypedTextAllowed(QStringView text, const RegionalSettings& settings);

}  // namespace tallimer
