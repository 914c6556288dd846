// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <cmath>

#include "fuzz_entries.h"
#include "fuzz_input.h"
#include "platform/decimal.h"
#include "platform/number_reader.h"
#include "platform/number_text.h"

// A text as the rows, the clipboard and the files hand it over, read every way a number comes
// in. A value read back from the text a row, a copy or a file shows of it is the value shown.
namespace tallimer::fuzz {

namespace {

const Decimal kUntouched = Decimal::fromInt(-7);

// A failed reading leaves its output alone; a good one is in range.
bool wellRead(ReadStatus status, const Decimal& value) {
    if (status != ReadStatus::Ok) {
        return value.scale() == kUntouched.scale() && value == kUntouched;
    }
    return value.scale() <= Decimal::kMaxScale;
}

}  // namespace

int numberReadingEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const RegionalSettings& settings = settingsFor(input.byte());
    const auto* rest = reinterpret_cast<const char*>(input.rest());
    const auto length = static_cast<qsizetype>(input.remaining());
    const QString text = QString::fromUtf8(rest, length);

    FUZZ_ASSERT(!std::isnan(readPoint(text)));

    Decimal pasted = kUntouched;
    const ReadStatus pastedStatus = readPasted(text, settings, pasted);
    FUZZ_ASSERT(wellRead(pastedStatus, pasted));
    if (pastedStatus == ReadStatus::Ok) {
        // A row shows a pasted number in its plain text, which reads as the same number.
        Decimal back;
        FUZZ_ASSERT(readTyped(plainText(pasted, settings), settings, back) == ReadStatus::Ok &&
                    back == pasted);
    }

    Decimal filed = kUntouched;
    const ReadStatus fileStatus = readFileValue(QByteArrayView(rest, length), settings, filed);
    FUZZ_ASSERT(wellRead(fileStatus, filed));
    if (fileStatus == ReadStatus::Ok) {
        Decimal back;
        const QByteArray written = plainText(filed, fileSettings(settings)).toLatin1();
        FUZZ_ASSERT(readFileValue(written, settings, back) == ReadStatus::Ok && back == filed);
    }

    Decimal value = kUntouched;
    const ReadStatus status = readTyped(text, settings, value);
    FUZZ_ASSERT(wellRead(status, value));
    if (status != ReadStatus::Ok) {
        return 0;
    }
    Decimal back;
    FUZZ_ASSERT(readTyped(plainText(value, settings), settings, back) == ReadStatus::Ok);
    FUZZ_ASSERT(back == value);
    // The same text in Arabic-Indic, Persian, Devanagari or full-width digits reads the same.
    QString script = text;
    for (QChar& c : script) {
        c = c >= u'0' && c <= u'9'
                ? QChar(u"\u0660\u06F0\u0966\uFF10"[size % 4] + c.unicode() - u'0')
                : c;
    }
    FUZZ_ASSERT(readTyped(script, settings, back) == ReadStatus::Ok && back == value);

    for (int places = 0; places <= 6; ++places) {
        const QString shown = formatNumber(value, places, settings);
        Decimal read;
        FUZZ_ASSERT(readTyped(shown, settings, read) == ReadStatus::Ok);
        FUZZ_ASSERT(read == shownValue(value, places));
        FUZZ_ASSERT(formatNumber(read, places, settings) == shown);
    }
    return 0;
}

}  // namespace tallimer::fuzz
