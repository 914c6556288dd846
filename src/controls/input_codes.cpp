// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/input_codes.h"

#include <QKeyEvent>

namespace tallimer {
namespace {

struct KeyPair {
    int qtKey;
    std::int16_t code;
};

// Keys whose code does not follow from the key value itself (US layout for the punctuation).
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, kBackspace},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, kEnter},
    {Qt::Key_Enter, kEnter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, kEscape},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // Shifted digits report the symbol; the code is the digit key's.
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
};

constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}, {Qt::Key_Enter, kEnter},
};

}  // namespace

std::int16_t keyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::int16_t>(keypad ? 96 + (key - Qt::Key_0) : key);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::int16_t>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    }
    if (keypad) {
        for (const KeyPair& pair : kKeypadKeys) {
            if (pair.qtKey == key) {
                return pair.code;
            }
        }
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.qtKey == key) {
            return pair.code;
        }
    }
    return 0;
}

std::optional<std::int16_t> keyAsciiOf(QChar character) {
    const char16_t code = character.unicode();
    if (code == 0 || code == 127) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(code <= 255 ? code : u'?');
}

std::int16_t shiftOf(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        shift |= 1;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        shift |= 2;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        shift |= 4;
    }
    return shift;
}

std::int16_t buttonOf(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        code |= 1;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        code |= 2;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        code |= 4;
    }
    return code;
}

}  // namespace tallimer
