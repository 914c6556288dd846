// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "platform/regional.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"
#include "window/row_key_filter.h"

namespace tallimer {

// Processes events until `done` holds or the time runs out; the offscreen platform confirms
// window geometry asynchronously.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline RegionalSettings englishSettings() {
    RegionalSettings settings;
    settings.decimalSymbol = u'.';
    settings.groupSymbol = u',';
    return settings;
}

// A shown and active main window at its designed size, pinned to English number rules.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(englishSettings()); }

    void open(const RegionalSettings& settings) {
        window = std::make_unique<Rolling_Caculator>(settings);
        window->move(100, 50);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }

    void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    // A row as the user has it; one not made yet is made, with all the others.
    const RowParts& rowsWith(int r) const {
        const auto made = static_cast<int>(window->parts().rows.CalAmount.size());
        return r < made ? window->parts().rows : window->partsAllRowsMade().rows;
    }
    EntryRow* row(int r) const { return rowsWith(r).CalAmount.at(static_cast<std::size_t>(r)); }
    SuperButton* op(int r) const { return rowsWith(r).Op.at(static_cast<std::size_t>(r)); }
    SuperButton* key(int index) const {
        return window->parts().keypad.CalC_Button.at(static_cast<std::size_t>(index));
    }
    QString total() const { return window->totalText(); }
    int focusedRow() const {
        auto* focused = qobject_cast<EntryRow*>(QApplication::focusWidget());
        return focused != nullptr ? focused->index() : -1;
    }
    // Types into whichever row has the focus, as a keyboard does.
    void type(const QString& keys) {
        for (QChar c : keys) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::keyClick(target, c.toLatin1());
        }
    }
    void press(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    std::unique_ptr<Rolling_Caculator> window;
};

}  // namespace tallimer
