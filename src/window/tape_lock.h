// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QObject>

class QAction;
class QWidget;

namespace tallimer {

// While a file is being opened the tape takes no edits, which the file would replace without a
// word: keys and clicks on the client area's controls are held back, and the menu commands that
// change the tape are greyed. The menus, the scroll bar, the keys that move through the tape and
// closing the window still answer.
class TapeLock : public QObject {
public:
    TapeLock(QWidget& client, QWidget& scrollBar, std::vector<QAction*> edits, QObject* parent);

    void setLocked(bool locked);
    bool locked() const { return m_locked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_client;
    QWidget& m_scrollBar;
    std::vector<QAction*> m_edits;
    bool m_locked = false;
};

}  // namespace tallimer
