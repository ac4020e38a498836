#pragma once
// Control texts as the program's byte texts (GB18030). A text the program sets
// reads back byte-exact, even half a character; once the host edits the
// control, reading gives the encoded typed text.
#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace gui {

QString decode(std::string_view bytes);
std::string encode(const QString& text);

// What a control shows: an edit box's text, a label's, a button's, a group
// box's caption; for any other widget its window caption.
QString shownText(const QWidget* control);

// Text of an edit box (single or multi-line), label, button or group box
// (its caption); for a top-level window, its caption.
std::string text(const QWidget* control);
void setText(QWidget* control, std::string_view bytes);

// Balloon tip of a control; returns 1 on success.
int setTip(QWidget* control, std::string_view bytes);

} // namespace gui
