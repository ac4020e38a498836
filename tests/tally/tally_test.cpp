// The team tally on the main window's controls: adds, gap, team labels, reset
// and the typing limit of the totals.
#include "core/text.h"
#include "gui/controls.h"
#include "tally/tally.h"
#include "ui_mainwindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

QString shown(const QWidget* control)
{
    return gui::decode(gui::text(control));
}

void put(QWidget* control, const QString& text)
{
    gui::setText(control, gui::encode(text));
}

// The main window's controls with only the tally attached.
struct Board {
    QWidget window;
    Ui::MainWindow ui;
    QTimer 时钟2;
    Tally tally;

    Board() : tally((ui.setupUi(&window), ui), 时钟2) { window.show(); }

    QPushButton* button(const QString& name) { return window.findChild<QPushButton*>(name); }
    void click(const QString& name)
    {
        QPushButton* b = button(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

} // namespace

class TallyTest : public QObject {
    Q_OBJECT
private slots:
    void adds_data();
    void adds();
    void teamLabels_data();
    void teamLabels();
    void resetClearsBoardAndScrollingBanner();
    void typingLimit_data();
    void typingLimit();
    void programTextsPassTheTypingLimit();
};

void TallyTest::adds_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before"); // 编辑框1, 编辑框2, 编辑框8, 编辑框9, 编辑框7
    QTest::addColumn<QStringList>("after");  // the same after the click
    QTest::addColumn<QString>("gapAfterTick");

    const auto row = [](const char* name, const char* button, QStringList before, QStringList after, const char* gap) {
        QTest::newRow(name) << QString::fromUtf8(button) << before << after << QString::fromUtf8(gap);
    };
    row("quick add to an empty lollipop total", "按钮2", {"", "", "", "", ""}, {"10", "", "", "", ""}, "10");
    row("quick add to an empty duck total", "按钮14", {"", "", "", "", ""}, {"", "1314", "", "", ""}, "1314");
    row("quick add to a number", "按钮4", {"43", "", "", "", ""}, {"109", "", "", "", ""}, "109");
    row("quick add to a fraction", "按钮6", {"0.5", "", "", "", ""}, {"521.5", "", "", "", ""}, "521.5");
    row("non-numeric total counts as 0", "按钮9", {"", "abc", "", "", ""}, {"", "10", "", "", ""}, "10");
    row("leading number is read", "按钮10", {"", "12abc", "", "", ""}, {"", "45", "", "", ""}, "45");
    row("full-width digits are read", "按钮3", {"１２", "", "", "", ""}, {"45", "", "", "", ""}, "45");
    row("six nines grow past the typing limit", "按钮2", {"999999", "", "", "", ""}, {"1000009", "", "", "", ""},
        "1000009");
    row("past 13 significant digits in exponent form", "按钮2", {"9999999999999", "", "", "", ""},
        {"1.000000000001e+013", "", "", "", ""}, "1.000000000001e+013");
    row("duck quick add leaves the gap to the next tick", "按钮14", {"10", "", "", "", "7"},
        {"10", "1314", "", "", "7"}, "1304");
    row("lollipop custom add of a fraction", "按钮8", {"10", "", "1.5", "9", "7"}, {"11.5", "", "", "9", "7"}, "11.5");
    row("lollipop custom add of a negative", "按钮8", {"10", "30", "-25", "", "x"}, {"-15", "30", "", "", "x"}, "45");
    row("empty lollipop amount adds 0", "按钮8", {"abc", "", "", "", ""}, {"0", "", "", "", ""}, "0");
    row("duck custom add writes the signed gap", "按钮15", {"10", "20", "", "10", "10"}, {"10", "30", "", "", "-20"},
        "20");
    row("duck custom add of a fraction", "按钮15", {"", "", "3", "0.25", ""}, {"", "0.25", "3", "", "-0.25"}, "0.25");
    row("duck custom add of a negative", "按钮15", {"5", "1", "", "-4.5", ""}, {"5", "-3.5", "", "", "8.5"}, "8.5");
}

void TallyTest::adds()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, gapAfterTick);

    Board board;
    const QList<QWidget*> boxes{board.ui.编辑框1, board.ui.编辑框2, board.ui.编辑框8, board.ui.编辑框9, board.ui.编辑框7};
    for (int i = 0; i < boxes.size(); ++i)
        put(boxes[i], before[i]);

    board.click(button);
    QStringList now;
    for (QWidget* box : boxes)
        now << shown(box);
    QCOMPARE(now, after);

    board.tally.时钟2_tick();
    QCOMPARE(shown(board.ui.编辑框7), gapAfterTick);
}

void TallyTest::teamLabels_data()
{
    QTest::addColumn<QString>("lollipopLabel");
    QTest::addColumn<QString>("duckLabel");
    QTest::newRow("renamed") << QStringLiteral("甜心队") << QStringLiteral("Ducks & Co");
    QTest::newRow("emptied input gives no caption") << QString() << QStringLiteral("鸭鸭");
    QTest::newRow("spaces kept as they stand") << QStringLiteral("  A  ") << QStringLiteral(" 队 员 ");
}

