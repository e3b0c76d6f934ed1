#include "MediaHelperRun.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "PageServer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

// The real program on a real X server: a local HTML page and a page on a loopback
// server pasted into the first cabinet become web items whose pictures the web-page
// helper renders.
class TestWebThumbnails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pastedPagesGetPageThumbnails();

private:
    RunningVorenda vorenda;
};

// Two pages, each of two colours no style of the program paints.
static QByteArray twoColourPage(const char* top, const char* bottom)
{
    return QByteArray("<html><body style='margin:0'>"
                      "<div style='height:420px;background:")
        + top + "'></div><div style='height:420px;background:" + bottom + "'></div></body></html>";
}

void TestWebThumbnails::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestWebThumbnails::cleanup()
{
    vorenda.stop();
}

void TestWebThumbnails::pastedPagesGetPageThumbnails()
{
    QTemporaryDir temp;
    const QString localPage = temp.filePath(QStringLiteral("local page.html"));
    {
        QFile file(localPage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(twoColourPage("#ff00ff", "#00ffff"));
    }
    PageServer server;
    server.page("/served.html", twoColourPage("#ff8000", "#0040ff"));
    const QString servedPage = server.url("/served.html");

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    // The cabinet's picture is taken from the screen, where the first run's windows could cover it.
    QVERIFY(RunningVorenda::dismissFirstRunWindows());

    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(localPage), QUrl(servedPage)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    // Each page's own picture lands in the cache: a 256 × 192 view of its two colours.
    QImage local;
    QImage served;
    QTRY_VERIFY_WITH_TIMEOUT(!(local = vorenda.cachedThumbnail(localPage)).isNull()
                                 && !(served = vorenda.cachedThumbnail(servedPage)).isNull(),
                             60000);
    QCOMPARE(local.size(), QSize(256, 192));
    QCOMPARE(served.size(), QSize(256, 192));
    QVERIFY(MediaHelperRun::pixelsNear(local, QColor(255, 0, 255), 29) > 256 * 60);
    QVERIFY(MediaHelperRun::pixelsNear(local, QColor(0, 255, 255), 29) > 256 * 20);
    QVERIFY(MediaHelperRun::pixelsNear(served, QColor(255, 128, 0), 29) > 256 * 60);
    QCOMPARE(server.requests("/served.html") >= 1, true);

    // And the items show them in the cabinet.
    QImage screen;
    QTRY_VERIFY_WITH_TIMEOUT(
        (screen = QGuiApplication::primaryScreen()->grabWindow(cabinet.toULongLong()).toImage(),
         MediaHelperRun::pixelsNear(screen, QColor(255, 0, 255), 29) > 400
             && MediaHelperRun::pixelsNear(screen, QColor(255, 128, 0), 29) > 400),
        10000);
    QVERIFY(RunningVorenda::saveScreenshot(screen, QStringLiteral("webthumbnails.png")));

    QVERIFY(vorenda.terminate());
}

VORENDA_TEST_MAIN(TestWebThumbnails)
#include "tst_webthumbnails_x11.moc"
