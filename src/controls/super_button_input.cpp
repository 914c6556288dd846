// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse, keyboard and focus handling of SuperButton.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "controls/input_codes.h"
#include "controls/key_signals.h"
#include "controls/super_button.h"

namespace tallimer {

void SuperButton::click() {
    if (!isEnabled()) {
        return;
    }
    // As a mouse press does, so that what the focus's departure does later still happens.
    if ((focusPolicy() & Qt::ClickFocus) != 0) {
        setFocus(Qt::MouseFocusReason);
    }
    emit Click();
}

void SuperButton::resizeEvent(QResizeEvent* /*event*/) {
    ButtonRender();
}

void SuperButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    drawPressedLook();
    std::int16_t button = buttonOf(event->button());
    std::int16_t shift = shiftOf(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    emit MouseDown(button, shift, x, y);
}

void SuperButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click raises DblClick in place of MouseDown.
    event->accept();
    m_DoubleClicked = true;
    emit DblClick();
}

void SuperButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() == Qt::NoButton && !m_Hover) {
        Timer1.start();
        m_Hover = true;
        drawLitLook();
    }
    std::int16_t button = buttonOf(event->buttons());
    std::int16_t shift = shiftOf(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    emit MouseMove(button, shift, x, y);
}

void SuperButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    // MouseUp needs the pointer strictly inside; a click only needs it over the button.
    const bool inside = 0 < x && x < width() && 0 < y && y < height();
    const bool over = 0 <= x && x < width() && 0 <= y && y < height();
    const bool click = over && !m_DoubleClicked;
    m_DoubleClicked = false;

    const QPointer<SuperButton> self(this);
    if (inside) {
        drawLitLook();
        std::int16_t button = buttonOf(event->button());
        std::int16_t shift = shiftOf(event->modifiers());
        emit MouseUp(button, shift, x, y);
        if (self.isNull()) {
            return;
        }
    }
    if (click) {
        this->click();
    }
}

void SuperButton::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const QString text = event->text();
    const QPointer<SuperButton> self(this);
    raiseKeySignal(*this, &SuperButton::KeyDown, *event);
    for (const QChar character : text) {
        const auto ascii = keyAsciiOf(character);
        if (self.isNull()) {
            return;
        }
        if (!ascii) {
            continue;
        }
        std::int16_t keyAscii = *ascii;
        emit KeyPress(keyAscii);
        if (self.isNull()) {
            return;
        }
        click();
    }
}

void SuperButton::keyReleaseEvent(QKeyEvent* event) {
    raiseKeyUp(*this, *event);
}

void SuperButton::focusInEvent(QFocusEvent* /*event*/) {
    if (!m_Hover) {
        drawLitLook();
    }
}

void SuperButton::focusOutEvent(QFocusEvent* /*event*/) {
    clearSurface();
}

}  // namespace tallimer
