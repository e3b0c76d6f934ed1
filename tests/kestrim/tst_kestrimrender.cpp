#include "TestEnvironment.h"

#include "KestrimRun.h"
#include "PageServer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

// How Kestrim paces its pages: the page limit, the order of its lines, the
// single reload of a blank page and the deadline; and the pictures it draws.
class TestKestrimRender : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pageLimitHoldsAndLinesComeAsPagesFinish();
    void blankPageIsReloadedOnce();
    void pagesPastTheirDeadlineGiveNoLine_data();
    void pagesPastTheirDeadlineGiveNoLine();
    void picturesInTheWebsFormatsAreDrawn();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    QString outputFolder() const { return path(QStringLiteral("out")); }

    QScopedPointer<QTemporaryDir> dir;
};

static const QByteArray BLANK_PAGE = "<html><body style='background:#ffffff'></body></html>";

void TestKestrimRender::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

// Five pages with maxPages 2: the first page's server is slow, so the others
// overtake it and their lines come first. Beside the two pages, one spare page
// process may wait for its job.
void TestKestrimRender::pageLimitHoldsAndLinesComeAsPagesFinish()
{
    PageServer server;
    QVector<JobItem> items;
    for (int n = 1; n <= 5; ++n) {
        const QByteArray page = "/page" + QByteArray::number(n);
        server.page(page, COLOURS_PAGE, n == 1 ? 4000 : 600);
        items.append({server.url(page), QStringLiteral("p%1").arg(n), {}});
    }
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QStringLiteral("100")}, {QStringLiteral("maxPages"), QStringLiteral("2")}},
                         items));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QSet<QString>(run.lines.begin(), run.lines.end()),
             (QSet<QString>{QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3"), QStringLiteral("p4"),
                            QStringLiteral("p5")}));
    QCOMPARE(run.lines.size(), 5);
    QCOMPARE(run.lines.first(), QStringLiteral("p2"));
    QVERIFY(server.mostAnsweredAtOnce() <= 2);
    QVERIFY(run.mostPages >= 2);
    QVERIFY(run.mostPages <= 3);
    QCOMPARE(run.pageProcesses.size(), 5);
}

// The first snapshot is one colour; the reload brings the real page, whose
// snapshot is taken and kept.
void TestKestrimRender::blankPageIsReloadedOnce()
{
    PageServer server;
    server.route("/late", [](int n) {
        PageServer::Answer answer;
        answer.body = n == 1 ? BLANK_PAGE : COLOURS_PAGE;
        return answer;
    });
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(), {{QStringLiteral("delay"), QStringLiteral("100")}},
                         {{server.url("/late"), QStringLiteral("late"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.lines, QStringList{QStringLiteral("late")});
    QCOMPARE(server.requests("/late"), 2);
    const QImage thumbnail(outputFolder() + QStringLiteral("/late."));
    QCOMPARE(thumbnail.size(), QSize(256, 192));
    QVERIFY(looksLike(thumbnail, 0.25, 0.5, Qt::red));
    QVERIFY(looksLike(thumbnail, 0.75, 0.5, Qt::blue));
}

void TestKestrimRender::pagesPastTheirDeadlineGiveNoLine_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("timeout");
    QTest::newRow("delay beyond the deadline") << COLOURS_PAGE << 4000 << 3000;
    // The reload's snapshot would come 5 s after the reload.
    QTest::newRow("blank page's reload beyond the deadline") << BLANK_PAGE << 100 << 5000;
}

void TestKestrimRender::pagesPastTheirDeadlineGiveNoLine()
{
    QFETCH(QByteArray, page);
    QFETCH(int, delay);
    QFETCH(int, timeout);
    PageServer server;
    server.page("/page", page);
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QString::number(delay)}, {QStringLiteral("timeout"), QString::number(timeout)}},
                         {{server.url("/page"), QStringLiteral("page"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(30000));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.lines.isEmpty());
    QVERIFY(server.requests("/page") <= 2);
    QVERIFY(QDir(outputFolder()).entryList(QDir::Files).isEmpty());
}

// The page process loads no image plug-in of Qt's: each picture format of the web
// must still be drawn, by the web engine's own decoders.
void TestKestrimRender::picturesInTheWebsFormatsAreDrawn()
{
    QImage green(64, 48, QImage::Format_RGB32);
    green.fill(QColor(0, 160, 0));
    const auto encoded = [&green](const char* format) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        return writer.write(green) ? buffer.data() : QByteArray();
    };
    // One pixel of the first of two colours, (0, 160, 0) and black; Qt writes no GIF.
    const QByteArray gif = QByteArray::fromHex("4749463839610100010080000000a000000000"
                                               "2c00000000010001000002024401003b");
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='48'>"
                           "<rect width='64' height='48' fill='rgb(0,160,0)'/></svg>";
    struct Picture
    {
        QString name;
        QByteArray type;
        QByteArray bytes;
    };
    const QVector<Picture> pictures = {
        {QStringLiteral("png"), "image/png", encoded("png")},    {QStringLiteral("jpeg"), "image/jpeg", encoded("jpeg")},
        {QStringLiteral("webp"), "image/webp", encoded("webp")}, {QStringLiteral("gif"), "image/gif", gif},
        {QStringLiteral("bmp"), "image/bmp", encoded("bmp")},    {QStringLiteral("svg"), "image/svg+xml", svg},
    };
    QVector<JobItem> items;
    for (const Picture& picture : pictures) {
        if (picture.bytes.isEmpty())
            continue;  // no writer for it here
        QFile page(path(picture.name + QStringLiteral(".html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body style='margin:0;background:#ffffff'><img style='position:absolute;left:0;top:0;"
                   "width:100%;height:100%' src='data:" + picture.type + ";base64," + picture.bytes.toBase64()
                   + "'></body></html>");
        page.close();
        items.append({page.fileName(), picture.name, {}});
    }
    QVERIFY(items.size() >= 4);
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QStringLiteral("100")}}, items));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.exitCode, 0);
    for (const JobItem& item : items) {
        const QImage thumbnail(outputFolder() + QLatin1Char('/') + item.key + QLatin1Char('.'));
        QVERIFY2(looksLike(thumbnail, 0.5, 0.5, QColor(0, 160, 0)), qPrintable(item.key));
    }
    QCOMPARE(run.lines.size(), items.size());
}

VORENDA_TEST_MAIN(TestKestrimRender)
#include "tst_kestrimrender.moc"
