#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "MediaGenerator.h"
#include "MediaHelperRun.h"
#include "PageServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

// The real program on a real X server, fed from outside: a pasted video and recording
// get their thumbnails from the video and audio helpers, pasted link files become web
// links with page thumbnails, and "Browser Bookmarks" imports a browser's bookmarks.
class TestContentSources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pastedVideoAndRecordingGetThumbnails();
    void pastedLinkFilesBecomeWebLinks();
    void bookmarksCommandImportsIntoCategories();

private:
    // Starts the program, waits for its first cabinet and puts the first run's windows away.
    bool startCabinet();
    // The saved item whose target is `target`; a default item when there is none.
    RunningVorenda::SavedItem savedItem(const QString& target) const;
    // The item's facts of those names, as written, one blank between them.
    static QString factsOf(const RunningVorenda::SavedItem& item, std::initializer_list<const char*> names);

    RunningVorenda vorenda;
    QString cabinet;
};

void TestContentSources::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestContentSources::cleanup()
{
    // Each test starts with a new cabinet, as on a first start.
    vorenda.resetToFirstStart();
}

bool TestContentSources::startCabinet()
{
    if (!vorenda.start())
        return false;
    cabinet = RunningVorenda::waitForCabinet();
    return !cabinet.isEmpty() && RunningVorenda::dismissFirstRunWindows();
}

RunningVorenda::SavedItem TestContentSources::savedItem(const QString& target) const
{
    for (const RunningVorenda::SavedItem& item : vorenda.savedItems()) {
        if (item.target == target)
            return item;
    }
    return RunningVorenda::SavedItem();
}

QString TestContentSources::factsOf(const RunningVorenda::SavedItem& item, std::initializer_list<const char*> names)
{
    QStringList values;
    for (const char* name : names)
        values << item.facts.value(QLatin1String(name));
    return values.join(QLatin1Char(' '));
}

void TestContentSources::pastedVideoAndRecordingGetThumbnails()
{
    QTemporaryDir media;
    const QString video = media.filePath(QStringLiteral("holiday clip.mp4"));
    const QString recording = media.filePath(QStringLiteral("tone.flac"));
    QString error;
    MediaGenerator::VideoSpec clip;
    clip.size = QSize(320, 240);
    QVERIFY2(MediaGenerator::writeVideo(video, clip, &error), qPrintable(error));
    MediaGenerator::SoundSpec sound;
    const QColor coverColour(200, 50, 120);
    sound.cover = QImage(300, 300, QImage::Format_RGB32);
    sound.cover.fill(coverColour);
    QVERIFY2(MediaGenerator::writeSound(recording, sound, &error), qPrintable(error));

    QVERIFY(startCabinet());
    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(video), QUrl::fromLocalFile(recording)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));
    QTRY_VERIFY_WITH_TIMEOUT(!vorenda.cachedThumbnail(video).isNull() && !vorenda.cachedThumbnail(recording).isNull(),
                             15000);

    // A frame of the first second on a film strip in the cabinet's colours: bands of
    // black at alpha 230 above and below.
    const QImage frame = vorenda.cachedThumbnail(video).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(frame.size(), QSize(256, 256));
    QVERIFY(MediaHelperRun::near(frame.pixelColor(128, 128), MediaGenerator::colourOfSecond(0)));
    QCOMPARE(frame.pixelColor(128, 1), QColor(0, 0, 0, 230));
    QCOMPARE(frame.pixelColor(128, 254), QColor(0, 0, 0, 230));
    // The recording's cover.
    QVERIFY(MediaHelperRun::near(vorenda.cachedThumbnail(recording).pixelColor(50, 50), coverColour));

    // The items show them once the program has read what the helpers said: the file in
    // the cache comes a moment before the helper's line.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage screen = RunningVorenda::grabWindow(cabinet);
            return MediaHelperRun::pixelsNear(screen, MediaGenerator::colourOfSecond(0), 12) > 400
                && MediaHelperRun::pixelsNear(screen, coverColour, 12) > 400;
        }(),
        60000);
    QVERIFY(vorenda.waitForHelpersToEnd());

    // Saved on the way out with what the helpers told about the files; a second start
    // finds every picture in its place and asks no helper for it again.
    const QString videoThumbnail = QFileInfo(vorenda.thumbnailPath(video)).fileName();
    const QString audioThumbnail = QFileInfo(vorenda.thumbnailPath(recording)).fileName();
    for (int start = 1; start <= 2; ++start) {
        if (start == 2) {
            QVERIFY(vorenda.start());
            // Shown by its hotkey, which the cabinet binds once it is read.
            QVERIFY(RunningVorenda::showCabinetByHotkey());
            QElapsedTimer watched;
            watched.start();
            while (!watched.hasExpired(3000)) {
                QVERIFY2(vorenda.helpersRunning().isEmpty(), qPrintable(vorenda.helpersRunning().join(QLatin1Char(' '))));
                QTest::qWait(20);
            }
        }
        QVERIFY(vorenda.terminate());
        const RunningVorenda::SavedItem videoItem = savedItem(video);
        QCOMPARE(videoItem.type, 3);
        QCOMPARE(videoItem.thumbnail, videoThumbnail);
        QCOMPARE(factsOf(videoItem, {"length", "width", "height", "framerate"}), QStringLiteral("3 320 240 25"));
        QVERIFY(videoItem.facts.value(QStringLiteral("bitrate")).toInt() > 0);
        const RunningVorenda::SavedItem audioItem = savedItem(recording);
        QCOMPARE(audioItem.type, 5);
        QCOMPARE(audioItem.thumbnail, audioThumbnail);
        QCOMPARE(factsOf(audioItem, {"length", "channels", "samplerate", "bitdepth"}), QStringLiteral("3 2 44100 16"));
    }

    // Pictures damaged in the cache are made again at the next start.
    for (const QString& target : {video, recording}) {
        QFile damaged(vorenda.thumbnailPath(target));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("\x89PNG\r\n\x1a\n damaged");
    }
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QTRY_VERIFY_WITH_TIMEOUT(!vorenda.cachedThumbnail(video).isNull() && !vorenda.cachedThumbnail(recording).isNull(),
                             60000);
    QVERIFY(MediaHelperRun::near(vorenda.cachedThumbnail(video).pixelColor(128, 128),
                                 MediaGenerator::colourOfSecond(0)));
    QVERIFY(MediaHelperRun::near(vorenda.cachedThumbnail(recording).pixelColor(50, 50), coverColour));
    QVERIFY(vorenda.waitForHelpersToEnd());
    QVERIFY(vorenda.terminate());
}

