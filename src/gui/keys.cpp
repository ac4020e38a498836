#include "gui/keys.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <utility>

namespace gui {

namespace {

#ifndef _WIN32
// The X11/Wayland key codes (evdev code + 8) of the main-row digit keys "1".."0".
// Whatever the layout and the Shift state put on them, they are the digits 1-9, 0.
int mainRowDigitByScanCode(quint32 scanCode)
{
    if (scanCode >= 10 && scanCode <= 18)
        return int('1' + (scanCode - 10));
    if (scanCode == 19)
        return '0';
    return 0;
}
#endif

int keypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Comma: return 108;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0; // arrows, Home, Enter... of the keypad map like the main keys
    }
}

// A US layout: the unshifted and shifted characters of each key give its code,
// so Shift+8 ("*") is still the 8 key.
int characterKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

int controlKey(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_NumLock: return 144;
    default: return 0;
    }
}

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<bool(int)> handler)
        : QObject(parent), handler_(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        return !handler_(virtualKey(*static_cast<QKeyEvent*>(event)));
    }

private:
    std::function<bool(int)> handler_;
};

class FocusFilter : public QObject {
public:
    FocusFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Focus coming back after a context menu or a drop-down closed never
        // left the control as far as the host can tell.
        if (event->type() == QEvent::FocusIn
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            handler_();
        return false;
    }

private:
    std::function<void()> handler_;
};

} // namespace

int virtualKey(const QKeyEvent& event)
{
#ifdef _WIN32
    if (event.nativeVirtualKey() != 0)
        return int(event.nativeVirtualKey());
#else
    if (const int digit = mainRowDigitByScanCode(event.nativeScanCode()))
        return digit;
#endif
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = keypadKey(key))
            return code;
    }
    if (const int code = characterKey(key))
        return code;
    return controlKey(key);
}

void onKeyPressed(QWidget* control, std::function<bool(int vk)> handler)
{
    control->installEventFilter(new KeyFilter(control, std::move(handler)));
}

void onFocusIn(QWidget* control, std::function<void()> handler)
{
    control->installEventFilter(new FocusFilter(control, std::move(handler)));
}

} // namespace gui
