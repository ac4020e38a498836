#include "shell/skinlocation.h"

#include <QStringList>
#include <QTest>

#include <set>

class SkinLocationTest : public QObject {
    Q_OBJECT
private slots:
    void locate_data()
    {
        QTest::addColumn<QByteArray>("candidate");
        QTest::addColumn<QByteArray>("systemDirectory");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("path");
        const QString run = "/opt/v/SkinH_EL.dll", system = "/sys/lib/SkinH_EL.dll", own = "/opt/v/jedata.dll";
        QTest::newRow("empty, no engine anywhere") << QByteArray() << QByteArray("/sys/lib") << QStringList{} << QByteArray();
        QTest::newRow("empty, engine in the run folder") << QByteArray() << QByteArray("/sys/lib") << QStringList{run} << QByteArray("/opt/v/SkinH_EL.dll");
        QTest::newRow("empty, engine in the system folder") << QByteArray() << QByteArray("/sys/lib") << QStringList{system} << QByteArray("/sys/lib/SkinH_EL.dll");
        QTest::newRow("empty, both: the system folder wins") << QByteArray() << QByteArray("/sys/lib") << QStringList{run, system} << QByteArray("/sys/lib/SkinH_EL.dll");
        QTest::newRow("system folder with its separator") << QByteArray() << QByteArray("/sys/lib/") << QStringList{system} << QByteArray("/sys/lib/SkinH_EL.dll");
        QTest::newRow("written engine beats both") << QByteArray("/opt/v/jedata.dll") << QByteArray("/sys/lib") << QStringList{run, system, own} << QByteArray("/opt/v/jedata.dll");
        QTest::newRow("candidate trimmed, ASCII and full-width spaces")
            << QByteArray("  \xA1\xA1/opt/v/jedata.dll \xA1\xA1") << QByteArray("/sys/lib") << QStringList{own} << QByteArray("/opt/v/jedata.dll");
        QTest::newRow("failed write, engine in the run folder") << QByteArray("/opt/v/jedata.dll") << QByteArray("/sys/lib") << QStringList{run} << QByteArray("/opt/v/SkinH_EL.dll");
        QTest::newRow("failed write, no engine: the missing file stays") << QByteArray(" /opt/v/jedata.dll") << QByteArray("/sys/lib") << QStringList{} << QByteArray("/opt/v/jedata.dll");
        QTest::newRow("no system folder") << QByteArray() << QByteArray() << QStringList{run} << QByteArray("/opt/v/SkinH_EL.dll");
    }
    void locate()
    {
        QFETCH(QByteArray, candidate);
        QFETCH(QByteArray, systemDirectory);
        QFETCH(QStringList, files);
        QFETCH(QByteArray, path);
        std::set<std::string> existing;
        for (const QString& file : files)
            existing.insert(file.toStdString());
        const shell::SkinSearch search{"/opt/v", systemDirectory.toStdString(), '/',
                                       [&](const std::string& p) { return existing.count(p) > 0; }};
        QCOMPARE(QByteArray::fromStdString(shell::locateSkinEngine(candidate.toStdString(), search)), path);
    }
};

QTEST_GUILESS_MAIN(SkinLocationTest)
#include "skinlocation_test.moc"
