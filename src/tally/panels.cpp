#include "tally/panels.h"

#include "gui/controls.h"
#include "ui_mainwindow.h"

#include <QApplication>

namespace {

const QString moreSettings = QStringLiteral("更多设置");

} // namespace

Panels::Panels(Ui::MainWindow& ui)
    : ui_(ui)
{
    QObject::connect(ui_.按钮20, &QPushButton::clicked, [this] { 按钮20_clicked(); });
    QObject::connect(ui_.按钮23, &QPushButton::clicked, [this] { 按钮20_clicked(); });
    QObject::connect(ui_.按钮21, &QPushButton::clicked, [this] { 按钮21_clicked(); });
    QObject::connect(ui_.按钮28, &QPushButton::clicked, [this] { 按钮28_clicked(); });
    QObject::connect(ui_.按钮31, &QPushButton::clicked, [this] { 按钮31_clicked(); });
    QObject::connect(ui_.按钮32, &QPushButton::clicked, [this] { 按钮32_clicked(); });
    QObject::connect(ui_.按钮34, &QPushButton::clicked, [this] { 按钮34_clicked(); });
}

void Panels::按钮20_clicked()
{
    // The caption alone decides, compared byte for byte.
    if (gui::text(ui_.按钮20) == gui::encode(moreSettings)) {
        ui_.选择夹1->show();
        gui::setText(ui_.按钮20, gui::encode(QStringLiteral("关闭设置")));
        gui::setTip(ui_.按钮20, gui::encode(QStringLiteral("再次点击即可恢复Vorlix主界面")));
        return;
    }
    for (QWidget* panel : std::initializer_list<QWidget*>{ui_.选择夹1, ui_.选择夹2, ui_.选择夹3, ui_.选择夹4})
        hide(panel);
    gui::setText(ui_.按钮20, gui::encode(moreSettings));
    gui::setTip(ui_.按钮20, gui::encode(QStringLiteral("点击打开更多设置，各种小游戏尽在其中")));
}

void Panels::按钮21_clicked()
{
    ui_.选择夹2->show();
}

void Panels::按钮28_clicked()
{
    ui_.选择夹4->show();
}

void Panels::按钮31_clicked()
{
    hide(ui_.选择夹4);
}

void Panels::按钮32_clicked()
{
    ui_.分组框19->show();
}

void Panels::按钮34_clicked()
{
    hide(ui_.分组框19);
}

// Qt would pass the focus of a hidden panel on to the next control, a total,
// with its text selected for overtyping; 按钮20 is always there to take it.
void Panels::hide(QWidget* panel)
{
    if (panel->isAncestorOf(QApplication::focusWidget()))
        ui_.按钮20->setFocus();
    panel->hide();
}
