#include "TestEnvironment.h"

#include "../kestrim/PageServer.h"
#include "TextFunctions.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <memory>

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
    static QString visibleWindow(const QString& name);
    static bool xdotool(const QStringList& arguments);
    // The cached page picture of `target`, or a null image while there is none.
    QImage pageThumbnail(const QString& target) const;
    static int pixelsNear(const QImage& image, const QColor& colour);

    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    QString store;
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
    store = TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/");
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), store);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vercheck.xml"));
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestWebThumbnails::cleanup()
{
    for (auto* process : {vorenda.get(), clipboard.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    vorenda.reset();
    clipboard.reset();
}

QString TestWebThumbnails::visibleWindow(const QString& name)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    search.waitForFinished(5000);
    const QStringList found =
        QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return found.size() == 1 ? found.first() : QString();
}

bool TestWebThumbnails::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QImage TestWebThumbnails::pageThumbnail(const QString& target) const
{
    const QString path = store + QStringLiteral("Cache/") + getHash(target) + QLatin1Char('.');
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
        return QImage();
    return QImage(path);
}

int TestWebThumbnails::pixelsNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 30 && qAbs(c.green() - colour.green()) < 30
                && qAbs(c.blue() - colour.blue()) < 30)
                ++count;
        }
    }
    return count;
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

    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow(QStringLiteral("^Vorenda$")).isEmpty(), 30000);
    const QString cabinet = visibleWindow(QStringLiteral("^Vorenda$"));

    clipboard = std::make_unique<QProcess>();
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"),
                                               QStringLiteral("text/uri-list"), QStringLiteral("-i")});
    QVERIFY(clipboard->waitForStarted());
    clipboard->write(QUrl::fromLocalFile(localPage).toEncoded() + "\r\n" + servedPage.toUtf8() + "\r\n");
    clipboard->closeWriteChannel();
    QTest::qWait(300);
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")}));

    // Each page's own picture lands in the cache: a 256 × 192 view of its two colours.
    QImage local;
    QImage served;
    QTRY_VERIFY_WITH_TIMEOUT(!(local = pageThumbnail(localPage)).isNull()
                                 && !(served = pageThumbnail(servedPage)).isNull(),
                             60000);
    QCOMPARE(local.size(), QSize(256, 192));
    QCOMPARE(served.size(), QSize(256, 192));
    QVERIFY(pixelsNear(local, QColor(255, 0, 255)) > 256 * 60);
    QVERIFY(pixelsNear(local, QColor(0, 255, 255)) > 256 * 20);
    QVERIFY(pixelsNear(served, QColor(255, 128, 0)) > 256 * 60);
    QCOMPARE(server.requests("/served.html") >= 1, true);

    // And the items show them in the cabinet.
    QImage screen;
    QTRY_VERIFY_WITH_TIMEOUT(
        (screen = QGuiApplication::primaryScreen()->grabWindow(cabinet.toULongLong()).toImage(),
         pixelsNear(screen, QColor(255, 0, 255)) > 400 && pixelsNear(screen, QColor(255, 128, 0)) > 400),
        10000);
    const QString shots = QStringLiteral(VORENDA_SOURCE_DIR "/build/screenshots");
    QVERIFY(QDir().mkpath(shots));
    QVERIFY(screen.save(shots + QStringLiteral("/webthumbnails.png")));

    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(30000));
    QCOMPARE(vorenda->exitCode(), 0);
}

VORENDA_TEST_MAIN(TestWebThumbnails)
#include "tst_webthumbnails_x11.moc"
