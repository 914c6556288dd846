// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <algorithm>

#include "engine/clipboard_text.h"
#include "engine/tape.h"
#include "fuzz_entries.h"
#include "fuzz_input.h"

// A clipboard text pasted onto a cleared tape, as a column or, with "DE" after it, as records.
// The tape fits the view, never exceeds its limit, and a column copied and pasted again gives
// the same values.
namespace tallimer::fuzz {

int pasteEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const RegionalSettings& settings = settingsFor(input.byte());
    const int lastRow = input.upTo(80);
    const int cleared = lastRow + 1 + input.upTo(40);
    const bool records = input.byte() % 2 == 0;
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(input.rest()),
                                     static_cast<qsizetype>(input.remaining()));
    if (records) {
        text += QStringLiteral("\r\nDE");
    }
    // The text itself may end in the marker too.
    const bool recordLayout = isRecordList(text);

    const PastedTape pasted = pasteTape(text, settings, lastRow, cleared);
    const Tape& tape = pasted.tape;
    FUZZ_ASSERT(tape.TapeOps.size() == tape.TapeNumbers.size());
    FUZZ_ASSERT(tape.size() >= lastRow + 1 && tape.size() <= kMaxTapeLines);
    // Beyond the view the tape ends at the last line read; otherwise it keeps its length.
    FUZZ_ASSERT(pasted.valueMax >= 0);
    FUZZ_ASSERT(tape.size() == (pasted.valueMax > 0 ? pasted.valueMax + lastRow + 1 : cleared));
    FUZZ_ASSERT(pasted.lostLines >= 0);
    for (const QChar op : tape.TapeOps) {
        FUZZ_ASSERT(op == u'+' || (recordLayout && op == u'-'));
    }
    if (recordLayout) {
        return 0;
    }
    const PastedTape again = pasteTape(copyText(tape, settings), settings, lastRow, cleared);
    FUZZ_ASSERT(again.tape.size() == tape.size() && again.lostLines == 0);
    for (int i = 0; i < tape.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        FUZZ_ASSERT(again.tape.TapeNumbers[at] == tape.TapeNumbers[at]);
    }
    return 0;
}

}  // namespace tallimer::fuzz
