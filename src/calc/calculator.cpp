#include "calc/calculator.h"

#include "core/evaluator.h"
#include "gui/controls.h"
#include "gui/keys.h"
#include "gui/messagebox.h"

#include <QLineEdit>

namespace {

// Mainly digits, operators and editing keys reach the field: the main-row
// digits (with Shift their signs, "^" and "*" among them), Backspace, the
// arrows, Delete, keypad "*" and "+", and the main "-", "." and "/".
bool isAccepted(int vk)
{
    return (vk >= 48 && vk <= 57) || vk == 8 || (vk >= 37 && vk <= 40) || vk == 46 || vk == 106 || vk == 107
        || vk == 189 || vk == 190 || vk == 191;
}

} // namespace

Calculator::Calculator(QLineEdit& 编辑框10, QLineEdit& 编辑框14)
    : 编辑框10_(编辑框10), 编辑框14_(编辑框14)
{
    gui::onKeyPressed(&编辑框10_, [this](int vk) { return 编辑框10_keyPressed(vk); });
    gui::onFocusIn(&编辑框10_, [this] { 编辑框10_focusIn(); });
}

bool Calculator::编辑框10_keyPressed(int vk)
{
    if (vk == 13)
        evaluate();
    return isAccepted(vk);
}

void Calculator::编辑框10_focusIn()
{
    gui::setText(&编辑框10_, "");
    编辑框10_.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void Calculator::evaluate()
{
    const calc::Evaluation evaluation = calc::evaluate(gui::text(&编辑框10_));
    if (evaluation.divisionError) {
        gui::messageBox(gui::encode(QStringLiteral("计算式中有被除数为0的情况，计算不能继续，请检查数据！")),
                        gui::ErrorIcon, gui::encode(QStringLiteral("错误！")));
    }
    gui::setText(&编辑框14_, evaluation.text);
    // The field normally has the focus already; after the message box its
    // window is activated again and the field gets the focus back, and that
    // focus event empties it.
    编辑框10_.activateWindow();
    编辑框10_.setFocus();
}
