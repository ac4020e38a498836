#include "cat/catwindow.h"
#include "cat/opencatgame.h"
#include "core/board.h"
#include "gui/canvas.h"
#include "gui/modalwatch.h"
#include "shell/programstate.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include <memory>
#include <set>

namespace {

const QImage& picture(int kind)
{
    static const QImage pictures[] = {
        QImage(":/cat/empty.gif").convertToFormat(QImage::Format_RGB32),
        QImage(":/cat/playerwall.gif").convertToFormat(QImage::Format_RGB32),
        QImage(":/cat/fixedwall.gif").convertToFormat(QImage::Format_RGB32),
        QImage(":/cat/cat.gif").convertToFormat(QImage::Format_RGB32),
    };
    return pictures[kind];
}
constexpr int catPicture = 3;

QPoint centreOf(int n)
{
    const cat::Position p = cat::cellPosition(n);
    return {p.x + 20, p.y + 20};
}

// What a message box showed, and whether the game was still in play then.
struct Shown {
    QString title;
    QString texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int gameState = -1;
    int catCell = -1;
    QImage canvas;
};

} // namespace

class CatWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void formHasItsMenusAndGreyCanvas();
    void clicksBeforeANewGameDoNothing_data();
    void clicksBeforeANewGameDoNothing();
    void newGameDrawsCatAndNineFixedWalls();
    void newGameMidGameClearsTheBoard();
    void ignoredClicks_data();
    void ignoredClicks();
    void wallMakesTheCatStepAlongItsWay();
    void endMessages_data();
    void endMessages();
    void aboutBox();
    void openingHidesTheMainWindowAndNeverCopies();

private:
    gui::Canvas* canvas() const { return window->ui().画板1; }
    void newGame() { window->ui().开始游戏->trigger(); }
    void click(QPoint at) { QTest::mouseClick(canvas(), Qt::LeftButton, {}, at); }
    QImage cellOnCanvas(int n) const;
    // Puts the board into a known position: the given walls, the cat, in
    // play, drawn on the canvas as the window would have drawn it.
    void arrange(const QList<int>& fixedWalls, const QList<int>& playerWalls, int catCell);
    // Every cell on the canvas shows the picture of its state.
    void verifyBoardDrawn();
    // Clicks at, expecting one message box; records it and presses "确定".
    Shown clickExpectingMessage(QPoint at);

    CatGameState game;
    text::Random random;
    std::unique_ptr<CatWindow> window;
};

