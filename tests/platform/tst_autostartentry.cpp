#include "TestEnvironment.h"

#include "AutostartEntry.h"

class TestAutostartEntry : public QObject
{
    Q_OBJECT

private slots:
    void writesUnderConfigHome();
    void secondWriteChangesNothing();
    void removesWhenOff();
    void execQuotesAwkwardPaths_data();
    void execQuotesAwkwardPaths();
};

void TestAutostartEntry::writesUnderConfigHome()
{
    QCOMPARE(AutostartEntry::path(), TestEnvironment::instance()->root() + QStringLiteral("/config/autostart/vorenda.desktop"));
    QVERIFY(AutostartEntry::apply(true, QStringLiteral("/opt/vorenda/bin/vorenda")));
    QFile file(AutostartEntry::path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nExec=\"/opt/vorenda/bin/vorenda\"\n"));
    QVERIFY(text.contains("\nIcon=vorenda\n"));
}

void TestAutostartEntry::secondWriteChangesNothing()
{
    QVERIFY(AutostartEntry::apply(true, QStringLiteral("/usr/bin/vorenda")));
    const QFileInfo before(AutostartEntry::path());
    const QDateTime modified = before.lastModified();
    const qint64 inode = before.metadataChangeTime().toMSecsSinceEpoch();
    QTest::qWait(20);
    QVERIFY(AutostartEntry::apply(true, QStringLiteral("/usr/bin/vorenda")));
    const QFileInfo after(AutostartEntry::path());
    QCOMPARE(after.lastModified(), modified);
    QCOMPARE(after.metadataChangeTime().toMSecsSinceEpoch(), inode);
    // No temporary files are left beside it.
    QCOMPARE(QDir(after.absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("vorenda.desktop")});
}

void TestAutostartEntry::removesWhenOff()
{
    QVERIFY(AutostartEntry::apply(true, QStringLiteral("/usr/bin/vorenda")));
    QVERIFY(AutostartEntry::apply(false, QString()));
    QVERIFY(!QFile::exists(AutostartEntry::path()));
    QVERIFY(AutostartEntry::apply(false, QString())); // already gone
}

void TestAutostartEntry::execQuotesAwkwardPaths_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QByteArray>("exec");
    QTest::newRow("space") << "/home/a b/vorenda" << QByteArray("Exec=\"/home/a b/vorenda\"");
    QTest::newRow("quote") << "/x\"y/vorenda" << QByteArray("Exec=\"/x\\\\\"y/vorenda\"");
    QTest::newRow("dollar") << "/x$HOME/vorenda" << QByteArray("Exec=\"/x\\\\$HOME/vorenda\"");
    QTest::newRow("percent") << "/100%/vorenda" << QByteArray("Exec=\"/100%%/vorenda\"");
}

void TestAutostartEntry::execQuotesAwkwardPaths()
{
    QFETCH(QString, executable);
    QFETCH(QByteArray, exec);
    QVERIFY(AutostartEntry::contents(executable).contains("\n" + exec + "\n"));
}

VORENDA_TEST_MAIN(TestAutostartEntry)
#include "tst_autostartentry.moc"
