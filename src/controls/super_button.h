// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <QString>
#include <QTimer>
#include <QWidget>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

namespace tallimer {

class PropertyBag;

// The program's own push-button: a gradient face from one base colour, four border styles,
// a bold white caption, and normal, lit and pressed looks with hover tracking.
// Colours are 0x00BBGGRR values.
class SuperButton : public QWidget {
    Q_OBJECT

public:
    // The colours a designed button without colours of its own has (a property bag's defaults).
    static constexpr std::uint32_t kSavedBackColor = 0x00C0E0FF;
    static constexpr std::uint32_t kSavedRenderColor = 0x00C0C0C0;

    explicit SuperButton(QWidget* parent = nullptr);
    // Starts in `font`: a designed button's first render then measures in the font it keeps,
    // and the new button's font need never be loaded.
    SuperButton(QWidget* parent, const QFont& font);
    // The font a new button starts with.
    static QFont newFont();

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
    // The Enabled property: QWidget::setEnabled and the container told. Not named setEnabled,
    // which would hide QWidget's slot of that name.
    void setEnabledProperty(bool New_Enabled);
    std::int32_t FontSize() const;
    void setFontSize(std::int32_t New_FontSize);
    void Refresh();
    // The one click: the mouse, the keyboard and the accessible press all end here.
    void click();

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend struct SuperButtonProbe;  // tests drive the timer and the pointer query

    // Renders the normal and lit faces; false when a caption position does not fit 16 bits,
    // and then nothing is redrawn.
    bool ButtonRender();
    // The pictures ButtonRender left for later: composed, or taken from an equal look.
    void composeLooks() const;
    // The lit face, composed on the first hover or press rather than with the face.
    const QImage& litLook() const;
    QString lookKey() const;  // what the face depends on besides font and caption
    void Timer1_Timer();
    void clearSurface();
    void drawLitLook();
    void drawPressedLook();
    void printCaption(QImage& surface, QRgb color) const;
    QWidget* widgetUnderPointer() const;
    void notify(const char* name);

    // What a property bag without the property stands for: ReadProperties takes it and
    // WriteProperties leaves an equal value out. A new button starts from the kNew values
    // where they differ.
    static constexpr bool kSavedEnabled = true;
    static constexpr float kSavedFontSize = 9.0f;
    static constexpr std::int32_t kSavedBorder = 0;
    static constexpr std::uint32_t kNewBackColor = 0x00E0E0E0;
    static constexpr std::uint32_t kNewRenderColor = 0;
    static constexpr double kNewFontSize = 9.75;

    QString m_Caption;  // saved by default: empty
    // The caption's width and the font's height, as last measured for this font and caption.
    QFont m_MeasuredFont;
    QString m_MeasuredCaption;
    double m_MeasuredDpi = 0.0;
    int m_CaptionWidth = -1;
    int m_FontHeight = 0;
    std::uint32_t m_RenderColor = kNewRenderColor;
    std::int16_t m_Border = kSavedBorder;
    std::uint32_t m_BackColor = kNewBackColor;
    std::int16_t m_Red = 0;
    std::int16_t m_Green = 0;
    std::int16_t m_Blue = 0;
    std::int16_t m_CaptionX = 0;
    std::int16_t m_CaptionY = 0;
    QRgb m_LightColor = 0xFF000000u;
    QRgb m_DarkColor = 0xFF000000u;
    bool m_Hover = false;
    // The release that ends a double click raises MouseUp but no second Click.
    bool m_DoubleClicked = false;
    QTimer Timer1;
    mutable bool m_Stale = true;     // the pictures below no longer match the properties
    mutable bool m_LitStale = true;  // Image1 no longer matches the face
    mutable int m_Compositions = 0;  // faces composed rather than shared
    mutable QImage Image1;           // lit face without caption
    mutable QImage m_Face;           // normal face with caption: what clearing the surface shows
    mutable QImage m_Surface;        // the look currently shown
    mutable std::optional<QRegion> m_Painted;  // pixels of the face outside the mask colour
    std::function<QWidget*()> m_PointerQuery;  // replaced by tests
};

}  // namespace tallimer
