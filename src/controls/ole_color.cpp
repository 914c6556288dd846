// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ole_color.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPalette>

namespace tallimer {
namespace {

QPalette::ColorRole roleOf(std::uint32_t index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
        case 5:  // window background: the background of text areas
            return QPalette::Base;
        case 6:   // window frame
        case 21:  // 3-D dark shadow
            return QPalette::Shadow;
        case 7:  // menu text
        case 9:  // caption text
            return QPalette::WindowText;
        case 8:  // window text
            return QPalette::Text;
        case 13:  // highlight
            return QPalette::Highlight;
        case 14:  // highlight text
            return QPalette::HighlightedText;
        case 15:  // button face
            return QPalette::Button;
        case 16:  // button shadow
            return QPalette::Dark;
        case 17:  // grey text
            group = QPalette::Disabled;
            return QPalette::Text;
        case 18:  // button text
            return QPalette::ButtonText;
        case 20:  // 3-D highlight
            return QPalette::Light;
        case 22:  // 3-D light
            return QPalette::Midlight;
        case 23:  // tool tip text
            return QPalette::ToolTipText;
        case 24:  // tool tip background
            return QPalette::ToolTipBase;
        default:  // desktop, menu, workspace, scroll bars and the rest
            return QPalette::Window;
    }
}

}  // namespace

QRgb rgbFromOle(std::uint32_t ole) {
    if ((ole & 0x80000000u) != 0) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOf(ole & 0xFFu, group);
        return QGuiApplication::palette().color(group, role).rgb();
    }
    // Palette-relative forms (0x01/0x02 in the top byte) keep their RGB part.
    return qRgb(static_cast<int>(ole & 0xFFu), static_cast<int>((ole >> 8) & 0xFFu),
                static_cast<int>((ole >> 16) & 0xFFu));
}

QRgb rgbLimited(int red, int green, int blue) {
    return qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

}  // namespace tallimer
