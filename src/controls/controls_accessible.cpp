// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/controls_accessible.h"

#include <QLineEdit>

#include "controls/drive_control.h"
#include "controls/drive_control_accessible.h"
#include "controls/line_edit_accessible.h"
#include "controls/super_button.h"
#include "controls/super_button_accessible.h"
#include "controls/vyn_vertical_scroll.h"
#include "controls/vyn_vertical_scroll_accessible.h"

namespace tallimer {

QAccessibleInterface* controlsAccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<SuperButton*>(object)) {
        return new SuperButtonAccessible(button);
    }
    if (auto* bar = qobject_cast<VynVerticalScroll*>(object)) {
        return new VynVerticalScrollAccessible(bar);
    }
    if (auto* browser = qobject_cast<DriveControl*>(object)) {
        return new DriveControlAccessible(browser);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        return new LineEditAccessible(edit);
    }
#endif
    return nullptr;
}

}  // namespace tallimer
