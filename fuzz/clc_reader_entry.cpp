// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>

#include "engine/tape.h"
#include "files/clc_format.h"
#include "files/clc_reader.h"
#include "fuzz_entries.h"
#include "fuzz_input.h"

// The bytes of a calculation file: read whole, and again through pieces of a size the input
// chooses; both readings agree, and what was read writes and reads back unchanged.
namespace tallimer::fuzz {

namespace {

bool sameTape(const Tape& a, const Tape& b, const RegionalSettings& settings) {
    if (a.size() != b.size() || a.TapeOps.size() != b.TapeOps.size()) {
        return false;
    }
    for (int i = 0; i < a.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        // A line without an operator is written with a blank in its place.
        const QChar opA = a.TapeOps[at].isNull() ? QChar(u' ') : a.TapeOps[at];
        const QChar opB = b.TapeOps[at].isNull() ? QChar(u' ') : b.TapeOps[at];
        if (opA != opB || !(a.TapeNumbers[at] == b.TapeNumbers[at]) ||
            a.TapeNumbers[at].plainText(settings) != b.TapeNumbers[at].plainText(settings)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int clcReaderEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const RegionalSettings& settings = settingsFor(input.byte());
    const qsizetype piece = 1 + input.byte();
    const QByteArray bytes(reinterpret_cast<const char*>(input.rest()),
                           static_cast<qsizetype>(input.remaining()));

    Tape whole;
    ClcError error;
    const bool read = readClc(bytes, settings, whole, &error);

    ClcReader reader(settings);
    bool fed = true;
    for (qsizetype at = 0; fed && at < bytes.size(); at += piece) {
        fed = reader.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
    }
    Tape pieces;
    FUZZ_ASSERT((fed && reader.finish(pieces)) == read);
    if (!read) {
        FUZZ_ASSERT(reader.error().line == error.line && reader.error().reason == error.reason);
        FUZZ_ASSERT(whole.size() == 0);
        return 0;
    }
    FUZZ_ASSERT(whole.size() >= 1 && whole.size() <= kMaxTapeLines);
    FUZZ_ASSERT(whole.TapeOps.size() == whole.TapeNumbers.size());
    FUZZ_ASSERT(sameTape(whole, pieces, settings));

    Tape again;
    FUZZ_ASSERT(readClc(writeClc(whole, settings), settings, again, nullptr));
    FUZZ_ASSERT(sameTape(whole, again, settings));
    return 0;
}

}  // namespace tallimer::fuzz
