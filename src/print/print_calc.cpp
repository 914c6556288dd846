// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/print_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "engine/print_layout.h"
#include "platform/twips.h"

namespace tallimer {

namespace {

// The font at its size in twips, so that it prints at its size through the twips transform.
QFont inTwips(QFont font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kTwipsPerPoint))));
    return font;
}

// The characters a value's text is made of, besides the digits.
constexpr QStringView kNumberSigns = u".,-+()E'";

class CachedWidths {
public:
    CachedWidths(const QFont& regular, const QFont& bold, const QPaintDevice* device)
        : m_metrics{QFontMetricsF(regular, device), QFontMetricsF(bold, device)} {
        m_advance[0].fill(-1);
        m_advance[1].fill(-1);
    }

    double operator()(const QString& text, bool bold) {
        const std::size_t font = bold ? 1 : 0;
        double sum = 0;
        for (QChar c : text) {
            if ((c < u'0' || c > u'9') && !kNumberSigns.contains(c)) {
                return m_metrics[font].horizontalAdvance(text);
            }
            double& advance = m_advance[font][c.unicode()];
            if (advance < 0) {
                advance = m_metrics[font].horizontalAdvance(c);
            }
            sum += advance;
        }
        return sum;
    }

private:
    std::array<QFontMetricsF, 2> m_metrics;
    std::array<std::array<double, 128>, 2> m_advance;
};

}  // namespace

TextWidth printTextWidth(const QFont& regular, const QFont& bold, const QPaintDevice* device) {
    return CachedWidths(regular, bold, device);
}

bool printCalculation(QPrinter& printer, const Tape& tape, int decPlaces, const QString& totalText,
                      const RegionalSettings& settings, const std::function<bool()>& send) {
    // The page is drawn in a moment once begun: past this point the print is no longer stopped.
    if (send && !send()) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const double scale = printer.resolution() / kTwipsPerInch;
    painter.scale(scale, scale);

    QFont regular = inTwips(painter.font());
    regular.setKerning(false);
    QFont bold = regular;
    bold.setBold(true);
    const QFontMetricsF regularMetrics(regular, &printer);
    const QFontMetricsF boldMetrics(bold, &printer);
    const double lineHeight = std::max(regularMetrics.lineSpacing(), boldMetrics.lineSpacing());
    const double ascent = std::max(regularMetrics.ascent(), boldMetrics.ascent());
    const double pageHeight =
        printer.pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
    const int linesPerPage = std::max(1, static_cast<int>(pageHeight / lineHeight));

    const PrintLayout layout = layoutPrint(tape, decPlaces, totalText, settings,
                                           printTextWidth(regular, bold, &printer), linesPerPage);

    for (std::size_t page = 0; page < layout.pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            // Half a calculation is worse than none.
            printer.abort();
            painter.end();
            return false;
        }
        for (const PrintedText& item : layout.pages[page]) {
            painter.setFont(item.bold ? bold : regular);
            painter.drawText(QPointF(item.x, item.line * lineHeight + ascent), item.text);
        }
    }
    // Ending the painter sends the job.
    return painter.end();
}

}  // namespace tallimer
