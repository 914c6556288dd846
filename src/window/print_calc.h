#pragma once

#include <QString>

#include "engine/tape.h"
#include "platform/regional.h"

class QPrinter;

namespace tallimer {

// Prints the calculation on `printer` in its default font, laid out in twips, page after page,
// and ends the job. False when the job cannot be started or a page cannot be added.
bool printCalculation(QPrinter& printer, const Tape& tape, int decPlaces, const QString& totalText,
                      const RegionalSettings& settings);

}  // namespace tallimer
