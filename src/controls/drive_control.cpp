// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/drive_control.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>

#include "controls/ole_color.h"
#include "controls/vyn_vertical_scroll.h"
#include "controls/widget_look.h"
#include "platform/rounding.h"
#include "platform/twips.h"

namespace tallimer {

namespace {

// Twips.
constexpr int kDefaultWidth = 4800;
constexpr int kDefaultHeight = 3600;
constexpr int kScrollWidth = 465;
constexpr int kStripWidth = 60;
constexpr int kTextLeft = 500;
constexpr int kIconDrop = 20;
constexpr int kCurrentMargin = 60;  // the current entry's band, left of its text

constexpr std::uint32_t kStripColour = 0x00E0E0E0;
constexpr std::uint32_t kFolderColour = 0x00FF0000;
constexpr std::uint32_t kFileColour = 0x00000000;
constexpr std::uint32_t kReadOnlyColour = 0x00808080;
constexpr std::uint32_t kDriveColour = 0x00008000;

struct RowLook {
    std::uint32_t colour;
    int icon;
};

RowLook lookOf(std::int32_t code) {
    switch (code) {
        case kEntryFolder:
            return {kFolderColour, 1};
        case kEntryFile:
            return {kFileColour, 5};
        case kEntryReadOnlyFile:
            return {kReadOnlyColour, 5};
        case kEntryDriveBase + static_cast<std::int32_t>(DriveType::Removable):
            return {kDriveColour, 4};
        case kEntryDriveBase + static_cast<std::int32_t>(DriveType::Optical):
            return {kDriveColour, 2};
        case kEntryFloppy:
            return {kDriveColour, 3};
        case kEntryHome:
            return {kDriveColour, 6};
        default:
            return {kDriveColour, 0};  // the other drives
    }
}

}  // namespace

DriveControl::Sources DriveControl::systemSources() {
    return {[] { return mountedVolumes(false); },
            [] { return qEnvironmentVariable("HOME"); },
            {},
            [] { return mountedVolumes(true); }};
}

DriveControl::DriveControl(QWidget* parent, Sources sources)
    : QWidget(parent),
      m_sources(std::move(sources)),
      m_folder(processFolder()),
      m_reachable(m_folder) {
    setFont(arial(15.75));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the hover feedback
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < kDriveIconCount; ++i) {
        pImage[static_cast<std::size_t>(i)] = driveIcon(i);
    }

    m_sFiles = new VynVerticalScroll(this);
    m_sFiles->setValueMin(1);
    m_sFiles->m_Value = 1;
    connect(m_sFiles, &VynVerticalScroll::Change, this, [this] { sFiles_Change(); });
    connect(m_sFiles, &VynVerticalScroll::KeyDown, this,
            [this](std::int16_t& keyCode, std::int16_t&) { moveByKey(keyCode); });

    resize(pixels(kDefaultWidth), pixels(kDefaultHeight));
    // The start folder, unless the owner lists one first (as the dialog does when shown).
    m_pending = true;
    const std::uint64_t generation = ++m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation == m_generation) {
                QString here;
                GetDir(here);
            }
        },
        Qt::QueuedConnection);
}

double DriveControl::twipsPerPixel() const {
    return tallimer::twipsPerPixel(logicalDpiY());
}

int DriveControl::pixels(double twips) const {
    return twipsToPixels(twips, twipsPerPixel());
}

void DriveControl::resizeEvent(QResizeEvent* /*event*/) {
    layOut();
}

void DriveControl::layOut() {
    const int w = width();
    const int h = height();
    const int scrollWidth = pixels(kScrollWidth);
    m_sFiles->setGeometry(w - scrollWidth, 0, scrollWidth, h);

    m_Background = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    m_Background.fill(rgbFromOle(0x00FFFFFF));
    {
        QPainter painter(&m_Background);
        const int strip = pixels(kStripWidth);
        painter.fillRect(QRect(w - strip, 0, strip, h), rgbFromOle(kStripColour));
    }
    clearSurface();

    // Every row is one printed line of the font; measured even when nothing is listed, so no
    // row is ever laid out with no height.
    m_rowPixels = std::max(1, QFontMetrics(font()).height());
    m_RowHeight = static_cast<std::int32_t>(nearest(m_rowPixels * twipsPerPixel()));
    const int last = m_entries.last();
    const int wholeRows = h / m_rowPixels;  // row i ends at i rows' height
    if (last > wholeRows) {
        m_RowsVisible = wholeRows;
        // One more than the last page's top, so the last entry too scrolls into whole view.
        std::int32_t valueMax = last - m_RowsVisible + 1;
        if (valueMax < m_RowsVisible) {
            valueMax = m_RowsVisible + 1;
        }
        // With no whole row visible the range would collapse onto ValueMin.
        valueMax = std::max(valueMax, m_sFiles->ValueMin() + 1);
        m_sFiles->setValueLargeChange(m_RowsVisible);
        m_sFiles->setValueMax(valueMax);
        m_sFiles->setVisible(true);
    } else {
        m_RowsVisible = last + 1;
        m_sFiles->setValueLargeChange(1);
        m_sFiles->setValueMax(2);
        m_sFiles->setVisible(false);
    }
    m_sFiles->setValue(1);  // raises Change, which draws the rows
}

