#pragma once

#include <QString>

#include "engine/tape.h"
#include "platform/regional.h"

namespace tallimer {

// The total box texts of the three statistics ("Average : ...", "Mean : ...", "Mode : ...").
QString averageText(const Tape& tape, const RegionalSettings& settings);
QString meanText(const Tape& tape, const RegionalSettings& settings);
QString modeText(const Tape& tape, const RegionalSettings& settings);

}  // namespace tallimer
