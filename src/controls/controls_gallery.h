// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QWidget>

namespace tallimer {

// A window showing both painted controls in their looks (every border style, several colours,
// scroll bars with and without a thumb), for looking at them on a screen or in a screenshot.
// Shows the window and returns it.
std::unique_ptr<QWidget> showControlsGallery();

}  // namespace tallimer
