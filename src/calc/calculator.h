#pragma once
// The calculator field of the main window: the host types an arithmetic text
// into `编辑框10` and presses Enter; the value appears in `编辑框14`.
class QLineEdit;

class Calculator {
public:
    // Wires the handlers of 编辑框10, whose key and focus events call this
    // object from then on: it must stay alive while 编辑框10 can still get
    // events. It touches the edits only inside those events.
    Calculator(QLineEdit& 编辑框10, QLineEdit& 编辑框14);

    // Runs before the field sees the key (a Windows virtual-key code); Enter
    // evaluates. Returns whether the key reaches the field.
    bool 编辑框10_keyPressed(int vk);
    // Taking the focus empties the field, so its design text is only a prompt,
    // and leaves it left-aligned from then on.
    void 编辑框10_focusIn();

private:
    void evaluate();

    QLineEdit& 编辑框10_;
    QLineEdit& 编辑框14_;
};
