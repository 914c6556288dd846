// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/super_button.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCache>
#include <QCursor>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "controls/ole_color.h"
#include "controls/pixel_paint.h"
#include "controls/property_bag.h"
#include "controls/widget_look.h"
#include "platform/rounding.h"

namespace tallimer {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
// Point sizes beyond what a font can be set to are refused rather than handed to the
// font engine.
constexpr double kLargestFontSize = 2160.0;

bool isUsableFontSize(double size) {
    return std::isfinite(size) && size > 0.0 && size <= kLargestFontSize;
}

// The colour of the gradient step that darkened each start channel by 2 * step.
QRgb gradientStep(int r0, int g0, int b0, int step) {
    return rgbLimited(std::max(r0 - 2 * step, 0), std::max(g0 - 2 * step, 0),
                      std::max(b0 - 2 * step, 0));
}

// Row y gets step y + 1, so the face darkens by 2 per row downwards.
void gradientFill(QImage& surface, int r0, int g0, int b0) {
    const int width = surface.width();
    const int height = surface.height();
    uchar* const bits = surface.bits();  // detaches once, not on every row
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * surface.bytesPerLine());
        std::fill(row, row + width, gradientStep(r0, g0, b0, y + 1));
    }
}

// The composed pictures of one look; buttons that look alike share them.
struct Looks {
    QImage face;
    std::optional<QRegion> painted;
};

QCache<QString, Looks>& looksCache() {
    // Costs are in kilobytes: room for a few hundred keypad-sized looks.
    static QCache<QString, Looks> cache(16 * 1024);
    return cache;
}

QCache<QString, QImage>& litCache() {
    static QCache<QString, QImage> cache(8 * 1024);
    return cache;
}

void drawRightSeparator(QImage& surface, int SW, int SH, QRgb dark, QRgb light) {
    fillColumn(surface, SW - 2, 0, SH, dark);
    fillColumn(surface, SW - 1, 0, SH, light);
}

void roundCorners(QImage& surface) {
    const int SW = surface.width();
    const int SH = surface.height();
    const QPoint pixels[] = {
        {0, 0},           {1, 0},           {2, 0},           {0, 1},           {0, 2},
        {SW - 1, 0},      {SW - 2, 0},      {SW - 3, 0},      {SW - 1, 1},      {SW - 1, 2},
        {SW - 1, SH - 1}, {SW - 2, SH - 1}, {SW - 3, SH - 1}, {SW - 1, SH - 2}, {SW - 1, SH - 3},
        {0, SH - 1},      {1, SH - 1},      {2, SH - 1},      {0, SH - 2},      {0, SH - 3},
    };
    for (const QPoint& p : pixels) {
        setPixelClipped(surface, p.x(), p.y(), kMaskColor);
    }
}

// The border of the lit or the normal face, in that face's colours.
void drawFaceBorder(QImage& surface, std::int16_t border, bool lit, QRgb light, QRgb dark) {
    const int SW = surface.width();
    const int SH = surface.height();
    switch (border) {
        case 0:
            drawRightSeparator(surface, SW, SH, dark, light);
            break;
        case 1:
            drawOutline(surface, 1, 1, SW - 2, SH - 2, light);
            drawOutline(surface, 2, 2, SW - 3, SH - 3, dark);
            break;
        case 2:
            drawOutline(surface, -1, -1, SW - 1, SH - 1, lit ? kWhite : light);
            drawOutline(surface, 0, 0, SW - 2, SH - 2, lit ? light : dark);
            break;
        case 3:
            if (lit) {
                setPixelClipped(surface, 1, 0, kMaskColor);
                setPixelClipped(surface, 0, 0, kMaskColor);
                setPixelClipped(surface, 0, 1, kMaskColor);
            } else {
                roundCorners(surface);
            }
            break;
        default:
            break;
    }
}

}  // namespace

QFont SuperButton::newFont() {
    return arial(kNewFontSize, true);
}

SuperButton::SuperButton(QWidget* parent) : SuperButton(parent, newFont()) {}

SuperButton::SuperButton(QWidget* parent, const QFont& font) : QWidget(parent) {
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // a move without a button starts the lit look
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    resize(154, 36);
    ButtonRender();
}

