// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse, timer and keyboard handling of VynVerticalScroll.
#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/input_codes.h"
#include "controls/key_signals.h"
#include "controls/scroll_geometry.h"
#include "controls/vyn_vertical_scroll.h"
#include "platform/rounding.h"

namespace tallimer {

using scroll::kArrowZone;
using scroll::kDragGrip;
using scroll::kDragTravelMargin;
using scroll::kReachAbove;
using scroll::kReachBelow;

void VynVerticalScroll::resizeEvent(QResizeEvent* /*event*/) {
    UserControl_Resize();
}

void VynVerticalScroll::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressAt(buttonOf(event->button()), static_cast<float>(event->position().y()));
}

void VynVerticalScroll::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    dragTo(event->buttons() != Qt::NoButton, static_cast<float>(event->position().y()));
}

void VynVerticalScroll::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    release();
}

void VynVerticalScroll::keyPressEvent(QKeyEvent* event) {
    event->accept();
    raiseKeySignal(*this, &VynVerticalScroll::KeyDown, *event);
}

void VynVerticalScroll::keyReleaseEvent(QKeyEvent* event) {
    raiseKeyUp(*this, *event);
}

void VynVerticalScroll::focusOutEvent(QFocusEvent* /*event*/) {
    UserControl_Paint();
}

bool VynVerticalScroll::pressAt(std::int16_t button, float y) {
    if (m_ValueMin == m_ValueMax) {
        return true;  // nothing to scroll
    }
    m_ChangePending = 0;
    if (button <= 0) {
        return true;
    }
    if (m_ThumbTop < y && y < m_ThumbTop + m_ThumbHeight) {
        m_Dragging = true;
        return true;
    }
    m_Dragging = false;
    if (!narrowTo(static_cast<double>(y), m_PressY)) {
        return false;
    }
    // The first step comes with the first tick, so a quick click moves nothing.
    if (!Timer1.isActive()) {
        Timer1.start();
    }
    return true;
}

bool VynVerticalScroll::Timer1_Timer() {
    const int P = m_PressY;
    const int T = m_ThumbTop;
    const int H = m_ThumbHeight;
    const int SH = height();
    if (T - kReachAbove <= P && P <= T + H + kReachBelow) {
        return true;  // the thumb has reached the press point
    }

    std::int64_t value = m_Value;
    int offset = 0;
    bool pageDown = false;
    if (P < kArrowZone && m_Value > m_ValueMin) {
        value -= m_ValueSmallChange;
    } else if (P > SH - kArrowZone && m_Value < m_ValueMax) {
        value += m_ValueSmallChange;
        offset = kArrowZone;
    } else if (T < P && P < SH - kArrowZone) {
        value += m_ValueLargeChange;
        offset = kArrowZone;
        pageDown = true;
    } else if (kArrowZone < P && P < T && P < T - (H + kReachBelow)) {
        value -= m_ValueLargeChange;
    } else if (kArrowZone < P && P < T) {
        // Just above the thumb: move by the share of the range between thumb and pointer.
        std::int32_t span = 0;
        std::int32_t moved = 0;
        if (SH == 0 || !narrowTo(std::int64_t{m_ValueMax} - m_ValueMin, span) ||
            !narrowTo(m_Value - static_cast<double>(T - P) / SH * span, moved)) {
            return false;
        }
        value = moved;
    }
    if (!narrowTo(value, m_Value)) {
        return false;
    }
    if (m_Value > m_ValueMax) {
        m_Value = m_ValueMax;
    } else if (m_Value < m_ValueMin) {
        m_Value = m_ValueMin;
    }
    if (!thumbFromValue(offset) || !clampThumb()) {
        return false;
    }

    if (!letPendingEventsRun()) {
        return true;
    }
    UserControl_Paint();
    outlineTrack();
    if (!raiseChange()) {
        return true;
    }
    // Paging down stops once the thumb has passed the press point.
    if (pageDown && P < m_ThumbTop) {
        Timer1.stop();
    }
    return true;
}

bool VynVerticalScroll::dragTo(bool buttonHeld, float y) {
    if (!buttonHeld || !m_Dragging) {
        m_Dragging = false;
        letPendingEventsRun();
        return true;
    }
    if (y == m_LastDragY) {
        return true;
    }
    const int SH = height();
    const int H = m_ThumbHeight;
    if (!narrowTo(y - H / 2.0 - kDragGrip, m_ThumbTop)) {
        return false;
    }
    double v = 0;
    if (m_ThumbTop < kArrowZone) {
        m_ThumbTop = kArrowZone;
    } else if (SH - (H + kArrowZone) >= m_ThumbTop) {
        v = nearest(y - static_cast<double>(kArrowZone));
    } else {
        if (!narrowTo(std::int64_t{SH} - (H + kArrowZone), m_ThumbTop)) {
            return false;
        }
        v = nearest(SH - static_cast<double>(kArrowZone));
    }
    const int divisor = SH - (H + kDragTravelMargin);
    std::int32_t span = 0;
    if (divisor == 0 || !narrowTo(std::int64_t{m_ValueMax} - m_ValueMin, span) ||
        !narrowTo(v / divisor * span + m_ValueMin, m_Value)) {
        return false;
    }
    if (m_Value > m_ValueMax) {
        m_Value = m_ValueMax;
    }
    if (m_Value < m_ValueMin) {
        m_Value = m_ValueMin;
    }

    m_LastDragY = y;
    m_ChangePending = 1;
    if (!letPendingEventsRun()) {
        return true;
    }
    UserControl_Paint();
    // A release handled meanwhile has raised Change itself and cleared the flag.
    if (m_ChangePending == 1) {
        if (!raiseChange()) {
            return true;
        }
    }
    m_ChangePending = 0;
    return true;
}

void VynVerticalScroll::release() {
    Timer1.stop();
    UserControl_Paint();
    outlineTrack();
    m_ChangePending = 0;
    if (raiseChange()) {
        letPendingEventsRun();
    }
}

}  // namespace tallimer
