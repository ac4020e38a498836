// The subsystems that hang off the main window outside the tally: the
// calculator field and the cat game opened from the games page.
#include "shell/programstate.h"
#include "tally/mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class AttachedTest : public QObject {
    Q_OBJECT

    ProgramState state_;
    MainWindow* window_ = nullptr;

    QList<QWidget*> catWindows() const
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QStringLiteral("围猫游戏"))
                found << w;
        return found;
    }

private slots:
    void init()
    {
        window_ = new MainWindow(state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_;
        qDeleteAll(catWindows());
    }

    void calculatorEvaluatesOnEnter()
    {
        QLineEdit* field = window_->ui().编辑框10;
        QCOMPARE(window_->ui().编辑框14->text(), QStringLiteral("*"));
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "1314");
        QTest::keyClick(field, Qt::Key_Asterisk, Qt::ShiftModifier);
        QTest::keyClicks(field, "3");
        QTest::keyClick(field, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClicks(field, "520");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QStringLiteral("1314*3+520"));
        QCOMPARE(window_->ui().编辑框14->text(), QStringLiteral("4462"));
    }

    void catGameOpensOnceAndHidesTheMainWindow()
    {
        window_->ui().按钮35->click();
        QCOMPARE(catWindows().size(), 1);
        QPointer<QWidget> cat = catWindows().first();
        QVERIFY(cat->isVisible());
        QVERIFY(!window_->isVisible());

        // Brought back (through the tray on a desktop), a second click makes no copy.
        window_->show();
        window_->ui().按钮35->click();
        QCOMPARE(catWindows().size(), 1);
        QCOMPARE(catWindows().first(), cat.data());

        // Without a tray the main window must come back when the game closes.
        window_->hide();
        cat->close();
        QVERIFY(window_->isVisible());
    }

    // Closing the main window while the game is open leaves the game as the
    // window that ends the program.
    void openGameOutlivesTheMainWindow()
    {
        window_->ui().按钮35->click();
        QWidget* cat = catWindows().first();
        QVERIFY(!cat->testAttribute(Qt::WA_QuitOnClose));
        window_->show();
        window_->close();
        QVERIFY(cat->testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(AttachedTest)
#include "attached_test.moc"
