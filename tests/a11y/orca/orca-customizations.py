# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by Orca's settings manager at its first start: silent speech, words in the debug log.
import orca.debug as d, orca.settings as s
if d.debugFile:  # opened block-buffered; the harness reads it while Orca runs
    d.debugFile.reconfigure(line_buffering=True)
s.speechServerFactory = "nullspeech"
s.speechFactoryModules = ["nullspeech"]
s.enableBraille = False
s.enableSound = False
s.enableTutorialMessages = False
s.enableKeyEcho = False