void CatWindowTest::init()
{
    game = CatGameState{};
    window = std::make_unique<CatWindow>(game, random);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void CatWindowTest::cleanup()
{
    window.reset();
}

QImage CatWindowTest::cellOnCanvas(int n) const
{
    const cat::Position p = cat::cellPosition(n);
    return canvas()->image().copy(p.x, p.y, 40, 40);
}

void CatWindowTest::arrange(const QList<int>& fixedWalls, const QList<int>& playerWalls, int catCell)
{
    game.cells.fill(cat::Free);
    for (const int n : fixedWalls)
        game.cells[n - 1] = cat::FixedWall;
    for (const int n : playerWalls)
        game.cells[n - 1] = cat::PlayerWall;
    game.catCell = catCell;
    game.gameState = 1;
    canvas()->clear();
    for (int n = 1; n <= cat::cellCount; ++n) {
        const cat::Position p = cat::cellPosition(n);
        canvas()->draw(picture(n == catCell ? catPicture : game.cells[n - 1]), p.x, p.y, cat::canvasColour);
    }
}

void CatWindowTest::verifyBoardDrawn()
{
    for (int n = 1; n <= cat::cellCount; ++n) {
        const int kind = n == game.catCell ? catPicture : game.cells[n - 1];
        QVERIFY2(cellOnCanvas(n) == picture(kind),
                 qPrintable(QStringLiteral("cell %1 should show picture %2").arg(n).arg(kind)));
    }
    // The ground around the discs stays grey.
    for (const QPoint ground : {QPoint(44, 20), QPoint(20, 60), QPoint(530, 20), QPoint(530, 420), QPoint(0, 0)})
        QCOMPARE(canvas()->pixel(ground.x(), ground.y()), cat::canvasColour);
}

Shown CatWindowTest::clickExpectingMessage(QPoint at)
{
    Shown shown;
    gui::ModalWatch watch([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        shown.title = modal->windowTitle();
        shown.texts = gui::windowTexts(modal);
        shown.icon = box ? box->icon() : QMessageBox::NoIcon;
        shown.gameState = game.gameState;
        shown.catCell = game.catCell;
        shown.canvas = canvas()->image();
        gui::pressButton(modal, QStringLiteral("确定"));
    });
    click(at);
    [&] { QCOMPARE(watch.count(), 1); }();
    return shown;
}

void CatWindowTest::formHasItsMenusAndGreyCanvas()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("围猫游戏"));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->width(), 544);
    QCOMPARE(window->height(), window->menuBar()->height() + 440);
    QCOMPARE(canvas()->objectName(), QStringLiteral("画板1"));
    QCOMPARE(canvas()->mapTo(window.get(), QPoint(0, 0)), QPoint(0, window->menuBar()->height()));
    QCOMPARE(canvas()->size(), QSize(544, 440));
    QImage grey(544, 440, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    QCOMPARE(canvas()->image(), grey);

    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("游戏(&F)"));
    QCOMPARE(menus[0]->menu()->actions().value(0), window->ui().开始游戏);
    QCOMPARE(window->ui().开始游戏->text(), QStringLiteral("开始游戏(&S)"));
    QCOMPARE(menus[1]->text(), QStringLiteral("帮助(&H)"));
    QCOMPARE(menus[1]->menu()->actions().value(0), window->ui().关于);
    QCOMPARE(window->ui().关于->text(), QStringLiteral("关于(&A)"));
}

void CatWindowTest::clicksBeforeANewGameDoNothing_data()
{
    QTest::addColumn<int>("gameState");
    QTest::newRow("no game yet") << 0;
    // A game left in play when the window was last closed: the fresh canvas
    // is all grey, so no click reaches a cell.
    QTest::newRow("game left in play, fresh window") << 1;
}

void CatWindowTest::clicksBeforeANewGameDoNothing()
{
    QFETCH(int, gameState);
    game.gameState = gameState;
    game.catCell = gameState == 1 ? 61 : 0;
    const CatGameState before = game;
    gui::ModalWatch watch([](QWidget* modal) { modal->close(); });
    for (const int n : {1, 50, 60, 62, 100, 121})
        click(centreOf(n));
    QCoreApplication::processEvents();
    QCOMPARE(watch.count(), 0);
    QCOMPARE(game.cells, before.cells);
    QCOMPARE(game.catCell, before.catCell);
    QCOMPARE(game.gameState, gameState);
    QCOMPARE(canvas()->pixel(70, 20), cat::canvasColour);
}

void CatWindowTest::newGameDrawsCatAndNineFixedWalls()
{
    std::set<int> everFixed;
    for (int round = 0; round < 25; ++round) {
        game.path = {5, 6};
        newGame();
        QCOMPARE(game.gameState, 1);
        QCOMPARE(game.catCell, 61);
        QVERIFY(game.path.empty());
        int fixed = 0;
        for (int n = 1; n <= cat::cellCount; ++n) {
            QVERIFY(game.cells[n - 1] == cat::Free || game.cells[n - 1] == cat::FixedWall);
            if (game.cells[n - 1] == cat::FixedWall) {
                ++fixed;
                everFixed.insert(n);
            }
        }
        QCOMPARE(fixed, 9);
        QCOMPARE(game.cells[60], int(cat::Free));
        verifyBoardDrawn();
    }
    // Fresh draws each game, not one layout over and over.
    QVERIFY(everFixed.size() > 9);
}

