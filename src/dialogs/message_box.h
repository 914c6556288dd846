// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace tallimer {

// How the window tells the user something: the real one is a modal box, tests read the text.
using MessageFunction = std::function<void(const QString& text)>;

// The program's message box: title "Tallimer Calculator", one OK button, no icon.
void showMessageBox(QWidget* parent, const QString& text);

}  // namespace tallimer
