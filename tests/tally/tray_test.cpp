// The tray icon, its menu, the event types and minimise-to-tray.
#include "tally/tray.h"
#include "ui_mainwindow.h"

#include <QDesktopServices>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QtTest>

using Reason = QSystemTrayIcon::ActivationReason;
Q_DECLARE_METATYPE(QList<Reason>)

namespace {

struct Board {
    QWidget window;
    Ui::MainWindow ui;
    Tray tray;

    Board() : tray(window, (ui.setupUi(&window), ui))
    {
        window.setWindowIcon(QIcon(QStringLiteral(":/pictures/heart.png")));
        tray.install();
    }

    bool centred() const
    {
        const QRect area = window.screen()->availableGeometry();
        return (window.frameGeometry().center() - area.center()).manhattanLength() <= 2;
    }
};

} // namespace

class TrayTest : public QObject {
    Q_OBJECT
public slots:
    // Receives the addresses the program asks the desktop to open.
    void openUrl(const QUrl& url) { opened << url; }

private slots:
    void init();
    void cleanup();
    void installShowsWindowIconTipAndMenu();
    void events_data();
    void events();
    void openInterfaceRestoresAndCentres_data();
    void openInterfaceRestoresAndCentres();
    void contactLinkFromMenuAndPortrait();
    void minimise_data();
    void minimise();

private:
    QList<QUrl> opened;
};

void TrayTest::init()
{
    opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

void TrayTest::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TrayTest::installShowsWindowIconTipAndMenu()
{
    Board board;
    QCOMPARE(board.tray.icon().toolTip(), QStringLiteral("Vorlix - 至尊版"));
    QVERIFY(!board.tray.icon().icon().isNull());
    QCOMPARE(board.tray.icon().icon().pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32),
             board.window.windowIcon().pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32));
    QMenu& menu = board.tray.menu();
    QCOMPARE(menu.title(), QStringLiteral("托盘菜单"));
    QStringList items;
    for (QAction* action : menu.actions()) {
        QVERIFY(action->isEnabled());
        QVERIFY(!action->isChecked());
        items << action->text();
    }
    QCOMPARE(items, (QStringList{QStringLiteral("打开界面"), QStringLiteral("联系作者"), QStringLiteral("关闭程序")}));
}

void TrayTest::events_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<QList<Reason>>("reasons");
    QTest::addColumn<bool>("shownAfter");
    QTest::addColumn<bool>("menuOpen");

    QTest::newRow("left click hides a shown window") << true << QList<Reason>{Reason::Trigger} << false << false;
    QTest::newRow("left click shows a hidden window") << false << QList<Reason>{Reason::Trigger} << true << false;
    // X11 reports the first press of a double click as a Trigger.
    QTest::newRow("double click toggles twice")
        << true << QList<Reason>{Reason::Trigger, Reason::DoubleClick} << true << false;
    QTest::newRow("double click from hidden toggles twice")
        << false << QList<Reason>{Reason::Trigger, Reason::DoubleClick} << false << false;
    QTest::newRow("right click opens the menu over a hidden window")
        << false << QList<Reason>{Reason::Context} << false << true;
    QTest::newRow("right click leaves a shown window") << true << QList<Reason>{Reason::Context} << true << true;
    QTest::newRow("middle click does nothing") << true << QList<Reason>{Reason::MiddleClick} << true << false;
}

void TrayTest::events()
{
    QFETCH(bool, shownBefore);
    QFETCH(QList<Reason>, reasons);
    QFETCH(bool, shownAfter);
    QFETCH(bool, menuOpen);
    Board board;
    board.window.move(5, 5);
    board.window.setVisible(shownBefore);

    for (Reason reason : reasons)
        emit board.tray.icon().activated(reason);

    QCOMPARE(board.window.isVisible(), shownAfter);
    QCOMPARE(board.tray.menu().isVisible(), menuOpen);
    if (shownAfter && !shownBefore)
        QVERIFY(board.centred());
    if (shownAfter && shownBefore && reasons.size() == 1)
        QCOMPARE(board.window.pos(), QPoint(5, 5));
    board.tray.menu().hide();
}

void TrayTest::openInterfaceRestoresAndCentres_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("hidden") << false << false;
    QTest::newRow("shown elsewhere") << true << false;
    QTest::newRow("minimised") << true << true;
}

void TrayTest::openInterfaceRestoresAndCentres()
{
    QFETCH(bool, shownBefore);
    QFETCH(bool, minimised);
    Board board;
    board.window.move(5, 5);
    board.window.setVisible(shownBefore);
    if (minimised)
        board.window.showMinimized();

    board.tray.menu().actions().at(0)->trigger();

    QVERIFY(board.window.isVisible());
    QVERIFY(!board.window.isMinimized());
    QVERIFY(board.centred());
}

void TrayTest::contactLinkFromMenuAndPortrait()
{
    Board board;
    board.window.show();
    board.tray.menu().actions().at(1)->trigger();
    QTest::mouseClick(board.ui.图形按钮1, Qt::LeftButton);

    const QUrl contact(QString::fromLatin1(contactAddress));
    QCOMPARE(opened, (QList<QUrl>{contact, contact}));
    QCOMPARE(contact.host(), QStringLiteral("example.org"));
}

void TrayTest::minimise_data()
{
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<bool>("shownAfter");
    QTest::newRow("minimise hides the window") << true << true << false;
    QTest::newRow("without a tray it stays minimised") << false << true << true;
    QTest::newRow("a move does nothing") << true << false << true;
}

void TrayTest::minimise()
{
    QFETCH(bool, trayAvailable);
    QFETCH(bool, minimise);
    QFETCH(bool, shownAfter);
    Board board;
    board.tray.trayAvailable = [trayAvailable] { return trayAvailable; };
    board.window.show();
    if (minimise)
        board.window.showMinimized();
    else
        board.window.move(40, 40);

    board.tray.mainWindowStateChanged();

    QCOMPARE(board.window.isVisible(), shownAfter);
    if (shownAfter)
        QCOMPARE(board.window.isMinimized(), minimise);
    else {
        // Back from the tray: restored, not minimised.
        emit board.tray.icon().activated(Reason::Trigger);
        QVERIFY(board.window.isVisible());
        QVERIFY(!board.window.isMinimized());
        QVERIFY(board.centred());
    }
}

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
