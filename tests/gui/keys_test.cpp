#include "gui/keys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void virtualKeyOfThePhysicalKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("vk");
        const int shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier, none = 0;
        QTest::newRow("main-row 0") << int(Qt::Key_0) << none << "0" << 0 << 48;
        QTest::newRow("main-row 7") << int(Qt::Key_7) << none << "7" << 0 << 55;
        QTest::newRow("shift+0 is )") << int(Qt::Key_ParenRight) << shift << ")" << 0 << 48;
        QTest::newRow("shift+1 is !") << int(Qt::Key_Exclam) << shift << "!" << 0 << 49;
        QTest::newRow("shift+6 is ^") << int(Qt::Key_AsciiCircum) << shift << "^" << 0 << 54;
        QTest::newRow("shift+8 is *") << int(Qt::Key_Asterisk) << shift << "*" << 0 << 56;
        QTest::newRow("shift+9 is (") << int(Qt::Key_ParenLeft) << shift << "(" << 0 << 57;
        QTest::newRow("shifted 6 on a German layout, by scan code")
            << int(Qt::Key_Ampersand) << shift << "&" << 15 << 54;
        QTest::newRow("main-row 0 by scan code") << int(Qt::Key_Equal) << shift << "=" << 19 << 48;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << "0" << 0 << 96;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << "9" << 0 << 105;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << "*" << 0 << 106;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << "+" << 0 << 107;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << "-" << 0 << 109;
        QTest::newRow("keypad .") << int(Qt::Key_Period) << keypad << "." << 0 << 110;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << "/" << 0 << 111;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << "\r" << 0 << 13;
        QTest::newRow("keypad 4 without NumLock is Left") << int(Qt::Key_Left) << keypad << "" << 0 << 37;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << 0 << 13;
        QTest::newRow("letter a") << int(Qt::Key_A) << none << "a" << 0 << 65;
        QTest::newRow("letter Z") << int(Qt::Key_Z) << shift << "Z" << 0 << 90;
        QTest::newRow(";") << int(Qt::Key_Semicolon) << none << ";" << 0 << 186;
        QTest::newRow("shifted ; is :") << int(Qt::Key_Colon) << shift << ":" << 0 << 186;
        QTest::newRow("=") << int(Qt::Key_Equal) << none << "=" << 0 << 187;
        QTest::newRow("shifted = is +") << int(Qt::Key_Plus) << shift << "+" << 0 << 187;
        QTest::newRow(",") << int(Qt::Key_Comma) << none << "," << 0 << 188;
        QTest::newRow("-") << int(Qt::Key_Minus) << none << "-" << 0 << 189;
        QTest::newRow("shifted - is _") << int(Qt::Key_Underscore) << shift << "_" << 0 << 189;
        QTest::newRow(".") << int(Qt::Key_Period) << none << "." << 0 << 190;
        QTest::newRow("/") << int(Qt::Key_Slash) << none << "/" << 0 << 191;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "" << 0 << 8;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << 0 << 9;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << "" << 0 << 27;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << " " << 0 << 32;
        QTest::newRow("End") << int(Qt::Key_End) << none << "" << 0 << 35;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << 0 << 36;
        QTest::newRow("Up") << int(Qt::Key_Up) << none << "" << 0 << 38;
        QTest::newRow("Right") << int(Qt::Key_Right) << none << "" << 0 << 39;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << "" << 0 << 40;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "" << 0 << 46;
        QTest::newRow("a key without a code") << int(Qt::Key_LaunchMail) << none << "" << 0 << 0;
    }
    void virtualKeyOfThePhysicalKey()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, scanCode);
        QFETCH(int, vk);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                              quint32(scanCode), 0, 0, text);
        QCOMPARE(gui::virtualKey(event), vk);
    }

    void keyHandlerSeesKeysFirstAndCanDropThem()
    {
        QLineEdit edit;
        QList<int> seen;
        gui::onKeyPressed(&edit, [&](int vk) {
            seen << vk;
            return vk != 'A';
        });
        edit.show();
        QTest::keyClicks(&edit, "ab*");
        QCOMPARE(edit.text(), QString("b*"));
        QCOMPARE(seen, (QList<int>{65, 66, 56}));
    }

    void focusHandlerRunsWhenTheFocusArrives()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        int arrived = 0;
        gui::onFocusIn(second, [&] { ++arrived; });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QCOMPARE(arrived, 0);
        second->setFocus();
        QCOMPARE(arrived, 1);
        second->setFocus(); // already has it
        QCOMPARE(arrived, 1);
        first->setFocus();
        second->setFocus();
        QCOMPARE(arrived, 2);
        // Focus coming back when a context menu closes never left as far as the host can tell.
        QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(second, &back);
        QCOMPARE(arrived, 2);
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
