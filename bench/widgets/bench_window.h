// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

namespace tallimer::bench {

// Shows the window and waits (at most 2 s) until it is active, as a user's window would be
// before the first key.
inline void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window.isActiveWindow() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents();
    }
}

}  // namespace tallimer::bench
