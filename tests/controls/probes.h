// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QStringList>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"

namespace tallimer {

// Reaches the controls' private state, so the timers and the pointer query can be driven
// without waiting.
struct SuperButtonProbe {
    static void tick(SuperButton& b) { b.Timer1_Timer(); }
    static void setWidgetUnderPointer(SuperButton& b, QWidget* widget) {
        b.m_PointerQuery = [widget] { return widget; };
    }
    // The pictures as the next paint would show them.
    static const QImage& face(const SuperButton& b) { return b.composeLooks(), b.m_Face; }
    static const QImage& litFace(const SuperButton& b) { return b.litLook(); }
    static QImage litFaceIfComposed(const SuperButton& b) {
        return b.m_LitStale ? QImage() : b.Image1;
    }
    static const QImage& surface(const SuperButton& b) { return b.composeLooks(), b.m_Surface; }
    static int compositions(const SuperButton& b) { return b.m_Compositions; }
    static QRgb lightColor(const SuperButton& b) { return b.m_LightColor; }
    static QRgb darkColor(const SuperButton& b) { return b.m_DarkColor; }
    static int captionX(const SuperButton& b) { return b.m_CaptionX; }
    static int captionY(const SuperButton& b) { return b.m_CaptionY; }
    static bool hover(const SuperButton& b) { return b.m_Hover; }
    static bool timerRunning(const SuperButton& b) { return b.Timer1.isActive(); }
};

struct VynVerticalScrollProbe {
    // Holds the real 100 ms repeat timer: it still starts and stops as the control says, but
    // its timeouts no longer reach Timer1_Timer. The control lets window events run inside a
    // step, so without this a real tick can slip in between the test's own under load.
    static void holdTimer(VynVerticalScroll& s) { s.Timer1.blockSignals(true); }
    static bool tick(VynVerticalScroll& s) { return s.Timer1_Timer(); }
    static bool press(VynVerticalScroll& s, float y) { return s.pressAt(1, y); }
    static bool drag(VynVerticalScroll& s, float y, bool held = true) { return s.dragTo(held, y); }
    static void release(VynVerticalScroll& s) { s.release(); }
    static int thumbTop(const VynVerticalScroll& s) { return s.m_ThumbTop; }
    static int thumbHeight(const VynVerticalScroll& s) { return s.m_ThumbHeight; }
    static int pressY(const VynVerticalScroll& s) { return s.m_PressY; }
    static bool dragging(const VynVerticalScroll& s) { return s.m_Dragging; }
    static int changePending(const VynVerticalScroll& s) { return s.m_ChangePending; }
    static bool timerRunning(const VynVerticalScroll& s) { return s.Timer1.isActive(); }
    static QRgb shade(const VynVerticalScroll& s, int k) {
        return s.m_Shades[static_cast<std::size_t>(k)];
    }
    static const QImage& background(const VynVerticalScroll& s) { return s.m_Background; }
    static const QImage& arrow(const VynVerticalScroll& s) { return s.Image1; }
    static const QImage& restThumb(const VynVerticalScroll& s) { return s.Image2; }
    static const QImage& heldThumb(const VynVerticalScroll& s) { return s.Image3; }
};

// Sizes a control and shows it without a platform window, so it gets its resize at once and
// grab() paints it as it is.
inline void sizeTo(QWidget& widget, int width, int height) {
    if (!widget.isVisible()) {
        widget.setAttribute(Qt::WA_DontShowOnScreen);
        widget.show();
    }
    widget.resize(width, height);
}

inline void sendMouse(QWidget& widget, QEvent::Type type, QPointF at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

inline int grey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) ? qRed(pixel) : -1;
}

}  // namespace tallimer
