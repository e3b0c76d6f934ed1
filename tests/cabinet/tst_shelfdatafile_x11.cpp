#include "TestEnvironment.h"

#include "TextFunctions.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>

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
    void start();
    void terminate();
    static QStringList cabinetWindows();
    // The data files of the store; the program keeps one per cabinet.
    QStringList dataFiles() const;
    // The cabinet ids the main data file lists.
    QStringList listedIds() const;
    // The targets of the file's items, each with its category's name ("" for none).
    static QStringList itemsOf(const QString& path);

    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    QString store;
};

void TestShelfDataFileX11::initTestCase()
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

void TestShelfDataFileX11::cleanup()
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

void TestShelfDataFileX11::start()
{
    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
}

void TestShelfDataFileX11::terminate()
{
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(30000));
    QCOMPARE(vorenda->exitStatus(), QProcess::NormalExit);
    QCOMPARE(vorenda->exitCode(), 0);
}

QStringList TestShelfDataFileX11::cabinetWindows()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--name"), QStringLiteral("^Vorenda$")});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList TestShelfDataFileX11::dataFiles() const
{
    return QDir(store + QStringLiteral("Data")).entryList(QDir::Files);
}

QStringList TestShelfDataFileX11::listedIds() const
{
    QFile file(store + QStringLiteral("Vorenda.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList ids;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Cabinet"))
            ids << xml.attributes().value(QStringLiteral("id")).toString();
    }
    return ids;
}

QStringList TestShelfDataFileX11::itemsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList items;
    QString category;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("Uncategorized"))
            category.clear();
        else if (xml.name() == QLatin1String("Category"))
            category = xml.attributes().value(QStringLiteral("name")).toString();
        else if (xml.name() == QLatin1String("target"))
            items << category + QLatin1Char('|') + xml.readElementText();
    }
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

    start();
    QTRY_COMPARE_WITH_TIMEOUT(cabinetWindows().size(), 1, 30000);
    const QString cabinet = cabinetWindows().first();
    QTRY_COMPARE_WITH_TIMEOUT(listedIds().size(), 1, 10000);
    const QString path = store + QStringLiteral("Data/") + listedIds().first() + QStringLiteral(".dat");

    clipboard = std::make_unique<QProcess>();
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"),
                                               QStringLiteral("text/uri-list"), QStringLiteral("-i")});
    QVERIFY(clipboard->waitForStarted());
    clipboard->write(QUrl::fromLocalFile(notes).toEncoded() + "\r\n" + QUrl::fromLocalFile(picture).toEncoded()
                     + "\r\n");
    clipboard->closeWriteChannel();
    QTest::qWait(300);
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}) == 0);
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+v")}) == 0);

    // The picture's thumbnail is made before the first quit, so nothing is asked anew later.
    const QString thumbnail = store + QStringLiteral("Cache/") + getHash(picture) + QLatin1Char('.');
    QTRY_VERIFY_WITH_TIMEOUT(!QImage(thumbnail).isNull(), 30000);
    // The change reached the file shortly after, before any quit.
    QTRY_COMPARE_WITH_TIMEOUT(itemsOf(path).size(), 2, 15000);
    QTest::qWait(1000);
    terminate();

    const QStringList expected{QLatin1Char('|') + notes, QLatin1Char('|') + picture};
    QCOMPARE(itemsOf(path), expected);
    QFile first(path);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray written = first.readAll();
    first.close();
    QVERIFY(written.contains("<thumbnail>" + getHash(picture).toUtf8() + ".</thumbnail>"));

    // Restarted: the same cabinet file is read, and written again unchanged.
    start();
    // Shown by the hotkey, pressed until the program has bound it.
    QTRY_VERIFY_WITH_TIMEOUT(
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+F10")}) == 0
            && (QTest::qWait(300), cabinetWindows().size() == 1),
        30000);
    QTest::qWait(1000);
    terminate();
    QCOMPARE(dataFiles().size(), 1);
    QFile second(path);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), written);
}

VORENDA_TEST_MAIN(TestShelfDataFileX11)
#include "tst_shelfdatafile_x11.moc"
