#include "tally/tray.h"

#include "gui/program.h"
#include "gui/tray.h"
#include "gui/weburl.h"
#include "gui/windows.h"
#include "ui_mainwindow.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

Tray::Tray(QWidget& mainWindow, Ui::MainWindow& ui)
    : trayAvailable(gui::systemTrayAvailable)
    , mainWindow_(mainWindow)
    , icon_(new QSystemTrayIcon(&mainWindow))
    , menu_(new QMenu(QStringLiteral("托盘菜单"), &mainWindow))
{
    menu_->setObjectName(QStringLiteral("托盘菜单"));
    menu_->setWindowTitle(QStringLiteral("托盘菜单"));
    QObject::connect(menu_->addAction(QStringLiteral("打开界面")), &QAction::triggered, menu_,
                     [this] { 打开界面_triggered(); });
    QObject::connect(menu_->addAction(QStringLiteral("联系作者")), &QAction::triggered, menu_,
                     [this] { 联系作者_triggered(); });
    QObject::connect(menu_->addAction(QStringLiteral("关闭程序")), &QAction::triggered, menu_,
                     [this] { 关闭程序_triggered(); });

    QObject::connect(icon_, &QSystemTrayIcon::activated, icon_, [this](QSystemTrayIcon::ActivationReason reason) {
        for (int type : gui::trayEventTypes(reason))
            trayEvent(type);
    });
    QObject::connect(ui.图形按钮1, &QAbstractButton::clicked, ui.图形按钮1, [this] { 图形按钮1_clicked(); });
}

void Tray::install()
{
    icon_->setIcon(mainWindow_.windowIcon());
    icon_->setToolTip(QStringLiteral("Vorlix - 至尊版"));
    icon_->show();
}

void Tray::mainWindowStateChanged()
{
    if (gui::windowState(&mainWindow_) == 2 && trayAvailable())
        mainWindow_.hide();
}

void Tray::trayEvent(int type)
{
    if (type == 3) {
        menu_->popup(QCursor::pos());
    } else if (type == 1) {
        if (mainWindow_.isVisible())
            mainWindow_.hide();
        else
            restoreAndCentre();
    }
}

void Tray::restoreAndCentre()
{
    mainWindow_.show();
    gui::setWindowState(&mainWindow_, 1);
}

void Tray::打开界面_triggered()
{
    restoreAndCentre();
}

void Tray::联系作者_triggered()
{
    gui::openWebAddress(contactAddress);
}

void Tray::图形按钮1_clicked()
{
    gui::openWebAddress(contactAddress);
}

void Tray::关闭程序_triggered()
{
    gui::endProgram();
}
