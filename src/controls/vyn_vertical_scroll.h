// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <QTimer>
#include <QWidget>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

namespace tallimer {

class PropertyBag;

// The program's own vertical scroll bar: arrows, a dotted track and a draggable thumb over an
// integer value. Setting Value raises Change synchronously, on every set.
class VynVerticalScroll : public QWidget {
    Q_OBJECT

public:
    explicit VynVerticalScroll(QWidget* parent = nullptr);

    // Written directly by containers: no clamping, no repaint, no event.
    std::int32_t m_Value = 0;  // as saved by default (kSavedValue)

    std::int32_t Value() const { return m_Value; }
    // false when the thumb position cannot be computed (ValueMax equals ValueMin and is
    // positive); the clamped value is stored all the same.
    bool setValue(std::int32_t New_Value);
    std::int32_t ValueMax() const;
    void setValueMax(std::int32_t New_ValueMax);
    std::int32_t ValueMin() const;
    void setValueMin(std::int32_t New_ValueMin);
    std::int32_t ValueSmallChange() const;
    void setValueSmallChange(std::int32_t New_ValueSmallChange);
    std::int32_t ValueLargeChange() const;
    void setValueLargeChange(std::int32_t New_ValueLargeChange);
    std::uint32_t BackColor() const;
    void setBackColor(std::uint32_t New_BackColor);
    bool Enabled() const { return isEnabled(); }
    // The Enabled property: QWidget::setEnabled and the container told. Not named setEnabled,
    // which would hide QWidget's slot of that name.
    void setEnabledProperty(bool New_Enabled);
    void Refresh();

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

signals:
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void Change();
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend struct VynVerticalScrollProbe;  // tests drive the timer and the mouse directly

    // Composes the static look (shades, dots, borders, arrows) and places the thumb. Steps
    // that fail are skipped. pumpEvents lets pending window events run halfway, as on a
    // resize; construction composes without it.
    void UserControl_Resize(bool pumpEvents = true);
    // Restores the background and the thumb (drawn by paintEvent).
    void UserControl_Paint();
    // One auto-repeat step; false on an arithmetic failure (the step stops there).
    bool Timer1_Timer();
    // The mouse handlers proper; false on an arithmetic failure.
    bool pressAt(std::int16_t button, float y);
    bool dragTo(bool buttonHeld, float y);
    void release();

    // m_ThumbTop from the value; false (m_ThumbTop unchanged) on a zero range or overflow.
    bool thumbFromValue(int offset);
    // Keeps m_ThumbTop inside the track; false when the limit does not fit 16 bits.
    bool clampThumb();
    // Processes pending window events; false when this control was destroyed meanwhile.
    bool letPendingEventsRun();
    void outlineTrack();
    const QImage& stretchedThumb(bool held);
    void notify(const char* name);
    // Tells an assistive technology of a new Value (nothing when none is running), then raises
    // Change; false when a handler destroyed this control.
    bool raiseChange();

    // What a property bag without the property stands for: ReadProperties takes it and
    // WriteProperties leaves an equal value out. A new bar starts from the same values but for
    // BackColor, kNewBackColor.
    static constexpr std::uint32_t kSavedBackColor = 0x00FFFFFF;
    static constexpr std::int32_t kSavedValueMax = 100;
    static constexpr std::int32_t kSavedValue = 0;
    static constexpr bool kSavedEnabled = true;
    static constexpr std::int32_t kSavedValueMin = 0;
    static constexpr std::int32_t kSavedValueLargeChange = 5;
    static constexpr std::int32_t kSavedValueSmallChange = 1;
    static constexpr std::uint32_t kNewBackColor = 0x00E0E0E0;

    std::int32_t m_ValueMax = kSavedValueMax;
    std::int32_t m_ValueMin = kSavedValueMin;
    std::int32_t m_ValueSmallChange = kSavedValueSmallChange;
    std::int32_t m_ValueLargeChange = kSavedValueLargeChange;
    std::uint32_t m_BackColor = kNewBackColor;

    std::int16_t m_ThumbTop = 0;
    std::int16_t m_ThumbHeight = 0;
    std::int16_t m_PressY = 0;
    bool m_Dragging = false;
    std::int32_t m_ChangePending = 0;
    float m_LastDragY = 0.0f;
    std::array<QRgb, 26> m_Shades{};  // shades 1 to 25 of BackColor

    QTimer Timer1;
    QImage Image1;  // arrow button
    QImage Image2;  // thumb at rest
    QImage Image3;  // thumb while dragged

    QImage m_Background;               // the composed static look
    std::optional<QRegion> m_Painted;  // pixels of the background outside the mask colour
    QImage m_RestThumb;                // Image2 and Image3 stretched to the thumb's size
    QImage m_HeldThumb;
    bool m_BlackOutline = false;  // drawn after a tick or a release, until the next repaint
    bool m_Pumping = false;
    std::int32_t m_AnnouncedValue = kSavedValue;
    std::uint64_t m_Compositions = 0;
};

}  // namespace tallimer
