#pragma once
// The circle-the-cat window: its menu, the canvas and the game flow. The game
// state is program-wide and outlives the window, which only draws the cells
// that change; a fresh window shows the bare grey canvas.
#include "ui_catwindow.h"

#include <QImage>
#include <QMainWindow>

#include <string_view>

struct CatGameState;
namespace text {
class Random;
}

class CatWindow : public QMainWindow {
    Q_OBJECT
public:
    // Holds references: game and random must outlive the window.
    CatWindow(CatGameState& game, text::Random& random, QWidget* parent = nullptr);

    Ui::CatWindow& ui() { return ui_; }

signals:
    // The window is being closed (before it is hidden and deleted).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setupMenu();
    void setupCanvas();

    void 开始游戏_triggered();
    void 关于_triggered();
    void 画板1_pressed(int x, int y);

    void catStep();
    void endOfMoveCheck();
    void escapeReport();
    void catchReport();
    // Shows the end message; the game is over only once the box is closed.
    void endGame(std::string_view message);
    void drawCell(int n, const QImage& picture);

    Ui::CatWindow ui_;
    CatGameState& game_;
    text::Random& random_;
    // Decoded once per window.
    QImage emptyPicture_;
    QImage catPicture_;
    QImage fixedWallPicture_;
    QImage playerWallPicture_;
};
