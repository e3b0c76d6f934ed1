#include "RecordingOpener.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"
#include "TextProbe.h"

#include <QDir>
#include <QFile>
#include <QImage>

// The real program on a real X server: a link file whose address names a desktop entry
// becomes an item that, opened, only shows the entry in the file manager (here the
// stand-in xdg-open is given its folder), before and after a restart; an installed
// entry, pasted as an application, runs; a downloaded one, copied as a browser's link,
// only shows in the file manager, with a message that says why.
// The entries' program would leave a marker behind.
class TestOpenLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void linkToAnEntryNeverRunsIt();
    void pastedEntryRuns();
    void downloadedEntryNeverRuns();

private:
    QStringList opened() const;
    // The cabinet shown (by the hotkey when it hid), or empty.
    static QString shownCabinet();
    static bool doubleClickAt(const QPoint& point);
    // Where the item pasted from `uri` into a cabinet without items stands on the
    // screen, once it has settled.
    QPoint pasteItem(const QString& cabinet, const QUrl& uri);
    // The same for `data` held as `mimeType`.
    QPoint pasteItem(const QString& cabinet, const QByteArray& data, const QString& mimeType);

    RunningVorenda vorenda;
    QString record;
    QString marker;
    QString entry;
    QString installed;
    QString downloaded;
};

void TestOpenLinks::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
    const QString root = TestEnvironment::instance()->root();
    record = RecordingOpener::install();
    marker = root + QStringLiteral("/ran.txt");
    QVERIFY(QDir().mkpath(root + QStringLiteral("/apps")));
    entry = root + QStringLiteral("/apps/trap.desktop");
    QFile file(entry);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray body = "[Desktop Entry]\nType=Application\nName=Trap\nExec=touch " + QFile::encodeName(marker) + "\n";
    file.write(body);
    // Installed in the user's applications folder, and downloaded: the same entry.
    for (const QString& folder : {QStringLiteral("/data/applications"), QStringLiteral("/home/Downloads")})
        QVERIFY(QDir().mkpath(root + folder));
    installed = root + QStringLiteral("/data/applications/installed.desktop");
    downloaded = root + QStringLiteral("/home/Downloads/fetched.desktop");
    for (const QString& path : {installed, downloaded}) {
        QFile copy(path);
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(body);
    }
}

void TestOpenLinks::cleanup()
{
    vorenda.stop();
}

QStringList TestOpenLinks::opened() const
{
    return RecordingOpener::opened(record);
}

QString TestOpenLinks::shownCabinet()
{
    if (RunningVorenda::cabinetWindows().isEmpty() && !RunningVorenda::showCabinetByHotkey())
        return QString();
    const QString cabinet = RunningVorenda::waitForCabinet();
    // A cabinet that slides in is measured where it stops.
    QTest::qWait(1000);
    return cabinet;
}

bool TestOpenLinks::doubleClickAt(const QPoint& point)
{
    if (!RunningVorenda::xdotool(
            {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())}))
        return false;
    QTest::qWait(300);
    return RunningVorenda::xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                                    QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

QPoint TestOpenLinks::pasteItem(const QString& cabinet, const QUrl& uri)
{
    return pasteItem(cabinet, uri.toEncoded() + "\r\n", QStringLiteral("text/uri-list"));
}

QPoint TestOpenLinks::pasteItem(const QString& cabinet, const QByteArray& data, const QString& mimeType)
{
    const QRect geometry = RunningVorenda::windowGeometry(cabinet);
    const auto grab = [&] { return RunningVorenda::grabScreen(geometry); };
    const QImage before = grab();
    if (!vorenda.holdOnClipboard(data, mimeType) || !RunningVorenda::pasteInto(cabinet))
        return QPoint();
    if (!QTest::qWaitFor([&] { return !RunningVorenda::changedArea(before, grab()).isEmpty(); }, 20000))
        return QPoint();
    QTest::qWait(1500);
    const QRect item = RunningVorenda::changedArea(before, grab());
    return item.isEmpty() ? QPoint() : geometry.topLeft() + item.center();
}

