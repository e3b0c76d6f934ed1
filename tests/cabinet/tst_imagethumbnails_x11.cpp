#include "MediaHelperRun.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "TestPictures.h"
#include "TextFunctions.h"

#include <QDir>
#include <QTemporaryDir>

// The real program on a real X server: twenty photographs pasted into the first cabinet
// as files become twenty items whose pictures the image helper makes.
class TestImageThumbnails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pastedPhotosGetThumbnails();

private:
    // The cache files of the targets' pictures that are complete PNG files.
    QStringList cachedThumbnails(const QStringList& targets) const;

    RunningVorenda vorenda;
};

void TestImageThumbnails::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestImageThumbnails::cleanup()
{
    vorenda.stop();
}

QStringList TestImageThumbnails::cachedThumbnails(const QStringList& targets) const
{
    QStringList found;
    for (const QString& target : targets) {
        // Complete PNG files: their signature and a picture that decodes.
        if (!vorenda.cachedThumbnail(target).isNull())
            found << vorenda.thumbnailPath(target);
    }
    return found;
}

void TestImageThumbnails::pastedPhotosGetThumbnails()
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Photos"));
    QVERIFY(QDir().mkpath(folder));
    QStringList photos;
    QList<QUrl> uris;
    for (int i = 0; i < 20; ++i) {
        const QString path = folder + QStringLiteral("/photo %1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(TestPictures::gradient(1200 + 8 * i, 900).save(path, "JPEG", 90));
        photos << path;
        uris << QUrl::fromLocalFile(path);
    }

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    // The cabinet's picture is taken from the screen, where the first run's windows could cover it.
    QVERIFY(RunningVorenda::dismissFirstRunWindows());

    QVERIFY(vorenda.holdOnClipboard(uris));
    QVERIFY(RunningVorenda::pasteInto(cabinet));
    // Twenty finished thumbnails in the cache.
    QTRY_COMPARE_WITH_TIMEOUT(cachedThumbnails(photos).size(), 20, 60000);

    // The items show them: the pictures' dark band stands on the shelves.
    QImage screen;
    QTRY_VERIFY_WITH_TIMEOUT(
        (screen = RunningVorenda::grabWindow(cabinet),
         MediaHelperRun::pixelsNear(screen, QColor(20, 60, 20), 24) > 20 * 200),
        60000);
    QVERIFY(RunningVorenda::saveScreenshot(screen, QStringLiteral("imagethumbnails.png")));
    // The program has read every line the helper printed.
    QVERIFY(vorenda.waitForHelpersToEnd());

    // Saved on the way out: twenty image items, each with its own thumbnail.
    QVERIFY(vorenda.terminate());
    const QList<RunningVorenda::SavedItem> items = vorenda.savedItems();
    QCOMPARE(items.size(), 20);
    QStringList targets;
    for (const RunningVorenda::SavedItem& item : items) {
        targets << item.target;
        QVERIFY2(item.type == 1 || item.type == 2, qPrintable(item.target));
        QCOMPARE(item.thumbnail, getHash(item.target) + QLatin1Char('.'));
    }
    targets.sort();
    QCOMPARE(targets, photos);
}

VORENDA_TEST_MAIN(TestImageThumbnails)
#include "tst_imagethumbnails_x11.moc"
