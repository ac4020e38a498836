#include "gui/aboutbox.h"
#include "gui/messagebox.h"
#include "gui/modalwatch.h"
#include "gui/windows.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <QVBoxLayout>

using namespace std::string_literals;

class ModalTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxIsAnOwnerlessModalWithOneOkButton_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("icon");
        QTest::newRow("error") << 16 << int(QMessageBox::Critical);
        QTest::newRow("information") << 64 << int(QMessageBox::Information);
    }
    void messageBoxIsAnOwnerlessModalWithOneOkButton()
    {
        QFETCH(int, flags);
        QFETCH(int, icon);
        QString caption, texts;
        int shownIcon = -1, buttons = 0;
        bool ownerless = false, appModal = false, pressed = false, pressedMissing = true;
        gui::ModalWatch watch([&](QWidget* modal) {
            caption = modal->windowTitle();
            texts = gui::windowTexts(modal);
            auto* box = qobject_cast<QMessageBox*>(modal);
            shownIcon = box ? int(box->icon()) : -1;
            buttons = box ? int(box->buttons().size()) : 0;
            ownerless = modal->parentWidget() == nullptr;
            appModal = modal->windowModality() == Qt::ApplicationModal;
            pressedMissing = gui::pressButton(modal, "Cancel");
            pressed = gui::pressButton(modal, QString::fromUtf8("确定"));
        });
        // Returns only because the watch pressed the button inside the box's loop.
        gui::messageBox("\xD2\xBB\xB8\xF6", flags, "\xCC\xE1\xCA\xBE"); // "一个", "提示"
        QCOMPARE(watch.count(), 1);
        QCOMPARE(caption, QString::fromUtf8("提示"));
        QVERIFY2(texts.contains(QString::fromUtf8("一个")), qPrintable(texts));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(buttons, 1);
        QVERIFY(ownerless);
        QVERIFY(appModal);
        QVERIFY(!pressedMissing);
        QVERIFY(pressed);
    }

    // With the main window hidden in the tray, a box shown from the tray menu
    // is the only visible window: closing it must not end the program.
    void closingABoxIsNeverTheLastWindowClosed_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("message box") << false;
        QTest::newRow("about box") << true;
    }
    void closingABoxIsNeverTheLastWindowClosed()
    {
        QFETCH(bool, about);
        QWidget hiddenMain;
        hiddenMain.show();
        hiddenMain.hide();
        gui::ModalWatch watch([](QWidget* modal) { QVERIFY(gui::pressButton(modal, QString::fromUtf8("确定"))); });
        // Only a running event loop ends on the last window closed.
        QTimer::singleShot(0, [about] {
            if (about)
                gui::aboutBox("x"s, "y"s);
            else
                gui::messageBox("x"s, 16, "y"s);
            QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QApplication::exec(), 7);
        QCOMPARE(watch.count(), 1);
    }

    void watchSeesNestedModalsInTheirOwnLoops()
    {
        QStringList seen;
        QPointer<QDialog> popup = new QDialog;
        popup->setWindowTitle("popup");
        auto* layout = new QVBoxLayout(popup);
        auto* ask = new QPushButton("ask", popup);
        auto* close = new QPushButton("close", popup);
        layout->addWidget(ask);
        layout->addWidget(close);
        QObject::connect(ask, &QPushButton::clicked, popup, [] { gui::messageBox("inner"s, 64, "box"s); });
        QObject::connect(close, &QPushButton::clicked, popup, &QDialog::close);

        gui::ModalWatch watch([&](QWidget* modal) {
            seen << modal->windowTitle();
            QVERIFY(QApplication::activeModalWidget() == modal);
            if (modal->windowTitle() == "popup") {
                QVERIFY(gui::pressButton(modal, "ask"));   // returns once the box is closed
                QVERIFY(gui::pressButton(modal, "close"));
            } else {
                QVERIFY(gui::pressButton(modal, QString::fromUtf8("确定")));
            }
        });
        gui::loadModal(popup);
        QVERIFY2(popup.isNull(), "loadModal returned before the window was destroyed");
        QCOMPARE(seen, (QStringList{"popup", "box"}));
        QCOMPARE(watch.count(), 2);
    }

    void watchReportsAWindowShownTwiceOnce()
    {
        int shown = 0;
        gui::ModalWatch watch([&](QWidget*) { ++shown; });
        QDialog dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTRY_COMPARE(shown, 1);
        dialog.hide();
        dialog.show();
        QTest::qWait(20);
        QCOMPARE(shown, 1);
        QWidget modeless;
        modeless.show();
        QTest::qWait(20);
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(ModalTest)
#include "modal_test.moc"