void SuperButton::notify(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

void SuperButton::setCaption(const QString& New_Caption) {
    m_Caption = New_Caption;
    QFont face = font();
    face.setFamily(QStringLiteral("Arial"));
    setFont(face);
    if (ButtonRender()) {
        notify("Caption");
    }
}

std::uint32_t SuperButton::BackColor() const {
    return m_BackColor;
}

void SuperButton::setBackColor(std::uint32_t New_BackColor) {
    m_BackColor = New_BackColor;
    update();
    notify("BackColor");
}

bool SuperButton::setBorder(std::int32_t New_Border) {
    std::int16_t border = 0;
    if (!narrowTo(static_cast<std::int64_t>(New_Border), border)) {
        return false;
    }
    m_Border = border;
    if (!ButtonRender()) {
        return false;
    }
    notify("Border");
    return true;
}

void SuperButton::setRenderColor(std::uint32_t New_RenderColor) {
    m_RenderColor = New_RenderColor;
    // System colours are resolved first; plain colours split byte by byte.
    const QRgb rgb = rgbFromOle(New_RenderColor);
    m_Red = static_cast<std::int16_t>(qRed(rgb));
    m_Green = static_cast<std::int16_t>(qGreen(rgb));
    m_Blue = static_cast<std::int16_t>(qBlue(rgb));
    if (ButtonRender()) {
        notify("RenderColor");
    }
}

void SuperButton::setEnabledProperty(bool New_Enabled) {
    QWidget::setEnabled(New_Enabled);
    notify("Enabled");
}

std::int32_t SuperButton::FontSize() const {
    std::int32_t size = 0;
    narrowTo(font().pointSizeF(), size);
    return size;
}

void SuperButton::setFontSize(std::int32_t New_FontSize) {
    if (!isUsableFontSize(New_FontSize)) {
        return;
    }
    QFont face = font();
    face.setPointSizeF(static_cast<float>(New_FontSize));
    setFont(face);
    notify("Fontsize");
}

void SuperButton::Refresh() {
    update();
}

void SuperButton::ReadProperties(const PropertyBag& bag) {
    m_Caption = bag.readString(QStringLiteral("Caption"), QString());
    m_BackColor = bag.readColor(QStringLiteral("BackColor"), kSavedBackColor);
    setRenderColor(bag.readColor(QStringLiteral("RenderColor"), kSavedRenderColor));
    QWidget::setEnabled(bag.readBool(QStringLiteral("Enabled"), kSavedEnabled));
    const float size = bag.readFloat(QStringLiteral("Fontsize"), kSavedFontSize);
    if (isUsableFontSize(size)) {
        QFont face = font();
        face.setPointSizeF(size);
        setFont(face);
    }
    // A saved border beyond 16 bits falls back to the default.
    std::int16_t border = 0;
    m_Border =
        narrowTo(static_cast<std::int64_t>(bag.readInt(QStringLiteral("Border"), kSavedBorder)),
                 border)
            ? border
            : kSavedBorder;
    // Loading ends with the control being sized, which renders it with every loaded value.
    ButtonRender();
}

void SuperButton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("Caption"), m_Caption, QString());
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue<quint32>(m_BackColor),
                      QVariant::fromValue<quint32>(kSavedBackColor));
    bag.WriteProperty(QStringLiteral("RenderColor"), QVariant::fromValue<quint32>(m_RenderColor),
                      QVariant::fromValue<quint32>(kSavedRenderColor));
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), kSavedEnabled);
    bag.WriteProperty(QStringLiteral("Fontsize"), static_cast<float>(font().pointSizeF()),
                      kSavedFontSize);
    bag.WriteProperty(QStringLiteral("Border"), static_cast<std::int32_t>(m_Border), kSavedBorder);
}

bool SuperButton::ButtonRender() {
    QFont face = font();
    face.setBold(true);
    setFont(face);

    const int SW = width();
    const int SH = height();
    // Most renders follow a colour or size: the caption is measured again only when it, the
    // font or the resolution the metrics are taken at has changed.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const double dpi = primary != nullptr ? primary->logicalDotsPerInchY() : 0.0;
    if (font() != m_MeasuredFont || m_Caption != m_MeasuredCaption || dpi != m_MeasuredDpi ||
        m_CaptionWidth < 0) {
        const QFontMetrics metrics(font());
        m_MeasuredFont = font();
        m_MeasuredDpi = dpi;
        m_MeasuredCaption = m_Caption;
        m_CaptionWidth = metrics.horizontalAdvance(m_Caption);
        m_FontHeight = metrics.height();
    }
    std::int16_t captionX = 0;
    std::int16_t captionY = 0;
    if (!narrowTo((SW - m_CaptionWidth) / 2.0, captionX) ||
        !narrowTo((SH - m_FontHeight) / 2.0, captionY)) {
        return false;
    }
    m_CaptionX = captionX;
    m_CaptionY = captionY;
    // The normal face's colours stay; the pictures are composed when next drawn.
    m_LightColor = gradientStep(m_Red, m_Green, m_Blue, 1);
    m_DarkColor = gradientStep(m_Red, m_Green, m_Blue, SH + 1);
    m_Stale = true;
    update();
    return true;
}

QString SuperButton::lookKey() const {
    return QStringLiteral("%1x%2@%3:%4,%5,%6:%7")
        .arg(width())
        .arg(height())
        .arg(devicePixelRatioF())
        .arg(m_Red)
        .arg(m_Green)
        .arg(m_Blue)
        .arg(m_Border);
}

