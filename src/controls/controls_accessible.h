// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tallimer {

// Builds interfaces for the painted controls only when an assistive technology asks.
QAccessibleInterface* controlsAccessibleFactory(const QString& className, QObject* object);

}  // namespace tallimer
