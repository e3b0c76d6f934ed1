#include "TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>

// The real program on a real X server: a file pasted into the first cabinet becomes an
// item, and a double click on it hands the desktop's opener (a stand-in xdg-open that
// writes down its arguments) the file's exact path.
class TestOpenItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void doubleClickOpensTheExactPath();

private:
    static QStringList visibleWindows(const QString& name);
    static bool xdotool(const QStringList& arguments);
    static QRect windowGeometry(const QString& window);
    // The bounding box of the pixels that differ, between the bars and off the shelf boards.
    static QRect changedArea(const QImage& before, const QImage& after);
    QStringList opened() const;
    QString savedField(const QString& element) const;

    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    QString store;
    QString record;
};

void TestOpenItem::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    store = TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/");
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), store);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vercheck.xml"));
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
    record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"), "printf '%s\\n' \"$@\" >> \"" + QFile::encodeName(record) + "\"\n");
}

void TestOpenItem::cleanup()
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

QStringList TestOpenItem::visibleWindows(const QString& name)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestOpenItem::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QRect TestOpenItem::windowGeometry(const QString& window)
{
    QProcess query;
    query.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    query.waitForFinished(5000);
    QHash<QString, int> values;
    for (const QString& line : QString::fromLatin1(query.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1).toInt());
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

QRect TestOpenItem::changedArea(const QImage& before, const QImage& after)
{
    if (before.size() != after.size())
        return QRect();
    QRect area;
    // The bars above and below the shelves change with the counts; the shelves lie between.
    const int top = before.height() / 8;
    const int bottom = before.height() * 7 / 8;
    for (int y = top; y < bottom; ++y) {
        QRect row;
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                row |= QRect(x, y, 1, 1);
        }
        // A shelf board drawn under a new row of items spans the whole width.
        if (row.width() < before.width() / 2)
            area |= row;
    }
    return area;
}

QStringList TestOpenItem::opened() const
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TestOpenItem::savedField(const QString& element) const
{
    const QStringList files = QDir(store + QStringLiteral("Data")).entryList({QStringLiteral("*.dat")}, QDir::Files);
    if (files.size() != 1)
        return QString();
    QFile file(store + QStringLiteral("Data/") + files.first());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            return xml.readElementText();
    }
    return QString();
}

void TestOpenItem::doubleClickOpensTheExactPath()
{
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/Tom's files");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/the \"best\" notes $HOME `x` & more.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("^Vorenda$")).size(), 1, 30000);
    const QString cabinet = visibleWindows(QStringLiteral("^Vorenda$")).first();
    // The first run's quick-start panel could cover the shelves.
    for (const QString& panel : visibleWindows(QStringLiteral("^Quick Start$")))
        xdotool({QStringLiteral("windowunmap"), QStringLiteral("--sync"), panel});
    QTest::qWait(1000);

    const QRect geometry = windowGeometry(cabinet);
    QVERIFY(geometry.width() > 100 && geometry.height() > 100);
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto grab = [&] {
        return screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height()).toImage();
    };
    const QImage before = grab();

    clipboard = std::make_unique<QProcess>();
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"),
                                               QStringLiteral("text/uri-list"), QStringLiteral("-i")});
    QVERIFY(clipboard->waitForStarted());
    clipboard->write(QUrl::fromLocalFile(path).toEncoded() + "\r\n");
    clipboard->closeWriteChannel();
    QTest::qWait(300);
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")}));

    // The new item stands where the shelves changed.
    QTRY_VERIFY_WITH_TIMEOUT(!changedArea(before, grab()).isEmpty(), 20000);
    QTest::qWait(1500);
    const QRect item = changedArea(before, grab());
    QVERIFY(!item.isEmpty());
    const QPoint target = geometry.topLeft() + item.center();

    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(target.x()), QString::number(target.y())}));
    QTest::qWait(300);
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                     QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{path}, 10000);

    // The open is counted and saved with the cabinet on the way out.
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(30000));
    QCOMPARE(vorenda->exitCode(), 0);
    QCOMPARE(savedField(QStringLiteral("target")), path);
    QCOMPARE(savedField(QStringLiteral("popularity")), QStringLiteral("1"));
}

VORENDA_TEST_MAIN(TestOpenItem)
#include "tst_openitem_x11.moc"