void TallyTest::teamLabels()
{
    QFETCH(QString, lollipopLabel);
    QFETCH(QString, duckLabel);
    Board board;
    put(board.ui.编辑框12, lollipopLabel);
    put(board.ui.编辑框13, duckLabel);

    board.click(QStringLiteral("按钮17"));

    QCOMPARE(board.ui.分组框3->title(), lollipopLabel);
    QCOMPARE(board.ui.分组框4->title(), duckLabel);
    QCOMPARE(board.ui.分组框1->title(), QStringLiteral("棒棒糖队"));
    QCOMPARE(board.ui.分组框2->title(), QStringLiteral("小黄鸭队"));
}

void TallyTest::resetClearsBoardAndScrollingBanner()
{
    Board board;
    auto& ui = board.ui;
    const QList<QWidget*> emptiedByReset{ui.编辑框1, ui.编辑框2, ui.编辑框5, ui.编辑框6, ui.编辑框10, ui.编辑框14, ui.标签1};
    for (QWidget* box : emptiedByReset.first(6))
        put(box, QStringLiteral("123"));
    put(ui.编辑框12, QStringLiteral("甲"));
    put(ui.编辑框13, QStringLiteral("乙"));
    board.click(QStringLiteral("按钮17"));
    put(ui.编辑框7, QStringLiteral("77"));
    put(ui.编辑框8, QStringLiteral("8"));
    put(ui.编辑框9, QStringLiteral("9"));
    put(ui.编辑框11, QStringLiteral("下一条"));
    gui::setText(ui.标签1, text::blanks(300) + "\xd6\xd0 scrolling");

    board.click(QStringLiteral("按钮1"));

    for (QWidget* emptied : emptiedByReset)
        QVERIFY2(gui::text(emptied).empty(), qPrintable(emptied->objectName()));
    const QString members = QStringLiteral(" 队 员 ");
    QCOMPARE(shown(ui.编辑框12), members);
    QCOMPARE(shown(ui.编辑框13), members);
    QCOMPARE(ui.分组框3->title(), members);
    QCOMPARE(ui.分组框4->title(), members);
    // Untouched by the reset.
    QCOMPARE(shown(ui.编辑框7), QStringLiteral("77"));
    QCOMPARE(shown(ui.编辑框8), QStringLiteral("8"));
    QCOMPARE(shown(ui.编辑框9), QStringLiteral("9"));
    QCOMPARE(shown(ui.编辑框11), QStringLiteral("下一条"));
    QCOMPARE(ui.分组框1->title(), QStringLiteral("棒棒糖队"));

    board.tally.时钟2_tick();
    QCOMPARE(shown(ui.编辑框7), QStringLiteral("0"));
}

void TallyTest::typingLimit_data()
{
    QTest::addColumn<QString>("before");    // set by the program
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selectTo");     // -1: no selection
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("after");

    QTest::newRow("typing stops at six") << QString() << 0 << -1 << QStringLiteral("12345678") << false
                                         << QStringLiteral("123456");
    QTest::newRow("typing into a long program text adds nothing")
        << QStringLiteral("1000009") << 7 << -1 << QStringLiteral("5") << false << QStringLiteral("1000009");
    QTest::newRow("paste is cut to what fits") << QStringLiteral("12") << 1 << -1 << QStringLiteral("abcdef") << true
                                               << QStringLiteral("1abcd2");
    QTest::newRow("paste over a selection") << QStringLiteral("123456") << 1 << 4 << QStringLiteral("abcdef") << true
                                            << QStringLiteral("1abc56");
    QTest::newRow("typing over a selection of a long text")
        << QStringLiteral("1000009") << 0 << 2 << QStringLiteral("7") << false << QStringLiteral("700009");
}

void TallyTest::typingLimit()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(int, selectTo);
    QFETCH(QString, typed);
    QFETCH(bool, paste);
    QFETCH(QString, after);

    for (const char* name : {"编辑框1", "编辑框2"}) {
        Board board;
        auto* total = board.window.findChild<QLineEdit*>(QString::fromUtf8(name));
        put(total, before);
        total->setFocus();
        if (selectTo >= 0)
            total->setSelection(cursor, selectTo - cursor);
        else
            total->setCursorPosition(cursor);
        if (paste) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(total, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(total, typed);
        }
        QCOMPARE(total->text(), after);
        QCOMPARE(shown(total), after);
    }
}

void TallyTest::programTextsPassTheTypingLimit()
{
    Board board;
    QLineEdit* total = board.ui.编辑框1;
    put(total, QStringLiteral("1234567890"));
    QCOMPARE(total->text(), QStringLiteral("1234567890"));
    // Deleting is always allowed, also above the limit.
    total->setFocus();
    total->setCursorPosition(10);
    QTest::keyClick(total, Qt::Key_Backspace);
    QCOMPARE(total->text(), QStringLiteral("123456789"));
    // The gap is read-only to the host but written whole by the refresh.
    put(board.ui.编辑框1, QStringLiteral("12345678"));
    board.tally.时钟2_tick();
    QCOMPARE(board.ui.编辑框7->text(), QStringLiteral("12345678"));
}

QTEST_MAIN(TallyTest)
#include "tally_test.moc"
