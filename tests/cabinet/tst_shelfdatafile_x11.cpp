#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "TextFunctions.h"

#include <QDir>
#include <QImage>

// The real program on a real X server: items pasted into the first cabinet are in its
// data file after SIGTERM, come back at the next start, and a second SIGTERM writes
// the same file to the byte.
class TestShelfDataFileX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cabinetSurvivesRestartsUnchanged();

private:
    // The data files of the store; the program keeps one per cabinet.
    QStringList dataFiles() const;
    // The targets of the file's items, each with its category's name ("" for none).
    static QStringList itemsOf(const QString& path);

    RunningVorenda vorenda;
};

void TestShelfDataFileX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestShelfDataFileX11::cleanup()
{
    vorenda.stop();
}

QStringList TestShelfDataFileX11::dataFiles() const
{
    return QDir(vorenda.store() + QStringLiteral("Data")).entryList(QDir::Files);
}

QStringList TestShelfDataFileX11::itemsOf(const QString& path)
{
    QStringList items;
    for (const RunningVorenda::SavedItem& item : RunningVorenda::itemsOf(path))
        items << item.category + QLatin1Char('|') + item.target;
    return items;
}

void TestShelfDataFileX11::cabinetSurvivesRestartsUnchanged()
{
    const QString files = TestEnvironment::instance()->root() + QStringLiteral("/files/");
    QVERIFY(QDir().mkpath(files));
    const QString notes = files + QStringLiteral("notes.txt");
    const QString picture = files + QStringLiteral("picture.png");
    {
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Shopping list\n");
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(QColor(20, 160, 90));
        QVERIFY(image.save(picture));
    }

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.listedIds().size(), 1, 10000);
    const QString path = vorenda.dataFile(vorenda.listedIds().first());

    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(picture)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    // The picture's thumbnail is made before the first quit, so nothing is asked anew later.
    const QString thumbnail = vorenda.thumbnailPath(picture);
    QTRY_VERIFY_WITH_TIMEOUT(!QImage(thumbnail).isNull(), 30000);
    // The change reached the file shortly after, before any quit.
    QTRY_COMPARE_WITH_TIMEOUT(itemsOf(path).size(), 2, 15000);
    // The program has read the helper's line too.
    QVERIFY(vorenda.waitForHelpersToEnd());
    QVERIFY(vorenda.terminate());

    const QStringList expected{QLatin1Char('|') + notes, QLatin1Char('|') + picture};
    QCOMPARE(itemsOf(path), expected);
    QFile first(path);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray written = first.readAll();
    first.close();
    QVERIFY(written.contains("<thumbnail>" + getHash(picture).toUtf8() + ".</thumbnail>"));

    // Restarted: the same cabinet file is read, and written again unchanged.
    QVERIFY(vorenda.start());
    // Shown by the hotkey, pressed until the program has bound it.
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QTest::qWait(1000);
    QVERIFY(vorenda.terminate());
    QCOMPARE(dataFiles().size(), 1);
    QFile second(path);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), written);
}

VORENDA_TEST_MAIN(TestShelfDataFileX11)
#include "tst_shelfdatafile_x11.moc"
