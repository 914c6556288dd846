#pragma once

#include <cstdint>
#include <random>

#include "engine/tape.h"
#include "platform/decimal.h"

namespace tallimer::bench {

// A tape of `lines` random lines as a user would type them: mostly additions and
// subtractions, some multiplications and divisions, values of 0 to 4 decimals with repeats,
// and (unless `blanks` is false) a few lines never given a value.
inline Tape randomTape(int lines, bool blanks = true, std::uint64_t seed = 42) {
    std::mt19937_64 random(seed);
    Tape tape;
    for (int i = 0; i < lines; ++i) {
        const unsigned pick = random() % 100;
        const char16_t op = pick < 60 ? u'+' : pick < 90 ? u'-' : pick < 95 ? u'x' : u'/';
        tape.TapeOps.push_back(QChar(op));
        if (blanks && random() % 50 == 0) {
            tape.TapeNumbers.emplace_back();
            continue;
        }
        const int scale = static_cast<int>(random() % 5);
        const uint128 magnitude = random() % 2000000;
        tape.TapeNumbers.emplace_back(*Decimal::fromParts(magnitude, scale, random() % 10 == 0));
    }
    return tape;
}

constexpr int kBenchLines = 32768;

}  // namespace tallimer::bench