void DriveControl::clearSurface() {
    m_Surface = m_Background;
}

int DriveControl::drawRow(QPainter& painter, int index, int top, bool onSystemColour) {
    const DriveEntry& entry = m_entries.rows[static_cast<std::size_t>(index)];
    const RowLook look = lookOf(entry.type);
    QFont rowFont = font();
    rowFont.setBold(index == m_SelectedEntry);
    painter.setFont(rowFont);
    QRgb colour = rgbFromOle(look.colour);
    if (index == m_current && hasFocus()) {
        // The keys' entry, in the palette's own pair so that it reads under any scheme.
        const int left = pixels(kTextLeft) - pixels(kCurrentMargin);
        const int right = m_sFiles->isHidden() ? width() - pixels(kStripWidth) : m_sFiles->x();
        painter.fillRect(QRect(left, top, right - left, m_rowPixels),
                         palette().color(QPalette::Highlight));
        colour = palette().color(QPalette::HighlightedText).rgb();
    } else if (onSystemColour) {
        colour = textOnSystemBackground(colour, rgbFromOle(kSystemWindowBackground),
                                        palette().color(QPalette::Text).rgb());
    }
    painter.setPen(QColor::fromRgb(colour));
    painter.drawImage(0, top + pixels(kIconDrop), pImage[static_cast<std::size_t>(look.icon)]);
    const QFontMetrics metrics(rowFont);
    // Each name in its own direction, beside its icon as every other name.
    painter.setLayoutDirection(entry.name.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(pixels(kTextLeft), top + metrics.ascent(), entry.name);
    return top + m_rowPixels;
}

void DriveControl::sFiles_Change() {
    clearSurface();
    QPainter painter(&m_Surface);
    const int first = m_sFiles->Value();
    const int last = std::min(m_entries.last(), first + m_RowsVisible);
    int top = 0;
    for (int index = std::max(first, 1); index <= last; ++index) {
        top = drawRow(painter, index, top);
    }
    update();
}

QRect DriveControl::entryRect(int index) const {
    const int first = std::max(m_sFiles->Value(), 1);
    if (index < first || index > std::min(m_entries.last(), m_sFiles->Value() + m_RowsVisible)) {
        return {};
    }
    const int right = m_sFiles->isHidden() ? width() : m_sFiles->x();
    return {0, (index - first) * m_rowPixels, right, m_rowPixels};
}

void DriveControl::announce(QAccessible::Event type, int index) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(this, type);
    if (index > 0) {
        event.setChild(index - 1);  // the list's children start with entry 1
    }
    QAccessible::updateAccessibility(&event);
}

void DriveControl::paintFeedback(float x, float y, bool press) {
    const double tpp = twipsPerPixel();
    const double w = width() * tpp;
    const double h = height() * tpp;
    const bool active = press ? (kTextLeft < x && x < w - kTextLeft && 20 < y && y < h - 20)
                              : (kTextLeft < x && x < w - 800 && 100 < y && y < h - 100);
    const QRgb highlight = rgbFromOle(press ? 0x000000FFu : 0x00FFEDEDu);
    const QRgb background = rgbFromOle(press ? kSystemWindowBackground : 0x00FFFFFFu);
    const int left = pixels(kTextLeft);
    const int right = width() - pixels(kStripWidth);

    QPainter painter(&m_Surface);
    const int first = m_sFiles->Value();
    const int last = std::min(m_entries.last(), first + m_RowsVisible);
    int top = 0;
    for (int index = std::max(first, 1); index <= last; ++index) {
        const double bandTop = static_cast<double>(index - first) * m_RowHeight;
        const bool inside = active && bandTop < y && y < bandTop + m_RowHeight;
        painter.fillRect(QRect(left, top, right - left, m_rowPixels),
                         inside ? highlight : background);
        top = drawRow(painter, index, top, press && !inside);
    }
    update();
}

void DriveControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_Surface, event->rect());
}

}  // namespace tallimer
