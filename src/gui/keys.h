#pragma once
// Key events as Windows virtual-key codes of the physical key, so key tables
// written for Windows stand as they are.
#include <functional>

class QKeyEvent;
class QWidget;

namespace gui {

// Main-row digits 48-57 (also when shifted), letters 65-90, keypad 96-111,
// ";=,-./" 186-191, Backspace 8, Tab 9, Enter 13, Esc 27, Space 32, arrows 37-40,
// Delete 46, Home 36, End 35; 0 for a key without a code.
int virtualKey(const QKeyEvent& event);

// handler(vk) runs on every key press in the control before the control sees
// it; returning false drops the key.
void onKeyPressed(QWidget* control, std::function<bool(int vk)> handler);

// handler runs when the control takes the keyboard focus (not when it already
// has it).
void onFocusIn(QWidget* control, std::function<void()> handler);

} // namespace gui
