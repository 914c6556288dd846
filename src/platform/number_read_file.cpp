// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QVarLengthArray>

#include <algorithm>

#include "platform/number_grammar.h"
#include "platform/number_read_plain.h"
#include "platform/number_reader.h"

// The entry for values of a calculation file, and the symbols they are written with.
namespace tallimer {

namespace {

// A value's text as UTF-16, without allocating per line.
class Widened {
public:
    explicit Widened(QByteArrayView latin1) : m_text(latin1.size()) {
        std::transform(latin1.begin(), latin1.end(), m_text.begin(),
                       [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
    }
    QStringView view() const { return {m_text.data(), m_text.size()}; }

private:
    QVarLengthArray<char16_t, 128> m_text;
};

// The program writes no grouping, so a lone "." or ",", with no other separator, is the
// decimal point whatever the settings the file was saved under: a file opens with the same
// numbers in every locale.
Convention fileConvention(QByteArrayView text, const RegionalSettings& settings) {
    const qsizetype points = text.count('.');
    const qsizetype commas = text.count(',');
    const QChar group = settings.groupSymbol;
    const bool otherGroup = group != u'.' && group != u',' && group.unicode() <= 0xFF &&
                            text.contains(static_cast<char>(group.unicode()));
    if (points + commas != 1 || otherGroup) {
        return {settings.decimalSymbol, group};
    }
    return {points == 1 ? u'.' : u',', points == 1 ? u',' : u'.'};
}

}  // namespace

ReadStatus readFileValue(QByteArrayView latin1, const RegionalSettings& settings, Decimal& out) {
    const Convention convention = fileConvention(latin1, settings);
    if (readPlainNumber(latin1, convention.decimal, out)) {
        return ReadStatus::Ok;
    }
    return readNumber(Widened(latin1).view(), convention, out);
}

RegionalSettings fileSettings(const RegionalSettings& settings) {
    RegionalSettings written = settings;
    if (written.decimalSymbol.unicode() > 0x7F) {
        written.decimalSymbol = u'.';
    }
    return written;
}

}  // namespace tallimer
