#include "gui/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextEdit>
#include <QVariant>

namespace gui {

namespace {

// The bytes the program set and the text the control showed for them. While
// the control still shows that text, reading gives the bytes back unchanged,
// even when they end in half a character that decoding had to replace.
constexpr char bytesProperty[] = "vorlixBytes";
constexpr char shownProperty[] = "vorlixShown";

void show(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(control))
        edit->setPlainText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        edit->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(control)) {
        // The program's texts are plain: a typed "<img src=...>" must show as typed.
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
    }
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else
        control->setWindowTitle(text);
}

} // namespace

QString decode(std::string_view bytes)
{
    QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string encode(const QString& text)
{
    QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QString shownText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* edit = qobject_cast<const QTextEdit*>(control))
        return edit->toPlainText();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(control))
        return edit->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return control->windowTitle();
}

std::string text(const QWidget* control)
{
    if (!control)
        return {};
    const QString shown = shownText(control);
    const QVariant bytes = control->property(bytesProperty);
    if (bytes.isValid() && control->property(shownProperty).toString() == shown) {
        const QByteArray set = bytes.toByteArray();
        return std::string(set.constData(), std::size_t(set.size()));
    }
    return encode(shown);
}

void setText(QWidget* control, std::string_view bytes)
{
    if (!control)
        return;
    show(control, decode(bytes));
    // Remember what the control really shows: a line edit drops line breaks,
    // for example, so the decoded text is not always what it displays.
    control->setProperty(bytesProperty, QByteArray(bytes.data(), qsizetype(bytes.size())));
    control->setProperty(shownProperty, shownText(control));
}

int setTip(QWidget* control, std::string_view bytes)
{
    if (!control)
        return 0;
    control->setToolTip(decode(bytes));
    return 1;
}

} // namespace gui
