#include "TestEnvironment.h"

#include "HelperJobFile.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamAttributes>

// The job file as every helper reads it: which Items count, which List they belong to,
// and what makes the whole file count as no job.
class TestHelperJobFile : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
};

void TestHelperJobFile::items_data()
{
    QTest::addColumn<QString>("body"); // inside Root; %1 and %2 are two output folders
    QTest::addColumn<QString>("docType");
    QTest::addColumn<QString>("taken"); // keys of the Items handed over, in order
    QTest::addColumn<QString>("lists"); // the delays of the Lists read, in order
    QTest::addColumn<int>("folder"); // the output folder at the end: 1 or 2, 0 for none
    QTest::addColumn<bool>("accepted");

    QTest::newRow("one list") << "<List outputPath='%1' delay='5'><Item url='u' thumbName='a.' key='a'/>"
                                 "<Item url='u' thumbName='b.' key='b'/></List>"
                              << "Kestrim-Data" << "a b" << "5" << 1 << true;
    QTest::newRow("another DOCTYPE") << "<List outputPath='%1'><Item url='u' thumbName='a.' key='a'/></List>"
                                     << "Dovalin-Data" << "" << "" << 0 << false;
    QTest::newRow("nothing to make it of") << "<List outputPath='%1'><Item thumbName='a.' key='a'/>"
                                              "<Item url='' thumbName='b.' key='b'/></List>"
                                           << "Kestrim-Data" << "" << "0" << 1 << false;
    // Elements inside a List are passed through, and a List inside it is none of its own:
    // its end does not end the outer List.
    QTest::newRow("nested elements") << "<List outputPath='%1' delay='1'><Group><Item url='u' thumbName='a.' key='a'/>"
                                        "</Group><List outputPath='%2' delay='2'><Item url='u' thumbName='b.' key='b'/>"
                                        "</List><Item url='u' thumbName='c.' key='c'/></List>"
                                     << "Kestrim-Data" << "a b c" << "1" << 1 << true;
    QTest::newRow("outside a list") << "<Item url='u' thumbName='a.' key='a'/><List outputPath='%1'/>"
                                       "<Item url='u' thumbName='b.' key='b'/>"
                                    << "Kestrim-Data" << "" << "0" << 1 << false;
    QTest::newRow("a second list") << "<List outputPath='%1' delay='1'><Item url='u' thumbName='a.' key='a'/></List>"
                                      "<List outputPath='%2' delay='2'><Item url='u' thumbName='b.' key='b'/></List>"
                                   << "Kestrim-Data" << "a b" << "1 2" << 2 << true;
    // What was taken before a List without an output folder still counts.
    QTest::newRow("then no folder") << "<List outputPath='%1'><Item url='u' thumbName='a.' key='a'/></List>"
                                       "<List outputPath='' delay='3'><Item url='u' thumbName='b.' key='b'/></List>"
                                    << "Kestrim-Data" << "a" << "0 3" << 1 << true;
    QTest::newRow("no folder at all") << "<List delay='3'><Item url='u' thumbName='a.' key='a'/></List>"
                                      << "Kestrim-Data" << "" << "3" << 0 << false;
}

void TestHelperJobFile::items()
{
    QFETCH(QString, body);
    QFETCH(QString, docType);
    QFETCH(QString, taken);
    QFETCH(QString, lists);
    QFETCH(int, folder);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    const QString folders[] = {QString(), dir.filePath(QStringLiteral("one")), dir.filePath(QStringLiteral("two"))};
    QByteArray xml = QStringLiteral("<?xml version='1.0'?><!DOCTYPE %1><Root>%2</Root>")
                         .arg(docType, body.arg(folders[1], folders[2]))
                         .toUtf8();
    QBuffer device(&xml);
    QVERIFY(device.open(QIODevice::ReadOnly));

    HelperJobFile file(QStringLiteral("Kestrim-Data"), QStringLiteral("url"));
    QStringList delays;
    file.setListReader([&delays](const QXmlStreamAttributes& attributes) {
        delays << QString::number(HelperJobFile::intAttribute(attributes, QStringLiteral("delay"), 0, 9));
    });
    QStringList keys;
    const bool read = file.read(&device, [&keys](const QXmlStreamAttributes& attributes) {
        keys << attributes.value(QLatin1String("key")).toString();
        return true;
    });
    QCOMPARE(read, accepted);
    QCOMPARE(keys.join(QLatin1Char(' ')), taken);
    QCOMPARE(delays.join(QLatin1Char(' ')), lists);
    QCOMPARE(file.outputFolder(), folders[folder]);
    if (folder > 0)
        QVERIFY(QDir(folders[folder]).exists());
}

VORENDA_TEST_MAIN(TestHelperJobFile)
#include "tst_helperjobfile.moc"
