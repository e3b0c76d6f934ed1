#include "TestEnvironment.h"

#include "../dovalin/TestPictures.h"
#include "TextFunctions.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>

// The real program on a real X server: twenty photographs pasted into the first cabinet
// as files become twenty items whose pictures the image helper makes within seconds.
class TestImageThumbnails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pastedPhotosGetThumbnails();

private:
    struct SavedItem
    {
        QString target;
        QString thumbnail;
        int type = -1;
    };
    static QStringList visibleWindows(const QString& name);
    static bool xdotool(const QStringList& arguments);
    QList<SavedItem> savedItems() const;
    QStringList cachedThumbnails(const QStringList& targets) const;

    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    QString store;
};

void TestImageThumbnails::initTestCase()
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

void TestImageThumbnails::cleanup()
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

QStringList TestImageThumbnails::visibleWindows(const QString& name)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestImageThumbnails::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QList<TestImageThumbnails::SavedItem> TestImageThumbnails::savedItems() const
{
    const QStringList files = QDir(store + QStringLiteral("Data")).entryList({QStringLiteral("*.dat")}, QDir::Files);
    if (files.size() != 1)
        return {};
    QFile file(store + QStringLiteral("Data/") + files.first());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<SavedItem> items;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("Item"))
            items.append({QString(), QString(), xml.attributes().value(QStringLiteral("type")).toInt()});
        else if (!items.isEmpty() && xml.name() == QLatin1String("target"))
            items.last().target = xml.readElementText();
        else if (!items.isEmpty() && xml.name() == QLatin1String("thumbnail"))
            items.last().thumbnail = xml.readElementText();
    }
    return items;
}

QStringList TestImageThumbnails::cachedThumbnails(const QStringList& targets) const
{
    QStringList found;
    for (const QString& target : targets) {
        const QString path = store + QStringLiteral("Cache/") + getHash(target) + QLatin1Char('.');
        QFile file(path);
        // Complete PNG files: their signature and a picture that decodes.
        if (file.open(QIODevice::ReadOnly) && file.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8)
            && !QImage(path).isNull())
            found << path;
    }
    return found;
}

void TestImageThumbnails::pastedPhotosGetThumbnails()
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Photos"));
    QVERIFY(QDir().mkpath(folder));
    QStringList photos;
    QByteArray uriList;
    for (int i = 0; i < 20; ++i) {
        const QString path = folder + QStringLiteral("/photo %1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(TestPictures::gradient(1200 + 8 * i, 900).save(path, "JPEG", 90));
        photos << path;
        uriList += QUrl::fromLocalFile(path).toEncoded() + "\r\n";
    }

    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("^Vorenda$")).size(), 1, 30000);
    const QString cabinet = visibleWindows(QStringLiteral("^Vorenda$")).first();

    clipboard = std::make_unique<QProcess>();
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"),
                                               QStringLiteral("text/uri-list"), QStringLiteral("-i")});
    QVERIFY(clipboard->waitForStarted());
    clipboard->write(uriList);
    clipboard->closeWriteChannel();
    QTest::qWait(300);

    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")}));
    QElapsedTimer sincePaste;
    sincePaste.start();
    // Twenty finished thumbnails in the cache within ten seconds of the paste.
    QTRY_COMPARE_WITH_TIMEOUT(cachedThumbnails(photos).size(), 20, 10000);
    qInfo("twenty thumbnails cached %lld ms after the paste", sincePaste.elapsed());

    // The items show them: the pictures' dark band stands on the shelves.
    QTest::qWait(800);
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(cabinet.toULongLong()).toImage();
    QVERIFY(!screen.isNull());
    const QString shots = QStringLiteral(VORENDA_SOURCE_DIR "/build/screenshots");
    QVERIFY(QDir().mkpath(shots));
    QVERIFY(screen.save(shots + QStringLiteral("/imagethumbnails.png")));
    int bandPixels = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            if (qAbs(c.red() - 20) < 25 && qAbs(c.green() - 60) < 25 && qAbs(c.blue() - 20) < 25)
                ++bandPixels;
        }
    }
    QVERIFY2(bandPixels > 20 * 200, qPrintable(QString::number(bandPixels)));

    // Saved on the way out: twenty image items, each with its own thumbnail.
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(30000));
    QCOMPARE(vorenda->exitCode(), 0);
    const QList<SavedItem> items = savedItems();
    QCOMPARE(items.size(), 20);
    QStringList targets;
    for (const SavedItem& item : items) {
        targets << item.target;
        QVERIFY2(item.type == 1 || item.type == 2, qPrintable(item.target));
        QCOMPARE(item.thumbnail, getHash(item.target) + QLatin1Char('.'));
    }
    targets.sort();
    QCOMPARE(targets, photos);
}

VORENDA_TEST_MAIN(TestImageThumbnails)
#include "tst_imagethumbnails_x11.moc"