void TestOpenLinks::linkToAnEntryNeverRunsIt()
{
    const QString address = QUrl::fromLocalFile(entry).toString(QUrl::FullyEncoded);
    const QString link = TestEnvironment::instance()->root() + QStringLiteral("/A link to an entry.url");
    QFile file(link);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[InternetShortcut]\r\nURL=" + address.toUtf8() + "\r\n");
    file.close();
    const QString folder = QUrl::fromLocalFile(QFileInfo(entry).absolutePath()).toString(QUrl::FullyEncoded);

    QVERIFY(vorenda.start());
    QVERIFY(!vorenda.waitForCabinet().isEmpty());
    // The first run's windows could cover the shelves.
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QString cabinet = shownCabinet();
    QVERIFY(!cabinet.isEmpty());
    const QRect firstGeometry = RunningVorenda::windowGeometry(cabinet);
    const QPoint linkItem = pasteItem(cabinet, QUrl::fromLocalFile(link));
    QVERIFY(!linkItem.isNull());

    QVERIFY(doubleClickAt(linkItem));
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{folder}, 10000);
    QTest::qWait(500);
    QVERIFY(!QFile::exists(marker));
    QVERIFY(vorenda.terminate());
    const QList<RunningVorenda::SavedItem> saved = vorenda.savedItems();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().target, address);
    QCOMPARE(saved.first().type, 4);

    // Read back from the cabinet's file, the item is still an address.
    QFile::remove(record);
    QVERIFY(vorenda.start());
    cabinet = shownCabinet();
    QVERIFY(!cabinet.isEmpty());
    const QRect geometry = RunningVorenda::windowGeometry(cabinet);
    QVERIFY(doubleClickAt(linkItem - firstGeometry.topLeft() + geometry.topLeft()));
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{folder}, 10000);
    QTest::qWait(500);
    QVERIFY(!QFile::exists(marker));

    QVERIFY(vorenda.terminate());
}

// An installed entry, pasted as a file, is an application the user added: it runs.
void TestOpenLinks::pastedEntryRuns()
{
    vorenda.resetToFirstStart();
    QFile::remove(record);
    QVERIFY(vorenda.start());
    QVERIFY(!vorenda.waitForCabinet().isEmpty());
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    const QString cabinet = shownCabinet();
    QVERIFY(!cabinet.isEmpty());
    const QPoint application = pasteItem(cabinet, QUrl::fromLocalFile(installed));
    QVERIFY(!application.isNull());
    QVERIFY(doubleClickAt(application));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QCOMPARE(opened(), QStringList());
    QVERIFY(vorenda.terminate());
}

void TestOpenLinks::downloadedEntryNeverRuns()
{
    vorenda.resetToFirstStart();
    QFile::remove(record);
    QFile::remove(marker);
    TextProbe probe;
    vorenda.useTextProbe(&probe);
    QVERIFY(vorenda.start());
    QVERIFY(!vorenda.waitForCabinet().isEmpty());
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    const QString cabinet = shownCabinet();
    QVERIFY(!cabinet.isEmpty());

    // Held as a browser holds a copied link: Qt on X11 gives it as a URI list of its link,
    // so it comes in as a file, and opened, it only shows in the file manager and says why.
    const QString address = QUrl::fromLocalFile(downloaded).toString(QUrl::FullyEncoded);
    const QString link = address + QStringLiteral("\nFetched");
    const QPoint item = pasteItem(cabinet, QByteArray(reinterpret_cast<const char*>(link.utf16()), link.size() * 2),
                                  QStringLiteral("text/x-moz-url"));
    QVERIFY(!item.isNull());
    QVERIFY(doubleClickAt(item));
    const QString folder = QUrl::fromLocalFile(QFileInfo(downloaded).absolutePath()).toString(QUrl::FullyEncoded);
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{folder}, 10000);
    // The window that says it was not started and how to trust it; null when none shows.
    const auto message = [&] {
        for (const TextProbe::Window& window : probe.windows()) {
            for (const QString& name : window.names()) {
                if (name.contains(QLatin1String("not trusted")) && name.contains(QLatin1String("make it executable")))
                    return window;
            }
        }
        return TextProbe::Window();
    };
    QVERIFY(QTest::qWaitFor([&] { return !message().isNull(); }, 15000));
    QVERIFY(RunningVorenda::clickAt(message().rectOf(QStringLiteral("OK")).center()));
    QVERIFY(QTest::qWaitFor([&] { return message().isNull(); }, 10000));
    QVERIFY(!QFile::exists(marker));
    QVERIFY(vorenda.terminate());
    vorenda.useTextProbe(nullptr);

    // Kept as it came, the trust is asked for again at each open.
    const QList<RunningVorenda::SavedItem> saved = vorenda.savedItems();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().target, downloaded);
}

VORENDA_TEST_MAIN(TestOpenLinks)
#include "tst_openlinks_x11.moc"
