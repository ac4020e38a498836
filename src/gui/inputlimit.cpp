#include "gui/inputlimit.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include <algorithm>

namespace gui {

namespace {

// Watches one edit box; lives as its child. textEdited reports only the host's
// edits, so texts set by the program pass untouched.
class TypingLimit : public QObject {
public:
    TypingLimit(QLineEdit* edit, int maxChars)
        : QObject(edit), edit_(edit), maxChars_(maxChars), current_(edit->text())
    {
        // The edit box's own text, not the signal's: a correction made while
        // an edit is reported may reach here before the edit's own signal.
        connect(edit, &QLineEdit::textChanged, this, [this] {
            previous_ = current_;
            current_ = edit_->text();
        });
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& after) { edited(after); });
    }

private:
    void edited(const QString& after)
    {
        // Whether textChanged came first or not, this is the text before the edit.
        const QString before = current_ == after ? previous_ : current_;
        if (after.size() <= maxChars_ || after.size() <= before.size())
            return;
        // The inserted part lies between the longest common start and end. A
        // character outside the basic plane takes two units: no bound may fall
        // between them, so such a character is kept whole or not at all.
        qsizetype start = 0;
        const qsizetype shortest = std::min(before.size(), after.size());
        while (start < shortest && before[start] == after[start])
            ++start;
        if (start > 0 && after[start - 1].isHighSurrogate())
            --start;
        qsizetype end = 0;
        while (end < shortest - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
            ++end;
        if (end > 0 && after[after.size() - end].isLowSurrogate())
            --end;
        const qsizetype inserted = after.size() - start - end;
        const qsizetype kept = after.size() - inserted;
        qsizetype fits = std::max<qsizetype>(0, maxChars_ - kept);
        if (inserted <= fits)
            return;
        if (fits > 0 && after[start + fits - 1].isHighSurrogate())
            --fits;
        const QString limited = after.left(start) + after.mid(start, fits) + after.right(end);
        edit_->setText(limited);
        edit_->setCursorPosition(int(start + fits));
    }

    QPointer<QLineEdit> edit_;
    int maxChars_;
    QString current_;
    QString previous_;
};

} // namespace

void limitTyping(QLineEdit* edit, int maxChars)
{
    if (edit)
        new TypingLimit(edit, maxChars);
}

} // namespace gui
