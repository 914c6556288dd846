// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/vyn_vertical_scroll.h"

#include <algorithm>

#include <QAccessible>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "controls/ole_color.h"
#include "controls/pixel_paint.h"
#include "controls/property_bag.h"
#include "controls/scroll_geometry.h"
#include "controls/scroll_pictures.h"
#include "platform/rounding.h"

namespace tallimer {

using scroll::kArrowHeight;
using scroll::kArrowZone;
using scroll::kThumbHeight;
using scroll::kThumbTravelMargin;

namespace {

constexpr int kShadeOuter = 11;
constexpr int kShadeDots = 14;
constexpr int kShadeInner = 16;

}  // namespace

VynVerticalScroll::VynVerticalScroll(QWidget* parent) : QWidget(parent) {
    Image1 = arrowPicture();
    Image2 = thumbPicture();
    Image3 = heldThumbPicture();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // a move without a button ends a drag
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    resize(30, 240);
    UserControl_Resize(false);
}

void VynVerticalScroll::notify(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

bool VynVerticalScroll::raiseChange() {
    if (QAccessible::isActive() && m_Value != m_AnnouncedValue) {
        m_AnnouncedValue = m_Value;
        QAccessibleValueChangeEvent event(this, m_Value);
        QAccessible::updateAccessibility(&event);
    }
    const QPointer<VynVerticalScroll> self(this);
    emit Change();
    return !self.isNull();
}

bool VynVerticalScroll::setValue(std::int32_t New_Value) {
    m_Value = std::max(std::min(New_Value, m_ValueMax), m_ValueMin);
    if (m_ValueMax > 0 && !thumbFromValue(0)) {
        return false;
    }
    if (!clampThumb()) {
        return false;
    }
    UserControl_Paint();
    if (raiseChange()) {
        notify("Value");
    }
    return true;
}

std::int32_t VynVerticalScroll::ValueMax() const {
    return m_ValueMax;
}

void VynVerticalScroll::setValueMax(std::int32_t New_ValueMax) {
    m_ValueMax = New_ValueMax;
    UserControl_Paint();
    notify("ValueMax");
}

std::int32_t VynVerticalScroll::ValueMin() const {
    return m_ValueMin;
}

void VynVerticalScroll::setValueMin(std::int32_t New_ValueMin) {
    m_ValueMin = New_ValueMin;
    notify("ValueMin");
}

std::int32_t VynVerticalScroll::ValueSmallChange() const {
    return m_ValueSmallChange;
}

void VynVerticalScroll::setValueSmallChange(std::int32_t New_ValueSmallChange) {
    m_ValueSmallChange = New_ValueSmallChange;
    notify("ValueSmallChange");
}

std::int32_t VynVerticalScroll::ValueLargeChange() const {
    return m_ValueLargeChange;
}

void VynVerticalScroll::setValueLargeChange(std::int32_t New_ValueLargeChange) {
    m_ValueLargeChange = New_ValueLargeChange;
    notify("ValueLargeChange");
}

std::uint32_t VynVerticalScroll::BackColor() const {
    return m_BackColor;
}

void VynVerticalScroll::setBackColor(std::uint32_t New_BackColor) {
    m_BackColor = New_BackColor;
    const QPointer<VynVerticalScroll> self(this);
    notify("BackColor");
    if (!self.isNull()) {
        UserControl_Resize();
    }
}

void VynVerticalScroll::setEnabledProperty(bool New_Enabled) {
    QWidget::setEnabled(New_Enabled);
    notify("Enabled");
}

void VynVerticalScroll::Refresh() {
    UserControl_Resize();
}

void VynVerticalScroll::ReadProperties(const PropertyBag& bag) {
    m_BackColor = bag.readColor(QStringLiteral("BackColor"), kSavedBackColor);
    m_ValueMax = bag.readInt(QStringLiteral("ValueMax"), kSavedValueMax);
    m_Value = bag.readInt(QStringLiteral("Value"), kSavedValue);
    QWidget::setEnabled(bag.readBool(QStringLiteral("Enabled"), kSavedEnabled));
    m_ValueMin = bag.readInt(QStringLiteral("ValueMin"), kSavedValueMin);
    m_ValueLargeChange = bag.readInt(QStringLiteral("ValueLargeChange"), kSavedValueLargeChange);
    m_ValueSmallChange = bag.readInt(QStringLiteral("ValueSmallChange"), kSavedValueSmallChange);
    // Loading ends with the control being sized. The container is still being built, so no
    // window events are let through here.
    UserControl_Resize(false);
}

void VynVerticalScroll::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue<quint32>(m_BackColor),
                      QVariant::fromValue<quint32>(kSavedBackColor));
    bag.WriteProperty(QStringLiteral("ValueMax"), m_ValueMax, kSavedValueMax);
    bag.WriteProperty(QStringLiteral("Value"), m_Value, kSavedValue);
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), kSavedEnabled);
    bag.WriteProperty(QStringLiteral("ValueMin"), m_ValueMin, kSavedValueMin);
    bag.WriteProperty(QStringLiteral("ValueLargeChange"), m_ValueLargeChange,
                      kSavedValueLargeChange);
    bag.WriteProperty(QStringLiteral("ValueSmallChange"), m_ValueSmallChange,
                      kSavedValueSmallChange);
}

