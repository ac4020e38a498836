// The overlay panels: what each panel button shows or hides, the caption and
// tip of 按钮20, and the lower rows staying reachable under any panel.
#include "shell/programstate.h"
#include "tally/mainwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

class PanelsTest : public QObject {
    Q_OBJECT

    ProgramState state_;
    MainWindow* window_ = nullptr;

    QWidget* control(const QString& name)
    {
        QWidget* found = window_->findChild<QWidget*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QStringList visiblePanels()
    {
        QStringList shown;
        for (const char* panel : {"选择夹1", "选择夹2", "选择夹3", "选择夹4", "分组框19"})
            if (control(panel)->isVisible())
                shown << panel;
        return shown;
    }

private slots:
    void init()
    {
        window_ = new MainWindow(state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup()
    {
        delete window_;
    }

    // Each step clicks the named button; "show X" stands for another part of the
    // program showing panel X (the guessing game shows 选择夹3 over the level
    // panel), and "caption X" for a program-set caption of 按钮20.
    void switching_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("panels");
        QTest::addColumn<QString>("caption");

        const QString more = QStringLiteral("更多设置");
        const QString close = QStringLiteral("关闭设置");
        QTest::newRow("nothing at start") << QStringList{} << QStringList{} << more;
        QTest::newRow("更多设置 opens settings") << QStringList{"按钮20"} << QStringList{"选择夹1"} << close;
        QTest::newRow("关闭设置 returns to the tally")
            << QStringList{"按钮20", "按钮20"} << QStringList{} << more;
        QTest::newRow("dice survives 关闭设置")
            << QStringList{"按钮20", "按钮32", "按钮20"} << QStringList{"分组框19"} << more;
        QTest::newRow("dice 退出 leaves settings open")
            << QStringList{"按钮20", "按钮32", "按钮34"} << QStringList{"选择夹1"} << close;
        QTest::newRow("dice reopened after the tally")
            << QStringList{"按钮20", "按钮32", "按钮20", "按钮20", "按钮34"} << QStringList{"选择夹1"} << close;
        QTest::newRow("level over settings")
            << QStringList{"按钮20", "按钮21"} << QStringList{"选择夹1", "选择夹2"} << close;
        QTest::newRow("关闭设置 closes level and settings")
            << QStringList{"按钮20", "按钮21", "按钮20"} << QStringList{} << more;
        QTest::newRow("退出游戏 closes level and settings")
            << QStringList{"按钮20", "按钮21", "按钮23"} << QStringList{} << more;
        QTest::newRow("退出游戏 during a game closes the guess panel too")
            << QStringList{"按钮20", "按钮21", "show 选择夹3", "按钮23"} << QStringList{} << more;
        QTest::newRow("退出游戏 leaves the dice")
            << QStringList{"按钮20", "按钮21", "按钮32", "按钮23"} << QStringList{"分组框19"} << more;
        QTest::newRow("prank over settings")
            << QStringList{"按钮20", "按钮28"} << QStringList{"选择夹1", "选择夹4"} << close;
        QTest::newRow("回 头 是 岸 hides only the prank")
            << QStringList{"按钮20", "按钮21", "按钮28", "按钮31"} << QStringList{"选择夹1", "选择夹2"} << close;
        QTest::newRow("关闭设置 closes the prank")
            << QStringList{"按钮20", "按钮28", "按钮20"} << QStringList{} << more;
        QTest::newRow("every panel at once")
            << QStringList{"按钮20", "按钮21", "show 选择夹3", "按钮28", "按钮32"}
            << QStringList{"选择夹1", "选择夹2", "选择夹3", "选择夹4", "分组框19"} << close;
        // The caption decides alone and exactly: anything but "更多设置" closes.
        QTest::newRow("caption with a trailing space closes")
            << QStringList{"按钮20", "按钮21", "caption 更多设置 ", "按钮20"} << QStringList{} << more;
        QTest::newRow("empty caption closes") << QStringList{"caption ", "按钮20"} << QStringList{} << more;
    }
    void switching()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, panels);
        QFETCH(QString, caption);
        auto* settingsButton = qobject_cast<QPushButton*>(control("按钮20"));
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("show ")))
                control(step.mid(5))->show();
            else if (step.startsWith(QLatin1String("caption ")))
                settingsButton->setText(step.mid(8));
            else
                qobject_cast<QPushButton*>(control(step))->click();
        }
        QCOMPARE(visiblePanels(), panels);
        QCOMPARE(settingsButton->text(), caption);
        const QString tip = caption == QStringLiteral("更多设置") ? QStringLiteral("点击打开更多设置，各种小游戏尽在其中")
                                                               : QStringLiteral("再次点击即可恢复Vorlix主界面");
        QCOMPARE(settingsButton->toolTip(), tip);
    }

    // The games page's buttons are reached by a real click on the shown page.
    void gamesPageByMouse()
    {
        QTest::mouseClick(control("按钮20"), Qt::LeftButton);
        QCOMPARE(visiblePanels(), QStringList{"选择夹1"});
        window_->ui().选择夹1标签->setCurrentIndex(3);
        QTest::mouseClick(control("按钮32"), Qt::LeftButton);
        QCOMPARE(visiblePanels(), (QStringList{"选择夹1", "分组框19"}));
        // The dice panel's "退出" sits on the cover and is clickable there.
        QWidget* exit = control("按钮34");
        QCOMPARE(window_->childAt(exit->mapTo(window_, exit->rect().center())), exit);
        QTest::mouseClick(exit, Qt::LeftButton);
        QCOMPARE(visiblePanels(), QStringList{"选择夹1"});
    }

    // Closing a panel from one of its own buttons leaves the keyboard focus on
    // 按钮20, not on a total selected for overtyping.
    void focusAfterClosing_data()
    {
        QTest::addColumn<QStringList>("opening");
        QTest::addColumn<QString>("closing");
        QTest::newRow("退出游戏") << QStringList{"按钮20", "按钮21"} << "按钮23";
        QTest::newRow("回 头 是 岸") << QStringList{"按钮20", "按钮28"} << "按钮31";
        QTest::newRow("dice 退出") << QStringList{"按钮20", "按钮32"} << "按钮34";
    }
    void focusAfterClosing()
    {
        QFETCH(QStringList, opening);
        QFETCH(QString, closing);
        QApplication::setActiveWindow(window_);
        QVERIFY(QTest::qWaitForWindowActive(window_));
        window_->ui().选择夹1标签->setCurrentIndex(3);
        for (const QString& name : opening)
            qobject_cast<QPushButton*>(control(name))->click();
        control(closing)->setFocus();
        QCOMPARE(QApplication::focusWidget(), control(closing));
        QTest::keyClick(control(closing), Qt::Key_Space);
        QVERIFY(!control(closing)->isVisible());
        QCOMPARE(QApplication::focusWidget(), control("按钮20"));
    }

    // A quick add clicked while the dice panel covers the totals changes them
    // underneath; hiding and showing the whole window keeps the panels.
    void tallyUnderPanels()
    {
        QTest::mouseClick(control("按钮20"), Qt::LeftButton);
        window_->ui().选择夹1标签->setCurrentIndex(3);
        QTest::mouseClick(control("按钮32"), Qt::LeftButton);
        QTest::mouseClick(control("按钮2"), Qt::LeftButton);
        QTest::mouseClick(control("按钮14"), Qt::LeftButton);
        window_->hide();
        window_->show();
        QCOMPARE(visiblePanels(), (QStringList{"选择夹1", "分组框19"}));
        QTest::mouseClick(control("按钮34"), Qt::LeftButton);
        QTest::mouseClick(control("按钮20"), Qt::LeftButton);
        QCOMPARE(visiblePanels(), QStringList{});
        QCOMPARE(window_->ui().编辑框1->text(), QStringLiteral("10"));
        QCOMPARE(window_->ui().编辑框2->text(), QStringLiteral("1314"));
    }

    // No panel reaches the quick-add rows, the banner input, the label inputs,
    // the calculator field or 按钮20.
    void lowerControlsUncovered()
    {
        QList<QWidget*> panels;
        for (const char* panel : {"选择夹1", "选择夹2", "选择夹3", "选择夹4", "分组框19"}) {
            panels << control(panel);
            panels.last()->show();
        }
        const char* lower[] = {"按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "按钮7", "编辑框8", "按钮8",
                               "按钮9", "按钮10", "按钮11", "按钮12", "按钮13", "按钮14", "编辑框9", "按钮15",
                               "编辑框11", "按钮16", "编辑框12", "编辑框13", "按钮17", "编辑框10", "编辑框14", "按钮20"};
        for (const char* name : lower) {
            QWidget* w = control(name);
            for (const QPoint& corner : {w->rect().topLeft(), w->rect().bottomRight()}) {
                QWidget* hit = window_->childAt(w->mapTo(window_, corner));
                for (QWidget* panel : panels)
                    QVERIFY2(hit != panel && !panel->isAncestorOf(hit), name);
            }
            QWidget* hit = window_->childAt(w->mapTo(window_, w->rect().center()));
            QVERIFY2(hit == w || w->isAncestorOf(hit), name);
        }
    }
};

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
