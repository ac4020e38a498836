#include "gui/controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace std::string_literals;

class ControlsTest : public QObject {
    Q_OBJECT
private:
    static std::unique_ptr<QWidget> make(const QString& kind)
    {
        if (kind == "line edit") return std::make_unique<QLineEdit>();
        if (kind == "text edit") return std::make_unique<QTextEdit>();
        if (kind == "plain text edit") return std::make_unique<QPlainTextEdit>();
        if (kind == "label") return std::make_unique<QLabel>();
        if (kind == "push button") return std::make_unique<QPushButton>();
        if (kind == "check box") return std::make_unique<QCheckBox>();
        if (kind == "group box") return std::make_unique<QGroupBox>();
        return std::make_unique<QWidget>(); // a top-level window: its caption
    }

private slots:
    void codecIsAvailable()
    {
        // ICU provides GB18030; without it every text would silently turn to "?".
        QVERIFY(QStringDecoder("GB18030", QStringConverter::Flag::Stateless).isValid());
        QVERIFY(QStringEncoder("GB18030", QStringConverter::Flag::Stateless).isValid());
    }

    void encodesGb18030_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QString("Vorlix 1314") << QByteArray("Vorlix 1314");
        QTest::newRow("GBK characters are two bytes") << QString::fromUtf8("至尊版")
                                                      << QByteArray("\xD6\xC1\xD7\xF0\xB0\xE6");
        QTest::newRow("a character GBK lacks is four bytes")
            << QString::fromUtf8("😀") << QByteArray("\x94\x39\xFC\x36");
    }
    void encodesGb18030()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const std::string encoded = gui::encode(text);
        QCOMPARE(QByteArray(encoded.data(), qsizetype(encoded.size())), bytes);
        QCOMPARE(gui::decode(std::string_view(bytes.constData(), std::size_t(bytes.size()))), text);
    }

    void readsBackBytesExactly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        const QList<QString> kinds{"line edit", "text edit", "plain text edit", "label",
                                   "push button", "check box", "group box", "window"};
        for (const QString& kind : kinds) {
            // The banner cuts two bytes per tick, so a text can begin or end
            // inside a character.
            QTest::addRow("%s, cut after a lead byte", qPrintable(kind))
                << kind << QByteArray("\xD6\xC1\xD7");
            QTest::addRow("%s, starting with a trail byte", qPrintable(kind))
                << kind << QByteArray("\xC1\xD7\xF0 x");
            QTest::addRow("%s, whole characters", qPrintable(kind))
                << kind << QByteArray("\xD6\xC1\xD7\xF0");
        }
    }
    void readsBackBytesExactly()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        const auto control = make(kind);
        const std::string set(bytes.constData(), std::size_t(bytes.size()));
        gui::setText(control.get(), set);
        QCOMPARE(gui::text(control.get()), set);
        // A second set replaces the first one entirely.
        gui::setText(control.get(), "12"s);
        QCOMPARE(gui::text(control.get()), "12"s);
    }

    void typedTextReplacesSetBytes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("line edit") << "line edit";
        QTest::newRow("text edit") << "text edit";
        QTest::newRow("plain text edit") << "plain text edit";
    }
    void typedTextReplacesSetBytes()
    {
        QFETCH(QString, kind);
        const auto control = make(kind);
        gui::setText(control.get(), "\xD6\xC1\xD7"s);
        control->show();
        QTest::keyClick(control.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control.get(), "9");
        // Chinese arrives through the input method.
        QInputMethodEvent typed;
        typed.setCommitString(QString::fromUtf8("版"));
        QApplication::sendEvent(control.get(), &typed);
        QCOMPARE(gui::text(control.get()), "9\xB0\xE6"s);
    }

    void labelShowsMarkupAsTyped()
    {
        QLabel label;
        gui::setText(&label, "<b>1314</b>"s);
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QCOMPARE(gui::text(&label), "<b>1314</b>"s);
    }

    void setTipShowsTheDecodedText()
    {
        QLabel label;
        QCOMPARE(gui::setTip(&label, "\xD6\xC1\xD7\xF0"s), 1);
        QCOMPARE(label.toolTip(), QString::fromUtf8("至尊"));
        QCOMPARE(gui::setTip(nullptr, "x"s), 0);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
