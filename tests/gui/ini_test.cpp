#include "gui/ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::string_literals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Bytes of a literal that holds NULs, without its terminator.
template <std::size_t N>
QByteArray binary(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

std::string str(const QByteArray& bytes)
{
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

class IniTest : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("[set]\nguess=5\n") << QByteArray("set") << QByteArray("guess") << QByteArray("5");
        QTest::newRow("section and key in any case") << QByteArray("[SeT]\nGUESS=7") << QByteArray("set") << QByteArray("Guess") << QByteArray("7");
        QTest::newRow("blanks around = and the name") << QByteArray("  [ set ]  \n\t guess \t=  12 3  \n") << QByteArray("set") << QByteArray("guess") << QByteArray("12 3");
        QTest::newRow("CRLF lines") << QByteArray("[a]\r\nx=1\r\n[set]\r\nguess=3\r\n") << QByteArray("set") << QByteArray("guess") << QByteArray("3");
        QTest::newRow("value with = and ;") << QByteArray("[set]\nguess=a=b;c\n") << QByteArray("set") << QByteArray("guess") << QByteArray("a=b;c");
        QTest::newRow("quoted value") << QByteArray("[set]\nguess=\" 5 \"\n") << QByteArray("set") << QByteArray("guess") << QByteArray(" 5 ");
        QTest::newRow("first of two keys") << QByteArray("[set]\nguess=1\nguess=2\n") << QByteArray("set") << QByteArray("guess") << QByteArray("1");
        QTest::newRow("key only in another section") << QByteArray("[a]\nguess=1\n[set]\nx=2\n") << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("missing section") << QByteArray("[a]\nguess=1\n") << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("no section at all") << QByteArray("guess=5\n") << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("empty file") << QByteArray() << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[set]\nguess=4\n") << QByteArray("set") << QByteArray("guess") << QByteArray("4");
        QTest::newRow("double-byte names match exactly")
            << QByteArray("[\xC9\xE8\xD6\xC3]\n\xB2\xC2=6\n") << QByteArray("\xC9\xE8\xD6\xC3") << QByteArray("\xB2\xC2") << QByteArray("6");
        QTest::newRow("trail byte is not case-folded")
            << QByteArray("[set]\n\x81\x41=1\n") << QByteArray("set") << QByteArray("\x81\x61") << QByteArray();
        QTest::newRow("binary garbage")
            << binary("\x00\xFF[\xFE\x00=\x01\n\x80\x81\x82\x00\r\r\n[") << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("garbage before a good section")
            << binary("\x00\xFF\xFE\x00=\x01\n[set]\nguess=9\n") << QByteArray("set") << QByteArray("guess") << QByteArray("9");
        QTest::newRow("1 MB line before the section")
            << QByteArray(1 << 20, 'x') + "\n[set]\nguess=4" << QByteArray("set") << QByteArray("guess") << QByteArray("4");
        QTest::newRow("1 MB line without a break")
            << QByteArray("[set]\n") + QByteArray(1 << 20, '=') << QByteArray("set") << QByteArray("guess") << QByteArray();
        QTest::newRow("value over 10240 bytes is cut")
            << QByteArray("[set]\nguess=") + QByteArray(20000, 'v') << QByteArray("set") << QByteArray("guess") << QByteArray(10240, 'v');
        QTest::newRow("value of exactly 10240 bytes")
            << QByteArray("[set]\nguess=") + QByteArray(10240, 'v') + "\n" << QByteArray("set") << QByteArray("guess") << QByteArray(10240, 'v');
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("gameset203345.ini");
        writeFile(path, file);
        QCOMPARE(QByteArray::fromStdString(gui::readIni(path, str(section), str(key))), value);
    }

    void readMissingFileIsEmpty()
    {
        QTemporaryDir dir;
        QCOMPARE(gui::readIni(dir.filePath("none.ini"), "set", "guess"), ""s);
        QCOMPARE(gui::readIni(dir.path(), "set", "guess"), ""s); // a folder
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<missing>" for no file
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("creates the file") << QByteArray("<missing>") << QByteArray("set") << QByteArray("guess") << QByteArray("5")
                                          << QByteArray("[set]\nguess=5\n");
        QTest::newRow("replaces the value, keeps other lines and the key's spelling")
            << QByteArray("; note\n[SET]\n  Guess = 1 \nother=2\n") << QByteArray("set") << QByteArray("guess") << QByteArray("9")
            << QByteArray("; note\n[SET]\nGuess=9\nother=2\n");
        QTest::newRow("adds the key at the end of its section")
            << QByteArray("[set]\na=1\n\n[b]\nc=2\n") << QByteArray("set") << QByteArray("guess") << QByteArray("3")
            << QByteArray("[set]\na=1\nguess=3\n\n[b]\nc=2\n");
        QTest::newRow("adds the key to the last section without a final break")
            << QByteArray("[b]\nc=2\n[set]\na=1") << QByteArray("set") << QByteArray("guess") << QByteArray("3")
            << QByteArray("[b]\nc=2\n[set]\na=1\nguess=3\n");
        QTest::newRow("adds the section")
            << QByteArray("[b]\nc=2") << QByteArray("set") << QByteArray("guess") << QByteArray("3")
            << QByteArray("[b]\nc=2\n[set]\nguess=3\n");
        QTest::newRow("keeps CRLF")
            << QByteArray("[set]\r\na=1\r\n") << QByteArray("set") << QByteArray("guess") << QByteArray("2")
            << QByteArray("[set]\r\na=1\r\nguess=2\r\n");
        QTest::newRow("empty value")
            << QByteArray("[set]\nguess=4\n") << QByteArray("set") << QByteArray("guess") << QByteArray()
            << QByteArray("[set]\nguess=\n");
        QTest::newRow("keeps binary garbage around it")
            << binary("\x00\xFF\n[set]\nguess=1\n\x80\x00\n") << QByteArray("set") << QByteArray("guess") << QByteArray("7")
            << binary("\x00\xFF\n[set]\nguess=7\n\x80\x00\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("gameset203345.ini");
        if (before != "<missing>")
            writeFile(path, before);
        QVERIFY(gui::writeIni(path, str(section), str(key), str(value)));
        QCOMPARE(readFile(path), after);
        QCOMPARE(QByteArray::fromStdString(gui::readIni(path, str(section), str(key))), value);
    }

    void writeRefusesWhatWouldBreakTheFile_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("line break in the value") << QByteArray("set") << QByteArray("guess") << QByteArray("1\n[evil]");
        QTest::newRow("carriage return in the key") << QByteArray("set") << QByteArray("gu\ress") << QByteArray("1");
        QTest::newRow("= in the key") << QByteArray("set") << QByteArray("a=b") << QByteArray("1");
        QTest::newRow("] in the section") << QByteArray("s]t") << QByteArray("guess") << QByteArray("1");
        QTest::newRow("empty key") << QByteArray("set") << QByteArray() << QByteArray("1");
        QTest::newRow("empty section") << QByteArray() << QByteArray("guess") << QByteArray("1");
    }
    void writeRefusesWhatWouldBreakTheFile()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("gameset203345.ini");
        writeFile(path, "[set]\nguess=5\n");
        QVERIFY(!gui::writeIni(path, str(section), str(key), str(value)));
        QCOMPARE(readFile(path), QByteArray("[set]\nguess=5\n"));
    }

    void writeFailsIntoAMissingFolder()
    {
        QTemporaryDir dir;
        QVERIFY(!gui::writeIni(dir.filePath("no/such.ini"), "set", "guess", "5"));
    }
};

QTEST_MAIN(IniTest)
#include "ini_test.moc"
