#pragma once

#include <cstdint>

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class QPaintEvent;

namespace tallimer {

class PropertyBag;

// The program's own push-button: a gradient face from one base colour, four border styles,
// a bold white caption, and normal, lit and pressed looks with hover tracking.
// Colours are 0x00BBGGRR values.
class SuperButton : public QWidget {
    Q_OBJECT

public:
    explicit SuperButton(QWidget* parent = nullptr);

    QString Caption() const { return m_Caption; }
    void setCaption(const QString& New_Caption);
    std::uint32_t BackColor() const;
    void setBackColor(std::uint32_t New_BackColor);
    std::int32_t Border() const { return m_Border; }
    // false (and nothing stored) when the value does not fit 16 bits.
    bool setBorder(std::int32_t New_Border);
    std::uint32_t RenderColor() const { return m_RenderColor; }
    void setRenderColor(std::uint32_t New_RenderColor);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool New_Enabled);
    std::int32_t FontSize() const;
    void setFontSize(std::int32_t New_FontSize);
    void Refresh();

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

signals:
    void Click();
    void DblClick();
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyPress(std::int16_t& KeyAscii);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    // A design-time property changed (the container's saved state is now modified).
    void PropertyChanged(const QString& name);

    // The rest of the class (private state named m_Red, m_CaptionX, m_LightColor, m_Hover,
    // Timer1, Image1, ButtonRender, Timer1_Timer ...) is the implementation's.
private:
    QString m_Caption;
    std::uint32_t m_RenderColor = 0;
    std::int16_t m_Border = 0;
};

}  // namespace tallimer