void VynVerticalScroll::UserControl_Resize(bool pumpEvents) {
    const std::uint64_t composition = ++m_Compositions;
    const int SW = width();
    const int SH = height();
    const QRgb base = rgbFromOle(m_BackColor);
    for (int k = 1; k <= 25; ++k) {
        const auto shade = [k](int channel) {
            return static_cast<int>(nearest(10.0 * k * channel / 200.0));
        };
        m_Shades[static_cast<std::size_t>(k)] =
            rgbLimited(shade(qRed(base)), shade(qGreen(base)), shade(qBlue(base)));
    }

    QImage look(std::max(SW, 0), std::max(SH, 0), QImage::Format_RGB32);
    if (!look.isNull()) {
        look.fill(base);
        const QRgb dot = m_Shades[kShadeDots] | 0xFF000000u;  // as setPixel stores it
        // A checkerboard of dots: even columns on the even rows from the arrow down, odd
        // columns on the rows below them.
        for (int y = kArrowHeight; y <= SH - kArrowZone; y += 2) {
            for (const int row : {y, y + 1}) {
                if (row >= 0 && row < SH) {
                    auto* pixels = reinterpret_cast<QRgb*>(look.scanLine(row));
                    for (int x = row - y; x < SW; x += 2) {
                        pixels[x] = dot;
                    }
                }
            }
        }
        drawOutline(look, 0, 0, SW - 1, SH - 1, m_Shades[kShadeOuter]);
        drawOutline(look, 1, 1, SW - 2, SH - 2, m_Shades[kShadeInner]);
    }

    if (pumpEvents) {
        if (!letPendingEventsRun()) {
            return;
        }
        if (composition != m_Compositions) {
            return;  // a composition run meanwhile is the newer one
        }
    }

    if (!look.isNull()) {
        const QImage arrow =
            Image1.scaled(SW, kArrowHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPainter painter(&look);
        painter.drawImage(0, 0, arrow);
        // The bottom arrow is the same picture upside down, its last row on row SH - 1.
        painter.drawImage(0, SH - kArrowHeight, arrow.mirrored(false, true));
    }
    m_Background = look;
    m_Painted = paintedRegion(m_Background);
    setAttribute(Qt::WA_OpaquePaintEvent, !look.isNull() && !m_Painted.has_value());

    m_ThumbHeight = kThumbHeight;
    if (thumbFromValue(0)) {
        clampThumb();
    }
    UserControl_Paint();
}

bool VynVerticalScroll::thumbFromValue(int offset) {
    std::int32_t span = 0;
    std::int32_t above = 0;
    if (!narrowTo(std::int64_t{m_ValueMax} - m_ValueMin, span) ||
        !narrowTo(std::int64_t{m_Value} - m_ValueMin, above) || span == 0) {
        return false;
    }
    const double f = static_cast<double>(above) / span;
    return narrowTo(f * (height() - (m_ThumbHeight + kThumbTravelMargin)) + offset, m_ThumbTop);
}

bool VynVerticalScroll::clampThumb() {
    const int limit = height() - (m_ThumbHeight + kArrowZone);
    if (limit < m_ThumbTop) {
        return narrowTo(std::int64_t{limit}, m_ThumbTop);
    }
    if (m_ThumbTop < kArrowZone) {
        m_ThumbTop = kArrowZone;
    }
    return true;
}

void VynVerticalScroll::UserControl_Paint() {
    m_BlackOutline = false;
    update();
}

void VynVerticalScroll::outlineTrack() {
    m_BlackOutline = true;
    update();
}

const QImage& VynVerticalScroll::stretchedThumb(bool held) {
    QImage& stretched = held ? m_HeldThumb : m_RestThumb;
    const QSize wanted(width(), m_ThumbHeight + 2);
    if (stretched.size() != wanted) {
        stretched = wanted.isEmpty()
                        ? QImage()
                        : (held ? Image3 : Image2)
                              .scaled(wanted, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return stretched;
}

void VynVerticalScroll::paintEvent(QPaintEvent* event) {
    const int SW = width();
    const int SH = height();
    QPainter painter(this);
    drawLook(painter, event->region(), m_Painted, m_Background, size(), rgbFromOle(m_BackColor));
    if (m_ValueMax > 0) {
        painter.drawImage(0, m_ThumbTop, stretchedThumb(m_Dragging));
        if (m_Dragging) {
            drawOutline(painter, 1, kArrowHeight, SW - 2, SH - (kArrowHeight + 1),
                        rgbFromOle(kSystem3DHighlight));
        }
    }
    if (m_BlackOutline) {
        drawOutline(painter, 1, kArrowHeight, SW - 2, SH - (kArrowHeight + 1), qRgb(0, 0, 0));
    }
}

bool VynVerticalScroll::letPendingEventsRun() {
    if (m_Pumping) {
        return true;  // an outer call is already processing them
    }
    const QPointer<VynVerticalScroll> self(this);
    m_Pumping = true;
    QCoreApplication::processEvents();
    if (self.isNull()) {
        return false;
    }
    m_Pumping = false;
    return true;
}

}  // namespace tallimer
