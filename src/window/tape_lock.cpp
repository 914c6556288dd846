// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/tape_lock.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tallimer {

namespace {

bool movesThroughTape(const QEvent& event) {
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease) {
        return false;
    }
    switch (static_cast<const QKeyEvent&>(event).key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

bool edits(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
            return !movesThroughTape(event);
        default:
            return false;
    }
}

}  // namespace

TapeLock::TapeLock(QWidget& client, QWidget& scrollBar, std::vector<QAction*> edits,
                   QObject* parent)
    : QObject(parent), m_client(client), m_scrollBar(scrollBar), m_edits(std::move(edits)) {}

void TapeLock::setLocked(bool locked) {
    if (locked == m_locked) {
        return;
    }
    m_locked = locked;
    for (QAction* item : m_edits) {
        item->setEnabled(!locked);
    }
    // Rows are made as they come into sight, so the whole application is watched.
    if (locked) {
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool TapeLock::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || !edits(*event)) {
        return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    return m_client.isAncestorOf(widget) && widget != &m_scrollBar &&
           !m_scrollBar.isAncestorOf(widget);
}

}  // namespace tallimer
