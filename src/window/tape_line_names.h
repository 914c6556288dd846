// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

#include <QAccessible>
#include <QMetaObject>

namespace tallimer {

struct RowParts;
class VynVerticalScroll;

// Names each entry row "Line N" and its operator button "operator of line N, plus" (its
// operator in words), N being the tape line the row shows, so the names follow the scroll and
// the operator. Only while an
// assistive technology is running: otherwise a scroll costs nothing more.
class TapeLineNames : public QAccessible::ActivationObserver {
public:
    TapeLineNames(const RowParts& rows, const VynVerticalScroll& scroll);
    ~TapeLineNames() override;
    TapeLineNames(const TapeLineNames&) = delete;
    TapeLineNames& operator=(const TapeLineNames&) = delete;

    // After every change of the view offset.
    void refresh();
    // "Line N" for the tape line that `row` shows now.
    QString lineName(int row) const;
    void accessibilityActiveChanged(bool active) override;

private:
    void nameOp(std::size_t row);

    const RowParts& m_rows;
    const VynVerticalScroll& m_scroll;
    std::vector<QMetaObject::Connection> m_captionWatch;
};

}  // namespace tallimer
