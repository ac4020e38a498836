#pragma once
// Opening the cat game from the main window's "围猫游戏" button.
#include "cat/catwindow.h"

#include <QPointer>

// Loads the cat window modeless, with no copy (an open one is restored or
// activated), and hides the main window. Where there is no system tray to
// bring the main window back, closing the cat window shows it again.
void openCatGame(QPointer<CatWindow>& open, CatGameState& game, text::Random& random, QWidget& mainWindow);
