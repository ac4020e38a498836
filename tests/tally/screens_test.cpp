// Pictures of the main window with the tally filled and with each overlay
// panel open, kept as artifacts for looking at, and checked for what a
// picture shows that widget properties do not: the panels really cover the
// red totals, which shine through any panel that is not opaque.
#include "gui/controls.h"
#include "shell/programstate.h"
#include "tally/mainwindow.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTest>

namespace {

// Pixels of the totals' red in rect of picture.
int redPixels(const QImage& picture, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++count;
        }
    return count;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    ProgramState state_;
    MainWindow* window_ = nullptr;
    QDir artifacts_;

    // The picture as shown; saved as name.png among the artifacts.
    QImage shoot(const QString& name)
    {
        QApplication::processEvents();
        const QImage picture = window_->grab().toImage();
        if (!picture.save(artifacts_.filePath(name + ".png")))
            qWarning("could not save %s", qPrintable(name));
        return picture;
    }

    void click(const char* name)
    {
        QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    QRect totalsRect(const char* name)
    {
        QWidget* total = window_->findChild<QWidget*>(name);
        return QRect(total->mapTo(window_, QPoint(0, 0)), total->size());
    }

private slots:
    void initTestCase()
    {
        const QString folder = qEnvironmentVariable("VORLIX_ARTIFACTS",
                                                    QCoreApplication::applicationDirPath() + "/artifacts");
        QVERIFY(QDir().mkpath(folder));
        artifacts_ = QDir(folder);
        window_ = new MainWindow(state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));

        auto& ui = window_->ui();
        for (const char* add : {"按钮7", "按钮6", "按钮3", "按钮9", "按钮5"})
            click(add);
        ui.编辑框5->setPlainText(QStringLiteral("小明\n阿花\n大壮"));
        ui.编辑框6->setPlainText(QStringLiteral("豆豆\n星星"));
        ui.编辑框12->setText(QStringLiteral("红队"));
        ui.编辑框13->setText(QStringLiteral("蓝队"));
        ui.编辑框11->setText(QStringLiteral("欢迎来到直播间，小黄鸭队加油！"));
        ui.编辑框8->setText(QStringLiteral("5"));
        window_->tally().时钟2_tick();
        window_->banner().push();
        // Far enough for the message to stand about 200 pixels into the strip.
        const int space = QFontMetrics(ui.标签1->font()).horizontalAdvance(QLatin1Char(' '));
        for (int tick = 0; tick < 200 / (2 * space); ++tick)
            window_->banner().时钟4_tick();
    }
    void cleanupTestCase()
    {
        delete window_;
    }

    void tallyShowsRedTotals()
    {
        const QImage picture = shoot("main_tally");
        QVERIFY(redPixels(picture, totalsRect("编辑框1")) > 30);
        QVERIFY(redPixels(picture, totalsRect("编辑框2")) > 30);
    }

    void panelsCoverTotals_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("shown");
        QTest::newRow("settings_skin") << QStringList{"按钮20"} << 0 << "选择夹1";
        QTest::newRow("settings_guild") << QStringList{"按钮20"} << 1 << "选择夹1";
        QTest::newRow("settings_contact") << QStringList{"按钮20"} << 2 << "选择夹1";
        QTest::newRow("settings_games") << QStringList{"按钮20"} << 3 << "选择夹1";
        QTest::newRow("level") << QStringList{"按钮20", "按钮21"} << 3 << "选择夹2";
        QTest::newRow("guess") << QStringList{"按钮20", "按钮21"} << 3 << "选择夹3";
        QTest::newRow("prank") << QStringList{"按钮20", "按钮28"} << 3 << "选择夹4";
        QTest::newRow("dice") << QStringList{"按钮20", "按钮32"} << 3 << "分组框19";
    }
    void panelsCoverTotals()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, tab);
        QFETCH(QString, shown);
        auto& ui = window_->ui();
        ui.选择夹1标签->setCurrentIndex(tab);
        for (const QString& name : clicks)
            click(qPrintable(name));
        // The guess panel is shown by a started game; here directly.
        window_->findChild<QWidget*>(shown)->show();
        const QImage picture = shoot(QStringLiteral("main_") + QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(redPixels(picture, totalsRect("编辑框1")), 0);
        QCOMPARE(redPixels(picture, totalsRect("编辑框2")), 0);

        // Back to the tally for the next picture.
        ui.分组框19->hide();
        if (ui.按钮20->text() != QStringLiteral("更多设置"))
            click("按钮20");
        QVERIFY(redPixels(window_->grab().toImage(), totalsRect("编辑框1")) > 30);
    }

    // The speaker's box hides the message as it leaves on the left: the box
    // looks the same as with no message at all (the speaker has red waves).
    void speakerBoxMasksBanner()
    {
        auto& ui = window_->ui();
        QWidget* speakerBox = ui.分组框12;
        const QRect box = QRect(speakerBox->mapTo(window_, QPoint(0, 0)), speakerBox->size()).intersected(window_->rect());
        ui.编辑框11->clear();
        window_->banner().push();
        QApplication::processEvents();
        const int speakerRed = redPixels(window_->grab().toImage(), box);

        ui.编辑框11->setText(QStringLiteral("小黄鸭队加油小黄鸭队加油小黄鸭队加油"));
        window_->banner().push();
        const int space = QFontMetrics(ui.标签1->font()).horizontalAdvance(QLatin1Char(' '));
        const int textStart = ui.标签1->x() + ui.标签1->width();
        for (int tick = 0; tick < (textStart + 20) / (2 * space); ++tick)
            window_->banner().时钟4_tick();
        const QImage picture = shoot("main_banner_leaving");
        QVERIFY(redPixels(picture, QRect(45, 5, 100, 22)) > 30);
        QCOMPARE(redPixels(picture, box), speakerRed);
    }
};

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
