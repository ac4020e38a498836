#include "tally/mainwindow.h"

#include "gui/controls.h"
#include "gui/windows.h"
#include "shell/programstate.h"

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , state_(state)
{
    ui_.setupUi(this);
    setFixedSize(269, 418);
    setupLook();
    时钟2_.setObjectName(QStringLiteral("时钟2"));
    时钟3_.setObjectName(QStringLiteral("时钟3"));
    时钟4_.setObjectName(QStringLiteral("时钟4"));
    时钟4_.setInterval(500);
    created();
    gui::centreOnScreen(this);
}

void MainWindow::setupLook()
{
}

void MainWindow::created()
{
    时钟2_.setInterval(1000);
    时钟3_.setInterval(1000);
    时钟2_.start();
    时钟3_.start();
    时钟4_.start();
}