void CatWindowTest::newGameMidGameClearsTheBoard()
{
    newGame();
    arrange({1, 2, 3}, {30, 40, 90}, 50);
    newGame();
    QCOMPARE(cat::playerWallCount(game.cells), 0);
    QCOMPARE(game.catCell, 61);
    QCOMPARE(game.gameState, 1);
    verifyBoardDrawn();
}

void CatWindowTest::ignoredClicks_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("on the cat") << centreOf(61);
    QTest::newRow("on the cat's rim") << QPoint(264 + 20, 200 + 1);
    QTest::newRow("on a fixed wall") << centreOf(40);
    QTest::newRow("on a player wall") << centreOf(30);
    QTest::newRow("on the ground between discs") << QPoint(44, 20);
    QTest::newRow("on the grey corner of a picture") << QPoint(48 * 3 + 1, 40 * 2 + 1);
    QTest::newRow("left of a shifted row") << QPoint(10, 60);
    QTest::newRow("right of an even row") << QPoint(535, 100);
}

void CatWindowTest::ignoredClicks()
{
    QFETCH(QPoint, at);
    newGame();
    arrange({40}, {30}, 61);
    const CatGameState before = game;
    const QImage drawn = canvas()->image();
    gui::ModalWatch watch([](QWidget* modal) { modal->close(); });
    click(at);
    QCoreApplication::processEvents();
    QCOMPARE(watch.count(), 0);
    QCOMPARE(game.cells, before.cells);
    QCOMPARE(game.catCell, 61);
    QCOMPARE(game.gameState, 1);
    QVERIFY(canvas()->image() == drawn);
}

void CatWindowTest::wallMakesTheCatStepAlongItsWay()
{
    newGame();
    arrange({}, {}, 61);
    // Without walls the cat's way from the centre is 61, 50, 38, 27, 15, 4;
    // a wall on 50 turns it toward 5, a wall on 39 then toward 6.
    const struct {
        int wall;
        std::vector<int> way;
    } turns[] = {{50, {61, 51, 39, 28, 16, 5}}, {39, {51, 40, 29, 17, 6}}};
    for (const auto& [wall, way] : turns) {
        cat::Cells expectedCells = game.cells;
        expectedCells[wall - 1] = cat::PlayerWall;
        gui::ModalWatch watch([](QWidget* modal) { modal->close(); });
        click(centreOf(wall));
        QCoreApplication::processEvents();
        QCOMPARE(watch.count(), 0);
        QCOMPARE(game.cells, expectedCells);
        QCOMPARE(game.catCell, way[1]);
        QCOMPARE(game.path, std::vector<int>(way.begin() + 1, way.end()));
        QCOMPARE(game.gameState, 1);
        QVERIFY(cellOnCanvas(wall) == picture(cat::PlayerWall));
        QVERIFY(cellOnCanvas(way[0]) == picture(cat::Free));
        QVERIFY(cellOnCanvas(way[1]) == picture(catPicture));
        verifyBoardDrawn();
    }
}

void CatWindowTest::endMessages_data()
{
    QTest::addColumn<QList<int>>("fixedWalls");
    QTest::addColumn<QList<int>>("playerWalls");
    QTest::addColumn<int>("catCell");
    QTest::addColumn<int>("lastWall");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("catCellAtMessage");
    QTest::newRow("catch: last free neighbour closed")
        << QList<int>{50, 51} << QList<int>{60, 62, 72} << 61 << 73 << QStringLiteral("猫被抓住啦！一共用了4步。") << 61;
    QTest::newRow("catch: region sealed while a neighbour is free")
        << QList<int>{38, 39} << QList<int>{49, 51, 60, 62, 72} << 61 << 73
        << QStringLiteral("猫被抓住啦！一共用了6步。") << 61;
    // From cell 24 the cat's way is 24, 12, 1: its step lands on border cell 12.
    QTest::newRow("escape: step onto the border") << QList<int>{} << QList<int>{} << 24 << 121
                                                  << QStringLiteral("猫逃跑了！") << 12;
}

