#pragma once

#include <cstdint>

#include <QWidget>

namespace tallimer {

class PropertyBag;

// The program's own vertical scroll bar: arrows, a dotted track and a draggable thumb over an
// integer value. Setting Value raises Change synchronously, on every set.
class VynVerticalScroll : public QWidget {
    Q_OBJECT

public:
    explicit VynVerticalScroll(QWidget* parent = nullptr);

    // Written directly by containers: no clamping, no repaint, no event.
    std::int32_t m_Value = 0;

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
    void setEnabled(bool New_Enabled);
    void Refresh();

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

signals:
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void Change();
    void PropertyChanged(const QString& name);

    // Private state (m_ThumbTop, m_ThumbHeight, m_PressY, m_Dragging, m_ChangePending,
    // m_LastDragY, m_Shades, Timer1, UserControl_Resize, UserControl_Paint, Timer1_Timer ...)
    // is the implementation's.
};

}  // namespace tallimer
