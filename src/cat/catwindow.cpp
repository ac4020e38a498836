#include "cat/catwindow.h"

#include "core/board.h"
#include "core/planner.h"
#include "core/text.h"
#include "gui/aboutbox.h"
#include "gui/controls.h"
#include "gui/messagebox.h"
#include "gui/program.h"
#include "gui/windows.h"
#include "shell/programstate.h"

#include <QCloseEvent>

#include <string>

namespace {

std::string bytes(const char* utf8)
{
    return gui::encode(QString::fromUtf8(utf8));
}

} // namespace

CatWindow::CatWindow(CatGameState& game, text::Random& random, QWidget* parent)
    : QMainWindow(parent)
    , game_(game)
    , random_(random)
    , emptyPicture_(QStringLiteral(":/cat/empty.gif"))
    , catPicture_(QStringLiteral(":/cat/cat.gif"))
    , fixedWallPicture_(QStringLiteral(":/cat/fixedwall.gif"))
    , playerWallPicture_(QStringLiteral(":/cat/playerwall.gif"))
{
    ui_.setupUi(this);
    // The client area holds exactly the menu bar and the canvas, and the
    // canvas keeps its size: the window cannot be resized.
    ui_.centralwidget->setFixedSize(cat::canvasWidth, cat::canvasHeight);
    setFixedSize(cat::canvasWidth, menuBar()->sizeHint().height() + cat::canvasHeight);
    gui::centreOnScreen(this);
    setupMenu();
    setupCanvas();
}

void CatWindow::setupMenu()
{
    connect(ui_.开始游戏, &QAction::triggered, this, [this] { 开始游戏_triggered(); });
    connect(ui_.关于, &QAction::triggered, this, [this] { 关于_triggered(); });
}

void CatWindow::setupCanvas()
{
    connect(ui_.画板1, &gui::Canvas::pressed, this, [this](int x, int y) { 画板1_pressed(x, y); });
}

void CatWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}

void CatWindow::开始游戏_triggered()
{
    game_.cells.fill(cat::Free);
    game_.gameState = 1;
    game_.catCell = cat::startCell;
    game_.path.clear();
    for (int n = 1; n <= cat::cellCount; ++n)
        drawCell(n, emptyPicture_);
    drawCell(game_.catCell, catPicture_);
    for (int placed = 0; placed < 9;) {
        // Seeded afresh before every draw, as every game of the program does.
        random_.seed(gui::tickCount());
        const int n = random_.between(1, cat::cellCount);
        if (n == game_.catCell || game_.cells[n - 1] != cat::Free)
            continue;
        game_.cells[n - 1] = cat::FixedWall;
        drawCell(n, fixedWallPicture_);
        ++placed;
    }
}

void CatWindow::关于_triggered()
{
    gui::aboutBox(bytes("围猫游戏"), bytes("由 Selvane 制作"));
}

void CatWindow::画板1_pressed(int x, int y)
{
    if (game_.gameState != 1)
        return;
    const int n = cat::cellAtPoint(x, y, [this](int px, int py) { return ui_.画板1->pixel(px, py); });
    if (n == 0 || n == game_.catCell || game_.cells[n - 1] != cat::Free)
        return;
    drawCell(n, playerWallPicture_);
    game_.cells[n - 1] = cat::PlayerWall;
    catStep();
    if (game_.gameState == 1)
        endOfMoveCheck();
}

void CatWindow::catStep()
{
    const cat::Outcome outcome = cat::plan(game_.cells, game_.catCell, game_.distance, game_.path);
    if (outcome == cat::Outcome::Caught)
        catchReport();
    if (game_.path.size() > 1 && game_.gameState == 1) {
        drawCell(game_.catCell, emptyPicture_);
        game_.catCell = game_.path[1];
        game_.path.erase(game_.path.begin());
        drawCell(game_.catCell, catPicture_);
    }
}

void CatWindow::endOfMoveCheck()
{
    int offBoard = 0;
    int walls = 0;
    for (const int m : cat::neighbours(game_.catCell)) {
        if (m == 0)
            ++offBoard;
        else if (game_.cells[m - 1] != cat::Free)
            ++walls;
    }
    if (offBoard > 0)
        escapeReport();
    else if (walls == 6)
        catchReport();
}

void CatWindow::escapeReport()
{
    endGame(bytes("猫逃跑了！"));
}

void CatWindow::catchReport()
{
    endGame(bytes("猫被抓住啦！一共用了") + text::ofWhole(cat::playerWallCount(game_.cells)) + bytes("步。"));
}

void CatWindow::endGame(std::string_view message)
{
    gui::messageBox(message, gui::InformationIcon, bytes("游戏结束"));
    game_.gameState = 2;
}

void CatWindow::drawCell(int n, const QImage& picture)
{
    const cat::Position at = cat::cellPosition(n);
    ui_.画板1->draw(picture, at.x, at.y, cat::canvasColour);
}
