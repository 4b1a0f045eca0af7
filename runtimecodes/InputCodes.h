// The numbers the old runtime's events carry for keys, mouse buttons and modifiers. Hosts of the
// controls and the table's rules were written against these, not against Qt's own codes.
#pragma once

#include <QtCore/qnamespace.h>

namespace runtimecodes {

inline constexpr int ButtonLeft = 1;
inline constexpr int ButtonRight = 2;
inline constexpr int ButtonMiddle = 4;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The one button of a press or release; 0 for any other button.
constexpr int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return ButtonLeft;
        case Qt::RightButton:
            return ButtonRight;
        case Qt::MiddleButton:
            return ButtonMiddle;
        default:
            return 0;
    }
}

// The buttons held during a move, as a mask of the codes above.
constexpr int ButtonMask(Qt::MouseButtons buttons) {
    return ((buttons & Qt::LeftButton) ? ButtonLeft : 0) |
           ((buttons & Qt::RightButton) ? ButtonRight : 0) |
           ((buttons & Qt::MiddleButton) ? ButtonMiddle : 0);
}

constexpr int ShiftState(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? ShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) ? CtrlMask : 0) |
           ((modifiers & Qt::AltModifier) ? AltMask : 0);
}

// The virtual-key number of a Qt key; 0 for a key the old keyboard had no number for.
constexpr int KeyCode(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const bool keypad = (modifiers & Qt::KeypadModifier) != 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90 in both systems
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Clear:
            return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Print:
            return 44;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Help:
            return 47;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        case Qt::Key_Asterisk:
            return keypad ? 106 : 56;
        case Qt::Key_Plus:
            return keypad ? 107 : 187;
        case Qt::Key_Minus:
            return keypad ? 109 : 189;
        case Qt::Key_Period:
            return keypad ? 110 : 190;
        case Qt::Key_Slash:
            return keypad ? 111 : 191;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 186;
        case Qt::Key_Equal:
            return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 188;
        case Qt::Key_Underscore:
            return 189;
        case Qt::Key_Greater:
            return 190;
        case Qt::Key_Question:
            return 191;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return 222;
        default:
            return 0;
    }
}

}  // namespace runtimecodes
