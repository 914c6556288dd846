// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QString>
#include <QtGlobal>

#include "engine/print_layout.h"
#include "engine/tape.h"
#include "platform/regional.h"

class QFont;
class QPaintDevice;
class QPrinter;

namespace tallimer {

// The print fonts' text widths on `device`. A number's text is summed from the advances of its
// digits and signs, each measured once: with kerning off the fonts set those characters one
// after another. Any other text is measured whole.
TextWidth printTextWidth(const QFont& regular, const QFont& bold, const QPaintDevice* device);

// Prints the calculation on `printer` in its default font, laid out in twips, page after page,
// and ends the job. False when the job cannot be started or a page cannot be added, or when
// `send`, asked before anything is handed to the printer, says no.
bool printCalculation(QPrinter& printer, const Tape& tape, int decPlaces, const QString& totalText,
                      const RegionalSettings& settings, const std::function<bool()>& send = {});

}  // namespace tallimer
