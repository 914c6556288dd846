// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <cmath>

#include "fuzz_entries.h"
#include "fuzz_input.h"
#include "platform/decimal.h"
#include "platform/number_text.h"

// A text as the rows, the files and the clipboard hand it over, read by the locale reading and
// by the point reading. A value read back from its own plain text or formatted text (group
// symbols removed, as the rows store it) is the value shown.
namespace tallimer::fuzz {

int numberReadingEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const RegionalSettings& settings = settingsFor(input.byte());
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(input.rest()),
                                           static_cast<qsizetype>(input.remaining()));

    const double point = readPoint(text);
    FUZZ_ASSERT(!std::isnan(point));

    const Decimal untouched = Decimal::fromInt(-7);
    Decimal value = untouched;
    const ReadStatus status = readLocale(text, settings, value);
    if (status != ReadStatus::Ok) {
        FUZZ_ASSERT(value.scale() == untouched.scale() && value == untouched);
        return 0;
    }
    FUZZ_ASSERT(value.scale() <= Decimal::kMaxScale);

    Decimal back;
    FUZZ_ASSERT(readLocale(plainText(value, settings), settings, back) == ReadStatus::Ok);
    FUZZ_ASSERT(back == value);
    // The same text in Arabic-Indic, Persian, Devanagari or full-width digits reads the same.
    QString script = text;
    for (QChar& c : script) {
        c = c >= u'0' && c <= u'9'
                ? QChar(u"\u0660\u06F0\u0966\uFF10"[size % 4] + c.unicode() - u'0')
                : c;
    }
    FUZZ_ASSERT(readLocale(script, settings, back) == ReadStatus::Ok && back == value);

    for (int places = 0; places <= 6; ++places) {
        const QString shown = formatNumber(value, places, settings);
        QString stored = shown;
        stored.remove(settings.groupSymbol);
        Decimal read;
        FUZZ_ASSERT(readLocale(stored, settings, read) == ReadStatus::Ok);
        FUZZ_ASSERT(read == value.roundedAwayFromZero(places));
        FUZZ_ASSERT(formatNumber(read, places, settings) == shown);
    }
    return 0;
}

}  // namespace tallimer::fuzz