void SuperButton::composeLooks() const {
    if (!m_Stale) {
        return;
    }
    m_Stale = false;
    m_LitStale = true;
    // The caption's place was measured at m_MeasuredDpi: a screen of another resolution
    // places it elsewhere.
    const QString key =
        lookKey() + QStringLiteral(":%1@%2:%3").arg(font().key()).arg(m_MeasuredDpi).arg(m_Caption);
    if (const Looks* shared = looksCache().object(key)) {
        m_Face = shared->face;
        m_Painted = shared->painted;
    } else {
        ++m_Compositions;
        QImage surface(std::max(width(), 0), std::max(height(), 0), QImage::Format_RGB32);
        if (!surface.isNull()) {
            gradientFill(surface, m_Red, m_Green, m_Blue);
            drawFaceBorder(surface, m_Border, false, m_LightColor, m_DarkColor);
            printCaption(surface, kWhite);
        }
        m_Face = surface;
        m_Painted = paintedRegion(m_Face);
        const auto kilobytes = static_cast<qsizetype>(m_Face.sizeInBytes() / 1024 + 1);
        looksCache().insert(key, new Looks{m_Face, m_Painted}, kilobytes);
    }
    m_Surface = m_Face;
}

const QImage& SuperButton::litLook() const {
    composeLooks();
    if (!m_LitStale) {
        return Image1;
    }
    m_LitStale = false;
    // The lit face has no caption, so buttons of one size and colour share it.
    const QString key = lookKey();
    if (const QImage* shared = litCache().object(key)) {
        Image1 = *shared;
        return Image1;
    }
    const int SH = height();
    QImage surface(std::max(width(), 0), std::max(SH, 0), QImage::Format_RGB32);
    if (!surface.isNull()) {
        const int litRed = m_Red + 60;
        const int litGreen = m_Green + 60;
        const int litBlue = m_Blue + 60;
        gradientFill(surface, litRed, litGreen, litBlue);
        // The gradient's last step is the line at row SH, just below the surface.
        drawFaceBorder(surface, m_Border, true, rgbLimited(litRed, litGreen, litBlue),
                       gradientStep(litRed, litGreen, litBlue, SH + 1));
    }
    Image1 = surface;
    litCache().insert(key, new QImage(Image1),
                      static_cast<qsizetype>(Image1.sizeInBytes() / 1024 + 1));
    return Image1;
}

void SuperButton::printCaption(QImage& surface, QRgb color) const {
    if (surface.isNull() || m_Caption.isEmpty()) {
        return;
    }
    QPainter painter(&surface);
    painter.setFont(font());
    painter.setPen(QColor(color));
    // From the caption's left edge, in the caption's own direction whatever the program's.
    painter.setLayoutDirection(m_Caption.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    const QFontMetrics metrics(font());
    painter.drawText(QPoint(m_CaptionX, m_CaptionY + metrics.ascent()), m_Caption);
}

void SuperButton::clearSurface() {
    composeLooks();
    if (m_Face.size() == size()) {
        m_Surface = m_Face;
    } else {
        m_Surface = QImage(size(), QImage::Format_RGB32);
        m_Surface.fill(rgbFromOle(m_BackColor));
        QPainter painter(&m_Surface);
        painter.drawImage(0, 0, m_Face);
    }
    update();
}

void SuperButton::drawLitLook() {
    clearSurface();
    if (m_Surface.isNull()) {
        return;
    }
    {
        QPainter painter(&m_Surface);
        painter.drawImage(0, 0, litLook());
    }
    printCaption(m_Surface, kWhite);
}

void SuperButton::drawPressedLook() {
    clearSurface();
    if (m_Surface.isNull()) {
        return;
    }
    const int SW = width();
    const int SH = height();
    {
        QPainter painter(&m_Surface);
        painter.drawImage(0, 0, litLook());
    }
    switch (m_Border) {
        case 0:
            drawRightSeparator(m_Surface, SW, SH, m_DarkColor, m_LightColor);
            break;
        case 2:
            drawOutline(m_Surface, -1, -1, SW - 1, SH - 1, m_DarkColor);
            drawOutline(m_Surface, 0, 0, SW - 2, SH - 2, m_DarkColor);
            break;
        case 3:
            drawOutline(m_Surface, 0, 0, SW - 1, SH - 1, m_LightColor);
            drawOutline(m_Surface, -1, -1, SW - 1, SH - 1, m_LightColor);
            break;
        default:
            break;
    }
    printCaption(m_Surface, m_DarkColor);
}

void SuperButton::paintEvent(QPaintEvent* event) {
    composeLooks();
    // Without mask pixels the face covers the whole control.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_Face.isNull() && !m_Painted.has_value());
    QPainter painter(this);
    drawLook(painter, event->region(), m_Painted, m_Surface, size(), rgbFromOle(m_BackColor));
}

QWidget* SuperButton::widgetUnderPointer() const {
    if (m_PointerQuery) {
        return m_PointerQuery();
    }
    return QApplication::widgetAt(QCursor::pos());
}

void SuperButton::Timer1_Timer() {
    if (widgetUnderPointer() != this && m_Hover) {
        Timer1.stop();
        m_Hover = false;
        clearSurface();
    }
}

}  // namespace tallimer
