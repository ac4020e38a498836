#include "gui/modalwatch.h"

#include "gui/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace gui {

namespace {

// Marks a window as reported by a watch; a new window never carries the mark,
// even at the address of a destroyed one.
constexpr char seenProperty[] = "vorlixModalWatchSeen";

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

ModalWatch::ModalWatch(std::function<void(QWidget* modal)> onShown)
    : onShown_(std::move(onShown))
{
    qApp->installEventFilter(this);
}

ModalWatch::~ModalWatch()
{
    qApp->removeEventFilter(this);
}

bool ModalWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || !window->isModal())
        return false;
    // Each watch reports a window once, even when it is hidden and shown again.
    const QVariant seen = window->property(seenProperty);
    const quintptr me = quintptr(this);
    if (seen.isValid() && seen.value<quintptr>() == me)
        return false;
    window->setProperty(seenProperty, QVariant::fromValue(me));
    // Deferred: the show event comes before exec() enters its loop, and the
    // test must act inside that loop, as the host would.
    QTimer::singleShot(0, this, [this, guard = QPointer<QWidget>(window)] {
        if (!guard || !guard->isVisible())
            return;
        ++count_;
        onShown_(guard);
    });
    return false;
}

QString windowTexts(const QWidget* window)
{
    QStringList texts;
    const auto widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString text = shownText(widget);
        if (!text.isEmpty())
            texts << text;
    }
    return texts.join(QLatin1Char('\n'));
}

bool pressButton(QWidget* window, const QString& buttonText)
{
    const auto buttons = window->findChildren<QAbstractButton*>();
    const auto it = std::find_if(buttons.begin(), buttons.end(), [&](QAbstractButton* button) {
        return button->isVisibleTo(window) && withoutMnemonic(button->text()) == buttonText;
    });
    if (it == buttons.end())
        return false;
    (*it)->click();
    return true;
}

} // namespace gui
