#include "gui/inputlimit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

class InputLimitTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextIsCutToWholeCharacters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor"); // -1: at the end
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("a two-unit character that does not fit is left out")
            << QStringLiteral("12345") << -1 << QString::fromUtf8("😀") << QStringLiteral("12345");
        QTest::newRow("cut before a two-unit character")
            << QStringLiteral("12345") << -1 << QString::fromUtf8("a😀") << QStringLiteral("12345a");
        QTest::newRow("a two-unit character that fits is kept")
            << QStringLiteral("1234") << -1 << QString::fromUtf8("😀x") << QString::fromUtf8("1234😀");
        QTest::newRow("Chinese characters are one unit each")
            << QStringLiteral("1234") << -1 << QString::fromUtf8("至尊版") << QString::fromUtf8("1234至尊");
        // The typed character and the one after the cursor share their first unit.
        QTest::newRow("typed before a two-unit character with the same first unit")
            << QString::fromUtf8("123😀") << 3 << QString::fromUtf8("🙀") << QString::fromUtf8("123😀");
    }
    void typedTextIsCutToWholeCharacters()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QLineEdit edit;
        gui::limitTyping(&edit, 6);
        edit.setText(before);
        edit.show();
        edit.setFocus();
        edit.setCursorPosition(cursor < 0 ? int(before.size()) : cursor);
        // Characters outside the keyboard arrive through the input method.
        QInputMethodEvent event;
        event.setCommitString(typed);
        QApplication::sendEvent(&edit, &event);
        QCOMPARE(edit.text(), after);
    }
};

QTEST_MAIN(InputLimitTest)
#include "inputlimit_test.moc"
