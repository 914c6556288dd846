// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// DriveControl's current entry: the keys that move it and open it, and what a screen reader
// hears of it.
#include <QAccessible>
#include <QDir>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

#include "controls/drive_control.h"
#include "controls/input_codes.h"
#include "controls/screen_reader_notice.h"
#include "controls/vyn_vertical_scroll.h"

namespace tallimer {

bool DriveControl::currentByKey(const QKeyEvent& event) {
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        m_entries.last() < 1) {
        return false;
    }
    const int page = std::max(m_RowsVisible, 1);
    switch (event.key()) {
        case Qt::Key_Up:
            setCurrent(m_current - 1);
            return true;
        case Qt::Key_Down:
            setCurrent(m_current + 1);
            return true;
        case Qt::Key_PageUp:
            moveByKey(kKeyPageUp);  // a page up, the current entry with it
            setCurrent(m_current - page);
            return true;
        case Qt::Key_PageDown:
            moveByKey(kKeyPageDown);
            setCurrent(m_current + page);
            return true;
        case Qt::Key_Home:
            setCurrent(1);
            return true;
        case Qt::Key_End:
            setCurrent(m_entries.last());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressCurrent(true);
            return true;
        case Qt::Key_Space:
            pressCurrent(false);
            return true;
        case Qt::Key_Backspace: {
            const auto up = std::find_if(
                m_entries.rows.begin(), m_entries.rows.end(), [](const DriveEntry& entry) {
                    return entry.type == kEntryFolder && entry.name == QStringLiteral("..");
                });
            if (up != m_entries.rows.end()) {
                pressEntry(static_cast<int>(up - m_entries.rows.begin()));
            }
            return true;
        }
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace()) {
        const int found = nextStartingWith(text.at(0));
        if (found > 0) {
            setCurrent(found);
        }
        return true;
    }
    return false;
}

int DriveControl::nextStartingWith(QChar letter) const {
    const int count = m_entries.last();
    for (int step = 1; step <= count; ++step) {
        const int index = (std::max(m_current, 0) + step - 1) % count + 1;
        const QString& name = m_entries.rows[static_cast<std::size_t>(index)].name;
        if (name.startsWith(letter, Qt::CaseInsensitive)) {
            return index;
        }
    }
    return 0;
}

void DriveControl::setCurrent(int index) {
    const int last = m_entries.last();
    if (last < 1) {
        m_current = -1;
        return;
    }
    index = std::clamp(index, 1, last);
    const bool moved = index != m_current;
    m_current = index;
    // Whole rows only: the row cut by the bottom edge is not in view.
    const int top = m_sFiles->Value();
    const int rows = std::max(m_RowsVisible, 1);
    if (index < top) {
        m_sFiles->setValue(index);
    } else if (index > top + rows - 1 && !m_sFiles->isHidden()) {
        m_sFiles->setValue(index - rows + 1);
    } else {
        sFiles_Change();
    }
    if (moved) {
        tellCurrent(false);
    }
}

void DriveControl::pressCurrent(bool confirm) {
    if (m_current < 1 || m_current > m_entries.last()) {
        return;
    }
    const std::int32_t code = m_entries.rows[static_cast<std::size_t>(m_current)].type;
    const bool file = code == kEntryFile || code == kEntryReadOnlyFile;
    if (!file && !confirm) {
        return;  // Space chooses files only
    }
    const QPointer<DriveControl> self(this);
    pressEntry(m_current);
    if (file && confirm && !self.isNull()) {
        emit DblClick();
    }
}

void DriveControl::tellCurrent(bool folderToo) {
    if (!QAccessible::isActive() || !hasFocus()) {
        return;
    }
    if (folderToo) {
        if (m_notice == nullptr) {
            m_notice = new ScreenReaderNotice(*this);
        }
        const QString name = QDir(m_folder).dirName();
        m_notice->say(name.isEmpty() ? m_folder : name);
    }
    if (m_current >= 1) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(m_current - 1);  // the list's children start with entry 1
        QAccessible::updateAccessibility(&event);
    }
}

void DriveControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    sFiles_Change();
    // After the list's own focus, which is told once this event has been handled.
    QMetaObject::invokeMethod(
        this, [this] { tellCurrent(false); }, Qt::QueuedConnection);
}

void DriveControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    sFiles_Change();
}

}  // namespace tallimer