void TestContentSources::pastedLinkFilesBecomeWebLinks()
{
    PageServer server;
    server.page("/plist.html", "<html><body style='margin:0;background:#ff8000'></body></html>");
    server.page("/shortcut.html", "<html><body style='margin:0;background:#0040ff'></body></html>");
    const QString plistPage = server.url("/plist.html");
    const QString shortcutPage = server.url("/shortcut.html");
    QTemporaryDir links;
    const QString webloc = links.filePath(QStringLiteral("Orange Page.webloc"));
    const QString shortcut = links.filePath(QStringLiteral("Blue Page.url"));
    for (const auto& [path, content] :
         {std::pair<QString, QByteArray>{webloc, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                                                 "<dict><key>URL</key><string>" + plistPage.toUtf8()
                                                     + "</string></dict></plist>\n"},
          {shortcut, "[InternetShortcut]\r\nURL=" + shortcutPage.toUtf8() + "\r\n"}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QVERIFY(startCabinet());
    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(webloc), QUrl::fromLocalFile(shortcut)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));
    // The pages the files point at are rendered and cached.
    QTRY_VERIFY_WITH_TIMEOUT(!vorenda.cachedThumbnail(plistPage).isNull()
                                 && !vorenda.cachedThumbnail(shortcutPage).isNull(),
                             30000);
    QVERIFY(MediaHelperRun::near(vorenda.cachedThumbnail(plistPage).pixelColor(20, 20), QColor(0xff, 0x80, 0x00)));

    QVERIFY(vorenda.terminate());
    const RunningVorenda::SavedItem orange = savedItem(plistPage);
    QCOMPARE(orange.type, 4);
    QCOMPARE(orange.name, QStringLiteral("Orange Page"));
    const RunningVorenda::SavedItem blue = savedItem(shortcutPage);
    QCOMPARE(blue.type, 4);
    QCOMPARE(blue.name, QStringLiteral("Blue Page"));
    QCOMPARE(vorenda.savedItems().size(), 2);
}

void TestContentSources::bookmarksCommandImportsIntoCategories()
{
    // A Chromium profile in the test's home; the addresses point at a closed local port.
    const QString profile = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/chromium/Default");
    QVERIFY(QDir().mkpath(profile));
    {
        QFile bookmarks(profile + QStringLiteral("/Bookmarks"));
        QVERIFY(bookmarks.open(QIODevice::WriteOnly));
        bookmarks.write(R"({"version": 1, "roots": {
            "bookmark_bar": {"type": "folder", "name": "Bookmarks bar", "children": [
                {"type": "url", "name": "Alpha", "url": "http://127.0.0.1:1/alpha"},
                {"type": "folder", "name": "Work", "children": [
                    {"type": "url", "name": "Beta", "url": "http://127.0.0.1:1/beta"}]}]},
            "other": {"type": "folder", "name": "Other bookmarks", "children": [
                {"type": "url", "name": "Gamma", "url": "http://127.0.0.1:1/gamma"}]}}})");
    }

    QVERIFY(startCabinet());
    QTest::qWait(1000);
    QVERIFY(RunningVorenda::importBookmarks(cabinet));
    QTRY_COMPARE_WITH_TIMEOUT(RunningVorenda::cabinetWindows(), QStringList{cabinet}, 10000);
    // The import runs on from the event loop; its end saves the cabinet.
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.savedItems().size(), 3, 30000);

    QVERIFY(vorenda.terminate());
    QDir(QFileInfo(profile).absolutePath()).removeRecursively();
    QStringList saved;
    for (const RunningVorenda::SavedItem& item : vorenda.savedItems())
        saved << item.name + QLatin1Char('@') + item.category + QLatin1Char(' ') + QString::number(item.type);
    saved.sort();
    QCOMPARE(saved, (QStringList{QStringLiteral("Alpha@Bookmarks Bar 4"), QStringLiteral("Beta@Work 4"),
                                 QStringLiteral("Gamma@Other Bookmarks 4")}));
}

VORENDA_TEST_MAIN(TestContentSources)
#include "tst_contentsources_x11.moc"
