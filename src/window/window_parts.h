// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controls/widget_look.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QWidget;

namespace tallimer {

class EntryRow;
class SuperButton;
class VynVerticalScroll;

// The total box and what surrounds it.
struct TotalParts {
    QLineEdit* TotalAmount = nullptr;
    QLabel* Op11 = nullptr;  // the "=" sign
    QLabel* Dzx = nullptr;   // the grey frame behind the total box
};

// The row pool: entry rows and their operator buttons, indexes 0..N.
struct RowParts {
    std::vector<EntryRow*> CalAmount;
    std::vector<SuperButton*> Op;
};

struct KeypadParts {
    std::array<SuperButton*, 18> CalC_Button{};
    std::array<SuperButton*, 2> MemoryRc{};
    QLabel* M_Buff = nullptr;
};

struct MenuParts {
    QMenu* E_m = nullptr;
    QMenu* dp = nullptr;
    QMenu* OtherFeatures = nullptr;
    QAction* Clear_Total = nullptr;
    std::array<QAction*, 2> LD{};
    QAction* C_m = nullptr;
    QAction* P_m = nullptr;
    QAction* SortNm = nullptr;
    QAction* PrintCalc = nullptr;
    // Decimals items 0..6, then "Variable" (its command index is 25) at position 7.
    std::array<QAction*, 8> dp1{};
    std::array<QAction*, 4> CalcFuntions{};

    // The Decimals item for a command index (0..6 or 25); nullptr for any other.
    QAction* decimalsItem(int index) const {
        if (index >= 0 && index <= 6) {
            return dp1[static_cast<std::size_t>(index)];
        }
        return index == 25 ? dp1[7] : nullptr;
    }
};

struct WindowParts {
    QWidget* client = nullptr;  // the client area below the menu bar
    TotalParts total;
    RowParts rows;
    KeypadParts keypad;
    MenuParts menus;
    VynVerticalScroll* ScrollNum = nullptr;
};

}  // namespace tallimer
