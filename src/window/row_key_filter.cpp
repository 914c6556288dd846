#include "window/row_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "engine/calculator.h"
#include "window/entry_row.h"

namespace tallimer {

namespace {

struct KeyCodeEntry {
    int qtKey;
    int code;
};

// Keys whose code is not their character.
constexpr KeyCodeEntry kSpecialKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 42},
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
    // Shifted digits of a US keyboard report their symbol; the key is the digit.
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
    {Qt::Key_Plus, 187},
};

// The number pad's own codes.
int keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return 96 + (key - Qt::Key_0);
    }
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Enter:
            return 13;
        default:
            return 0;
    }
}

constexpr int kAnyOtherKey = 255;

}  // namespace

int keyCodeFor(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::KeypadModifier) != 0) {
        if (const int code = keypadCode(key); code != 0) {
            return code;
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // Qt's codes for these are their upper-case characters
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16) {
        return 112 + (key - Qt::Key_F1);
    }
    for (const auto& entry : kSpecialKeys) {
        if (entry.qtKey == key) {
            return entry.code;
        }
    }
    return kAnyOtherKey;
}

int characterFor(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::AltModifier) != 0) {
        return 0;  // menu chords type nothing
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    if ((mods & Qt::ControlModifier) != 0) {
        // Ctrl+letter types the control character of the letter (Ctrl+C 3, Ctrl+V 22).
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    const char16_t c = text.at(0).unicode();
    return c == 0x7F ? 0 : c;
}

RowKeyFilter::RowKeyFilter(Calculator& calculator, QWidget& window, QObject* parent)
    : QObject(parent), m_calculator(calculator), m_window(window) {}

bool RowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* row = qobject_cast<EntryRow*>(watched);
    if (row == nullptr) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return keyPress(*row, static_cast<QKeyEvent&>(*event));
    }
    if (event->type() == QEvent::KeyRelease) {
        keyRelease(*row, static_cast<QKeyEvent&>(*event));
    }
    return false;
}

bool RowKeyFilter::keyPress(EntryRow& row, QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return false;  // focus navigation, not typing
    }
    int keyCode = keyCodeFor(event);
    m_calculator.rowKeyDown(row.index(), keyCode);
    if (keyCode == 0) {
        return true;
    }
    const int typed = characterFor(event);
    if (typed == 0) {
        return false;
    }
    int keyAscii = typed;
    m_calculator.rowKeyPress(row.index(), keyAscii);
    if (keyAscii == 0) {
        return true;
    }
    if (keyAscii != typed && keyAscii >= 0x20 && keyAscii <= 0xFFFF) {
        // The handler replaced the character: type the replacement instead.
        row.insert(QString(QChar(static_cast<char16_t>(keyAscii))));
        return true;
    }
    return false;
}

void RowKeyFilter::keyRelease(EntryRow& row, QKeyEvent& event) {
    if (event.isAutoRepeat() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return;
    }
    // A handler may have moved the focus during the key press: the release belongs to the row
    // that has the focus now.
    auto* focused = qobject_cast<EntryRow*>(m_window.focusWidget());
    EntryRow& target = focused != nullptr ? *focused : row;
    m_calculator.rowKeyUp(target.index(), keyCodeFor(event));
}

}  // namespace tallimer
