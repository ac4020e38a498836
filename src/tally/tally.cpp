#include "tally/tally.h"

#include "core/text.h"
#include "gui/controls.h"
#include "gui/inputlimit.h"
#include "ui_mainwindow.h"

#include <QTimer>

#include <cmath>
#include <initializer_list>

namespace {

// Caption of the member lists and text of their label inputs at the start.
constexpr char membersCaption[] = "\x20\xb6\xd3\x20\xd4\xb1\x20"; // " 队 员 "

// The host may type at most this many characters into a total.
constexpr int totalTypingLimit = 6;

double numberIn(const QWidget* control)
{
    return text::number(gui::text(control));
}

void writeNumber(QWidget* control, double value)
{
    gui::setText(control, text::ofReal(value));
}

} // namespace

Tally::Tally(Ui::MainWindow& ui, QTimer& 时钟2)
    : ui_(ui)
{
    const struct {
        QPushButton* button;
        QWidget* total;
        double amount;
    } quickAdds[] = {
        {ui.按钮2, ui.编辑框1, 10}, {ui.按钮3, ui.编辑框1, 33}, {ui.按钮4, ui.编辑框1, 66},
        {ui.按钮5, ui.编辑框1, 199}, {ui.按钮6, ui.编辑框1, 521}, {ui.按钮7, ui.编辑框1, 1314},
        {ui.按钮9, ui.编辑框2, 10}, {ui.按钮10, ui.编辑框2, 33}, {ui.按钮11, ui.编辑框2, 66},
        {ui.按钮12, ui.编辑框2, 199}, {ui.按钮13, ui.编辑框2, 521}, {ui.按钮14, ui.编辑框2, 1314},
    };
    for (const auto& add : quickAdds) {
        QObject::connect(add.button, &QPushButton::clicked, add.button,
                         [this, total = add.total, amount = add.amount] { quickAdd(total, amount); });
    }
    QObject::connect(ui.按钮8, &QPushButton::clicked, ui.按钮8, [this] { 按钮8_clicked(); });
    QObject::connect(ui.按钮15, &QPushButton::clicked, ui.按钮15, [this] { 按钮15_clicked(); });
    QObject::connect(ui.按钮17, &QPushButton::clicked, ui.按钮17, [this] { 按钮17_clicked(); });
    QObject::connect(ui.按钮1, &QPushButton::clicked, ui.按钮1, [this] { 按钮1_clicked(); });
    QObject::connect(&时钟2, &QTimer::timeout, ui.编辑框7, [this] { 时钟2_tick(); });

    for (QLineEdit* total : {ui.编辑框1, ui.编辑框2, ui.编辑框7})
        gui::limitTyping(total, totalTypingLimit);
}

void Tally::quickAdd(QWidget* total, double amount)
{
    writeNumber(total, numberIn(total) + amount);
}

void Tally::按钮8_clicked()
{
    writeNumber(ui_.编辑框1, numberIn(ui_.编辑框8) + numberIn(ui_.编辑框1));
    gui::setText(ui_.编辑框8, "");
}

void Tally::按钮15_clicked()
{
    writeNumber(ui_.编辑框2, numberIn(ui_.编辑框9) + numberIn(ui_.编辑框2));
    gui::setText(ui_.编辑框9, "");
    // Signed, lollipop minus duck, until the next refresh shows its size.
    writeNumber(ui_.编辑框7, numberIn(ui_.编辑框1) - numberIn(ui_.编辑框2));
}

void Tally::时钟2_tick()
{
    writeNumber(ui_.编辑框7, std::fabs(numberIn(ui_.编辑框1) - numberIn(ui_.编辑框2)));
}

void Tally::按钮17_clicked()
{
    gui::setText(ui_.分组框3, gui::text(ui_.编辑框12));
    gui::setText(ui_.分组框4, gui::text(ui_.编辑框13));
}

void Tally::按钮1_clicked()
{
    for (QWidget* box : std::initializer_list<QWidget*>{ui_.编辑框1, ui_.编辑框2, ui_.编辑框5, ui_.编辑框6})
        gui::setText(box, "");
    gui::setText(ui_.编辑框10, "");
    gui::setText(ui_.编辑框12, membersCaption);
    gui::setText(ui_.编辑框13, membersCaption);
    gui::setText(ui_.编辑框14, "");
    gui::setText(ui_.分组框3, membersCaption);
    gui::setText(ui_.分组框4, membersCaption);
    // Ends any scrolling banner text at once.
    gui::setText(ui_.标签1, "");
}
