// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "controls/input_codes.h"

namespace tallimer {
namespace {

TEST(InputCodes, KeyCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_0, Qt::NoModifier, 48},           {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_A, Qt::NoModifier, 65},           {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_Return, Qt::NoModifier, 13},      {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Backspace, Qt::NoModifier, 8},    {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_PageUp, Qt::NoModifier, 33},      {Qt::Key_PageDown, Qt::NoModifier, 34},
        {Qt::Key_Up, Qt::NoModifier, 38},          {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Delete, Qt::NoModifier, 46},      {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F24, Qt::NoModifier, 135},        {Qt::Key_Print, Qt::NoModifier, 44},
        {Qt::Key_Help, Qt::NoModifier, 47},        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Plus, Qt::ShiftModifier, 187},    {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Minus, Qt::NoModifier, 189},      {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 56}, {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Period, Qt::KeypadModifier, 110}, {Qt::Key_Comma, Qt::KeypadModifier, 110},
        {Qt::Key_Period, Qt::NoModifier, 190},     {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(keyCodeOf(event), c.code) << std::hex << c.key;
    }
}

TEST(InputCodes, CharactersShiftsAndButtons) {
    EXPECT_EQ(keyAsciiOf(QChar(u'7')), 55);
    EXPECT_EQ(keyAsciiOf(QChar(u'\r')), 13);
    EXPECT_EQ(keyAsciiOf(QChar(0xE9)), 0xE9);
    EXPECT_EQ(keyAsciiOf(QChar(0x20AC)), 63);
    EXPECT_FALSE(keyAsciiOf(QChar(0x7F)).has_value());
    EXPECT_EQ(shiftOf(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftOf(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(buttonOf(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(buttonOf(Qt::RightButton), 2);
    EXPECT_EQ(buttonOf(Qt::NoButton), 0);
}

}  // namespace
}  // namespace tallimer
