// The main window as built at start: places, texts and looks of the controls,
// the overlay panels' stacking, and what the creation handler sets up.
#include "gui/controls.h"
#include "shell/programstate.h"
#include "tally/mainwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class MainWindowTest : public QObject {
    Q_OBJECT

    ProgramState state_;
    MainWindow* window_ = nullptr;

    template <class T = QWidget>
    T* control(const QString& name)
    {
        T* found = window_->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

private slots:
    void init()
    {
        window_ = new MainWindow(state_);
    }
    void cleanup()
    {
        delete window_;
    }

    void windowFrame()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Vorlix - 至尊版"));
        QCOMPARE(window_->minimumSize(), QSize(269, 418));
        QCOMPARE(window_->maximumSize(), QSize(269, 418));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!window_->windowIcon().isNull());
        QCOMPARE(window_->windowIcon().availableSizes().value(0), QSize(64, 64));
    }

    void centredOnScreen()
    {
        const QRect screen = window_->screen()->availableGeometry();
        const QPoint offset = window_->frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 40,
                 qPrintable(QStringLiteral("window centre off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    // Places are relative to the named container, which may be a grand-parent
    // (the settings panel's pages span the whole tab control).
    void placesAndTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const QString window = QStringLiteral("MainWindow");
        auto row = [](const char* tag, const QString& container, QRect geometry, const QString& text) {
            QTest::newRow(tag) << QString::fromUtf8(tag) << container << geometry << text;
        };
        row("分组框10", window, {3, -3, 265, 35}, {});
        row("分组框12", "分组框10", {0, 0, 35, 35}, {});
        row("图片框1", "分组框12", {4, 7, 25, 25}, {});
        row("分组框1", window, {3, 32, 85, 45}, "棒棒糖队");
        row("编辑框1", "分组框1", {2, 15, 80, 28}, {});
        row("分组框7", window, {96, 32, 80, 45}, "相差");
        row("编辑框7", "分组框7", {1, 15, 77, 28}, {});
        row("分组框2", window, {183, 32, 85, 45}, "小黄鸭队");
        row("编辑框2", "分组框2", {2, 15, 80, 28}, {});
        row("分组框3", window, {3, 77, 85, 125}, " 队 员 ");
        row("编辑框5", "分组框3", {3, 18, 80, 105}, {});
        row("分组框4", window, {183, 77, 85, 125}, " 队 员 ");
        row("编辑框6", "分组框4", {2, 18, 80, 105}, {});
        row("按钮18", window, {106, 90, 60, 25}, "猫眼快照");
        row("按钮1", window, {106, 169, 60, 25}, "重新开始");
        row("分组框11", window, {96, 77, 80, 125}, {});
        row("按钮19", "分组框11", {10, 53, 60, 25}, "点击抽奖");
        row("分组框8", window, {3, 205, 265, 50}, "加棒棒糖");
        row("按钮2", "分组框8", {6, 15, 25, 25}, "10");
        row("按钮3", "分组框8", {38, 15, 25, 25}, "33");
        row("按钮4", "分组框8", {70, 15, 25, 25}, "66");
        row("按钮5", "分组框8", {102, 15, 26, 25}, "199");
        row("按钮6", "分组框8", {135, 15, 26, 25}, "521");
        row("按钮7", "分组框8", {168, 15, 32, 25}, "1314");
        row("编辑框8", "分组框8", {207, 15, 25, 25}, {});
        row("按钮8", "分组框8", {238, 15, 25, 25}, "+");
        row("分组框9", window, {3, 261, 265, 50}, "加小黄鸭");
        row("按钮9", "分组框9", {6, 15, 25, 25}, "10");
        row("按钮12", "分组框9", {102, 15, 26, 25}, "199");
        row("按钮14", "分组框9", {168, 15, 32, 25}, "1314");
        row("编辑框9", "分组框9", {207, 15, 25, 25}, {});
        row("按钮15", "分组框9", {238, 15, 25, 25}, "+");
        row("编辑框11", window, {3, 321, 200, 25}, {});
        row("按钮16", window, {208, 321, 60, 25}, "小喇叭");
        row("编辑框12", window, {3, 355, 90, 25}, " 队 员 ");
        row("编辑框13", window, {113, 355, 90, 25}, " 队 员 ");
        row("按钮17", window, {208, 355, 60, 25}, "设置队伍");
        row("编辑框10", window, {3, 389, 150, 25}, "小键盘 - 微型计算器");
        row("编辑框14", window, {152, 389, 50, 25}, "*");
        row("按钮20", window, {208, 388, 60, 25}, "更多设置");

        row("分组框19", window, {0, 0, 270, 205}, {});
        row("选择夹4", window, {1, 2, 270, 200}, {});
        row("选择夹3", window, {2, 0, 270, 200}, {});
        row("选择夹2", window, {2, -3, 270, 205}, {});
        row("选择夹1", window, {2, 32, 270, 170}, {});

        row("标签3", "选择夹1", {12, 40, 45, 25}, "色  泽：");
        row("滑块条1", "选择夹1", {53, 40, 200, 25}, {});
        row("标签4", "选择夹1", {12, 75, 45, 25}, "饱和度：");
        row("滑块条3", "选择夹1", {53, 110, 200, 25}, {});
        row("编辑框15", "选择夹1", {12, 31, 242, 112}, {});
        row("分组框14", "选择夹1", {5, 36, 260, 100}, "版权归属");
        row("图形按钮1", "分组框14", {167, 7, 90, 90}, {});
        row("按钮21", "选择夹1", {10, 30, 75, 25}, "数猜游戏");
        row("按钮28", "选择夹1", {97, 30, 75, 25}, "装逼神器");
        row("按钮32", "选择夹1", {185, 30, 75, 25}, "摇 骰 子");
        row("按钮35", "选择夹1", {10, 65, 75, 25}, "围猫游戏");

        row("分组框5", "选择夹2", {-2, 0, 280, 30}, {});
        row("单选框1", "选择夹2", {20, 42, 110, 25}, "初级（1-10）");
        row("单选框4", "选择夹2", {20, 125, 200, 25}, "自定义（输入最低数和最高数）");
        row("编辑框4", "选择夹2", {66, 160, 50, 25}, {});
        row("编辑框3", "选择夹2", {175, 160, 50, 25}, {});
        row("按钮24", "选择夹2", {155, 40, 100, 25}, "开始游戏");
        row("按钮22", "选择夹2", {155, 70, 100, 25}, "游戏说明");
        row("按钮23", "选择夹2", {155, 99, 100, 25}, "退出游戏");

        row("标签12", "选择夹3", {5, 15, 88, 21}, "游戏级别：");
        row("编辑框16", "选择夹3", {47, 40, 75, 25}, {});
        row("按钮27", "选择夹3", {127, 40, 45, 25}, "确定");
        row("按钮26", "选择夹3", {174, 40, 45, 25}, "重玩");
        row("按钮25", "选择夹3", {221, 40, 45, 25}, "设置");
        row("超级列表框1", "选择夹3", {1, 69, 265, 127}, {});

        row("编辑框17", "分组框15", {2, 13, 95, 20}, "5172946");
        row("编辑框18", "分组框16", {2, 13, 95, 20}, "584720");
        row("分组框13", "选择夹4", {0, 0, 120, 200}, {});
        row("单选框5", "分组框17", {3, 10, 70, 20}, "初级装逼");
        row("单选框6", "分组框17", {3, 35, 70, 20}, "高级装逼");
        row("单选框7", "分组框17", {3, 58, 70, 20}, "终极装逼");
        row("标签15", "分组框18", {2, 13, 20, 60}, "莫\n\n装\n\n逼");
        row("按钮29", "分组框13", {10, 166, 100, 25}, "开启装逼模式");
        row("图片框2", "选择夹4", {120, 0, 148, 148}, {});
        row("标签16", "选择夹4", {123, 19, 72, 24}, "输入充值数量");
        row("编辑框19", "选择夹4", {200, 16, 60, 27}, {});
        row("按钮30", "选择夹4", {200, 51, 60, 27}, "确定充值");
        row("按钮31", "选择夹4", {143, 166, 100, 25}, "回 头 是 岸");

        row("图片框3", "分组框19", {15, 35, 63, 63}, {});
        row("图片框4", "分组框19", {100, 35, 63, 63}, {});
        row("图片框5", "分组框19", {185, 35, 63, 63}, {});
        row("按钮33", "分组框19", {206, 171, 55, 25}, "开始");
        row("图片框6", "分组框19", {3, 8, 265, 195}, {});
        row("按钮34", "图片框6", {5, 163, 55, 25}, "退出");
    }
    void placesAndTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        // Shown so that the settings pages take their final geometry.
        window_->show();
        window_->ui().选择夹1->show();
        QWidget* w = control(name);
        QWidget* box = container == QLatin1String("MainWindow") ? window_ : control(container);
        QVERIFY(box->isAncestorOf(w));
        QCOMPARE(QRect(w->mapTo(box, QPoint(0, 0)), w->size()), geometry);
        QCOMPARE(gui::shownText(w), text);
    }

    void looks()
    {
        auto* total = control<QLineEdit>("编辑框1");
        QCOMPARE(total->font().pixelSize(), 24);
        QVERIFY(total->font().bold());
        QVERIFY(total->font().families().contains("SimSun"));
        QCOMPARE(total->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(total->alignment(), Qt::AlignCenter);
        QVERIFY(!total->hasFrame());
        QVERIFY(control<QLineEdit>("编辑框7")->isReadOnly());
        QVERIFY(!control<QLineEdit>("编辑框2")->isReadOnly());
        // The 6-character limit restricts typing only; the edit itself must
        // accept any text the program writes.
        QCOMPARE(total->maxLength(), 32767);

        auto* members = control<QPlainTextEdit>("编辑框6");
        QCOMPARE(members->font().pixelSize(), 15);
        QVERIFY(members->font().bold());
        QCOMPARE(members->palette().color(QPalette::Text), QColor(Qt::red));

        QCOMPARE(control("分组框8")->palette().color(QPalette::WindowText), QColor(255, 128, 192));
        QCOMPARE(control("分组框9")->palette().color(QPalette::WindowText), QColor(255, 128, 192));
        QVERIFY(control("分组框7")->font().bold());
        QCOMPARE(control("分组框2")->palette().color(QPalette::WindowText), QColor(Qt::red));

        // The banner moves its label sideways for the installed font; the strip's
        // line and height are the form's.
        QWidget* bannerLine = control("标签1");
        QCOMPARE(bannerLine->parentWidget(), control("分组框10"));
        QCOMPARE(bannerLine->y(), 8);
        QCOMPARE(bannerLine->height(), 25);
        const QFont banner = bannerLine->font();
        QCOMPARE(banner.pixelSize(), 16);
        QVERIFY(banner.bold());
        QVERIFY(banner.families().contains("AR PL UKai CN"));

        auto* calc = control<QLineEdit>("编辑框10");
        auto* result = control<QLineEdit>("编辑框14");
        QVERIFY(result->isReadOnly());
        QVERIFY(!calc->isReadOnly());
        for (QLineEdit* field : {calc, result}) {
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            // Rendered colours: the field must really be white on pink.
            const QImage look = field->grab().toImage();
            QCOMPARE(look.pixelColor(field->width() - 4, 4), QColor(255, 128, 192));
        }

        auto* password = control<QLineEdit>("编辑框18");
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(password->displayText(), QStringLiteral("******"));
        QCOMPARE(control<QPlainTextEdit>("编辑框15")->font().pixelSize(), 19);
    }

    void pictures()
    {
        QCOMPARE(control<QLabel>("图片框1")->pixmap().size(), QSize(256, 256));
        QVERIFY(control<QLabel>("图片框1")->hasScaledContents());
        auto* portrait = control<QAbstractButton>("图形按钮1");
        QCOMPARE(portrait->icon().availableSizes().value(0), QSize(90, 90));
        QCOMPARE(portrait->iconSize(), QSize(90, 90));
    }

    void sliders_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("pageStep");
        QTest::newRow("滑块条1") << 0 << 360 << 1;
        QTest::newRow("滑块条2") << 1 << 10 << 5;
        QTest::newRow("滑块条3") << 1 << 10 << 5;
    }
    void sliders()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, pageStep);
        auto* slider = control<QSlider>(QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), minimum);
        QCOMPARE(slider->maximum(), maximum);
        QCOMPARE(slider->value(), minimum);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), pageStep);
        QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
        QCOMPARE(slider->tickInterval(), 1);
    }

    void settingsTabs()
    {
        auto* tabs = control<QTabBar>("选择夹1标签");
        QCOMPARE(tabs->count(), 4);
        const QStringList captions{"皮肤设置", "公会广告", "联系作者", "小游戏"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);

        window_->show();
        window_->ui().选择夹1->show();
        QVERIFY(control("滑块条1")->isVisible());
        QVERIFY(!control("按钮21")->isVisible());
        tabs->setCurrentIndex(3);
        QVERIFY(control("按钮21")->isVisible());
        QVERIFY(!control("滑块条1")->isVisible());
    }

    void gameControlsAtStart()
    {
        for (const char* radio : {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5", "单选框6", "单选框7"})
            QVERIFY2(!control<QAbstractButton>(radio)->isChecked(), radio);
        QVERIFY(!control("编辑框4")->isEnabled());
        QVERIFY(!control("编辑框3")->isEnabled());
        auto* list = control<QTreeWidget>("超级列表框1");
        QCOMPARE(list->columnCount(), 2);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("输入的数字"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("内容"));
        QCOMPARE(list->columnWidth(0), 75);
        QCOMPARE(list->columnWidth(1), 150);
        QCOMPARE(list->topLevelItemCount(), 0);
    }

    void panelsHiddenAndStacked()
    {
        window_->show();
        const QStringList topDown{"分组框19", "选择夹4", "选择夹3", "选择夹2", "选择夹1"};
        for (const QString& name : topDown) {
            QVERIFY2(!control(name)->isVisible(), qPrintable(name));
            control(name)->show();
        }
        // A point that every panel covers: each hidden in turn uncovers the next.
        const QPoint probe(60, 150);
        for (const QString& name : topDown) {
            QWidget* hit = window_->childAt(probe);
            QVERIFY2(hit && (hit == control(name) || control(name)->isAncestorOf(hit)),
                     qPrintable(name + " is not on top"));
            control(name)->hide();
        }
        QWidget* members = control("编辑框5");
        QWidget* hit = window_->childAt(probe);
        QVERIFY(hit == members || members->isAncestorOf(hit));
    }

    void timersAndTips()
    {
        const QList<std::pair<const char*, int>> periods{{"时钟2", 1000}, {"时钟3", 1000}, {"时钟4", 500}};
        for (const auto& [name, period] : periods) {
            auto* timer = window_->findChild<QTimer*>(name);
            QVERIFY2(timer, name);
            QCOMPARE(timer->interval(), period);
            QVERIFY(timer->isActive());
        }
        const QList<std::pair<const char*, QString>> tips{
            {"按钮16", "输入内容点击此按钮内容即可在顶部小喇叭位置滚动出来"},
            {"按钮17", "输入双方队伍名字后点击此按钮即可将队伍名转换为您设置的名字"},
            {"按钮20", "点击打开更多设置，各种小游戏尽在其中"},
            {"单选框5", "初级装逼仅支持10-99之间充值"},
            {"单选框6", "高级装逼仅支持100-999之间充值"},
            {"单选框7", "终极装逼，慎用！"},
        };
        for (const auto& [name, tip] : tips)
            QCOMPARE(control(name)->toolTip(), tip);
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
