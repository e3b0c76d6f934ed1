#include "RunningVorenda.h"
#include "SmallFilesystem.h"
#include "TestEnvironment.h"
#include "TextProbe.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <functional>

// The real program with its store folder on a real filesystem that fills up while it
// runs: the saves at SIGTERM fail, the files of the last good save stay to the byte,
// the log says so, and the next start with room again finds everything.
class TestFullDiskX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void fullDiskKeepsTheOldFiles();
    void failedSaveIsToldWhileRunning();

private:
    // Every file below the store folder with its bytes, by path relative to it.
    QMap<QString, QByteArray> storeFiles() const;
    // A cabinet of six items, listed in the main data file.
    void seedCabinet(const QString& id) const;

    RunningVorenda vorenda;
    TextProbe probe;
    bool mounted = false;
};

void TestFullDiskX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure(true));
    QVERIFY(QDir().mkpath(vorenda.store()));
    if (!SmallFilesystem::mount(vorenda.store(), 1024 * 1024))
        QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));
    mounted = true;
}

void TestFullDiskX11::cleanup()
{
    vorenda.stop();
    vorenda.useTextProbe(nullptr);
    QFile::remove(vorenda.store() + QStringLiteral("filler"));
}

void TestFullDiskX11::cleanupTestCase()
{
    if (mounted)
        SmallFilesystem::unmount(vorenda.store());
}

QMap<QString, QByteArray> TestFullDiskX11::storeFiles() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(vorenda.store(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.fileName().endsWith(QLatin1String("/filler")))
            continue;
        files.insert(QDir(vorenda.store()).relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)"));
    }
    return files;
}

void TestFullDiskX11::seedCabinet(const QString& id) const
{
    QDir().mkpath(vorenda.store() + QStringLiteral("Data"));
    QFile main(vorenda.store() + QStringLiteral("Vorenda.dat"));
    QVERIFY(main.open(QIODevice::WriteOnly));
    main.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-Data>\n<Root><Cabinets><Cabinet id=\""
               + id.toLatin1() + "\"/></Cabinets></Root>\n");
    QByteArray items;
    for (int i = 1; i <= 6; ++i) {
        const QByteArray target = QFile::encodeName(TestEnvironment::instance()->root()) + "/notes-"
            + QByteArray::number(i) + ".txt";
        QFile note(QFile::decodeName(target));
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.write("note\n");
        items += "<Item name=\"note " + QByteArray::number(i) + "\" type=\"0\"><target>" + target + "</target></Item>";
    }
    QFile cabinet(vorenda.dataFile(id));
    QVERIFY(cabinet.open(QIODevice::WriteOnly));
    cabinet.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings>"
                  "<Window name=\"Mine\"/></Settings><Uncategorized>" + items + "</Uncategorized></Root>\n");
}

void TestFullDiskX11::fullDiskKeepsTheOldFiles()
{
    const QString id = QStringLiteral("0123456789abcdef0123456789abcdef");
    seedCabinet(id);
    if (QTest::currentTestFailed())
        return;

    // A first run with room writes the files in the program's own form.
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(vorenda.terminate());
    QCOMPARE(vorenda.listedIds(), QStringList{id});
    QCOMPARE(RunningVorenda::itemsOf(vorenda.dataFile(id)).size(), 6);
    const QMap<QString, QByteArray> saved = storeFiles();
    QVERIFY(saved.contains(QStringLiteral("Vorenda.dat")));

    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(SmallFilesystem::fill(vorenda.store()));
    QVERIFY(vorenda.terminate());

    QCOMPARE(storeFiles(), saved);
    const QStringList lines = RunningVorenda::logLines();
    const int lastStart = lines.lastIndexOf(QStringLiteral("--- NEW SESSION STARTED ---"));
    const QStringList run = lines.mid(lastStart);
    QVERIFY2(run.contains(QStringLiteral("VorendaShelf (Mine): Saving failed!")),
             qPrintable(run.join(QLatin1Char('\n'))));
    QVERIFY2(run.contains(QStringLiteral("VorendaMain: Saving \"%1Vorenda.dat\" failed").arg(vorenda.store())),
             qPrintable(run.join(QLatin1Char('\n'))));
    QVERIFY(!run.contains(QStringLiteral("VorendaShelf (Mine): Done!")));
    QVERIFY(!run.contains(QStringLiteral("VorendaMain: Done!")));

    // With room again the same cabinet comes back whole.
    QVERIFY(QFile::remove(vorenda.store() + QStringLiteral("filler")));
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(vorenda.terminate());
    QCOMPARE(vorenda.listedIds(), QStringList{id});
    QCOMPARE(RunningVorenda::itemsOf(vorenda.dataFile(id)).size(), 6);
}

// A change the disk has no room for: the cabinet says so in its status label and in a
// message, and an end of the session while the message waits still ends the program
// with the old files whole.
void TestFullDiskX11::failedSaveIsToldWhileRunning()
{
    const QString id = QStringLiteral("0123456789abcdef0123456789abcdef");
    seedCabinet(id);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(vorenda.terminate());
    const QMap<QString, QByteArray> saved = storeFiles();

    vorenda.useTextProbe(&probe);
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    const QString cabinet = RunningVorenda::waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QVERIFY(SmallFilesystem::fill(vorenda.store()));
    const QString pasted = TestEnvironment::instance()->root() + QStringLiteral("/pasted.txt");
    QFile note(pasted);
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.write("pasted\n");
    note.close();
    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(pasted)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    const QString reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const QString said = QStringLiteral("Vorenda could not save the cabinet \"Mine\" to ");
    const auto shows = [this](const std::function<bool(const QString&)>& match) {
        for (const TextProbe::Window& window : probe.windows()) {
            for (const QString& name : window.names()) {
                if (match(name))
                    return true;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(shows([&](const QString& name) { return name.startsWith(said) && name.contains(reason); }),
                             60000);
    QVERIFY(shows([&](const QString& name) { return name == QStringLiteral("Not saved: ") + reason; }));

    QVERIFY(vorenda.terminate());
    QCOMPARE(storeFiles(), saved);
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestFullDiskX11)

#include "tst_fulldisk_x11.moc"
