// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse and keyboard handling of DriveControl.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "controls/drive_control.h"
#include "controls/input_codes.h"
#include "controls/key_signals.h"
#include "controls/vyn_vertical_scroll.h"

namespace tallimer {

namespace {

struct MouseArgs {
    std::int16_t button;
    std::int16_t shift;
    float x;
    float y;
};

MouseArgs argsOf(const QMouseEvent& event, Qt::MouseButtons buttons, double twipsPerPixel) {
    return {buttonOf(buttons), shiftOf(event.modifiers()),
            static_cast<float>(event.position().x() * twipsPerPixel),
            static_cast<float>(event.position().y() * twipsPerPixel)};
}

}  // namespace

QString DriveControl::inFolder(const QString& name) const {
    return m_folder == QStringLiteral("/") ? m_folder + name : m_folder + u'/' + name;
}

void DriveControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    MouseArgs a = argsOf(*event, event->button(), twipsPerPixel());
    const QPointer<DriveControl> self(this);
    emit MouseDown(a.button, a.shift, a.x, a.y);
    if (!self.isNull()) {
        paintFeedback(a.x, a.y, true);
    }
}

void DriveControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    MouseArgs a = argsOf(*event, event->buttons(), twipsPerPixel());
    const QPointer<DriveControl> self(this);
    emit MouseMove(a.button, a.shift, a.x, a.y);
    if (!self.isNull()) {
        paintFeedback(a.x, a.y, false);
    }
}

void DriveControl::leaveEvent(QEvent* /*event*/) {
    // The pointer has gone: no row stays lit.
    paintFeedback(-1.0f, -1.0f, false);
}

void DriveControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    MouseArgs a = argsOf(*event, event->button(), twipsPerPixel());
    // The release that ends a double click is no second click: the first may have listed
    // another folder, whose entry under the pointer the user never chose.
    const bool click = !m_DoubleClicked;
    m_DoubleClicked = false;
    if (!click || clickAt(a.y)) {
        emit MouseUp(a.button, a.shift, a.x, a.y);
    }
}

void DriveControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click raises DblClick alone.
    event->accept();
    m_DoubleClicked = true;
    emit DblClick();
}

bool DriveControl::clickAt(float y) {
    const double height = this->height() * twipsPerPixel();
    int band = -1;
    for (std::int64_t top = 0; m_RowHeight > 0 && top <= height; top += m_RowHeight) {
        if (top < y && y < top + m_RowHeight) {
            band = static_cast<int>(top / m_RowHeight);
            break;
        }
    }
    if (band < 0) {
        return true;  // between or beyond the bands: MouseUp all the same
    }
    const int index = band + m_sFiles->Value();
    if (index > m_entries.last()) {
        m_SelectedEntry = index;
        return false;
    }
    chooseEntry(index);
    return true;
}

void DriveControl::pressEntry(int index) {
    if (index < 1 || index > m_entries.last()) {
        return;
    }
    const QRect row = entryRect(index);
    const double tpp = twipsPerPixel();
    MouseArgs a{1, 0, static_cast<float>(row.center().x() * tpp),
                static_cast<float>(row.center().y() * tpp)};
    chooseEntry(index);
    emit MouseUp(a.button, a.shift, a.x, a.y);
}

void DriveControl::chooseEntry(int index) {
    m_SelectedEntry = index;
    m_current = index;
    announce(QAccessible::Selection, index);
    if (hasFocus()) {
        announce(QAccessible::Focus, index);
    }
    openEntry(index);
    sFiles_Change();
}

void DriveControl::openEntry(int index) {
    const auto at = static_cast<std::size_t>(index);
    // Listing replaces the entries: take what is needed first.
    const DriveEntry entry = m_entries.rows[at];
    const QString& name = entry.name;
    const QString& path = entry.path;
    const std::int32_t code = entry.type;
    m_DrivePathFile = name;
    m_entered = code != kEntryFile && code != kEntryReadOnlyFile;
    if (code == kEntryFolder) {
        m_DrivePathFile = inFolder(name);
        m_SelectPath = m_DrivePathFile;
        QString folder = m_SelectPath;
        GetDir(folder);
    } else if (code == kEntryHome) {
        QString folder = path + u'/';
        GetDir(folder);
    } else if (code > kEntryDriveBase) {
        QString root = path;
        GetDir(root);
    } else if (code == kEntryFile || code == kEntryReadOnlyFile) {
        m_FileName = name;
        m_DrivePathFile = inFolder(name);
    }
}

bool DriveControl::moveByKey(std::int16_t keyCode) {
    const std::int32_t now = m_sFiles->m_Value;
    switch (keyCode) {
        case kKeyPageUp:
            m_sFiles->setValue(now - m_RowsVisible);
            return true;
        case kKeyPageDown:
            m_sFiles->setValue(now + m_RowsVisible);
            return true;
        case kKeyUp:
            m_sFiles->setValue(now - 1);
            return true;
        case kKeyDown:
            m_sFiles->setValue(now + 1);
            return true;
        default:
            return false;
    }
}

void DriveControl::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const QPointer<DriveControl> self(this);
    currentByKey(*event);
    if (self.isNull()) {
        return;
    }
    raiseKeySignal(*this, &DriveControl::KeyDown, *event);
    for (const QChar character : event->text()) {
        const auto ascii = keyAsciiOf(character);
        if (self.isNull()) {
            return;
        }
        if (ascii) {
            std::int16_t keyAscii = *ascii;
            emit KeyPress(keyAscii);
        }
    }
    if (!self.isNull() && event->key() == Qt::Key_Escape) {
        event->ignore();  // the dialog's Cancel, wherever the focus is
    }
}

void DriveControl::keyReleaseEvent(QKeyEvent* event) {
    raiseKeyUp(*this, *event);
}

}  // namespace tallimer