// The end message shows the board as the turn left it (the cat drawn where it
// stands), and the game is over only once the box is closed.
void CatWindowTest::endMessages()
{
    QFETCH(QList<int>, fixedWalls);
    QFETCH(QList<int>, playerWalls);
    QFETCH(int, catCell);
    QFETCH(int, lastWall);
    QFETCH(QString, message);
    QFETCH(int, catCellAtMessage);
    newGame();
    arrange(fixedWalls, playerWalls, catCell);

    const Shown shown = clickExpectingMessage(centreOf(lastWall));
    QCOMPARE(shown.title, QStringLiteral("游戏结束"));
    QVERIFY2(shown.texts.split('\n').contains(message), qPrintable(shown.texts));
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.gameState, 1);
    QCOMPARE(shown.catCell, catCellAtMessage);
    const cat::Position at = cat::cellPosition(catCellAtMessage);
    QVERIFY(shown.canvas.copy(at.x, at.y, 40, 40) == picture(catPicture));
    QCOMPARE(game.gameState, 2);
    QCOMPARE(game.catCell, catCellAtMessage);
    verifyBoardDrawn();

    // The game is over: the board takes no more walls and the cat stays.
    const CatGameState after = game;
    click(centreOf(100));
    QCOMPARE(game.cells, after.cells);
    QCOMPARE(game.catCell, catCellAtMessage);
}

void CatWindowTest::aboutBox()
{
    newGame();
    const CatGameState before = game;
    QString title;
    QString texts;
    gui::ModalWatch watch([&](QWidget* modal) {
        title = modal->windowTitle();
        texts = gui::windowTexts(modal);
        gui::pressButton(modal, QStringLiteral("确定"));
    });
    window->ui().关于->trigger();
    QCOMPARE(watch.count(), 1);
    QVERIFY2(title.contains(QStringLiteral("围猫游戏")), qPrintable(title));
    QVERIFY2(texts.contains(QStringLiteral("围猫游戏")), qPrintable(texts));
    QVERIFY2(texts.contains(QStringLiteral("由 Selvane 制作")), qPrintable(texts));
    QCOMPARE(game.cells, before.cells);
    QCOMPARE(game.gameState, 1);
}

void CatWindowTest::openingHidesTheMainWindowAndNeverCopies()
{
    window.reset();
    QWidget mainWindow;
    mainWindow.show();
    QPointer<CatWindow> open;
    openCatGame(open, game, random, mainWindow);
    QVERIFY(open);
    QVERIFY(open->isVisible());
    QVERIFY(!mainWindow.isVisible());

    // A game in play when the window is closed stays in the program's state.
    open->ui().开始游戏->trigger();
    QPointer<CatWindow> first = open;
    openCatGame(open, game, random, mainWindow);
    QCOMPARE(open, first);
    int catWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        catWindows += qobject_cast<CatWindow*>(widget) != nullptr;
    QCOMPARE(catWindows, 1);

    // The offscreen platform has no system tray: closing brings the main
    // window back, or nothing could.
    QVERIFY(open->close());
    QVERIFY(mainWindow.isVisible());
    QTRY_VERIFY(!open);
    QCOMPARE(game.gameState, 1);

    openCatGame(open, game, random, mainWindow);
    QVERIFY(open && open != first);
    QVERIFY(!mainWindow.isVisible());
    QTest::mouseClick(open->ui().画板1, Qt::LeftButton, {}, centreOf(50));
    QCOMPARE(cat::playerWallCount(game.cells), 0);
    QCOMPARE(open->ui().画板1->pixel(centreOf(61).x(), centreOf(61).y()), cat::canvasColour);
    delete open;
}

QTEST_MAIN(CatWindowTest)
#include "catwindow_test.moc"
