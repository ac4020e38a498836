#pragma once
// A typing limit for a single-line edit box that, unlike QLineEdit's
// maxLength, never shortens a text the program sets.
class QLineEdit;

namespace gui {

// Typing, pasting and dropping into edit may make its text at most maxChars
// characters long: an insertion is cut to what still fits, deleting is always
// allowed. Texts set by the program are kept whole, even when longer.
void limitTyping(QLineEdit* edit, int maxChars);

} // namespace gui
