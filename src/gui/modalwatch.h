#pragma once
// Lets a test react to each modal window once it is shown, inside its nested
// loop: read its caption and texts, press one of its buttons.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace gui {

class ModalWatch : public QObject {
    Q_OBJECT
public:
    // onShown runs once for every modal window (message box or modal popup)
    // shown while this object lives, after it has become visible.
    explicit ModalWatch(std::function<void(QWidget* modal)> onShown);
    ~ModalWatch() override;

    int count() const { return count_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget*)> onShown_;
    int count_ = 0;
};

// All visible texts of a window (caption excluded), joined by "\n", for asserts.
QString windowTexts(const QWidget* window);
// Clicks the button whose text is buttonText; false when there is none.
bool pressButton(QWidget* window, const QString& buttonText);

} // namespace gui
