// Qt's input as a windowed control receives it from its framework: mouse
// buttons and shift state as codes and masks, keys as classic virtual-key
// codes, typed characters as 16-bit character codes.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <Qt>

class QKeyEvent;

namespace vemmix::qt {

// The button of a press or release: 1 left, 2 right, 4 middle; nullopt for
// any other (the framework has no code for it).
std::optional<std::int16_t> ButtonCode(Qt::MouseButton button);
// The buttons held, as a mask of the codes above.
std::int16_t ButtonMask(Qt::MouseButtons buttons);
// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
// The same for a key event, as the state after the key went down or up: a
// modifier key's own bit is set when it is pressed and clear when it is
// released (Qt reports the state before).
std::int16_t KeyShiftMask(const QKeyEvent& event);

// The virtual-key code of a key event: Backspace 8, Tab 9, Enter 13,
// Shift 16, Ctrl 17, Alt 18, Pause 19, Caps Lock 20, Escape 27, Space 32,
// Page Up/Down 33/34, End 35, Home 36, arrows 37-40 (left, up, right, down),
// Insert 45, Delete 46, digits 48-57, letters 65-90, the keypad's digits
// 96-105 and * + , - . / 106-111, F1-F24 112-135, Num Lock 144, Scroll Lock
// 145, and the punctuation keys of a US keyboard ; = , - . / ` [ \ ] ' as
// 186-192 and 219-222 whether shifted or not. 0 for a key without a code.
std::int16_t VirtualKey(const QKeyEvent& event);

// The characters a key event types, one KeyPress each (UTF-16 units);
// empty when it types none: Delete and keys without text, and any key while
// Alt is held without Ctrl (Alt+key is a command, not typing).
QString TypedText(const QKeyEvent& event);

}  // namespace vemmix::qt
